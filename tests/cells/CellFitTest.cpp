#include "MainWindow.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"

#include "numerals/TextRows.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <array>
#include <map>
#include <memory>

namespace {

constexpr int kCellHeight = 38;
constexpr int kMargin = 24;  // room above and below the cell to catch ink that leaves it

// Draws one glyph string the way the cell does, in a canvas with room around
// the cell, and returns the rows of the canvas that got ink.
std::pair<int, int> InkRows(const ValueCell& cell, const QByteArray& glyphs)
{
    QImage canvas(200, kCellHeight + 2 * kMargin, QImage::Format_Grayscale8);
    canvas.fill(255);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(60, kMargin + cell.face().baselineIn(kCellHeight)),
                         cell.face().layOut(glyphs));
    painter.end();
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar* line = canvas.constScanLine(y);
        if (std::any_of(line, line + canvas.width(), [](uchar grey) { return grey < 250; })) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    return {top, bottom};
}

// Neighbouring signs keep at least this much clear space between their inks;
// in scripts written joined (the strokes that join them passed over), the
// letters' bodies keep the typeface's own spacing and need only not touch.
constexpr qreal kMinGapPx = 1.5;
constexpr qreal kMinGapJoinedPx = 0.5;
// Coverage (of 255) from which a pixel counts as ink when gaps are measured.
constexpr int kFaintInk = 8;

// How a row's neighbouring signs are drawn to meet.
enum class Meeting {
    Never,
    Anywhere,      // the signs overlap or touch by design
    AlongStrokes,  // strokes run on across the boundary (a headline, numeral bars)
};

// D'Ni boxes share their sides and Tenctonese waves run on into the next
// sign. Devanagari consonants join along their headline; the vowel sign i
// stands over the consonant after it and the vowel sign u under the one
// before it. Ethiopic numerals run their bars above and below on into the
// next numeral.
Meeting HowSignsMeet(const QString& cell, unsigned char left, unsigned char right)
{
    if (cell == QLatin1String("P31") || cell == QLatin1String("P21"))
        return Meeting::Anywhere;
    if (cell == QLatin1String("P27"))
        return left == 0xA0 || right == 0xC2 ? Meeting::Anywhere : Meeting::AlongStrokes;
    if (cell == QLatin1String("P36"))
        return Meeting::AlongStrokes;
    return Meeting::Never;
}

// Two glyphs of a face drawn the way a cell draws them, each alone in a
// canvas of its own, the second `distance` pixels to the right of the first.
class GlyphPair {
public:
    GlyphPair(const GlyphFace& face, quint32 left, quint32 right, int distance)
    {
        const QRawFont& font = face.rawFont();
        const QRectF leftBox = font.boundingRect(left);
        const QRectF rightBox = font.boundingRect(right).translated(distance, 0);
        const int pad = 4 + qCeil(font.pixelSize() / 4);
        const int origin = pad - qFloor(qMin(leftBox.left(), rightBox.left()));
        const int width = origin + qCeil(qMax(leftBox.right(), rightBox.right())) + pad;
        const int baseline = kMargin + face.baselineIn(kCellHeight);
        seam_ = origin + distance;
        left_ = Draw(font, left, origin, baseline, width);
        right_ = Draw(font, right, seam_, baseline, width);
    }

    // The narrowest gap, in pixels, between the right edge of the left ink
    // and the left edge of the right ink on the same or a neighbouring pixel
    // row; each edge is placed within its pixel by the pixel's coverage.
    // Negative where the inks overlap or interlock. With `acrossStrokes`,
    // pixel rows where both inks reach the boundary between the two signs
    // (a stroke running on from one sign into the next) are passed over.
    qreal narrowestGap(bool acrossStrokes = false) const
    {
        const int rows = left_.height();
        QVector<qreal> leftInkEnds(rows, -1e6);
        QVector<qreal> rightInkStarts(rows, 1e6);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < left_.width(); ++x) {
                if (const int a = InkAt(left_, x, y); a >= kFaintInk)
                    leftInkEnds[y] = qMax(leftInkEnds[y], x + a / 255.0);
                if (const int b = InkAt(right_, x, y); b >= kFaintInk)
                    rightInkStarts[y] = qMin(rightInkStarts[y], x + 1 - b / 255.0);
            }
        }
        qreal narrowest = 1e6;
        for (int y = 0; y < rows; ++y) {
            if (acrossStrokes && StrokeRunsOn(leftInkEnds, rightInkStarts, y))
                continue;
            for (int near = qMax(0, y - 1); near <= qMin(rows - 1, y + 1); ++near) {
                if (!acrossStrokes || !StrokeRunsOn(leftInkEnds, rightInkStarts, near))
                    narrowest = qMin(narrowest, rightInkStarts[near] - leftInkEnds[y]);
            }
        }
        return narrowest;
    }

