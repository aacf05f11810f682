#include "glyphs/GlyphFace.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"
#include "rows/RowTable.h"
#include "rows/TextCell.h"
#include "rows/TextFonts.h"
#include "rows/ValueCell.h"

#include "numerals/UnicodeRows.h"
#include "numerals/text/RowText.h"

#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

QFont PixelFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    return image;
}

// The widget's own painting within the region, at the scale, on a green
// that shows wherever it paints nothing.
QImage RenderedAlone(QWidget& widget, const QRegion& region, qreal scale)
{
    QImage image(widget.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(90, 160, 40));
    widget.render(&image, QPoint(), region, {});
    return image;
}

int InkColumns(const QImage& image)
{
    int columns = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                ++columns;
                break;
            }
    return columns;
}

// What the widget paints itself, on white.
QImage OnWhite(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), {});
    return image;
}

// Where anything but white is.
QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Texts of a row that together show every character it writes over
// 0..79999 beside every neighbour it gets (each mark on each letter it
// meets), and the texts likely widest: those whose characters' advances add
// up to the most.
QStringList SampleTexts(const UnicodeRow& row, const QFont& font)
{
    const QFontMetricsF metrics(font);
    QHash<char32_t, qreal> advances;
    QSet<QPair<char32_t, char32_t>> pairs;
    QStringList samples;
    std::vector<std::pair<qreal, QString>> widths;
    for (int n = 0; n <= 79999; ++n) {
        const QString text = QString::fromStdString(row.build(n).text);
        const std::u32string codes = text.toStdU32String();
        bool news = false;
        qreal width = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (!advances.contains(codes[i]))
                advances.insert(codes[i],
                                metrics.horizontalAdvance(QString::fromStdU32String(codes.substr(i, 1))));
            width += advances.value(codes[i]);
            const QPair<char32_t, char32_t> pair(i > 0 ? codes[i - 1] : 0, codes[i]);
            news |= !pairs.contains(pair);
            pairs.insert(pair);
        }
        if (news)
            samples << text;
        widths.emplace_back(width, text);
    }
    std::partial_sort(widths.begin(), widths.begin() + 5, widths.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (int i = 0; i < 5; ++i)
        samples << widths[std::size_t(i)].second;
    return samples;
}

// The text as Qt's text layout lays it out in the font, as one line of a
// paragraph in the direction given.
void LayOut(QTextLayout& layout, bool rightToLeft, int width)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(width);
    layout.endLayout();
}

// The glyphs of the runs from left to right.
QList<quint32> GlyphsFromTheLeft(const QList<QGlyphRun>& runs)
{
    QList<std::pair<qreal, quint32>> placed;
    for (const QGlyphRun& run : runs)
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
            placed.append({run.positions()[i].x(), run.glyphIndexes()[i]});
    std::sort(placed.begin(), placed.end());
    QList<quint32> glyphs;
    for (const auto& [x, glyph] : placed)
        glyphs << glyph;
    return glyphs;
}

// Marks, format characters, and letters that join their neighbours (Arabic,
// Syriac: a joined letter is drawn in another glyph than its own).
bool ChangesItsNeighbours(char32_t code)
{
    const QChar::JoiningType joining = QChar::joiningType(code);
    return QChar::isMark(code) || QChar::category(code) == QChar::Other_Format
        || joining == QChar::Joining_Dual || joining == QChar::Joining_Right;
}

}  // namespace

// The widgets that stand in for the window's panels, paint boxes and spin
// button.
class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void bytesSelectGlyphsThroughWindows1252();
    void unmappedBytesShowTheMissingGlyph();
    void symbolRowDrawsBulletsAndMinusSigns();
    void symbolRowKeepsDashesApart();
    void baselineCentresTheCaption_data();
    void baselineCentresTheCaption();
    void valueCellDrawsItsCaption();
    void longCaptionsAreLaidOutOnlyAsFarAsTheCell();
    void paintBoxRecomposesOnlyForTheWindowSystem();
    void pageFrameIsTheTabWidgetsOwn();
    void spinButtonRepeatsWhileHeld();
    void textCellDrawsItsRowsTextInItsFamily_data();
    void textCellDrawsItsRowsTextInItsFamily();
    void textCellOnTwoDevicePixelsIsQtsLayoutPlacedByHand_data();
    void textCellOnTwoDevicePixelsIsQtsLayoutPlacedByHand();
};

