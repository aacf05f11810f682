#include "BottomBar.h"
#include "WindowFixture.h"
#include "entry/RecognisedNumbers.h"
#include "rows/NumeralPages.h"
#include "rows/RowTexts.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// Types the text key by key, as a keyboard of its script would.
void TypeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString key = QString::fromUcs4(&c, 1);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

}  // namespace

// The number field as the keyboard, the clipboard and the wheel reach it.
class NumberFieldTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedDigitsOfOtherScripts_data();
    void typedDigitsOfOtherScripts();
    void numeralsTypedKeyByKey_data();
    void numeralsTypedKeyByKey();
    void numeralsPasted_data();
    void numeralsPasted();
    void writtenFormsPasted_data();
    void writtenFormsPasted();
    void pasteKey_data();
    void pasteKey();
    void pasteReplacesTheSelection();
    void insertsWhereTheCursorIs_data();
    void insertsWhereTheCursorIs();
    void contextMenuPasteCleansToo();
    void clickingTheSpinButtonLeavesTheFocusInTheField();
    void tabReachesTheSpinButtonWithItsKeys();
    void keysInTheFieldStep_data();
    void keysInTheFieldStep();
    void wheelOverTheFieldSteps_data();
    void wheelOverTheFieldSteps();
    void pageKeysFromAnywhere_data();
    void pageKeysFromAnywhere();
    void stepAfterTextBeyondTheRangeAndATypo_data();
    void stepAfterTextBeyondTheRangeAndATypo();

private:
    QLineEdit* field() const { return window_->numberField(); }
    void setSilently(const QString& text);
    void wheel(int angleDelta);

    WindowFixture window_;
};

void NumberFieldTest::initTestCase()
{
    InstallFontStandIns();
}

void NumberFieldTest::init()
{
    QVERIFY(window_.open());
    field()->setFocus();
    QTRY_VERIFY(field()->hasFocus());
}

void NumberFieldTest::cleanup()
{
    const QStringList errors = window_.close();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void NumberFieldTest::setSilently(const QString& text)
{
    field()->blockSignals(true);
    field()->setText(text);
    field()->blockSignals(false);
}

void NumberFieldTest::wheel(int angleDelta)
{
    const QPointF at(field()->rect().center());
    QWheelEvent event(at, field()->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(field(), &event);
}

void NumberFieldTest::typedDigitsOfOtherScripts_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("roman");
    QTest::newRow("arabic-indic") << u"\u0661\u0669\u0669\u0664"_qs << "1994"
                                  << "MCMXCIV";
    QTest::newRow("persian") << u"\u06F1\u06F9\u06F9\u06F4"_qs << "1994"
                             << "MCMXCIV";
    QTest::newRow("fullwidth") << u"\uFF11\uFF19\uFF19\uFF14"_qs << "1994"
                               << "MCMXCIV";
    QTest::newRow("devanagari after ascii") << u"1\u096F"_qs << "19"
                                            << "XIX";
    QTest::newRow("mathematical digits, two code units each")
        << u"\U0001D7CF\U0001D7D7\U0001D7D7\U0001D7D2"_qs << "1994"
        << "MCMXCIV";
    // Typing keeps its blanks; the parser refuses them, the numeral's
    // reading does not.
    QTest::newRow("typed trailing blank") << u"\u0661\u0662 "_qs << "12 "
                                          << "XII";
}

void NumberFieldTest::typedDigitsOfOtherScripts()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, roman);
    field()->selectAll();
    TypeText(field(), keys);
    QCOMPARE(field()->text(), text);
    QCOMPARE(field()->cursorPosition(), int(text.size()));
    QCOMPARE(window_->romanLabel()->text(), roman);
}

// Typed key by key, each prefix stays in the field as typed (no digit of it
// turned into ASCII) and the rows follow: the number after each key, or -1
// where the prefix reads as no number and the rows keep the one before.
void NumberFieldTest::numeralsTypedKeyByKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("roman, lower case") << "mcmxciv" << QList<int>{1000, 1100, 1900, 1910, 1990, 1991, 1994};
    QTest::newRow("tamil, traditional") << "௲௯௱௯௰௪" << QList<int>{1000, 1009, 1900, 1909, 1990, 1994};
    QTest::newRow("kanji") << "七百八十六" << QList<int>{7, 700, 708, 780, 786};
    QTest::newRow("hebrew, gershayim before the last letter")
        << "תשפ״ו" << QList<int>{400, 700, 780, -1, 786};
}

