// Every code a glyph-string row writes has a visible glyph that stays
// inside the row's 38-pixel value cell at the row's font height (by its
// outline, and as drawn, bold rows emboldened), and the widest captions of
// the rows fit their cells; the Egyptian hieroglyphs are solid and of one
// height.
#include "CellRendering.h"
#include "glyphs/CharacterMap.h"
#include "FontFixture.h"
#include "rows/RowTable.h"

#include "numerals/UnicodeRows.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>
#include <QTest>

namespace {

// Room the ink must leave at the top and bottom of the cell (antialiasing),
// plus what the program's emboldening adds on each side for bold rows.
constexpr double kEdgePx = 0.5;

double emboldeningPx(const GlyphRow& row)
{
    return row.bold ? row.heightPx / 48.0 : 0.0;
}

QString fileOf(const QString& family)
{
    for (const FamilyFile& file : familyFiles()) {
        if (file.family == family)
            return file.fileName;
    }
    return {};
}

QRawFont rowFont(const GlyphRow& row)
{
    static QHash<QString, QByteArray> data;
    if (!data.contains(row.family))
        data.insert(row.family, readCommittedFont(fileOf(row.family)));
    return QRawFont(data.value(row.family), row.heightPx, QFont::PreferFullHinting);
}

const GlyphRow& rowNamed(const QString& caption)
{
    for (const GlyphRow& row : glyphRows()) {
        if (row.caption == caption)
            return row;
    }
    qFatal("no row %s", qPrintable(caption));
}

// Appends `count` copies of `code`.
void repeat(QVector<int>& codes, int code, int count)
{
    for (int i = 0; i < count; ++i)
        codes << code;
}

// Coverage (0..255) of one glyph drawn alone, with room around its ink.
QImage glyphCoverage(const QRawFont& font, quint32 glyph)
{
    const QRectF box = font.pathForGlyph(glyph).boundingRect();
    QImage canvas(qCeil(box.width()) + 8, qCeil(box.height()) + 8, QImage::Format_Grayscale8);
    canvas.fill(255);
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(4 - qFloor(box.left()), 4 - qFloor(box.top()))});
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.end();
    canvas.invertPixels();
    return canvas;
}

struct InkShape {
    int inked = 0;     // pixels at least half covered
    int enclosed = 0;  // pixels less covered that the ink shuts in (counters)
};

// How much a glyph's ink shuts in: clear pixels that no path of clear
// pixels joins to the edge of the canvas.
InkShape inkShape(const QImage& coverage)
{
    const int width = coverage.width();
    const int height = coverage.height();
    auto inked = [&](int x, int y) { return coverage.constScanLine(y)[x] >= 128; };
    QVector<bool> outside(width * height, false);
    QVector<QPoint> open;
    for (int x = 0; x < width; ++x)
        open << QPoint(x, 0) << QPoint(x, height - 1);
    for (int y = 0; y < height; ++y)
        open << QPoint(0, y) << QPoint(width - 1, y);
    while (!open.isEmpty()) {
        const QPoint p = open.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= width || p.y() >= height)
            continue;
        if (outside[p.y() * width + p.x()] || inked(p.x(), p.y()))
            continue;
        outside[p.y() * width + p.x()] = true;
        open << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    InkShape shape;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (inked(x, y))
                ++shape.inked;
            else if (!outside[y * width + x])
                ++shape.enclosed;
        }
    }
    return shape;
}

}  // namespace

class FontRowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyRowCodeHasAGlyph_data() { addRows(); }
    void everyRowCodeHasAGlyph();
    void signsStayInsideTheCell_data() { addRows(); }
    void signsStayInsideTheCell();
    void widestCaptionsFit_data();
    void widestCaptionsFit();
    void drawnSignsStayInsideTheCell_data() { addRows(); }
    void drawnSignsStayInsideTheCell();
    void theCellCheckSeesOverflow();
    void signsOfARowDiffer_data() { addRows(); }
    void signsOfARowDiffer();
    void egyptianSignsAreSolidAndOfOneHeight();
    void theCounterMeasureSeesHollowSigns();
    void textRowsHaveTheirCharactersAndFit_data();
    void textRowsHaveTheirCharactersAndFit();

