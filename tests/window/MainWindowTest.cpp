#include "BottomBar.h"
#include "FindField.h"
#include "WindowFixture.h"
#include "rows/CaptionLabel.h"
#include "entry/RecognisedNumbers.h"
#include "rows/NumeralPages.h"
#include "rows/PaintBox.h"
#include "rows/RowFinder.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/TextFonts.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"
#include "rows/ValueCell.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTextLayout>
#include <QTest>

#include <memory>

namespace {

const QString kAndMessage = "Number must be greater than 0 and less than 80000";
const QString kUndMessage = "Number must be greater than 0 und less than 80000";

}  // namespace

// The window as a user meets it: activation, typing, the message line, the
// spin button and Esc.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowGeometryAndTitle();
    void activationShowsTodaysDayCount();
    void activationHappensOnce();
    void numeralsShowTheirNumber_data();
    void numeralsShowTheirNumber();
    void noNumeralKeepsTextAndRows_data();
    void noNumeralKeepsTextAndRows();
    void outOfRangeKeepsTheRows_data();
    void outOfRangeKeepsTheRows();
    void emptyTextEmptiesTheMessageOnly();
    void pictureHandlersSpeakOfRangeTheirOwnWay();
    void longTextDrawsNoPictures();
    void identicalTextRunsNoRefresh();
    void numberTextHasNoLengthLimit_data();
    void numberTextHasNoLengthLimit();
    void spinButton_data();
    void spinButton();
    void spinKeys();
    void escapeCloses();
    void ctrlFFindsAndEscReturnsToTheNumberField();
    void findShowsTheChosenRow_data();
    void findShowsTheChosenRow();
    void clickOnAMatchShowsItsRow();
    void captionCellsAndPages();
    void thirdPageIsLaidOutAsTheSecond();
    void leftPageKeepsNoPixelsAndShowsAsBefore();
    void everyCaptionFitsItsCell_data();
    void everyCaptionFitsItsCell();

private:
    void type(const QString& text) { window_->numberField()->setText(text); }
    QString romanText() const { return window_->romanLabel()->text(); }
    QString message() const { return window_->messageLine()->text(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    WindowFixture window_;
};

void MainWindowTest::initTestCase()
{
    InstallFontStandIns();
}

void MainWindowTest::init()
{
    QVERIFY(window_.open());
}

void MainWindowTest::cleanup()
{
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void MainWindowTest::windowGeometryAndTitle()
{
    QCOMPARE(window_->size(), QSize(1112, 656));
    QCOMPARE(window_->minimumSize(), QSize(1112, 656));
    QCOMPARE(window_->maximumSize(), QSize(1112, 656));
    QCOMPARE(window_->windowTitle(), QString("Number signs of other cultures"));
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window_->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(window_->bottomBar()->geometry(), QRect(0, 615, 1112, 41));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window_->bottomBar()->palette().color(QPalette::Window), QColor(240, 240, 240));
}

void MainWindowTest::activationShowsTodaysDayCount()
{
    QCOMPARE(window_->numberField()->text(), QString("46362"));
    QCOMPARE(romanText(), QString("XLVI'MCCCLXII"));
    QCOMPARE(message(), QString());
    QCOMPARE(window_->valueCell("P6")->fontFamily(), QString("Glyfa08"));
    QCOMPARE(window_->valueCell("P15")->fontFamily(), QString("Symbol"));
    QCOMPARE(window_->valueCell("P4")->fontFamily(), QString("Glyfa08d"));
    QCOMPARE(window_->valueCell("P4")->font().pixelSize(), 27);
    QVERIFY(window_->valueCell("P26")->font().bold());
}

void MainWindowTest::activationHappensOnce()
{
    type("12");
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window_.get(), &activate);
    QCOMPARE(window_->numberField()->text(), QString("12"));
}

// Text the number parser refuses is read as a numeral: the field keeps it,
// every row shows the number (the rows of typed characters its decimal
// digits), and the message says what it was read as.
void MainWindowTest::numeralsShowTheirNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("said");
    QTest::newRow("overlined thousands, 15 characters") << "X̅L̅V̅I̅CCCLXIII" << 46363 << "Roman numeral: 46363";
    QTest::newRow("several readings, the others named")
        << "Χ" << 1000 << "Ancient Greek numeral: 1000; also Attic: 1000, Ionic: 600";
    QTest::newRow("own form first") << "ה׳" << 5000 << "Hebrew numeral: 5000; also Hebrew: 5";
    QTest::newRow("digits with a blank after") << "12 " << 12 << "Decimal digits: 12";
}

