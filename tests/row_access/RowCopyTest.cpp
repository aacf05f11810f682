#include "WindowFixture.h"
#include "rows/NumeralPages.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "glyphs/UiFonts.h"

#include "numerals/text/RowText.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>

#include <memory>
#include <set>

namespace {

const QString kRli = QString(QChar(0x2067));
const QString kPdi = QString(QChar(0x2069));

QStringList ActionTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

bool IsUniform(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) != rgb.pixel(0, 0))
                return false;
    return true;
}

}  // namespace

// Copying rows: the context menu from a right click on caption or value,
// its three commands, the keyboard, and each row's tooltip.
class RowCopyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontStandIns(); }
    void init();
    void cleanup();

    void rightClickOffersTheRowsCommands_data();
    void rightClickOffersTheRowsCommands();
    void copyAllRowsGivesEveryRowInDisplayOrder();
    void copyAsPictureIsTheCellAtTheScreensPixelRatio();
    void rowsAreOneTabStopPerPage();
    void arrowKeysMoveBetweenTheRowsOfAPage_data();
    void arrowKeysMoveBetweenTheRowsOfAPage();
    void keyboardCopiesAndOpensTheMenu();
    void ctrlTabTurnsThePageFromARow();
    void rowWithTheFocusIsHighlighted();
    void toolTipExplainsAndReads_data();
    void toolTipExplainsAndReads();

private:
    void type(const QString& text) { window_->numberField()->setText(text); }
    QWidget* part(const QString& name) const { return window_->findChild<QWidget*>(name); }
    RowInteraction* rows() const { return window_->findChild<RowInteraction*>(); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }

    WindowFixture window_;
};

void RowCopyTest::init()
{
    QVERIFY(window_.open());
    QGuiApplication::clipboard()->clear();
}

void RowCopyTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void RowCopyTest::rightClickOffersTheRowsCommands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("copied");
    const QString kanji = QString::fromUtf8("千九百九十四");
    QTest::newRow("Kanji caption") << "1994"
                                   << "tpP42" << kanji;
    QTest::newRow("Kanji value") << "1994"
                                 << "P42" << kanji;
    QTest::newRow("Kanji, hexadecimal text") << "$7CA"
                                             << "P42" << kanji;
    QTest::newRow("Roman label") << "1994"
                                 << "l2"
                                 << "MCMXCIV";
    QTest::newRow("Roman caption") << "1994"
                                   << "tpl2"
                                   << "MCMXCIV";
    QTest::newRow("Hebrew, without isolation") << "1994"
                                               << "P62" << QString::fromUtf8("א׳ץצד");
    QTest::newRow("Maya picture box") << "1994"
                                      << "PB7" << QString::fromUtf8("𝋥𝋩𝋮");
    QTest::newRow("Kanji at zero") << "0"
                                   << "P42"
                                   << "no sign for zero";
    QTest::newRow("Cyrillic caption, third page") << "1994"
                                                  << "tpUcyrl" << QString::fromUtf8("҂ацч҃д");
    QTest::newRow("Adlam value, logical order") << "1994"
                                                << "Uadlm" << QString::fromUtf8("𞥑𞥙𞥙𞥔");
    QTest::newRow("Georgian without a form") << "20000"
                                             << "Ugeor" << QString::fromUtf8(rowtext::kNoForm);
}

// A right click opens the menu; its first command copies the row's text.
void RowCopyTest::rightClickOffersTheRowsCommands()
{
    QFETCH(QString, typed);
    QFETCH(QString, clicked);
    QFETCH(QString, copied);
    type(typed);
    QWidget* target = part(clicked);
    QVERIFY(target);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(ActionTexts(*menu), QStringList({"Copy", "Copy as Picture", "Sign by Sign", "Copy All Rows"}));
    menu->actions().first()->trigger();
    QCOMPARE(clipboard(), copied);
}

