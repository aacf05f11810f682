#pragma once

#include <QHash>
#include <QSize>
#include <QString>

// Sizes of the 72 pictures, from the picture catalogue.
inline const QHash<QString, QSize>& CatalogueSizes()
{
    static const QHash<QString, QSize> sizes = [] {
        QHash<QString, QSize> s;
        const int koreaWidths[] = {24, 24, 26, 26, 26, 26, 24, 26, 26, 24, 24, 24, 26};
        for (int i = 0; i <= 12; ++i)
            s.insert(QStringLiteral("korea%1").arg(i), QSize(koreaWidths[i], 26));
        const QSize ass[] = {{14, 24}, {13, 36}, {25, 37}, {37, 37}, {42, 32}, {37, 38},
                             {36, 36}, {36, 37}, {36, 37}, {37, 37}, {13, 37}};
        for (int i = 0; i <= 10; ++i)
            s.insert(QStringLiteral("ass%1").arg(i), ass[i]);
        const QSize ma[] = {{18, 12}, {5, 5},   {5, 11},  {5, 17},  {5, 23}, {4, 23},
                            {11, 23}, {11, 23}, {11, 23}, {11, 23}, {10, 23}};
        for (int i = 0; i <= 10; ++i)
            s.insert(QStringLiteral("ma%1").arg(i), ma[i]);
        const QSize h[4][9] = {
            {{4, 16}, {9, 16}, {12, 16}, {16, 6}, {16, 16}, {14, 17}, {25, 12}, {16, 10}, {28, 24}},
            {{18, 20}, {16, 23}, {19, 21}, {23, 13}, {10, 18}, {31, 14}, {16, 20}, {31, 24}, {31, 18}},
            {{38, 12}, {38, 17}, {38, 17}, {39, 19}, {41, 28}, {42, 30}, {38, 22}, {42, 22}, {44, 20}},
            {{22, 29}, {45, 28}, {34, 26}, {34, 27}, {50, 22}, {31, 22}, {32, 24}, {33, 23}, {34, 33}}};
        const char* zeros[] = {"", "0", "00", "000"};
        for (int p = 0; p < 4; ++p)
            for (int d = 1; d <= 9; ++d)
                s.insert(QStringLiteral("h%1%2").arg(d).arg(QLatin1String(zeros[p])), h[p][d - 1]);
        s.insert(QStringLiteral("h10000"), QSize(31, 29));
        return s;
    }();
    return sizes;
}
