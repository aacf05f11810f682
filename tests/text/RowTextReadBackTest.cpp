// The forms people write for the same systems read to the
// numbers their own conventions give (the row's own form only where the
// row writes just that text). (That every unicode and partial row's own
// text reads back for all 0..79999 is checked in the one pass over every
// row and number of tests/signs.) The described rows' stand-ins are read back
// by readers that know only how each stand-in tells the number.

#include "numerals/recognise/Recognise.h"
#include "rows/RowTable.h"
#include "numerals/text/RowText.h"
#include "signs/StandInReaders.h"

#include <QtTest>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

bool Reads(const std::vector<recognise::Numeral>& numerals, const std::string& cell, long long n)
{
    return std::any_of(numerals.begin(), numerals.end(),
                       [&](const recognise::Numeral& m) { return m.cell == cell && m.number == n; });
}

using signs::StandInReader;
using signs::StandInReaders;
using Text = std::u32string;

Text Decoded(const std::string& utf8)
{
    return signs::Decoded(utf8);
}

// ---- Other forms of a row's text that people write ----

Text Mapped(const Text& text, char32_t (*map)(char32_t))
{
    Text mapped;
    for (char32_t c : text) {
        if (const char32_t m = map(c))
            mapped += m;
    }
    return mapped;
}

char32_t Upper(char32_t c)
{
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

struct OtherForm {
    const char* name;
    const char* cell;
    Text (*form)(const Text&);
};

// Each a convention of the system or of its script: other letter cases and
// alphabets, numerals without their marks, traditional characters, signs
// that add up in any order.
const OtherForm kOtherForms[] = {
    {"Georgian in Asomtavruli", "Ugeor",
     [](const Text& t) { return Mapped(t, [](char32_t c) -> char32_t { return c - 0x30; }); }},
    {"Georgian in Mtavruli", "Ugeor", [](const Text& t) { return Mapped(t, &Upper); }},
    {"Cyrillic capitals without titlo", "Ucyrl",
     [](const Text& t) {
         return Mapped(t, [](char32_t c) -> char32_t { return c == U'\u0483' ? 0 : Upper(c); });
     }},
    {"Coptic capitals, thousands below, no lines", "Ucopt",
     [](const Text& t) {
         return Mapped(t, [](char32_t c) -> char32_t {
             return c == U'\u0305' ? 0 : c == U'\u033F' ? U'\u0331' : Upper(c);
         });
     }},
    {"Chinese financial traditional", "Uhansfin",
     [](const Text& t) {
         return Mapped(t, [](char32_t c) -> char32_t {
             return c == U'贰' ? U'貳' : c == U'叁' ? U'參' : c == U'陆' ? U'陸' : c == U'万' ? U'萬' : c;
         });
     }},
    {"Aegean smallest first", "Uaegean", [](const Text& t) { return Text(t.rbegin(), t.rend()); }},
};

}  // namespace

class RowTextReadBackTest : public QObject {
    Q_OBJECT

private slots:
    void formsPeopleWrite_data();
    void formsPeopleWrite();
    void otherFormsReadBack_data();
    void otherFormsReadBack();
    void noNumeral_data();
    void noNumeral();
    void largeNumbers();
    void utf16();
    void everyDescribedRowHasAReader();
    void standInsReadBack_data();
    void standInsReadBack();
    void digitScriptsReadBack_data();
    void digitScriptsReadBack();
};

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
    add("Georgian in Asomtavruli", "ႹႷႮႦ", "Ugeor", 1887);
    add("Georgian in Mtavruli", "ᲪᲘᲑ", "Ugeor", 2012);
    add("Georgian in Nuskhuri", "ⴙⴖⴢⴇ", "Ugeor", 1769);
    add("Georgian un for 400", "უ", "Ugeor", 400);
    add("Cyrillic coin year", "҂АѰЕ", "Ucyrl", 1705);
    add("Cyrillic teen units first", "ЗІ", "Ucyrl", 17);
    add("Cyrillic uk for 400", "҂ѕѹчѕ", "Ucyrl", 6496);
    add("Cyrillic omega for 800", "҂аѡів", "Ucyrl", 1812);
    add("Cyrillic thousands each", "҂Л҂В", "Ucyrl", 32000);
    add("Cyrillic set apart with dots", "·ѕ·", "Ucyrl", 6);
    add("Coptic capitals without lines", "ⲪⲞⲂ", "Ucopt", 572);
    add("Coptic thousands by numeral sign", "Ⲃ͵ⲒⲆ", "Ucopt", 2014);
    add("Coptic thousands by line below", "ⲁ̱ⳁ̅ϥ̅ⲇ̅", "Ucopt", 1994);
    add("Coptic epact numbers", "𐋡𐋠𐋻𐋲𐋤", "Ucopt", 1994);
    add("Chinese financial as CLDR", "拾伍", "Uhansfin", 15);
    add("Chinese financial cheque", "壹拾万柒仟", "Uhansfin", 107000);
    add("Chinese financial own form", "贰仟零贰拾陆", "Uhansfin", 2026, true);
    add("counting rods own form", "𝍪〇𝍪𝍥", "Urods", 2026, true);
    add("Tamil old thousand", "௲", "Utaml", 1000, true);
    add("Aegean smallest first", "𐄊𐄘𐄡𐄢", "Uaegean", 1994);
    add("Aegean signs repeated", "𐄫𐄫𐄫𐄫𐄢𐄢", "Uaegean", 42000);
    add("Kharoshthi hundred without one", "𐩆", "Ukhar", 100);
    add("Brahmi seventy thousand", "𑁥𑁿𑁡", "Ubrahadd", 70000, true);
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