void RowCopyTest::copyAllRowsGivesEveryRowInDisplayOrder()
{
    type("1994");
    rows()->copyAllRows();
    QStringList lines = clipboard().split('\n');
    QCOMPARE(lines.takeLast(), QString());  // every line ends in a newline
    QCOMPARE(lines.size(), qsizetype(RowsInDisplayOrder().size()));
    int rightToLeft = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const RowSpec& row = RowsInDisplayOrder()[std::size_t(i)];
        const QStringList fields = lines[i].split('\t');
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields[0], QString::fromUtf8(row.caption));
        const rowtext::RowText text = rowtext::TextOf(row.cell, 1994, "1994");
        const bool isolated = fields[1].startsWith(kRli) && fields[1].endsWith(kPdi);
        // An empty text says so in words (Phoenician has no form for 1994).
        QCOMPARE(isolated, text.direction == rowtext::Direction::RightToLeft && !text.text.empty());
        rightToLeft += isolated;
        QVERIFY2(!fields[1].isEmpty(), row.cell);
    }
    QVERIFY(rightToLeft >= 4);  // Hebrew, N'Ko, Adlam and Kharoshthi at least
    QVERIFY(lines.contains(QString::fromUtf8("Kanji\t千九百九十四")));
    QVERIFY(lines.contains(QString::fromUtf8("Hebrew\t") + kRli + QString::fromUtf8("א׳ץצד") + kPdi));
    QVERIFY(lines.contains(QStringLiteral("Roman\tMCMXCIV")));
    QCOMPARE(lines.first(), QString::fromUtf8("Ancient Greek\tΧΗΗΗΗΗΗΗΗΗ𐅄ΔΔΔΔΙΙΙΙ"));
    type("46363");
    rows()->copyAllRows();
    QVERIFY(clipboard().contains(QStringLiteral("\nGeorgian\t%1\n").arg(rowtext::kNoForm)));
}

// The value cell as drawn: the part of the row right of the caption, in
// device pixels. Run once at scale 1 and once at scale 2. A row of a page
// that is hidden (the Hieratic pictures of the second, the third page's
// rows) shows the window's number all the same, and copies as it looks when
// its page is shown.
void RowCopyTest::copyAsPictureIsTheCellAtTheScreensPixelRatio()
{
    type("1994");
    const qreal ratio = window_->devicePixelRatioF();
    QCOMPARE(ratio,
             qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());  // offscreen: no screen of its own
    const auto copied = [this](const char* cell) {
        rows()->copyRowPicture(QLatin1String(cell));
        return QGuiApplication::clipboard()->image();
    };
    for (const char* cell : {"P42", "PB7", "PB1", "l2", "Ukhar"}) {
        const QWidget* row = part(QStringLiteral("sp") + cell);
        const QWidget* caption = part(QStringLiteral("tp") + cell);
        const QSize cellSize(row->width() - caption->width(), row->height());
        QCOMPARE(copied(cell).size(), cellSize * ratio);
        QVERIFY2(!IsUniform(copied(cell)), cell);
    }
    const QImage kanji1994 = copied("P42");
    const QImage coptic1994 = copied("Ucopt");
    type("7");
    QVERIFY(copied("P42") != kanji1994);
    const QImage coptic7 = copied("Ucopt");
    QVERIFY(coptic7 != coptic1994);
    window_->pages()->setCurrentIndex(2);
    QCOMPARE(copied("Ucopt"), coptic7);
    type("1994");
    QCOMPARE(copied("Ucopt"), coptic1994);
    type("20000");
    QVERIFY(IsUniform(copied("Ugeor")));
}

// Tab reaches a page's rows once, at the row last visited, and leaves them
// with the next Tab.
void RowCopyTest::rowsAreOneTabStopPerPage()
{
    QTabBar* tabs = window_->pages()->tabBar();
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rows()->rowWidget("P37"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), rows()->rowWidget("P36"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!window_->pages()->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == tabs);
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rows()->rowWidget("P36"));
    // One stop on each page that has rows.
    int stops = 0;
    QSet<int> pagesWithRows;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        stops += rows()->rowWidget(QLatin1String(row.cell))->focusPolicy() != Qt::NoFocus;
        pagesWithRows.insert(int(row.page));
    }
    QCOMPARE(stops, int(pagesWithRows.size()));
    QVERIFY(stops >= 4);
}

void RowCopyTest::arrowKeysMoveBetweenTheRowsOfAPage_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("down within a column") << "P42" << int(Qt::Key_Down) << "PB2";
    QTest::newRow("up within a column") << "P42" << int(Qt::Key_Up) << "P64";
    QTest::newRow("down into the next column") << "P63" << int(Qt::Key_Down) << "P64";
    QTest::newRow("down from the full-width row") << "P37" << int(Qt::Key_Down) << "P28";
    QTest::newRow("down at the page's end stays") << "P29" << int(Qt::Key_Down) << "P29";
    QTest::newRow("up at the page's start stays") << "P37" << int(Qt::Key_Up) << "P37";
    QTest::newRow("home") << "P42" << int(Qt::Key_Home) << "P37";
    QTest::newRow("end") << "P42" << int(Qt::Key_End) << "P29";
    QTest::newRow("end of page 2") << "P8" << int(Qt::Key_End) << "P17";
    QTest::newRow("from the Roman row") << "l2" << int(Qt::Key_Down) << "P27";
    QTest::newRow("into the right column of page 3") << "Urohg" << int(Qt::Key_Down) << "Usinh";
    QTest::newRow("end of page 3") << "Uadlm" << int(Qt::Key_End) << "Utaml";
}