void MainWindowTest::numeralsShowTheirNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, said);
    type(text);
    QCOMPARE(window_->numberField()->text(), text);
    QCOMPARE(window_.rowsNotShowing(number), QStringList());
    QCOMPARE(message(), said);
}

// A typo never wipes what was typed: the field keeps it, the rows keep the
// last number, and the message line says the text is no number.
void MainWindowTest::noNumeralKeepsTextAndRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("digits and a letter") << "12a";
    QTest::newRow("hex without its prefix") << "1F";
    QTest::newRow("minus hex") << "-$1F";
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F600");
    QTest::newRow("roman with a typo") << "mcmxciiv";
}

void MainWindowTest::noNumeralKeepsTextAndRows()
{
    QFETCH(QString, text);
    type("1994");
    type(text);
    QCOMPARE(window_->numberField()->text(), text);
    QCOMPARE(message(), NoNumeralMessage());
    for (int page : {1, 0}) {  // each picture box hidden and shown again composes anew
        window_->pages()->setCurrentIndex(page);
        window_->repaint();
    }
    QCOMPARE(window_.rowsNotShowing(1994), QStringList());
    type("");
    QCOMPARE(message(), QString());
}

void MainWindowTest::outOfRangeKeepsTheRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("limit") << "80000";
    QTest::newRow("negative") << "-5";
    QTest::newRow("hex minus one") << "$FFFFFFFF";
    QTest::newRow("beyond the parser's range") << "2147483648";
    QTest::newRow("numeral beyond the range") << "十万";
    QTest::newRow("roman beyond the range") << "L̅X̅X̅X̅";
}

void MainWindowTest::outOfRangeKeepsTheRows()
{
    QFETCH(QString, text);
    type("1994");
    const QByteArray arabic = window_->valueCell("P6")->caption();
    const QImage korean = window_->paintBox("PB2")->strip();
    type(text);
    QCOMPARE(message(), kAndMessage);
    QCOMPARE(window_->numberField()->text(), text);
    QCOMPARE(romanText(), QString("MCMXCIV"));
    QCOMPARE(window_->valueCell("P6")->caption(), arabic);
    QCOMPARE(window_->paintBox("PB2")->strip(), korean);
}

void MainWindowTest::emptyTextEmptiesTheMessageOnly()
{
    type("80000");
    QCOMPARE(message(), kAndMessage);
    type("1994");
    const QByteArray arabic = window_->valueCell("P6")->caption();
    type("");
    QCOMPARE(message(), QString());
    QCOMPARE(romanText(), QString("MCMXCIV"));
    QCOMPARE(window_->valueCell("P6")->caption(), arabic);
}

void MainWindowTest::pictureHandlersSpeakOfRangeTheirOwnWay()
{
    type("80000");
    QCOMPARE(message(), kAndMessage);
    window_->PB9Paint();
    QCOMPARE(message(), kUndMessage);
    window_->PB1Paint();
    QCOMPARE(message(), QString());
    window_->PB2Paint();
    QCOMPARE(message(), kUndMessage);
}

void MainWindowTest::longTextDrawsNoPictures()
{
    type("1994");
    const int korean = window_->paintBox("PB2")->compositionCount();
    const int maya = window_->paintBox("PB7")->compositionCount();
    type("0001994");
    QCOMPARE(window_->paintBox("PB2")->compositionCount(), korean);
    QCOMPARE(window_->paintBox("PB7")->compositionCount(), maya + 1);
    QCOMPARE(romanText(), QString("MCMXCIV"));
}

void MainWindowTest::identicalTextRunsNoRefresh()
{
    type("1994");
    const int before = window_->romanUpdates();
    type("1994");
    QCOMPARE(window_->romanUpdates(), before);
    type("1995");
    QCOMPARE(window_->romanUpdates(), before + 1);
}

void MainWindowTest::numberTextHasNoLengthLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("roman");
    QTest::newRow("40000 blanks before 1994") << QString(40000, ' ') + "1994"
                                              << "MCMXCIV";
    QTest::newRow("40000 zeros before 7") << QString(40000, '0') + "7"
                                          << "VII";
    QTest::newRow("100000 blanks before $1F") << QString(100000, ' ') + "$1F"
                                              << "XXXI";
}

