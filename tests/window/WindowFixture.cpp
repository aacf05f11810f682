#include "WindowFixture.h"

#include "rows/PaintBox.h"
#include "rows/ValueCell.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "pictures/PictureNumerals.h"

#include <QDate>
#include <QLabel>
#include <QTest>

#include <string>
#include <utility>

QStringList PictureNames(const PaintBox& box)
{
    QStringList names;
    for (const PictureStrip::Placed& placed : box.placements())
        names << placed.picture;
    return names;
}

QStringList PictureNames(const PictureSequence& steps)
{
    QStringList names;
    for (const PictureStep& step : steps)
        if (!step.isGap())
            names << QString::fromStdString(step.picture);
    return names;
}

MainWindow& WindowFixture::make()
{
    errors_.clear();
    window_ = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window_->setErrorDisplay([this](const QString& message) { errors_ << message; });
    return *window_;
}

bool WindowFixture::open()
{
    make();
    window_->show();
    window_->activateWindow();
    return QTest::qWaitFor([this] { return window_->isActivated(); });
}

QStringList WindowFixture::rowsNotShowing(int n) const
{
    QStringList wrong;
    if (window_->romanLabel()->text() != QString::fromStdString(RomanNumeral(n)))
        wrong << QStringLiteral("l2");
    const std::string digits = std::to_string(n);
    for (const TextRow& row : AllTextRows()) {
        if (window_->valueCell(QLatin1String(row.cell))->caption()
            != QByteArray::fromStdString(row.build(n, digits)))
            wrong << QLatin1String(row.cell);
    }
    const std::pair<const char*, PictureSequence> boxes[] = {{"PB2", KoreanPictures(n)},
                                                             {"PB1", HieraticPictures(n)},
                                                             {"PB9", AssyrianPictures(n)},
                                                             {"PB7", MayaPictures(n)}};
    for (const auto& [box, pictures] : boxes) {
        if (PictureNames(*window_->paintBox(QLatin1String(box))) != PictureNames(pictures))
            wrong << QLatin1String(box);
    }
    return wrong;
}

QStringList WindowFixture::close()
{
    window_.reset();
    return std::exchange(errors_, {});
}