void WidgetsTest::bytesSelectGlyphsThroughWindows1252()
{
    const GlyphFace face(PixelFont("DejaVu Sans", 27));
    const QRawFont& raw = face.rawFont();
    QCOMPARE(face.glyphForByte('A'), raw.glyphIndexesForString("A").value(0));
    QCOMPARE(face.glyphForByte(0x80), raw.glyphIndexesForString(QString(QChar(0x20AC))).value(0));
    QCOMPARE(face.glyphForByte(0xE9), raw.glyphIndexesForString(QString(QChar(0xE9))).value(0));
    QVERIFY(face.glyphForByte(0xAD) != 0);
    QVERIFY(face.glyphForByte(0xA0) != 0);
}

void WidgetsTest::unmappedBytesShowTheMissingGlyph()
{
    const GlyphFace face(PixelFont("DejaVu Sans", 27));
    QCOMPARE(face.glyphForByte(0x09), 0u);
    QCOMPARE(face.glyphForByte(0x00), 0u);
    QCOMPARE(face.glyphForByte(0x81), 0u);
    QCOMPARE(face.layOut("\x09").glyphIndexes(), QList<quint32>{0});
}

void WidgetsTest::symbolRowDrawsBulletsAndMinusSigns()
{
    const GlyphFace face(PixelFont("Symbol", 19));
    QVERIFY2(face.glyphForByte(0xB7) != 0, qPrintable(face.resolvedFamily()));
    QVERIFY2(face.glyphForByte(0x2D) != 0, qPrintable(face.resolvedFamily()));
    QVERIFY(face.glyphForByte(0xB7) != face.glyphForByte(0x2D));
}

// Morse code's dashes are minus signs as wide as their advance; in a row
// they must still read as separate dashes.
void WidgetsTest::symbolRowKeepsDashesApart()
{
    ValueCell cell("P15", PixelFont("Symbol", 19));
    cell.resize(456, 38);
    cell.setCaption(" \x2D\x2D\x2D\x2D \xB7\xB7");
    const QImage image = Render(cell);
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 160;
        if (ink && !inRun)
            ++runs;
        inRun = ink;
    }
    QCOMPARE(runs, 6);
}

void WidgetsTest::baselineCentresTheCaption_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("baseline");
    // DejaVu Sans: ascender 1901, descender -483 per 2048.
    QTest::newRow("27 px") << 27 << 28;  // 25 + 6 = 31: 3 + 25
    QTest::newRow("48 px") << 48 << 36;  // 45 + 11 = 56: -9 + 45
    QTest::newRow("29 px") << 29 << 29;  // 27 + 7 = 34: 2 + 27
    QTest::newRow("45 px") << 45 << 34;  // 42 + 11 = 53: floor(-7.5) + 42
}

void WidgetsTest::baselineCentresTheCaption()
{
    QFETCH(int, pixels);
    QFETCH(int, baseline);
    const GlyphFace face(PixelFont("DejaVu Sans", pixels));
    const int ascent = qRound(1901.0 * pixels / 2048);
    const int descent = qRound(483.0 * pixels / 2048);
    const int expected = int(std::floor((38 - (ascent + descent)) / 2.0)) + ascent;
    QCOMPARE(face.baselineIn(38), expected);
    QCOMPARE(expected, baseline);
}

void WidgetsTest::valueCellDrawsItsCaption()
{
    ValueCell cell("P6", PixelFont("DejaVu Sans", 27));
    cell.resize(448, 38);
    QCOMPARE(cell.caption(), QByteArray("-"));
    const int dashColumns = InkColumns(Render(cell));
    QVERIFY(dashColumns > 0);
    cell.setCaption(" \xAD\xA0\x09");
    const int columns = InkColumns(Render(cell));
    QVERIFY2(columns > dashColumns, "soft hyphen, no-break space and tab must all draw");
    cell.setCaption(" ");
    QCOMPARE(InkColumns(Render(cell)), 0);
    const int sets = cell.captionSetCount();
    cell.setCaption(" ");
    QCOMPARE(cell.captionSetCount(), sets + 1);
}