void NumberFieldTest::numeralsTypedKeyByKey()
{
    QFETCH(QString, keys);
    QFETCH(QList<int>, numbers);
    field()->selectAll();
    int shown = 46362;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        TypeText(field(), keys.mid(i, 1));
        QCOMPARE(field()->text(), keys.left(i + 1));
        const int number = numbers.at(i);
        shown = number >= 0 ? number : shown;
        QCOMPARE(window_.rowsNotShowing(shown), QStringList());
        const QString message = window_->messageLine()->text();
        if (number < 0)
            QCOMPARE(message, NoNumeralMessage());
        else
            QVERIFY2(message.section("; ", 0, 0).endsWith(" numeral: " + QString::number(number)),
                     qPrintable(message));
    }
}

// Pasted whole: the field keeps the numeral (without the white space around
// it), every row shows its number, the Kanji row's text in its own signs.
void NumberFieldTest::numeralsPasted_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("kanji");
    QTest::addColumn<QString>("said");
    QTest::newRow("hebrew year without its thousands") << "תשפ״ו"
                                                       << "תשפ״ו" << 786 << "七百八十六"
                                                       << "Hebrew numeral: 786";
    // The everyday Chinese row writes 786 as the Kanji row does.
    QTest::newRow("kanji") << "七百八十六"
                           << "七百八十六" << 786 << "七百八十六"
                           << "Kanji numeral: 786; also Chinese: 786";
    QTest::newRow("roman with a line break") << " MCMXCIV\n"
                                             << "MCMXCIV" << 1994 << "千九百九十四"
                                             << "Roman numeral: 1994";
    QTest::newRow("arabic with its thousands mark") << "١٬٩٩٤"
                                                    << "١٬٩٩٤" << 1994 << "千九百九十四"
                                                    << "Arabic numeral: 1994";
}

void NumberFieldTest::numeralsPasted()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, kanji);
    QFETCH(QString, said);
    field()->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field()->text(), text);
    QCOMPARE(window_.rowsNotShowing(number), QStringList());
    QCOMPARE(RowTexts::of(window_.get())->text("P42"), kanji);
    QCOMPARE(window_->messageLine()->text(), said);
}

// Numerals as written in running text, pasted whole: the field keeps them
// as written, every row shows the number.
void NumberFieldTest::writtenFormsPasted_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("kanji");
    QTest::addColumn<QString>("said");
    QTest::newRow("grouped by a comma") << "1,994"
                                        << "1,994" << 1994 << "千九百九十四"
                                        << "Decimal digits: 1994";
    QTest::newRow("grouped by a full stop, with a line break") << "12.345\n"
                                                               << "12.345" << 12345 << "万二千三百四十五"
                                                               << "Decimal digits: 12345";
    QTest::newRow("roman ending a sentence") << "MMXXVI."
                                             << "MMXXVI." << 2026 << "二千二十六"
                                             << "Roman numeral: 2026";
    QTest::newRow("braille without the number sign") << "⠁⠊⠊⠙"
                                                     << "⠁⠊⠊⠙" << 1994 << "千九百九十四"
                                                     << "Braille digits: 1994";
}

// As numeralsPasted, over the table above.
void NumberFieldTest::writtenFormsPasted()
{
    numeralsPasted();
}

void NumberFieldTest::pasteKey_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("arabic-indic with a line break") << u"\u0661\u0669\u0669\u0665\n"_qs << "1995";
    QTest::newRow("persian") << u"\u06F1\u06F9\u06F9\u06F4"_qs << "1994";
    QTest::newRow("fullwidth") << u"\uFF11\uFF19\uFF19\uFF14"_qs << "1994";
    QTest::newRow("from a terminal") << "1994\n"
                                     << "1994";
    QTest::newRow("grouped by thin spaces") << u"  79\u2009999 "_qs << "79999";
    QTest::newRow("still not a number, kept as pasted") << "19 a\n"
                                                        << "19 a";
}

