#include "NumeralTestSupport.h"

#include <QStringList>

#include <cstdlib>
#include <iostream>

QString CodesText(const GlyphString& s)
{
    QStringList codes;
    for (unsigned char c : s)
        codes << QString::number(c);
    return codes.join(u' ');
}

QString ExpandCodes(const QString& compact)
{
    QStringList codes;
    for (const QString& token : compact.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(u'*');
        const int count = parts.size() > 1 ? parts[1].toInt() : 1;
        for (int i = 0; i < count; ++i)
            codes << parts[0];
    }
    return codes.join(u' ');
}

const TextRow& RowOf(const char* cell)
{
    const TextRow* row = FindTextRow(cell);
    if (row == nullptr) {
        std::cerr << "no glyph-string row " << cell << '\n';
        std::abort();
    }
    return *row;
}

GlyphString Caption(const char* cell, int n, const std::string& t)
{
    return RowOf(cell).build(n, t);
}

GlyphString Caption(const char* cell, int n)
{
    return Caption(cell, n, std::to_string(n));
}