void MainWindowTest::numberTextHasNoLengthLimit()
{
    QFETCH(QString, text);
    QFETCH(QString, roman);
    type(text);
    QCOMPARE(window_->numberField()->text().size(), text.size());
    QCOMPARE(romanText(), roman);
    window_->numberField()->clear();
    window_->numberField()->insert(text);  // as a paste does
    QCOMPARE(window_->numberField()->text().size(), text.size());
    QCOMPARE(romanText(), roman);
}

void MainWindowTest::spinButton_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("up") << "41" << true << "42";
    QTest::newRow("down") << "41" << false << "40";
    QTest::newRow("up at the top") << "79999" << true << "79999";
    QTest::newRow("down at zero") << "0" << false << "0";
    QTest::newRow("up on letters, from the rows' number") << "abc" << true << "46363";
    QTest::newRow("up from a numeral") << "mcmxciv" << true << "1995";
    QTest::newRow("down from a numeral beyond the range") << "十万" << false << "99999";
    QTest::newRow("up from out of range") << "80000" << true << "79999";
    QTest::newRow("down from out of range") << "80005" << false << "80004";
    QTest::newRow("up from negative") << "-5" << true << "-4";
    QTest::newRow("up at the largest int") << "2147483647" << true << "79999";
    QTest::newRow("down at the smallest int") << "-2147483648" << false << "0";
    QTest::newRow("up from hex") << "$1F" << true << "32";
}

void MainWindowTest::spinButton()
{
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, result);
    window_->numberField()->blockSignals(true);
    window_->numberField()->setText(start);
    window_->numberField()->blockSignals(false);
    SpinButton* spin = window_->bottomBar()->spinButton();
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(10, up ? 4 : 28));
    QCOMPARE(window_->numberField()->text(), result);
}

void MainWindowTest::spinKeys()
{
    type("100");
    SpinButton* spin = window_->bottomBar()->spinButton();
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(window_->numberField()->text(), QString("101"));
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(window_->numberField()->text(), QString("99"));
    QTest::keyClick(spin, Qt::Key_Space);  // the up half has the focus at first
    QCOMPARE(window_->numberField()->text(), QString("100"));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(10, 28));
    QTest::keyClick(spin, Qt::Key_Space);  // now the down half has it
    QCOMPARE(window_->numberField()->text(), QString("98"));
}

void MainWindowTest::escapeCloses()
{
    window_->numberField()->setFocus();
    QTest::keyClick(window_->numberField(), Qt::Key_Escape);
    QTRY_VERIFY(!window_->isVisible());
}

// The find field at the bar's right end, left of it its label and the
// message line, however long. Ctrl+F from anywhere puts the focus into the
// field, named for a screen reader; Esc there returns to the number field
// and leaves the window open.
void MainWindowTest::ctrlFFindsAndEscReturnsToTheNumberField()
{
    FindField* find = window_->bottomBar()->findField();
    QVERIFY(!find->accessibleName().isEmpty());
    const auto* label = window_->bottomBar()->findChild<QLabel*>("findLabel");
    QCOMPARE(label->buddy(), find);
    window_->bottomBar()->setMessage(QString(300, QLatin1Char('W')));  // longer than the bar
    QVERIFY(window_->messageLine()->geometry().right() < label->geometry().left());
    QVERIFY(label->geometry().right() < find->geometry().left());
    QVERIFY(find->geometry().right() < window_->width());
    for (QWidget* from :
         {static_cast<QWidget*>(window_->numberField()), window_->rowInteraction()->rowWidget("P42")}) {
        from->setFocus();
        press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), find);
        QTest::keyClicks(find, "greek");
        QVERIFY(find->matchList()->isVisible());
        press(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), window_->numberField());
        QVERIFY(!find->matchList()->isVisible());
        QVERIFY(window_->isVisible());
    }
}