void NumberFieldTest::pasteKey()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    field()->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field()->text(), text);
}

void NumberFieldTest::pasteReplacesTheSelection()
{
    field()->setText("1000");
    field()->setSelection(1, 2);  // "00"
    QGuiApplication::clipboard()->setText(u" \u0669\u0669\n"_qs);
    QTest::keyClick(field(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(field()->text(), QString("1990"));
    QCOMPARE(field()->cursorPosition(), 3);
    QCOMPARE(window_->romanLabel()->text(), QString("MCMXC"));
}

// "56" in the digits of a script, typed or pasted at the start, the middle
// and the end of "1994": the field holds ASCII digits, the cursor stands
// after what was put in.
void NumberFieldTest::insertsWhereTheCursorIs_data()
{
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("at");
    const QList<QPair<const char*, char32_t>> zeros{{"ascii", U'0'},
                                                    {"arabic-indic", U'\u0660'},
                                                    {"fullwidth", U'\uFF10'},
                                                    {"osmanya", U'\U000104A0'},
                                                    {"mathematical double-struck", U'\U0001D7D8'},
                                                    {"adlam", U'\U0001E950'}};
    for (const auto& [script, zero] : zeros) {
        const char32_t fiveSix[] = {zero + 5, zero + 6};
        for (int at : {0, 2, 4}) {
            for (bool paste : {false, true}) {
                QTest::addRow("%s %s at %d", paste ? "pasted" : "typed", script, at)
                    << paste << QString::fromUcs4(fiveSix, 2) << at;
            }
        }
    }
}

void NumberFieldTest::insertsWhereTheCursorIs()
{
    QFETCH(bool, paste);
    QFETCH(QString, digits);
    QFETCH(int, at);
    setSilently("1994");
    field()->setCursorPosition(at);
    if (paste) {
        QGuiApplication::clipboard()->setText(digits);
        QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    } else {
        TypeText(field(), digits);
    }
    QCOMPARE(field()->text(), QString("1994").insert(at, "56"));
    QCOMPARE(field()->cursorPosition(), at + 2);
}

void NumberFieldTest::contextMenuPasteCleansToo()
{
    field()->selectAll();
    QGuiApplication::clipboard()->setText(u"\u0661\u0669\u0669\u0665\r\n"_qs);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field(), &event);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    auto* paste = menu->findChild<QAction*>("edit-paste");
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    paste->trigger();
    menu->close();
    QCOMPARE(field()->text(), QString("1995"));
}

void NumberFieldTest::clickingTheSpinButtonLeavesTheFocusInTheField()
{
    setSilently("1994");
    SpinButton* spin = window_->bottomBar()->spinButton();
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(10, 4));
    QCOMPARE(field()->text(), QString("1995"));
    QVERIFY(field()->hasFocus());
    QCOMPARE(QApplication::focusWidget(), field());
    field()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "2001");
    QCOMPARE(field()->text(), QString("2001"));
}

void NumberFieldTest::tabReachesTheSpinButtonWithItsKeys()
{
    setSilently("1994");
    SpinButton* spin = window_->bottomBar()->spinButton();
    QTest::keyClick(field(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), spin);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(field()->text(), QString("1995"));
}

void NumberFieldTest::keysInTheFieldStep_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("result");
    const int none = Qt::NoModifier;
    QTest::newRow("up") << "1994" << int(Qt::Key_Up) << none << "1995";
    QTest::newRow("down") << "1994" << int(Qt::Key_Down) << none << "1993";
    QTest::newRow("page up") << "1994" << int(Qt::Key_PageUp) << none << "2004";
    QTest::newRow("page down") << "1994" << int(Qt::Key_PageDown) << none << "1984";
    QTest::newRow("keypad up") << "1994" << int(Qt::Key_Up) << int(Qt::KeypadModifier) << "1995";
    QTest::newRow("up at the top") << "79999" << int(Qt::Key_Up) << none << "79999";
    QTest::newRow("page up near the top") << "79995" << int(Qt::Key_PageUp) << none << "79999";
    QTest::newRow("page down near zero") << "7" << int(Qt::Key_PageDown) << none << "0";
    QTest::newRow("up on letters, from the rows' number") << "abc" << int(Qt::Key_Up) << none << "46363";
    QTest::newRow("down from a numeral") << "mcmxciv" << int(Qt::Key_Down) << none << "1993";
    QTest::newRow("down from out of range") << "80005" << int(Qt::Key_Down) << none << "80004";
    QTest::newRow("up from hex") << "$1F" << int(Qt::Key_Up) << none << "32";
    QTest::newRow("shift+up only selects") << "1994" << int(Qt::Key_Up) << int(Qt::ShiftModifier) << "1994";
}

