#include "entry/NumberInput.h"
#include "entry/NumberParser.h"

#include <QTest>

// Preparing typed and pasted texts for the number parser, and the step of
// the spin button.
class NumberInputTest : public QObject {
    Q_OBJECT

private slots:
    void digitsOfEveryScriptBecomeAscii_data();
    void digitsOfEveryScriptBecomeAscii();
    void pastedTexts_data();
    void pastedTexts();
    void numeralsOfOtherSystemsStayAsWritten_data();
    void numeralsOfOtherSystemsStayAsWritten();
    void everyDecimalDigitHasItsValue();
    void steps_data();
    void steps();
};

void NumberInputTest::digitsOfEveryScriptBecomeAscii_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << "1994"
                           << "1994";
    QTest::newRow("arabic-indic") << u"\u0661\u0669\u0669\u0664"_qs << "1994";
    QTest::newRow("persian") << u"\u06F1\u06F9\u06F9\u06F4"_qs << "1994";
    QTest::newRow("devanagari") << u"\u0967\u096F\u096F\u096A"_qs << "1994";
    QTest::newRow("bengali") << u"\u09E7\u09EF\u09EF\u09EA"_qs << "1994";
    QTest::newRow("thai") << u"\u0E51\u0E59\u0E59\u0E54"_qs << "1994";
    QTest::newRow("fullwidth") << u"\uFF11\uFF19\uFF19\uFF14"_qs << "1994";
    QTest::newRow("mixed scripts") << u"1\u0669\u06F9\uFF14"_qs << "1994";
    QTest::newRow("zero and nine") << u"\u0660\u0669"_qs << "09";
    QTest::newRow("mathematical bold, two code units each") << u"\U0001D7CF\U0001D7D7"_qs << "19";
    QTest::newRow("adlam") << u"\U0001E951\U0001E959"_qs << "19";
    // Digits in the wider sense (superscripts, circled, fractions, Roman
    // numerals) are not decimal digits: the parser refuses them as before.
    QTest::newRow("superscript stays") << u"1\u00B2"_qs << u"1\u00B2"_qs;
    QTest::newRow("circled stays") << u"\u2460"_qs << u"\u2460"_qs;
    QTest::newRow("roman numeral stays") << u"\u216B"_qs << u"\u216B"_qs;
    QTest::newRow("han digit stays") << u"\u4E00"_qs << u"\u4E00"_qs;
    QTest::newRow("letters, signs and blanks stay") << " -$x 1A"
                                                    << " -$x 1A";
    QTest::newRow("typed blanks stay") << u"1\u00A0994 "_qs << u"1\u00A0994 "_qs;
    QTest::newRow("empty") << ""
                           << "";
}

void NumberInputTest::digitsOfEveryScriptBecomeAscii()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QCOMPARE(WithAsciiDigits(typed), text);
}

void NumberInputTest::pastedTexts_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");  // what the field then reads; -1 for no number
    QTest::newRow("line break after") << "1994\n"
                                      << "1994" << 1994;
    QTest::newRow("windows line break") << "1994\r\n"
                                        << "1994" << 1994;
    QTest::newRow("white space around") << " \t 1994 \n\n"
                                        << "1994" << 1994;
    QTest::newRow("arabic-indic with line break") << u"\u0661\u0669\u0669\u0665\n"_qs << "1995" << 1995;
    QTest::newRow("grouped by a space") << "12 345"
                                        << "12345" << 12345;
    QTest::newRow("grouped by a no-break space") << u"12\u00A0345"_qs << "12345" << 12345;
    QTest::newRow("grouped by a thin space") << u"12\u2009345"_qs << "12345" << 12345;
    QTest::newRow("grouped by a narrow no-break space") << u"12\u202F345"_qs << "12345" << 12345;
    QTest::newRow("several blanks between digits") << "1  2 \u00A03"
                                                   << "123" << 123;
    QTest::newRow("persian grouped") << u"\u06F1\u06F2\u00A0\u06F3\u06F4\u06F5"_qs << "12345" << 12345;
    QTest::newRow("tab between digits stays") << "12\t345"
                                              << "12\t345" << -1;
    QTest::newRow("line break between digits stays") << "12\n345"
                                                     << "12\n345" << -1;
    QTest::newRow("blank before a letter stays") << "12 ab"
                                                 << "12 ab" << -1;
    QTest::newRow("blank after a sign stays") << "- 5"
                                              << "- 5" << -1;
    QTest::newRow("hex keeps its blank-free form") << " $1F\n"
                                                   << "$1F" << 31;
    QTest::newRow("comma grouping is the parser's") << "12,345"
                                                    << "12,345" << -1;
    QTest::newRow("blanks only") << " \n "
                                 << "" << -1;
}