private:
    static QImage Draw(const QRawFont& font, quint32 glyph, int penX, int baseline, int width)
    {
        QImage canvas(width, kCellHeight + 2 * kMargin, QImage::Format_Grayscale8);
        canvas.fill(255);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(penX, 0)});
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        painter.drawGlyphRun(QPointF(0, baseline), run);
        return canvas;
    }

    static int InkAt(const QImage& image, int x, int y) { return 255 - image.constScanLine(y)[x]; }

    // Whether, on pixel row y or a row next to it, both inks come within
    // 1.5 px of the boundary between the two signs (the second's pen position).
    bool StrokeRunsOn(const QVector<qreal>& leftInkEnds, const QVector<qreal>& rightInkStarts, int y) const
    {
        for (int near = qMax(0, y - 1); near <= qMin(int(leftInkEnds.size()) - 1, y + 1); ++near) {
            if (leftInkEnds[near] >= seam_ - 1.5 && rightInkStarts[near] <= seam_ + 1.5)
                return true;
        }
        return false;
    }

    int seam_ = 0;
    QImage left_;
    QImage right_;
};

// Pairs of neighbouring signs in a row's captions that come closer than
// they may, by code pair, with the first number showing the pair. Glyphs
// without ink (the blank) are passed over: the signs on either side of one
// are neighbours.
class NeighbourCheck {
public:
    explicit NeighbourCheck(const ValueCell& cell) : cell_(cell)
    {
        const GlyphFace& face = cell_.face();
        for (int code = 0; code < 256; ++code)
            inked_[code] = !face.rawFont().pathForGlyph(face.glyphForByte(code)).isEmpty();
    }

    void check(const QByteArray& caption, int number)
    {
        const QGlyphRun run = cell_.face().layOut(caption, cell_.width());
        const QList<QPointF> positions = run.positions();
        int previous = -1;
        for (int i = 0; i < positions.size(); ++i) {
            if (!inked_[static_cast<unsigned char>(caption[i])])
                continue;
            if (previous >= 0) {
                const int distance = qRound(positions[i].x() - positions[previous].x());
                checkPair(static_cast<unsigned char>(caption[previous]),
                          static_cast<unsigned char>(caption[i]), distance, number);
            }
            previous = i;
        }
    }

    bool allClear() const { return tooClose_.empty(); }

    QString report() const
    {
        QStringList pairs;
        for (const auto& [codes, found] : tooClose_)
            pairs << QStringLiteral("%1 %2: %3 px (in %4)")
                         .arg(codes.first)
                         .arg(codes.second)
                         .arg(found.first)
                         .arg(found.second);
        return pairs.join(QStringLiteral(", "));
    }

private:
    void checkPair(unsigned char left, unsigned char right, int distance, int number)
    {
        const Meeting meeting = HowSignsMeet(cell_.objectName(), left, right);
        if (meeting == Meeting::Anywhere)
            return;
        const quint32 key = (quint32(left) << 24) | (quint32(right) << 16) | quint16(distance);
        auto known = gaps_.constFind(key);
        if (known == gaps_.constEnd()) {
            const GlyphFace& face = cell_.face();
            const GlyphPair pair(face, face.glyphForByte(left), face.glyphForByte(right), distance);
            known = gaps_.insert(key, pair.narrowestGap(meeting == Meeting::AlongStrokes));
        }
        const qreal minGap = meeting == Meeting::AlongStrokes ? kMinGapJoinedPx : kMinGapPx;
        if (*known < minGap && !tooClose_.count({left, right}))
            tooClose_[{left, right}] = {*known, number};
    }

    const ValueCell& cell_;
    std::array<bool, 256> inked_{};
    QHash<quint32, qreal> gaps_;
    std::map<std::pair<int, int>, std::pair<qreal, int>> tooClose_;
};

}  // namespace

// With the fonts registered and the families handed out, every sign of every
// row stays inside the row's 38-pixel cell, and no caption of any number is
// wider than its cell.
class CellFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void signsStayInsideTheCell_data();
    void signsStayInsideTheCell();
    void widestCaptionFitsTheCell_data();
    void widestCaptionFitsTheCell();
    void neighbouringSignsKeepApart_data();
    void neighbouringSignsKeepApart();
    void theGapCheckSeesSignsTooClose();