void NumberFieldTest::keysInTheFieldStep()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, result);
    setSilently(start);
    QTest::keyClick(field(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(field()->text(), result);
    QVERIFY(field()->hasFocus());
}

void NumberFieldTest::wheelOverTheFieldSteps_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QString>("result");
    QTest::newRow("one notch up") << QList<int>{120} << "1995";
    QTest::newRow("one notch down") << QList<int>{-120} << "1993";
    QTest::newRow("two notches at once") << QList<int>{240} << "1996";
    QTest::newRow("half notches add up") << QList<int>{60, 60, 60} << "1995";
    QTest::newRow("a turn back drops the part") << QList<int>{90, -60, -60} << "1993";
}

void NumberFieldTest::wheelOverTheFieldSteps()
{
    QFETCH(QList<int>, deltas);
    QFETCH(QString, result);
    setSilently("1994");
    for (int delta : deltas)
        wheel(delta);
    QCOMPARE(field()->text(), result);
}

void NumberFieldTest::pageKeysFromAnywhere_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QList<int>>("pages");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const QList<int> forwards = {1, 2, 3, 4, 0};
    const QList<int> backwards = {4, 3, 2, 1, 0};
    for (const char* focus : {"ze1", "SpinButton1", "pages"}) {
        const QByteArray at = QByteArray(" in ") + focus;
        QTest::newRow("ctrl+tab" + at) << focus << int(Qt::Key_Tab) << ctrl << forwards;
        QTest::newRow("ctrl+page down" + at) << focus << int(Qt::Key_PageDown) << ctrl << forwards;
        QTest::newRow("ctrl+shift+tab" + at) << focus << int(Qt::Key_Backtab) << ctrlShift << backwards;
        QTest::newRow("ctrl+page up" + at) << focus << int(Qt::Key_PageUp) << ctrl << backwards;
    }
}

// Five pages: forwards and backwards each reach every page in turn, wherever
// the focus went with the page shown, and, pressed five times, come back.
void NumberFieldTest::pageKeysFromAnywhere()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QList<int>, pages);
    NumeralPages* control = window_->pages();
    QWidget* target = focus == "pages" ? static_cast<QWidget*>(control) : window_->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    setSilently("1994");
    QCOMPARE(control->count(), pages.size());
    QCOMPARE(control->currentIndex(), 0);
    for (int page : pages) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(control->currentIndex(), page);
    }
    QCOMPARE(field()->text(), QString("1994"));  // the field's keys did not step
}

// A text beyond the range leaves the rows at their number, so a typo after
// it steps from that number, not from the one beyond the range.
void NumberFieldTest::stepAfterTextBeyondTheRangeAndATypo_data()
{
    QTest::addColumn<QString>("beyond");
    QTest::newRow("digits") << "80005";
    QTest::newRow("numeral") << QString::fromUtf8("十万");
    QTest::newRow("sign") << QString::fromUtf8("\U00013190");
}

void NumberFieldTest::stepAfterTextBeyondTheRangeAndATypo()
{
    QFETCH(QString, beyond);
    for (const QString& text : {QStringLiteral("1994"), beyond, QStringLiteral("mcmxciiv")})
        field()->setText(text);
    QTest::keyClick(field(), Qt::Key_Up);
    QCOMPARE(field()->text(), QString("1995"));
}

QTEST_MAIN(NumberFieldTest)
#include "NumberFieldTest.moc"