private:
    static void addRows();
};

void FontRowsTest::addRows()
{
    QTest::addColumn<QString>("caption");
    for (const GlyphRow& row : glyphRows())
        QTest::newRow(qPrintable(row.caption)) << row.caption;
}

void FontRowsTest::everyRowCodeHasAGlyph()
{
    QFETCH(QString, caption);
    const GlyphRow& row = rowNamed(caption);
    const QRawFont font = rowFont(row);
    QVERIFY(font.isValid());
    for (int code : row.codes) {
        const quint32 glyph = glyphForByte(font, uint8_t(code));
        QVERIFY2(glyph != 0, qPrintable(QStringLiteral("code %1 has no glyph").arg(code)));
        QVERIFY2(!font.pathForGlyph(glyph).isEmpty(),
                 qPrintable(QStringLiteral("code %1 is blank").arg(code)));
    }
}

void FontRowsTest::signsStayInsideTheCell()
{
    QFETCH(QString, caption);
    const GlyphRow& row = rowNamed(caption);
    const QRawFont font = rowFont(row);
    const int baseline = baselineFromTop(row.heightPx);
    const double margin = kEdgePx + emboldeningPx(row);
    for (int code : row.codes) {
        const QRectF ink = font.pathForGlyph(glyphForByte(font, uint8_t(code))).boundingRect();
        const double top = baseline + ink.top();
        const double bottom = baseline + ink.bottom();
        QVERIFY2(top >= margin, qPrintable(QStringLiteral("code %1 top at %2 px").arg(code).arg(top)));
        QVERIFY2(bottom <= kCellHeightPx - margin,
                 qPrintable(QStringLiteral("code %1 bottom at %2 px").arg(code).arg(bottom)));
    }
}

void FontRowsTest::widestCaptionsFit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QVector<int>>("codes");
    QVector<int> egyptian{32};
    for (auto [code, count] : {std::pair{217, 7}, {216, 9}, {215, 9}, {214, 9}, {213, 9}})
        repeat(egyptian, code, count);
    QTest::newRow("Egyptian 79999") << "Egyptian" << egyptian;
    QTest::newRow("Attic 79999") << "Attic"
                                 << QVector<int>{32,  222, 126, 126, 221, 125, 125, 125, 125, 220, 124, 124,
                                                 124, 124, 219, 122, 122, 122, 122, 218, 120, 120, 120, 120};
    QVector<int> greek{32};
    for (auto [code, count] : {std::pair{126, 7}, {125, 9}, {124, 9}, {123, 1}, {122, 4}, {121, 1}, {120, 4}})
        repeat(greek, code, count);
    QTest::newRow("Ancient Greek 79999") << "Ancient Greek" << greek;
    QVector<int> runes{32, 125, 124, 124, 123, 122, 122, 122, 122, 160};
    repeat(runes, 126, 9);
    runes += QVector<int>{125, 124, 124, 124, 124, 123, 122, 122, 122, 122};
    QTest::newRow("Hungar.Runes 79999") << "Hungar.Runes" << runes;
    QVector<int> heyarian{32, 195, 196, 196, 196, 196, 201, 197, 197, 197, 197, 202};
    for (auto [code, count] : {std::pair{198, 9}, {199, 9}, {200, 7}, {195, 1}})
        repeat(heyarian, code, count);
    QTest::newRow("Heyarian 79999") << "Heyarian" << heyarian;
    QTest::newRow("Manchu 66686") << "Manchu" << QVector<int>{32, 86, 110, 86, 109, 86, 108, 106, 86};
    QTest::newRow("Manchu 79999") << "Manchu" << QVector<int>{32, 87, 110, 89, 109, 89, 108, 107, 89};
    QTest::newRow("Kanji 79999") << "Kanji" << QVector<int>{32, 103, 109, 105, 108, 105, 107, 105, 106, 105};
    QTest::newRow("Suzhou 79999") << "Suzhou" << QVector<int>{32, 68, 33, 70, 34, 70, 35, 70, 36, 70};
    QTest::newRow("Amharic 79999") << "Amharic" << QVector<int>{32, 229, 242, 240, 241, 231, 241, 240, 231};
    QTest::newRow("Sanskrit 79999") << "Sanskrit" << QVector<int>{32, 169, 192, 160, 169, 160, 192, 167, 194};
    QVector<int> dual{32};
    repeat(dual, 106, 17);
    QTest::newRow("Dual code, 17 digits") << "Dual code" << dual;
    QVector<int> post{32};
    repeat(post, 106, 15);
    repeat(post, 32, 10);
    QTest::newRow("Post code, 5 digits") << "Post code" << post;
}

