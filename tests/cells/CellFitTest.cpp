#include "MainWindow.h"
#include "UiFonts.h"
#include "ValueCell.h"

#include "numerals/TextRows.h"

#include <QPainter>
#include <QTest>

#include <memory>

namespace {

constexpr int kCellHeight = 38;
constexpr int kMargin = 24;   // room above and below the cell to catch ink that leaves it

// Draws one glyph string the way the cell does, in a canvas with room around
// the cell, and returns the rows of the canvas that got ink.
std::pair<int, int> InkRows(const ValueCell& cell, const QByteArray& glyphs)
{
    QImage canvas(200, kCellHeight + 2 * kMargin, QImage::Format_Grayscale8);
    canvas.fill(255);
    QPainter painter(&canvas);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(60, kMargin + cell.face().baselineIn(kCellHeight)), cell.face().layOut(glyphs));
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
    for (const TextRow& row : TextRowsInRefreshOrder())
        if (QLatin1String(row.cell) != QLatin1String("P15"))   // Morse code: a system font
            QTest::newRow(row.caption) << QString::fromLatin1(row.cell);
}

void CellFitTest::signsStayInsideTheCell()
{
    QFETCH(QString, cell);
    const ValueCell& valueCell = *window_->valueCell(cell);
    const GlyphCodes codes = CodesUsedBy(*FindTextRow(cell.toStdString()));
    for (int code = 33; code < 256; ++code) {
        if (!codes.test(code))
            continue;
        QVERIFY2(valueCell.face().glyphForByte(code) != 0, qPrintable(QStringLiteral("code %1 has no glyph").arg(code)));
        // The Sanskrit vowel signs are drawn over and under a consonant.
        const QByteArray glyphs = cell == "P27" ? QByteArray("\xA0\xA1\xC2") : QByteArray(1, char(code));
        const auto [top, bottom] = InkRows(valueCell, glyphs);
        QVERIFY2(top >= 0, qPrintable(QStringLiteral("code %1 draws nothing").arg(code)));
        QVERIFY2(top >= kMargin && bottom < kMargin + kCellHeight,
                 qPrintable(QStringLiteral("code %1 inks rows %2..%3 of the cell's 0..37")
                                .arg(code).arg(top - kMargin).arg(bottom - kMargin)));
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
             qPrintable(QStringLiteral("%1 is %2 px wide in a %3 px cell").arg(widestNumber).arg(widest).arg(valueCell.width())));
}

QTEST_MAIN(CellFitTest)
#include "CellFitTest.moc"
