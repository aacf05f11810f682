// Every unicode and partial row's text read back by the recogniser, for all
// 0..79999, and the forms people write for the same systems read to the
// numbers their own conventions give (the row's own form only where the
// row writes just that text).

#include "numerals/recognise/Recognise.h"
#include "numerals/text/RowText.h"

#include <QtTest>

#include <algorithm>
#include <string>

namespace {

bool Reads(const std::vector<recognise::Numeral>& numerals, const std::string& cell, long long n)
{
    return std::any_of(numerals.begin(), numerals.end(),
                       [&](const recognise::Numeral& m) { return m.cell == cell && m.number == n; });
}

}  // namespace

class RowTextReadBackTest : public QObject {
    Q_OBJECT

private slots:
    void readsBack_data();
    void readsBack();
    void formsPeopleWrite_data();
    void formsPeopleWrite();
    void noNumeral_data();
    void noNumeral();
    void largeNumbers();
    void utf16();
};

void RowTextReadBackTest::readsBack_data()
{
    QTest::addColumn<QString>("cell");
    int rows = 0;
    for (const std::string& cell : rowtext::Cells()) {
        if (rowtext::TextOf(cell, 1, "1").kind == rowtext::Kind::Described)
            continue;
        QTest::newRow(cell.c_str()) << QString::fromStdString(cell);
        ++rows;
    }
    QCOMPARE(rows, 34);
}

// The text of n reads as n in its row, in the row's own form (a text two
// numbers share reads as both). A row with no sign for zero has no text to read.
void RowTextReadBackTest::readsBack()
{
    QFETCH(QString, cell);
    const std::string c = cell.toStdString();
    for (int n = 0; n <= 79999; ++n) {
        const std::string text = rowtext::NumeralText(c, n, std::to_string(n));
        if (text.empty() && n == 0)
            continue;
        const std::vector<recognise::Numeral> numerals = recognise::Recognise(text);
        const bool own = std::any_of(numerals.begin(), numerals.end(), [&](const recognise::Numeral& m) {
            return m.cell == c && m.number == n && m.ownForm;
        });
        if (!own)
            QFAIL(qPrintable(QStringLiteral("%1: the text of %2, %3, does not read as it")
                                 .arg(cell)
                                 .arg(n)
                                 .arg(QString::fromStdString(text))));
    }
}

void RowTextReadBackTest::formsPeopleWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qlonglong>("number");
    QTest::addColumn<bool>("ownForm");
    const auto add = [](const char* name, const char* text, const char* cell, qlonglong n, bool own = false) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(cell) << n << own;
    };
    add("Roman lower case", "mcmxciv", "l2", 1994);
    add("Roman numeral characters", "ⅯⅭⅯⅩⅭⅣ", "l2", 1994);
    add("Roman twelve in one character", "Ⅻ", "l2", 12);
    add("Roman apostrophus", "ↂↇↁMCCCLXIII", "l2", 46363);
    add("Roman overline", "X̅L̅V̅I̅CCCLXIII", "l2", 46363);
    add("Roman clock four", "IIII", "l2", 4);
    add("Hebrew year", "תשפ״ו", "P62", 786);
    add("Hebrew 900 as tav", "תתקצ״ד", "P62", 994);
    add("Hebrew with thousands", "א׳תתקצ״ד", "P62", 1994);
    add("Hebrew ASCII marks", "ה'תשפ\"ו", "P62", 5786);
    add("Hebrew without marks", "תשפו", "P62", 786);
    add("Hebrew fifteen", "ט״ו", "P62", 15);
    add("Hebrew sixteen", "ט״ז", "P62", 16);
    add("Hebrew final pe", "תש״ף", "P62", 780);
    add("Hebrew letter numeral", "ה׳", "P62", 5);
    add("Greek capitals and keraia", "͵ΑϠϞΔʹ", "P64", 1994);
    add("Greek chi", "Χ", "P64", 600);
    add("Greek digamma", "ϝʹ", "P64", 6);
    add("Attic chi", "Χ", "P38", 1000, true);
    add("Armenian lower case", "ռջղդ", "P40", 1994);
    add("Armenian overline", "Դ̅ՑՅԿԳ", "P40", 46363);
    add("Ethiopic", "፲፱፻፺፬", "P36", 1994);
    add("Ethiopic hundred", "፻", "P36", 100);
    add("Ethiopic myriads", "፬፼፷፫፻፷፫", "P36", 46363);
    add("Chinese leading one", "一千九百九十四", "P42", 1994);
    add("Chinese zero and liang", "两千零二十六", "P42", 2026);
    add("Chinese year", "二〇二六", "P42", 2026);
    add("Chinese zero", "〇", "P42", 0);
    add("Chinese financial", "壹仟玖佰玖拾肆", "P42", 1994);
    add("Chinese financial traditional", "肆萬陸仟參佰陸拾參", "P42", 46363);
    add("Japanese one myriad", "一万", "P42", 10000);
    add("Chinese hundred thousand", "十万", "P42", 100000);
    add("Korean spaced", "사만 육천삼백육십삼", "PB2", 46363);
    add("Korean leading il", "일천구백구십사", "PB2", 1994);
    add("Egyptian smallest first", "𓏤𓏤𓏤𓏤𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓎆𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓍢𓆼", "P28", 1994);
    add("Attic smallest first", "ΙΙΙΙΔΔΔΔ𐅄ΗΗΗΗ𐅅Χ", "P38", 1994);
    add("Attic pi for five", "ΔΠΙ", "P38", 16);
    add("Ancient Greek compound signs", "Χ𐅅ΗΗΗΗ𐅄ΔΔΔΔΙΙΙΙ", "P37", 1994);
    add("Old Hungarian in any order",
        "𐳺𐳿𐳺𐳺𐳺𐳺𐳼𐳼𐳼𐳼𐳽𐳾𐳾𐳾𐳾𐳾𐳾𐳾𐳾𐳾", "P53", 1994);
    add("Tamil traditional", "௲௯௱௯௰௪", "P69", 1994);
    add("Tamil thousands counted", "௪௰௬௲௩௱௬௰௩", "P69", 46363);
    add("Arabic thousands separator", "١٬٩٩٤", "P6", 1994);
    add("Arabic with ASCII digits", "١9٩4", "P6", 1994);
    add("Devanagari grouped", "७९ ९९९", "P63", 79999);
    add("Arabic leading zeros", "٠٠٤٢", "P6", 42, true);
    add("fullwidth digits", "１９９４", "", 1994);
    add("digits of two scripts", "١۹", "", 19);
    add("no-break space grouping", "79\u00A0999", "", 79999);
    add("blanks around", "  MCMXCIV\n", "l2", 1994, true);
    add("copied isolated", "\u2067א׳ץצד\u2069", "P62", 1994, true);
}