void RowCopyTest::arrowKeysMoveBetweenTheRowsOfAPage()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    window_->pages()->setCurrentIndex(int(FindRow(from.toLatin1().constData())->page));
    rows()->rowWidget(from)->setFocus();
    QCOMPARE(QApplication::focusWidget(), rows()->rowWidget(from));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), rows()->rowWidget(to));
}

void RowCopyTest::keyboardCopiesAndOpensTheMenu()
{
    type("1994");
    QWidget* kanji = rows()->rowWidget("P42");
    kanji->setFocus();
    QTest::keyClick(kanji, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard(), QString::fromUtf8("千九百九十四"));
    QTest::keyClick(kanji, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(ActionTexts(*menu).first(), QStringLiteral("Copy"));
    menu->actions().last()->trigger();
    QCOMPARE(clipboard().count('\n'), qsizetype(RowsInDisplayOrder().size()));
}

// From a row, and on from wherever the focus goes, Ctrl+Tab turns the five
// pages round and Ctrl+Shift+Tab back.
void RowCopyTest::ctrlTabTurnsThePageFromARow()
{
    rows()->rowWidget("P42")->setFocus();
    const auto press = [this](Qt::KeyboardModifiers modifiers) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window_.get(), Qt::Key_Tab, modifiers);
        return window_->pages()->currentIndex();
    };
    for (int page : {1, 2, 3, 4, 0})
        QCOMPARE(press(Qt::ControlModifier), page);
    QCOMPARE(press(Qt::ControlModifier | Qt::ShiftModifier), 4);
    QCOMPARE(press(Qt::ControlModifier | Qt::ShiftModifier), 3);
}

void RowCopyTest::rowWithTheFocusIsHighlighted()
{
    const QWidget* caption = part("tpP42");
    const QPalette before = caption->palette();
    rows()->rowWidget("P42")->setFocus();
    QCOMPARE(caption->palette().color(QPalette::Window), before.color(QPalette::Highlight));
    QVERIFY(caption->palette().color(QPalette::Window) != before.color(QPalette::Window));
    // and drawn so: the caption's left end (its text is right-aligned) in the row
    const QImage row = caption->parentWidget()->grab().toImage();
    QCOMPARE(row.pixelColor(caption->geometry().topLeft() + QPoint(2, 2)), before.color(QPalette::Highlight));
    rows()->rowWidget("PB2")->setFocus();
    QCOMPARE(caption->palette().color(QPalette::Window), before.color(QPalette::Window));
    QCOMPARE(caption->palette().color(QPalette::WindowText), before.color(QPalette::WindowText));
    window_->numberField()->setFocus();
    QCOMPARE(part("tpPB2")->palette().color(QPalette::Window), before.color(QPalette::Window));
}

void RowCopyTest::toolTipExplainsAndReads_data()
{
    QTest::addColumn<QString>("hovered");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    const QString kanji = QString::fromUtf8("千九百九十四");
    const QString kanjiReading = QString::fromUtf8("千 + 九百 + 九十 + 四 = 1000 + 900 + 90 + 4");
    QTest::newRow("Kanji caption") << "tpP42"
                                   << "P42" << kanji << kanjiReading;
    QTest::newRow("Kanji value") << "P42"
                                 << "P42" << kanji << kanjiReading;
    // Right to left: the signs isolated, so that the sum follows them.
    QTest::newRow("Hebrew value") << "P62"
                                  << "P62" << kRli + QString::fromUtf8("א׳ץצד") + kPdi
                                  << kRli + QString::fromUtf8("א׳ + ץ + צ + ד") + kPdi
            + " = 1000 + 900 + 90 + 4";
    QTest::newRow("Georgian value, third page")
        << "Ugeor"
        << "Ugeor" << QString::fromUtf8("ჩშჟდ") << QString::fromUtf8("ჩ + შ + ჟ + დ = 1000 + 900 + 90 + 4");
}

void RowCopyTest::toolTipExplainsAndReads()
{
    QFETCH(QString, hovered);
    QFETCH(QString, cell);
    QFETCH(QString, text);
    QFETCH(QString, reading);
    type("1994");
    QWidget* target = part(hovered);
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    const QStringList shown = QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText().split('\n');
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[0], QString::fromUtf8(rowtext::Explanation(cell.toStdString())));
    QCOMPARE(shown[1], text);
    QCOMPARE(shown[2], reading);
    QToolTip::hideText();
}

QTEST_MAIN(RowCopyTest)
#include "RowCopyTest.moc"
