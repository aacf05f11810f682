#include "CellRendering.h"

#include <QFontDatabase>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>

namespace {

constexpr int kPad = 24;        // room around the cell in the test image
constexpr int kInkLevel = 160;  // grey values below this count as ink

QString registeredFamily(const QString& family)
{
    static QHash<QString, QString> registered;
    if (!registered.contains(family)) {
        QString fileName;
        for (const FamilyFile& file : familyFiles()) {
            if (file.family == family)
                fileName = file.fileName;
        }
        const int id = QFontDatabase::addApplicationFontFromData(readCommittedFont(fileName));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        registered.insert(family, families.contains(family) ? family : QString());
    }
    return registered.value(family);
}

}  // namespace

QFont cellFont(const GlyphRow& row)
{
    QFont font(registeredFamily(row.family));
    font.setPixelSize(row.heightPx);
    font.setBold(row.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QString glyphStringText(const QVector<int>& codes)
{
    QString text;
    for (int code : codes) {
        const char32_t character = windows1252(uint8_t(code));
        text += QString::fromUcs4(&character, 1);
    }
    return text;
}

namespace {

QGlyphRun glyphRun(const QFont& font, const QVector<int>& codes)
{
    const QRawFont raw = QRawFont::fromFont(font);
    QVector<quint32> glyphs;
    for (int code : codes)
        glyphs << glyphForByte(raw, uint8_t(code));
    QVector<QPointF> positions;
    qreal x = 0;
    for (const QPointF& advance : raw.advancesForGlyphIndexes(glyphs)) {
        positions << QPointF(x, 0);
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return run;
}

}  // namespace

CellInk drawInCell(const QFont& font, const QVector<int>& codes, int heightPx, int widthPx)
{
    QImage image(widthPx + 2 * kPad, kCellHeightPx + 2 * kPad, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawGlyphRun(QPointF(kPad, kPad + baselineFromTop(heightPx)), glyphRun(font, codes));
    }
    CellInk ink;
    for (int y = 0; y < image.height(); ++y) {
        const bool inside = y >= kPad && y < kPad + kCellHeightPx;
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] < kInkLevel)
                ++(inside ? ink.inside : ink.outside);
        }
    }
    return ink;
}