void FontRowsTest::widestCaptionsFit()
{
    QFETCH(QString, caption);
    QFETCH(QVector<int>, codes);
    const GlyphRow& row = rowNamed(caption);
    const QFont font = cellFont(row);
    QVERIFY2(!font.family().isEmpty(), "family not registered");
    const double width = QFontMetricsF(font).horizontalAdvance(glyphStringText(codes));
    QVERIFY2(width <= row.cellWidthPx,
             qPrintable(QStringLiteral("%1 px in a %2 px cell").arg(width).arg(row.cellWidthPx)));
}

void FontRowsTest::drawnSignsStayInsideTheCell()
{
    QFETCH(QString, caption);
    const GlyphRow& row = rowNamed(caption);
    const QFont font = cellFont(row);
    QVERIFY2(!font.family().isEmpty(), "family not registered");
    for (int code : row.codes) {
        const CellInk ink = drawInCell(font, {code}, row.heightPx, 200);
        QVERIFY2(ink.inside > 0, qPrintable(QStringLiteral("code %1 draws nothing").arg(code)));
        QVERIFY2(ink.outside == 0,
                 qPrintable(QStringLiteral("code %1: %2 inked pixels outside").arg(code).arg(ink.outside)));
    }
}

void FontRowsTest::theCellCheckSeesOverflow()
{
    // The same sign drawn far too large must be caught leaving the cell.
    GlyphRow tooLarge = rowNamed("Kanji");
    tooLarge.heightPx = 60;
    const CellInk ink = drawInCell(cellFont(tooLarge), {100}, 27, 200);
    QVERIFY(ink.inside > 0);
    QVERIFY(ink.outside > 0);
}

void FontRowsTest::signsOfARowDiffer()
{
    QFETCH(QString, caption);
    const GlyphRow& row = rowNamed(caption);
    const QRawFont font = rowFont(row);
    QVector<QPainterPath> seen;
    for (int code : row.codes) {
        const QPainterPath path = font.pathForGlyph(glyphForByte(font, uint8_t(code)));
        QVERIFY2(!seen.contains(path),
                 qPrintable(QStringLiteral("code %1 looks like another sign of the row").arg(code)));
        seen << path;
    }
}

// The hieroglyphs are drawn solid, not as outlines (what their ink shuts in
// is a small part of it: the coil's loop), all as tall as the unit stroke,
// which is an upright stroke.
void FontRowsTest::egyptianSignsAreSolidAndOfOneHeight()
{
    const GlyphRow& row = rowNamed("Egyptian");
    const QRawFont font = rowFont(row);
    const QRectF unit = font.pathForGlyph(glyphForByte(font, 213)).boundingRect();
    QVERIFY2(unit.height() >= 5 * unit.width(),
             qPrintable(QStringLiteral("unit stroke %1 x %2 px").arg(unit.width()).arg(unit.height())));
    for (int code : row.codes) {
        const quint32 glyph = glyphForByte(font, uint8_t(code));
        const double height = font.pathForGlyph(glyph).boundingRect().height();
        QVERIFY2(qAbs(height - unit.height()) <= 0.5,
                 qPrintable(QStringLiteral("code %1 is %2 px tall, the unit stroke %3 px")
                                .arg(code)
                                .arg(height)
                                .arg(unit.height())));
        const InkShape shape = inkShape(glyphCoverage(font, glyph));
        QVERIFY2(4 * shape.enclosed <= shape.inked,
                 qPrintable(QStringLiteral("code %1 shuts in %2 clear pixels with %3 inked ones")
                                .arg(code)
                                .arg(shape.enclosed)
                                .arg(shape.inked)));
    }
}