void WidgetsTest::longCaptionsAreLaidOutOnlyAsFarAsTheCell()
{
    const GlyphFace face(PixelFont("DejaVu Sans", 27));
    const QByteArray caption(30000, '9');
    const QGlyphRun all = face.layOut(caption);
    QCOMPARE(all.glyphIndexes().size(), 30000);
    const QGlyphRun visible = face.layOut(caption, 448);
    QVERIFY(visible.glyphIndexes().size() < 40);
    QVERIFY(visible.positions().last().x() <= 448);
    QCOMPARE(visible.positions(), all.positions().mid(0, visible.positions().size()));
}

void WidgetsTest::paintBoxRecomposesOnlyForTheWindowSystem()
{
    PaintBox box("PB2");
    box.resize(456, 38);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    int handlerRuns = 0;
    bool guardPasses = true;
    box.setPaintHandler([&] {
        ++handlerRuns;
        if (guardPasses) {
            QImage strip(456, 38, QImage::Format_RGB32);
            strip.fill(Qt::black);
            box.copyStrip(strip, QPoint(8, 3), {});
        }
        return true;
    });
    QImage strip(456, 38, QImage::Format_RGB32);
    strip.fill(Qt::black);
    box.copyStrip(strip, QPoint(8, 3), {});
    QImage shown = Render(box);  // the fresh strip is shown as it is
    QCOMPARE(handlerRuns, 0);
    QCOMPARE(QColor(shown.pixel(7, 10)), QColor(Qt::white));
    QCOMPARE(QColor(shown.pixel(8, 3)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(8, 2)), QColor(Qt::white));
    shown = Render(box);  // an expose runs the handler again
    QCOMPARE(handlerRuns, 1);
    QCOMPARE(QColor(shown.pixel(20, 20)), QColor(Qt::black));
    guardPasses = false;
    shown = Render(box);  // and a guard that stops leaves it white
    QCOMPARE(handlerRuns, 2);
    QCOMPARE(QColor(shown.pixel(20, 20)), QColor(Qt::white));
    guardPasses = true;
    box.hide();  // a strip that came while hidden
    box.copyStrip(strip, QPoint(8, 3), {});
    box.show();
    Render(box);  // is composed again when shown
    QCOMPARE(handlerRuns, 3);
    box.copyStrip(strip, QPoint(8, 3), {});
    box.hide();  // hidden before its paint came
    box.show();
    Render(box);
    QCOMPARE(handlerRuns, 4);
}

// The page control draws its frame from pixels it keeps. Whatever changes
// between paints (the scale, the part painted, the colours, the size), it
// must show what Qt's tab widget with the same tabs draws.
void WidgetsTest::pageFrameIsTheTabWidgetsOwn()
{
    NumeralPages pages;
    QTabWidget plain;
    plain.setFont(pages.font());
    for (int i = 0; i < pages.count(); ++i)
        plain.addTab(new QWidget, pages.tabText(i));
    struct Step {
        qreal scale;
        bool edgesOnly;  // else the whole widget, the page area included
        QColor window;
        QSize size;
    };
    const QColor standard = pages.palette().color(QPalette::Window);
    // Each step changes one thing from the one before.
    const Step steps[] = {{1, true, standard, {1112, 620}},     {1, false, standard, {1112, 620}},
                          {2, false, standard, {1112, 620}},    {2, true, Qt::darkCyan, {1112, 620}},
                          {1, true, Qt::darkCyan, {1112, 620}}, {1, true, standard, {1112, 620}},
                          {1, true, standard, {700, 400}},      {1.5, true, standard, {700, 400}}};
    for (const Step& step : steps) {
        for (QTabWidget* widget : {static_cast<QTabWidget*>(&pages), &plain}) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, step.window);
            widget->setPalette(palette);
            widget->resize(step.size);
            widget->show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        const QRect pageArea(pages.currentWidget()->mapTo(&pages, QPoint()), pages.currentWidget()->size());
        QCOMPARE(QRect(plain.currentWidget()->mapTo(&plain, QPoint()), plain.currentWidget()->size()),
                 pageArea);
        const QRegion region = step.edgesOnly ? QRegion(pages.rect()) - pageArea : QRegion(pages.rect());
        const QString where = QStringLiteral("scale %1, %2").arg(step.scale).arg(step.size.width());
        QVERIFY2(RenderedAlone(pages, region, step.scale) == RenderedAlone(plain, region, step.scale),
                 qPrintable(where));
    }
}