void NumberInputTest::pastedTexts()
{
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(int, number);
    const QString cleaned = CleanPastedNumber(pasted);
    QCOMPARE(cleaned, text);
    const std::optional<std::int32_t> parsed = ParseNumber(cleaned);
    QCOMPARE(parsed.has_value(), number >= 0);
    if (parsed)
        QCOMPARE(*parsed, number);
}

// Pasted (between what the field already holds), digits become ASCII and
// blanks between them go only where the field then holds a number the
// parser reads; other text (a numeral of another system, a typo) keeps its
// signs.
void NumberInputTest::numeralsOfOtherSystemsStayAsWritten_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("text");  // the field's text then
    QTest::newRow("grouped digits in the middle") << "1" << u"\u0669 \u0669"_qs << "4"
                                                  << "1994";
    QTest::newRow("tamil traditional") << "" << u"\u0BF2\u0BEF\u0BF1\u0BEF\u0BF0\u0BEA\n"_qs << ""
                                       << u"\u0BF2\u0BEF\u0BF1\u0BEF\u0BF0\u0BEA"_qs;
    QTest::newRow("digits before a letter keep their blank")
        << "" << u"\u0661 \u0662"_qs << "a" << u"\u0661 \u0662a"_qs;
}

void NumberInputTest::numeralsOfOtherSystemsStayAsWritten()
{
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QString, text);
    QCOMPARE(TypedText(before + PastedText(pasted, before, after) + after), text);
}

// Every character Unicode files as a decimal digit maps to its value, and
// nothing else changes. Unicode places decimal digits in contiguous runs of
// ten, zero first, so a digit's value is its distance from the run's start.
void NumberInputTest::everyDecimalDigitHasItsValue()
{
    int digits = 0;
    char32_t blockStart = 0;  // first code of the current stretch of digits
    bool inBlock = false;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QString::fromUcs4(&c, 1);
        const QString ascii = WithAsciiDigits(text);
        if (QChar::category(c) != QChar::Number_DecimalDigit) {
            inBlock = false;
            QCOMPARE(ascii, text);
            continue;
        }
        if (!inBlock)
            blockStart = c;
        inBlock = true;
        ++digits;
        QCOMPARE(ascii, QString(QChar(u'0' + int((c - blockStart) % 10))));
    }
    QVERIFY2(digits >= 650, qPrintable(QString::number(digits)));
    QCOMPARE(digits % 10, 0);
}

void NumberInputTest::steps_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<int>("delta");
    QTest::addColumn<qint64>("to");
    QTest::newRow("up") << qint64(1994) << 1 << qint64(1995);
    QTest::newRow("down") << qint64(1994) << -1 << qint64(1993);
    QTest::newRow("page up") << qint64(1994) << 10 << qint64(2004);
    QTest::newRow("page down") << qint64(1994) << -10 << qint64(1984);
    QTest::newRow("up stops at the largest") << qint64(79995) << 10 << qint64(79999);
    QTest::newRow("down stops at zero") << qint64(4) << -10 << qint64(0);
    QTest::newRow("up from above the range") << qint64(80005) << 1 << qint64(79999);
    QTest::newRow("down from above the range") << qint64(80005) << -10 << qint64(79995);
    QTest::newRow("up from below the range") << qint64(-5) << 1 << qint64(-4);
    QTest::newRow("down from below the range") << qint64(-5) << -1 << qint64(0);
    QTest::newRow("largest int does not wrap") << qint64(2147483647) << 10 << qint64(79999);
    QTest::newRow("smallest int does not wrap") << qint64(-2147483648LL) << -10 << qint64(0);
}

void NumberInputTest::steps()
{
    QFETCH(qint64, from);
    QFETCH(int, delta);
    QFETCH(qint64, to);
    QCOMPARE(SteppedNumber(from, delta), to);
}

QTEST_APPLESS_MAIN(NumberInputTest)
#include "NumberInputTest.moc"