void MainWindowTest::findShowsTheChosenRow_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("ups");
    QTest::addColumn<QString>("cell");
    QTest::newRow("first page") << "kanji" << 0 << 0 << "P42";
    QTest::newRow("second page, pictures") << "hieratic" << 0 << 0 << "PB1";
    QTest::newRow("third page") << "CYRILLIC" << 0 << 0 << "Ucyrl";
    QTest::newRow("fourth page") << "wancho" << 0 << 0 << "Uwcho";
    QTest::newRow("the Roman label") << "rome" << 0 << 0 << "l2";
    QTest::newRow("another name") << "aryabhata" << 0 << 0 << "P27";
    QTest::newRow("down") << "tamil" << 1 << 0 << "Utaml";
    // Tamil, Tamil old, and Saurashtra of Tamil Nadu: the last but one.
    QTest::newRow("down stops at the last") << "tamil" << 5 << 1 << "Utaml";
    QTest::newRow("up stops at the first") << "tamil" << 0 << 3 << "P69";
    QTest::newRow("down and up") << "egypt" << 2 << 1 << "PB1";
}

// Typing lists the rows the finder finds, the first chosen; Up and Down
// choose; Enter shows the chosen row's page with the focus on its row.
void MainWindowTest::findShowsTheChosenRow()
{
    QFETCH(QString, query);
    QFETCH(int, downs);
    QFETCH(int, ups);
    QFETCH(QString, cell);
    type("1994");
    window_->pages()->setCurrentIndex(1);
    press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), query);
    const QListWidget* list = window_->bottomBar()->findField()->matchList();
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QStringList found;
    for (const RowSpec* row : FindRows(query))
        found << QString::fromUtf8(row->caption);
    QCOMPARE(listed, found);
    QCOMPARE(list->currentRow(), 0);
    for (int i = 0; i < downs; ++i)
        press(Qt::Key_Down);
    for (int i = 0; i < ups; ++i)
        press(Qt::Key_Up);
    QCOMPARE(listed.value(list->currentRow()),
             QString::fromUtf8(FindRow(cell.toLatin1().constData())->caption));
    press(Qt::Key_Return);
    QCOMPARE(window_->pages()->currentIndex(), int(FindRow(cell.toLatin1().constData())->page));
    QCOMPARE(QApplication::focusWidget(), window_->rowInteraction()->rowWidget(cell));
    QVERIFY(!list->isVisible());
    QVERIFY(window_.rowsNotShowing(1994).isEmpty());
}

// A click on a match shows its row as Enter does; the list never takes the
// focus from the field before that.
void MainWindowTest::clickOnAMatchShowsItsRow()
{
    FindField* find = window_->bottomBar()->findField();
    press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(find, "greek");
    QListWidget* list = find->matchList();
    QCOMPARE(list->item(2)->text(), QString("Ionic"));
    const QRect item = list->visualItemRect(list->item(2));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(QApplication::focusWidget(), find);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(QApplication::focusWidget(), window_->rowInteraction()->rowWidget("P64"));
    QVERIFY(!list->isVisible());
}