void RowTextReadBackTest::otherFormsReadBack_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < std::size(kOtherForms); ++i)
        QTest::newRow(kOtherForms[i].name) << static_cast<int>(i);
}

// Every number the row writes reads back from the other forms of its text.
void RowTextReadBackTest::otherFormsReadBack()
{
    QFETCH(int, index);
    const OtherForm& other = kOtherForms[index];
    for (int n = 1; n <= 79999; ++n) {
        const Text own = Decoded(rowtext::NumeralText(other.cell, n, std::to_string(n)));
        const Text form = other.form(own);
        const QString text = QString::fromUcs4(form.data(), qsizetype(form.size()));
        if (!own.empty() && !Reads(recognise::Recognise(text.toStdString()), other.cell, n))
            QFAIL(qPrintable(QStringLiteral("%1 does not read as %2").arg(text).arg(n)));
    }
}

void RowTextReadBackTest::noNumeral_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"hello", "12a", "IIX",  "VV", "McM", "xlvi'",   "ιι",   "εί",       "十十",        "千〇百", "ԱԱԱ",
          "1  2",  "١٬",  "⠁⠊⠊⠙", "፻፻", "",    " \u200F", "ჵჵ",   "და",       "єіі",         "а҃҃",      "҂",
          "а ҂в",  "ⲓ̅ⲓ̅",  "ⲁ̅̅",    "𝍠𝍠", "〇𝍠", "𐩆𐩇",      "𐩃𐩃𐩃𐩆", "𑁤𑁿", "𑁚𑁿𑁤"})
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

void RowTextReadBackTest::everyDescribedRowHasAReader()
{
    std::set<std::string> read;
    std::set<std::string> described;
    for (const StandInReader& row : StandInReaders())
        read.insert(row.cell);
    for (const RowSpec& row : RowsInDisplayOrder())
        if (rowtext::TextOf(row.cell, 1, "1").kind == rowtext::Kind::Described)
            described.insert(row.cell);
    QCOMPARE(read, described);
}

void RowTextReadBackTest::standInsReadBack_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < StandInReaders().size(); ++i)
        QTest::newRow(StandInReaders()[i].cell) << static_cast<int>(i);
}

void RowTextReadBackTest::standInsReadBack()
{
    QFETCH(int, index);
    const StandInReader& row = StandInReaders()[static_cast<std::size_t>(index)];
    for (int n = 0; n <= 79999; ++n) {
        const std::string text = rowtext::NumeralText(row.cell, n, std::to_string(n));
        const int read = row.read(Decoded(text));
        if (read != n)
            QFAIL(qPrintable(QStringLiteral("%1: the text of %2, %3, reads as %4")
                                 .arg(row.cell)
                                 .arg(n)
                                 .arg(QString::fromStdString(text))
                                 .arg(read)));
    }
}

// The digit scripts of the third page, each with the Unicode block of its
// digits: for every number the text is the number's decimal digits, no
// more, as Unicode's digit values of characters of that block.
void RowTextReadBackTest::digitScriptsReadBack_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("block");
    const std::pair<const char*, UBlockCode> scripts[] = {
        {"Ugujr", UBLOCK_GUJARATI},  {"Uguru", UBLOCK_GURMUKHI},        {"Utelu", UBLOCK_TELUGU},
        {"Umlym", UBLOCK_MALAYALAM}, {"Uorya", UBLOCK_ORIYA},           {"Umymr", UBLOCK_MYANMAR},
        {"Usinh", UBLOCK_SINHALA},   {"Ujava", UBLOCK_JAVANESE},        {"Ubali", UBLOCK_BALINESE},
        {"Uolck", UBLOCK_OL_CHIKI},  {"Umtei", UBLOCK_MEETEI_MAYEK},    {"Uadlm", UBLOCK_ADLAM},
        {"Uvaii", UBLOCK_VAI},       {"Urohg", UBLOCK_HANIFI_ROHINGYA}, {"Usund", UBLOCK_SUNDANESE},
        {"Ulimb", UBLOCK_LIMBU},     {"Ulepc", UBLOCK_LEPCHA},          {"Ucakm", UBLOCK_CHAKMA},
        {"Ulana", UBLOCK_TAI_THAM},
    };
    for (const auto& [cell, block] : scripts)
        QTest::newRow(cell) << cell << int(block);
}

void RowTextReadBackTest::digitScriptsReadBack()
{
    QFETCH(QString, cell);
    QFETCH(int, block);
    for (int n = 0; n <= 79999; ++n) {
        const std::string decimal = std::to_string(n);
        const Text text = Decoded(rowtext::NumeralText(cell.toStdString(), n, decimal));
        bool good = text.size() == decimal.size();
        for (std::size_t i = 0; good && i < text.size(); ++i)
            good = u_charDigitValue(static_cast<UChar32>(text[i])) == decimal[i] - '0'
                && ublock_getCode(static_cast<UChar32>(text[i])) == block;
        if (!good)
            QFAIL(qPrintable(QStringLiteral("%1: the text of %2 is not its digits").arg(cell).arg(n)));
    }
}

QTEST_APPLESS_MAIN(RowTextReadBackTest)
#include "RowTextReadBackTest.moc"
