#include "BottomBar.h"
#include "WindowFixture.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "glyphs/UiFonts.h"
#include "rows/RowTable.h"
#include "rows/TextCell.h"
#include "rows/TextFonts.h"
#include "rows/ValueCell.h"

#include "numerals/UnicodeRows.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString kAndMessage = "Number must be greater than 0 and less than 80000";

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    widget.render(&image);
    return image;
}

bool AllWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

// When the picture boxes' paint handlers run: on the page that is shown as
// the number changes, on the other page when it is shown, and not at all
// before the window's first activation.
class PaintHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void cleanup();
    void hiddenBoxesComposeWhenTheirPageIsShown_data();
    void hiddenBoxesComposeWhenTheirPageIsShown();
    void noHandlerRunsBeforeActivation_data();
    void noHandlerRunsBeforeActivation();
    void hiddenTextPageCostsNothingAndCatchesUp();

private:
    MainWindow& openWindow();

    WindowFixture window_;
};

MainWindow& PaintHandlersTest::openWindow()
{
    return window_.make();
}

void PaintHandlersTest::cleanup()
{
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void PaintHandlersTest::hiddenBoxesComposeWhenTheirPageIsShown_data()
{
    QTest::addColumn<int>("startPage");
    QTest::addColumn<QStringList>("typed");  // each text set in turn, as keys do
    QTest::addColumn<QStringList>("boxes");  // the picture boxes of the other page
    QTest::addColumn<bool>("composed");      // false: their guard stops, they turn white
    QTest::addColumn<QString>("message");
    const QStringList page1{"PB2", "PB9", "PB7"};
    QTest::newRow("out of range after 1994")
        << 0 << QStringList{"1994", "80000"} << QStringList{"PB1"} << false << QString();
    QTest::newRow("0001994 key by key")
        << 0 << QStringList{"0", "00", "000", "0001", "00019", "000199", "0001994"} << QStringList{"PB1"}
        << false << QString();
    QTest::newRow("1994 on the first page")
        << 0 << QStringList{"1994"} << QStringList{"PB1"} << true << QString();
    QTest::newRow("empty field on the second page")
        << 1 << QStringList{"1994", ""} << page1 << false << QString();
    QTest::newRow("1994 on the second page") << 1 << QStringList{"1994"} << page1 << true << QString();
    // Only the Maya box reaches the out-of-range message of the text rows;
    // Assyrian's own wording comes before it.
    QTest::newRow("out of range on the second page")
        << 1 << QStringList{"1994", "80000"} << page1 << false << kAndMessage;
}

void PaintHandlersTest::hiddenBoxesComposeWhenTheirPageIsShown()
{
    QFETCH(int, startPage);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, boxes);
    QFETCH(bool, composed);
    QFETCH(QString, message);
    MainWindow& window = openWindow();
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    window.pages()->setCurrentIndex(startPage);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString& text : typed)
        window.numberField()->setText(text);
    QList<int> compositions;
    std::vector<std::unique_ptr<PaintCounter>> paints;
    for (const QString& name : boxes) {
        PaintBox* box = window.paintBox(name);
        compositions << box->compositionCount();
        // A page not shown keeps no pixels, however often it was composed.
        QVERIFY2(box->strip().isNull(), qPrintable(name));
        paints.push_back(std::make_unique<PaintCounter>(box));
    }

    window.pages()->setCurrentIndex(1 - startPage);
    for (int i = 0; i < boxes.size(); ++i) {
        PaintBox* box = window.paintBox(boxes[i]);
        QTRY_VERIFY2(paints[std::size_t(i)]->count > 0, qPrintable(boxes[i]));
        QCOMPARE(box->compositionCount() > compositions[i], composed);
        QCOMPARE(box->strip().isNull(), !composed);
        if (composed)
            QVERIFY(!box->placements().empty());
    }
    QCOMPARE(window.messageLine()->text(), message);
}

void PaintHandlersTest::noHandlerRunsBeforeActivation_data()
{
    QTest::addColumn<QString>("box");
    for (const char* box : {"PB2", "PB1", "PB9", "PB7"})
        QTest::newRow(box) << QString(box);
}