void MainWindowTest::captionCellsAndPages()
{
    NumeralPages* pages = window_->pages();
    QCOMPARE(pages->count(), 5);
    QCOMPARE(pages->tabText(0), QString("Number signs 1"));
    QCOMPARE(pages->tabText(1), QString("Number signs 2"));
    QCOMPARE(pages->tabText(2), QString("Number signs 3"));
    QCOMPARE(pages->tabText(3), QString("Number signs 4"));
    QCOMPARE(pages->tabText(4), QString("Number signs 5"));
    // Every tab title is shown whole, none elided or scrolled away.
    const QTabBar* tabs = pages->tabBar();
    for (int index = 0; index < pages->count(); ++index) {
        QVERIFY(tabs->tabRect(index).width() > tabs->fontMetrics().horizontalAdvance(tabs->tabText(index)));
        QVERIFY(tabs->tabRect(index).right() < pages->width());
    }
    QCOMPARE(pages->currentIndex(), 0);
    auto* caption = window_->findChild<QLabel*>("tpP4");
    QVERIFY(caption);
    QCOMPARE(caption->text(), QString::fromUtf8("P\u00e9krif"));
    QCOMPARE(caption->width(), 100);
    QCOMPARE(caption->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(window_->valueCell("P6")->width(), 448);
    QCOMPARE(window_->valueCell("P64")->width(), 456);
    QCOMPARE(window_->valueCell("P37")->width(), 1004);
    QCOMPARE(window_->valueCell("P6")->height(), 38);
    QCOMPARE(window_->romanLabel()->pos(), QPoint(112, 0));
}

// The glyphs and pictures of a page the user has left are given back, and
// the page, shown again, draws what it drew before. (The third page has
// neither glyph nor picture rows, so no face of the first is used there.)
void MainWindowTest::leftPageKeepsNoPixelsAndShowsAsBefore()
{
    NumeralPages* pages = window_->pages();
    type("46363");
    QWidget* first = pages->widget(0);
    const QImage before = first->grab().toImage();
    const QList<ValueCell*> cells = first->findChildren<ValueCell*>();
    const QList<PaintBox*> boxes = first->findChildren<PaintBox*>();
    QVERIFY(!cells.isEmpty() && !boxes.isEmpty());
    QVERIFY(cells.first()->face().keptGlyphCount() > 0);

    QVERIFY(pages->widget(2)->findChildren<ValueCell*>().isEmpty());
    pages->setCurrentIndex(2);
    for (const ValueCell* cell : cells)
        QCOMPARE(cell->face().keptGlyphCount(), 0);
    type("1994");
    type("46363");
    for (const PaintBox* box : boxes)
        QVERIFY2(box->strip().isNull(), qPrintable(box->objectName()));

    pages->setCurrentIndex(0);
    QCOMPARE(first->grab().toImage(), before);
}

// The pages of text rows are laid out as the second: the n-th row of a
// column stands where the n-th row of the same column stands there, its
// caption cell and its value cell alike.
void MainWindowTest::thirdPageIsLaidOutAsTheSecond()
{
    NumeralPages* pages = window_->pages();
    for (int index : {1, 2, 3}) {
        pages->setCurrentIndex(index);
        QApplication::processEvents();
    }
    const auto placesOn = [this](TabPage page, RowColumn column) {
        QList<QRect> places;
        for (const RowSpec& row : RowsInDisplayOrder()) {
            if (row.page != page || row.column != column)
                continue;
            const QWidget* pageWidget = window_->pages()->widget(int(page));
            for (const QString& name : {QStringLiteral("tp"), QString()}) {
                const auto* part = window_->findChild<QWidget*>(name + QLatin1String(row.cell));
                places << QRect(part->mapTo(pageWidget, QPoint()), part->size());
            }
        }
        return places;
    };
    for (RowColumn column : {RowColumn::Left, RowColumn::Right}) {
        const QList<QRect> third = placesOn(TabPage::T3, column);
        QCOMPARE(third.size(), 2 * 14);
        QCOMPARE(third, placesOn(TabPage::T2, column).mid(0, third.size()));
        const QList<QRect> fourth = placesOn(TabPage::T4, column);
        QCOMPARE(fourth.size(), 2 * (column == RowColumn::Left ? 13 : 12));
        QCOMPARE(fourth, third.mid(0, fourth.size()));
    }
}

void MainWindowTest::everyCaptionFitsItsCell_data()
{
    QTest::addColumn<QString>("cell");
    for (const RowSpec& row : RowsInDisplayOrder())
        QTest::newRow(row.caption) << QString::fromLatin1(row.cell);
}

// The caption cells are laid out without measuring their text, so each
// caption must fit the fixed cell whatever the font answering for Verdana.
// Its signs come from that font or the row's own family ("Tally 正"): no
// installed font is loaded to stand in for one. A caption that font draws
// whole shares it with the others.
void MainWindowTest::everyCaptionFitsItsCell()
{
    QFETCH(QString, cell);
    const auto* caption = window_->findChild<QLabel*>(QStringLiteral("tp") + cell);
    QVERIFY(caption);
    QCOMPARE(caption->size(), QSize(kCaptionWidth, kRowHeight));
    QCOMPARE(caption->sizeHint(), caption->size());
    const QRect needed = caption->fontMetrics().boundingRect(caption->text());
    QVERIFY2(needed.width() <= caption->contentsRect().width(), qPrintable(caption->text()));
    QVERIFY(needed.height() <= caption->contentsRect().height());

    const RowSpec& row = *FindRow(qPrintable(cell));
    TextFonts::load(row.page);  // as when the row's page is first shown
    QTextLayout layout(caption->text(), caption->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QStringList families{QFontInfo(UiFont(13)).family(), QString::fromUtf8(row.family)};
    bool captionFontAlone = true;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QVERIFY2(families.contains(run.rawFont().familyName()),
                 qPrintable(caption->text() + ": " + run.rawFont().familyName()));
        captionFontAlone = captionFontAlone && run.rawFont().familyName() == families.first();
    }
    if (captionFontAlone)
        QCOMPARE(caption->font(), UiFont(13));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