void WidgetsTest::spinButtonRepeatsWhileHeld()
{
    SpinButton spin;
    spin.resize(20, 32);
    spin.show();
    QSignalSpy ups(&spin, &SpinButton::upClicked);
    QSignalSpy downs(&spin, &SpinButton::downClicked);
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(10, 4));
    QCOMPARE(ups.count(), 1);
    QTest::qWait(SpinButton::kFirstRepeatDelay / 2);
    QCOMPARE(ups.count(), 1);  // no repeat before the first delay
    QTRY_VERIFY_WITH_TIMEOUT(ups.count() >= 3, 2000);
    QTest::mouseMove(&spin, QPoint(10, 28));  // off the pressed half: the repeat pauses
    const int held = ups.count();
    QTest::qWait(3 * SpinButton::kRepeatInterval);
    QVERIFY(ups.count() <= held + 1);
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(10, 28));
    const int released = ups.count();
    QTest::qWait(3 * SpinButton::kRepeatInterval);
    QCOMPARE(ups.count(), released);
    QCOMPARE(downs.count(), 0);
}

void WidgetsTest::textCellDrawsItsRowsTextInItsFamily_data()
{
    QTest::addColumn<QByteArray>("cell");
    for (const RowSpec& row : RowsInDisplayOrder())
        if (row.kind == ValueKind::Text)
            QTest::newRow(row.caption) << QByteArray(row.cell);
}

// Every pair of neighbouring characters a text row writes, and its widest
// texts, in its cell: every glyph from the row's own family (no other font
// stands in, no character lacks its glyph), shaped and placed as Qt's text
// layout does in that font, in a paragraph of the direction the text layer
// gives the row, each letter moved to the nearest whole device pixel at
// scales 1 and 2 and its marks with it; the characters from left to right
// in reading order, or from right to left in a right-to-left row; all ink
// inside the cell. A text that is empty (no form for the number) draws
// nothing.
void WidgetsTest::textCellDrawsItsRowsTextInItsFamily()
{
    QFETCH(QByteArray, cell);
    const RowSpec& row = *FindRow(cell.constData());
    TextFonts::load(row.page);
    const QString family = QString::fromUtf8(row.family);
    TextCell text(QString::fromLatin1(row.cell), family, row.pixelHeight);
    text.setFixedSize(ValueCellWidth(row.column), kRowHeight);
    const QRect inside = text.rect().adjusted(1, 1, -1, -1);
    const QStringList samples = SampleTexts(*FindUnicodeRow(row.cell), text.textFont());
    const bool rightToLeft = rowtext::TextOf(row.cell, 1, "1").direction == rowtext::Direction::RightToLeft;
    for (const QString& sample : samples) {
        text.setText(sample);
        QTextLayout layout(sample, text.textFont());
        LayOut(layout, rightToLeft, text.width() - TextCell::kIndentPx);
        const QList<QGlyphRun> laidOut = layout.glyphRuns();
        for (const qreal scale : {1.0, 2.0}) {
            const QList<QGlyphRun> drawn = text.glyphRuns(scale);
            QCOMPARE(drawn.size(), laidOut.size());
            for (qsizetype r = 0; r < drawn.size(); ++r) {
                const QList<quint32>& glyphs = drawn[r].glyphIndexes();
                QCOMPARE(drawn[r].rawFont().familyName(), family);
                QVERIFY2(!glyphs.contains(0), qPrintable(sample));
                QCOMPARE(glyphs, laidOut[r].glyphIndexes());
                const QList<QPointF> advances = drawn[r].rawFont().advancesForGlyphIndexes(glyphs);
                for (qsizetype g = 0; g < glyphs.size(); ++g) {
                    const qreal x = drawn[r].positions()[g].x();
                    const qreal shift = x - laidOut[r].positions()[g].x();
                    QVERIFY2(std::abs(shift) <= 0.5 / scale + 1e-9, qPrintable(sample));
                    if (advances[g].x() != 0)
                        QCOMPARE(x * scale, std::round(x * scale));
                    else if (g > 0)  // a mark keeps its place on its letter
                        QCOMPARE(shift, drawn[r].positions()[g - 1].x() - laidOut[r].positions()[g - 1].x());
                }
            }
        }
        std::u32string codes = sample.toStdU32String();
        if (std::none_of(codes.begin(), codes.end(), ChangesItsNeighbours)) {
            if (rightToLeft)
                std::reverse(codes.begin(), codes.end());
            QList<quint32> inOrder;
            for (char32_t code : codes)
                inOrder << laidOut.first()
                               .rawFont()
                               .glyphIndexesForString(QString::fromStdU32String({code}))
                               .value(0);
            QCOMPARE(GlyphsFromTheLeft(text.glyphRuns()), inOrder);
        }
        QVERIFY2(inside.contains(InkBox(OnWhite(text))), qPrintable(sample));
    }
    text.setText(QString());
    QCOMPARE(InkBox(OnWhite(text)), QRect());
}