// Under X11 the window is exposed, and its boxes painted, before it is
// activated; rendering a box of a window not yet shown gives it that paint.
void PaintHandlersTest::noHandlerRunsBeforeActivation()
{
    QFETCH(QString, box);
    MainWindow& window = openWindow();
    PaintBox* paintBox = window.paintBox(box);
    QVERIFY(AllWhite(Render(*paintBox)));
    QCOMPARE(paintBox->compositionCount(), 0);
    QCOMPARE(window.romanUpdates(), 0);
    QCOMPARE(window.messageLine()->text(), QString("."));
    for (ValueCell* cell : window.pages()->valueCells())
        QCOMPARE(cell->captionSetCount(), 0);

    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    QCOMPARE(window.romanUpdates(), 1);
    QCOMPARE(window.valueCell("P6")->fontFamily(), QString("Glyfa08"));
    QVERIFY(window.paintBox("PB7")->compositionCount() > 0);
}

// A text page's rows are written only while their page is shown: a change
// of the number with the page hidden sets none of them (their fonts are not
// even loaded until the page is first shown, each page's on its own), and
// showing the page brings every row of it to the number the window shows.
void PaintHandlersTest::hiddenTextPageCostsNothingAndCatchesUp()
{
    MainWindow& window = openWindow();
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActivated());
    NumeralPages* pages = window.pages();
    QHash<int, QList<const TextCell*>> cellsOn;  // a page's index -> its text cells
    QHash<int, QString> familyOn;                // a page's index -> one family of its rows
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (row.kind != ValueKind::Text)
            continue;
        cellsOn[int(row.page)] << pages->textCell(QLatin1String(row.cell));
        familyOn[int(row.page)] = QString::fromUtf8(row.family);
    }
    const auto shows = [&cellsOn](int page, int n) {
        for (const TextCell* cell : cellsOn.value(page)) {
            const UnicodeRow* row = FindUnicodeRow(cell->objectName().toStdString());
            if (cell->text() != QString::fromStdString(row->build(n).text))
                return false;
        }
        return true;
    };
    const auto sets = [&cellsOn](int page) {
        int count = 0;
        for (const TextCell* cell : cellsOn.value(page))
            count += cell->textSetCount();
        return count;
    };
    QCOMPARE(pages->textCells().size(), int(AllUnicodeRows().size()));
    QVERIFY(cellsOn.size() >= 2);
    for (const char* text : {"1994", "46363", "20000"})
        window.numberField()->setText(text);
    QList<int> textPages = cellsOn.keys();
    std::sort(textPages.begin(), textPages.end(), std::greater<int>());  // the last page first
    for (int page : textPages) {
        QCOMPARE(sets(page), 0);
        QVERIFY(!TextFonts::isLoaded(familyOn[page]));
    }

    for (int page : textPages) {
        const int n = 1000 + page;
        window.numberField()->setText(QString::number(n));
        pages->setCurrentIndex(page);
        QVERIFY(shows(page, n));
        QVERIFY(TextFonts::isLoaded(familyOn[page]));
        for (int other : textPages) {
            if (other < page) {  // not shown yet: neither written nor loaded
                QCOMPARE(sets(other), 0);
                QVERIFY(!TextFonts::isLoaded(familyOn[other]));
            }
        }
        window.numberField()->setText("7");
        QVERIFY(shows(page, 7));
        window.numberField()->setText("80000");  // rejected: the rows stay
        QVERIFY(shows(page, 7));
        window.numberField()->setText("1994");
        QVERIFY(shows(page, 1994));

        pages->setCurrentIndex(1);
        const int before = sets(page);
        for (const char* text : {"2", "20", "200", "2026"})
            window.numberField()->setText(text);
        QCOMPARE(sets(page), before);
        QVERIFY(shows(page, 1994));
        pages->setCurrentIndex(page);
        QVERIFY(shows(page, 2026));
    }
}

QTEST_MAIN(PaintHandlersTest)
#include "PaintHandlersTest.moc"