// A ring drawn as an outline shuts in more clear pixels than it inks; a
// filled disc shuts in none.
void FontRowsTest::theCounterMeasureSeesHollowSigns()
{
    for (bool hollow : {true, false}) {
        QImage canvas(40, 40, QImage::Format_Grayscale8);
        canvas.fill(0);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(hollow ? QPen(Qt::white, 1.5) : QPen(Qt::NoPen));
        painter.setBrush(hollow ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
        painter.drawEllipse(QRectF(6, 6, 28, 28));
        painter.end();
        const InkShape shape = inkShape(canvas);
        QVERIFY(shape.inked > 50);
        if (hollow)
            QVERIFY(shape.enclosed > shape.inked);
        else
            QCOMPARE(shape.enclosed, 0);
    }
}

void FontRowsTest::textRowsHaveTheirCharactersAndFit_data()
{
    QTest::addColumn<QByteArray>("cell");
    for (const RowSpec& row : RowsInDisplayOrder())
        if (row.kind == ValueKind::Text)
            QTest::newRow(row.caption) << QByteArray(row.cell);
}

// A row written as text draws in a family of its own, committed as the
// family's name without blanks (resources/fonts/text). That font names the
// family and maps every character the row writes for 0..79999, and the
// row's widest text, shaped in that family alone at the row's pixel
// height, fits the value cell with room at its end; every sign it writes
// draws ink, each unlike the others at that height.
void FontRowsTest::textRowsHaveTheirCharactersAndFit()
{
    QFETCH(QByteArray, cell);
    const RowSpec& row = *FindRow(cell.constData());
    const QString family = QString::fromUtf8(row.family);
    const QString file = QStringLiteral("text/") + QString(family).remove(u' ');
    QByteArray data = readCommittedFont(file + QStringLiteral(".ttf"));
    if (data.isEmpty())
        data = readCommittedFont(file + QStringLiteral(".otf"));
    const QRawFont raw(data, row.pixelHeight);
    QVERIFY2(raw.isValid(), qPrintable(file));
    QCOMPARE(raw.familyName(), family);
    const CharacterMap characters(raw.fontTable("cmap"));
    QVERIFY(QFontDatabase::addApplicationFontFromData(data) >= 0);
    QFont font(family);
    font.setPixelSize(row.pixelHeight);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF metrics(font);
    const UnicodeRow& builder = *FindUnicodeRow(row.cell);
    qreal widest = 0;
    QSet<char32_t> written;
    for (int n = 0; n <= 79999; ++n) {
        const QString text = QString::fromStdString(builder.build(n).text);
        for (char32_t c : text.toUcs4()) {
            if (characters.glyphForCharacter(c) == 0)
                QFAIL(
                    qPrintable(QStringLiteral("%1 has no U+%2 (%3)").arg(family).arg(uint(c), 4, 16).arg(n)));
            written.insert(c);
        }
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // Each sign draws ink, and no two look alike at the row's size (Kaktovik's
    // 4 and 9, 14 and 19 differ only above).
    QHash<QByteArray, char32_t> pictures;
    for (char32_t c : written) {
        if (QChar::isSpace(c) || QChar::isMark(c))
            continue;
        const QImage picture = raw.alphaMapForGlyph(characters.glyphForCharacter(c));
        const QByteArray pixels = QByteArray::number(picture.width()) + 'x'
            + QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        QVERIFY2(!picture.isNull() && picture != QImage(picture.size(), picture.format()),
                 qPrintable(QStringLiteral("U+%1 draws no ink").arg(uint(c), 4, 16)));
        QVERIFY2(!pictures.contains(pixels),
                 qPrintable(QStringLiteral("U+%1 looks like U+%2 at %3 px")
                                .arg(uint(c), 4, 16)
                                .arg(uint(pictures.value(pixels)), 4, 16)
                                .arg(row.pixelHeight)));
        pictures.insert(pixels, c);
    }
    constexpr int kRoomAtTheEndPx = 6;  // as the glyph rows keep (indent, rounding)
    QVERIFY2(widest + kRoomAtTheEndPx <= ValueCellWidth(row.column),
             qPrintable(QStringLiteral("%1 px in a %2 px cell").arg(widest).arg(ValueCellWidth(row.column))));
}

QTEST_MAIN(FontRowsTest)
#include "FontRowsTest.moc"