private:
    std::unique_ptr<MainWindow> window_;
};

void CellFitTest::initTestCase()
{
    InstallFontStandIns();
    window_ = std::make_unique<MainWindow>([] { return QDate(2026, 12, 6); });
    window_->show();
    window_->activateWindow();
    QTRY_VERIFY(window_->isActivated());
}

void CellFitTest::signsStayInsideTheCell_data()
{
    QTest::addColumn<QString>("cell");
    for (const TextRow& row : AllTextRows())
        if (QLatin1String(row.cell) != QLatin1String("P15"))  // Morse code: a system font
            QTest::newRow(row.cell) << QString::fromLatin1(row.cell);
}

void CellFitTest::signsStayInsideTheCell()
{
    QFETCH(QString, cell);
    const ValueCell& valueCell = *window_->valueCell(cell);
    const GlyphCodes codes = CodesUsedBy(*FindTextRow(cell.toStdString()));
    for (int code = 33; code < 256; ++code) {
        if (!codes.test(code))
            continue;
        QVERIFY2(valueCell.face().glyphForByte(code) != 0,
                 qPrintable(QStringLiteral("code %1 has no glyph").arg(code)));
        // The Sanskrit vowel signs are drawn over and under a consonant.
        const QByteArray glyphs = cell == "P27" ? QByteArray("\xA0\xA1\xC2") : QByteArray(1, char(code));
        const auto [top, bottom] = InkRows(valueCell, glyphs);
        QVERIFY2(top >= 0, qPrintable(QStringLiteral("code %1 draws nothing").arg(code)));
        QVERIFY2(top >= kMargin && bottom < kMargin + kCellHeight,
                 qPrintable(QStringLiteral("code %1 inks rows %2..%3 of the cell's 0..37")
                                .arg(code)
                                .arg(top - kMargin)
                                .arg(bottom - kMargin)));
    }
}

void CellFitTest::widestCaptionFitsTheCell_data()
{
    signsStayInsideTheCell_data();
}

void CellFitTest::widestCaptionFitsTheCell()
{
    QFETCH(QString, cell);
    const ValueCell& valueCell = *window_->valueCell(cell);
    const TextRow& row = *FindTextRow(cell.toStdString());
    qreal widest = 0;
    int widestNumber = 0;
    for (int n = 0; n <= 79999; ++n) {
        const QByteArray caption = QByteArray::fromStdString(row.build(n, std::to_string(n)));
        const QGlyphRun run = valueCell.face().layOut(caption);
        const QRectF ink = run.boundingRect();
        if (ink.right() > widest) {
            widest = ink.right();
            widestNumber = n;
        }
    }
    QVERIFY2(widest <= valueCell.width(),
             qPrintable(QStringLiteral("%1 is %2 px wide in a %3 px cell")
                            .arg(widestNumber)
                            .arg(widest)
                            .arg(valueCell.width())));
}

void CellFitTest::neighbouringSignsKeepApart_data()
{
    signsStayInsideTheCell_data();
}

// In the caption of every number 0..79999, the ink of each sign keeps clear
// of the next sign's ink, except where the row's signs are drawn to meet.
void CellFitTest::neighbouringSignsKeepApart()
{
    QFETCH(QString, cell);
    const ValueCell& valueCell = *window_->valueCell(cell);
    const TextRow& row = *FindTextRow(cell.toStdString());
    NeighbourCheck check(valueCell);
    for (int n = 0; n <= 79999; ++n)
        check.check(QByteArray::fromStdString(row.build(n, std::to_string(n))), n);
    QVERIFY2(check.allClear(), qPrintable(QStringLiteral("signs too close: ") + check.report()));
}

// Two bars of the Post code row drawn less than a pixel apart, and drawn
// overlapping, are caught; the same bars a few pixels apart pass.
void CellFitTest::theGapCheckSeesSignsTooClose()
{
    const GlyphFace& face = window_->valueCell(QStringLiteral("P67"))->face();
    const quint32 bar = face.glyphForByte(106);
    const qreal width = face.rawFont().pathForGlyph(bar).boundingRect().width();
    QVERIFY(width > 1);
    const int touching = qCeil(width);
    QVERIFY(GlyphPair(face, bar, bar, touching).narrowestGap() < kMinGapPx);
    QVERIFY(GlyphPair(face, bar, bar, qFloor(width / 2)).narrowestGap() < 0);
    QVERIFY(GlyphPair(face, bar, bar, touching + 3).narrowestGap() >= kMinGapPx);
}

QTEST_MAIN(CellFitTest)
#include "CellFitTest.moc"