void WidgetsTest::textCellOnTwoDevicePixelsIsQtsLayoutPlacedByHand_data()
{
    textCellDrawsItsRowsTextInItsFamily_data();
}

// Drawn on two device pixels to the pixel, the cell is pixel for pixel the
// text as Qt's text layout lays it out in the row's font, drawn by hand:
// each glyph with an advance moved to the nearest whole device pixel (half a
// pixel), a mark by its letter's shift, the line after the indent with its
// baseline where the font's own ascent and descent centre it in the cell.
void WidgetsTest::textCellOnTwoDevicePixelsIsQtsLayoutPlacedByHand()
{
    QFETCH(QByteArray, cell);
    constexpr qreal kScale = 2;
    const RowSpec& row = *FindRow(cell.constData());
    TextFonts::load(row.page);
    TextCell text(QString::fromLatin1(row.cell), QString::fromUtf8(row.family), row.pixelHeight);
    text.setFixedSize(ValueCellWidth(row.column), kRowHeight);
    QPalette palette = text.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    text.setPalette(palette);
    const QRawFont raw = QRawFont::fromFont(text.textFont());
    const int ascent = qRound(raw.ascent());
    const int baseline = int(std::floor((kRowHeight - (ascent + qRound(raw.descent()))) / 2.0)) + ascent;
    const bool rightToLeft = rowtext::TextOf(row.cell, 1, "1").direction == rowtext::Direction::RightToLeft;
    for (const int n : {7, 15, 1994, 2026, 46362, 79999}) {
        const QString sample = QString::fromStdString(FindUnicodeRow(row.cell)->build(n).text);
        text.setText(sample);
        QTextLayout layout(sample, text.textFont());
        LayOut(layout, rightToLeft, text.width() - TextCell::kIndentPx);
        QImage expected(text.size() * kScale, QImage::Format_RGB32);
        expected.setDevicePixelRatio(kScale);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setPen(Qt::black);
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
            qreal shift = 0;
            for (qsizetype g = 0; g < positions.size(); ++g) {
                if (advances[g].x() != 0)
                    shift = std::round(positions[g].x() * kScale) / kScale - positions[g].x();
                positions[g].rx() += shift;
            }
            run.setPositions(positions);
            painter.drawGlyphRun(QPointF(TextCell::kIndentPx, baseline - layout.lineAt(0).ascent()), run);
        }
        painter.end();
        QImage drawn(text.size() * kScale, QImage::Format_RGB32);
        drawn.setDevicePixelRatio(kScale);
        drawn.fill(Qt::white);
        text.render(&drawn, QPoint(), QRegion(), {});
        QVERIFY2(drawn == expected, qPrintable(QStringLiteral("%1 (%2)").arg(sample).arg(n)));
    }
}

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
