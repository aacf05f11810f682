#include "entry/EnteredNumber.h"
#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"
#include "rows/RowTable.h"

#include "numerals/text/RowText.h"

#include <QTest>

#include <optional>

// Reading the number field: which texts are numbers, and their values.
class NumberParserTest : public QObject {
    Q_OBJECT

private slots:
    void parsesValidTexts_data();
    void parsesValidTexts();
    void rejectsInvalidTexts_data();
    void rejectsInvalidTexts();
    void readNumberFallsBackToZero();
    void rangeCheck_data();
    void rangeCheck();
    void readingCaptions_data();
    void readingCaptions();
    void everyReadRowIsNamedByItsCaption();
};

void NumberParserTest::parsesValidTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("plain") << "1994" << 1994;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("leading blank") << " 12" << 12;
    QTest::newRow("several leading blanks") << "   46362" << 46362;
    QTest::newRow("dollar hex") << "$1F" << 31;
    QTest::newRow("0x hex") << "0x1F" << 31;
    QTest::newRow("0X hex") << "0X1f" << 31;
    QTest::newRow("x hex") << "x1F" << 31;
    QTest::newRow("X hex") << "X1F" << 31;
    QTest::newRow("blank before hex") << " $10" << 16;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("many leading zeros") << "000000000002147483647" << 2147483647;
    QTest::newRow("eight hex digits wrap to -1") << "$FFFFFFFF" << -1;
    QTest::newRow("hex sign bit") << "$80000000" << int(-2147483647 - 1);
    QTest::newRow("nine hex digits, leading zero") << "$0FFFFFFFF" << -1;
    QTest::newRow("out of range but a number") << "80000" << 80000;
}

void NumberParserTest::parsesValidTexts()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<std::int32_t> parsed = ParseNumber(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
    QCOMPARE(ReadNumber(text), value);
}

void NumberParserTest::rejectsInvalidTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("tab before") << "\t12";
    QTest::newRow("bare minus") << "-";
    QTest::newRow("bare plus") << "+";
    QTest::newRow("bare dollar") << "$";
    QTest::newRow("bare 0x") << "0x";
    QTest::newRow("minus hex") << "-$1F";
    QTest::newRow("plus hex") << "+$1F";
    QTest::newRow("hex without prefix") << "1F";
    QTest::newRow("sign then blank") << "- 5";
    QTest::newRow("two signs") << "--5";
    QTest::newRow("decimal overflow") << "2147483648";
    QTest::newRow("negative overflow") << "-2147483649";
    QTest::newRow("nine hex digits") << "$100000000";
    QTest::newRow("hex then junk") << "$1G";
    QTest::newRow("double prefix") << "0x$1";
    QTest::newRow("zero zero x") << "00x1";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0661");
    QTest::newRow("fullwidth digit") << QString::fromUtf8("\uFF11");
    QTest::newRow("right-to-left mark") << QString::fromUtf8("\u200F12");
}

void NumberParserTest::rejectsInvalidTexts()
{
    QFETCH(QString, text);
    QVERIFY(!ParseNumber(text).has_value());
}

void NumberParserTest::readNumberFallsBackToZero()
{
    QCOMPARE(ReadNumber(u"abc"), 0);
    QCOMPARE(ReadNumber(u""), 0);
    QCOMPARE(ReadNumber(u"2147483648"), 0);
}

void NumberParserTest::rangeCheck_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("zero") << qint64(0) << true;
    QTest::newRow("largest") << qint64(79999) << true;
    QTest::newRow("limit") << qint64(80000) << false;
    QTest::newRow("negative") << qint64(-1) << false;
}

void NumberParserTest::rangeCheck()
{
    QFETCH(qint64, number);
    QFETCH(bool, inRange);
    QCOMPARE(IsInRange(number), inRange);
}

// How a reading is named, in the readings and on the message line: the
// parser's forms (decimal, and hexadecimal with each prefix, in upper and
// lower case) by their kind and with nothing said; the recogniser's
// numerals by their row's caption, and decimal digits no row writes as such.
void NumberParserTest::readingCaptions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("said");
    for (const char* decimal : {"1994", " 1994", "+1994", "01994"})
        QTest::newRow(decimal) << decimal << "Decimal digits"
                               << "";
    for (const char* hex :
         {"$7ca", "$7CA", "x7ca", "x7CA", "X7ca", "X7CA", "0x7ca", "0x7CA", "0X7ca", "0X7CA"})
        QTest::newRow(hex) << hex << "Hexadecimal"
                           << "";
    const auto add = [](const char* name, const char* text, const char* caption, const char* said) {
        QTest::newRow(name) << QString::fromUtf8(text) << caption << said;
    };
    add("Roman upper case", "MCMXCIV", "Roman", "Roman numeral: 1994");
    add("Roman lower case", "mcmxciv", "Roman", "Roman numeral: 1994");
    add("Armenian upper case", "ՌՋՂԴ", "Armenian", "Armenian numeral: 1994");
    add("Armenian lower case", "ռջղդ", "Armenian", "Armenian numeral: 1994");
    add("Georgian capitals", "ႹႸႯႣ", "Georgian", "Georgian numeral: 1994");
    add("Arabic digits", "١٩٩٤", "Arabic", "Arabic numeral: 1994");
    add("fullwidth digits", "１９９４", "Decimal digits", "Decimal digits: 1994");
    add("digits of two scripts", "١۹۹٤", "Decimal digits", "Decimal digits: 1994");
}

void NumberParserTest::readingCaptions()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QString, said);
    const std::vector<RecognisedNumber> readings = RecognisedNumbers(text);
    QVERIFY(!readings.empty());
    QCOMPARE(readings.front().caption, caption);
    QCOMPARE(readings.front().number, 1994);
    const EnteredNumber entered = EnteredNumberOf(text);
    QCOMPARE(entered.number, 1994);
    QCOMPARE(entered.message, said);
}

// Every row the recogniser reads, its own text of 1994 (or of the first
// number it writes from there) is named by the row's caption.
void NumberParserTest::everyReadRowIsNamedByItsCaption()
{
    int rows = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (rowtext::TextOf(row.cell, 1, "1").kind == rowtext::Kind::Described)
            continue;
        // 1994, or a smaller number where the system's range ends below it.
        int n = 0;
        for (const int candidate : {1994, 19, 7}) {
            n = candidate;
            if (!rowtext::NumeralText(row.cell, n, std::to_string(n)).empty())
                break;
        }
        const QString text = QString::fromStdString(rowtext::NumeralText(row.cell, n, std::to_string(n)));
        const std::vector<RecognisedNumber> readings = RecognisedNumbers(text);
        const bool named = std::any_of(readings.begin(), readings.end(), [&](const RecognisedNumber& r) {
            return r.number == n && r.caption == QString::fromUtf8(row.caption)
                && r.numberText == QString::number(n);
        });
        QVERIFY2(named, row.caption);
        ++rows;
    }
    QCOMPARE(rows, 62 + 25 + 22);  // and the fourth page's 25 and the fifth's 22
}

QTEST_APPLESS_MAIN(NumberParserTest)
#include "NumberParserTest.moc"