void RowTextReadBackTest::formsPeopleWrite()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QFETCH(qlonglong, number);
    QFETCH(bool, ownForm);
    const std::vector<recognise::Numeral> numerals = recognise::Recognise(text.toStdString());
    const auto found = std::find_if(numerals.begin(), numerals.end(), [&](const recognise::Numeral& m) {
        return m.cell == cell.toStdString() && m.number == number;
    });
    QVERIFY(found != numerals.end());
    QCOMPARE(found->ownForm, ownForm);
}

void RowTextReadBackTest::noNumeral_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"hello", "12a", "IIX", "VV", "McM", "xlvi'", "ιι", "εί", "十十", "千〇百", "ԱԱԱ",
                             "1  2", "١٬", "⠁⠊⠊⠙", "፻፻", "", " \u200F"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void RowTextReadBackTest::noNumeral()
{
    QFETCH(QString, text);
    QVERIFY(recognise::Recognise(text.toStdString()).empty());
}

// Numbers too large for any type read as the largest value, never wrapped
// round to a small one.
void RowTextReadBackTest::largeNumbers()
{
    QVERIFY(Reads(recognise::Recognise(std::string(40, '9')), "", recognise::kLargestValue));
    QVERIFY(Reads(recognise::Recognise(std::string(2000, 'M')), "l2", 2000000));
    std::string myriads;
    for (int i = 0; i < 10; ++i)
        myriads += "፼";  // ten thousand to the tenth
    QVERIFY(Reads(recognise::Recognise(myriads), "P36", recognise::kLargestValue));
}

// UTF-16 reads as UTF-8 does; an unpaired surrogate is no character of a numeral.
void RowTextReadBackTest::utf16()
{
    const std::vector<recognise::Numeral> numerals = recognise::Recognise(u"\u2067א׳ץצד\u2069");
    QCOMPARE(numerals.size(), std::size_t(1));
    QVERIFY(Reads(numerals, "P62", 1994) && numerals.front().ownForm);
    QVERIFY(Reads(recognise::Recognise(u"\U0001D2E5\U0001D2E9\U0001D2EE"), "PB7", 1994));
    for (const std::u16string& text :
         {std::u16string(u"MCM") + char16_t(0xD800), char16_t(0xDC00) + std::u16string(u"1994")})
        QVERIFY(recognise::Recognise(text).empty());
}

QTEST_APPLESS_MAIN(RowTextReadBackTest)
#include "RowTextReadBackTest.moc"
