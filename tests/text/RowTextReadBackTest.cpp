// Every unicode and partial row's text read back by the recogniser, for all
// 0..79999, and the forms people write for the same systems read to the
// numbers their own conventions give (the row's own form only where the
// row writes just that text). The described rows' stand-ins are read back
// by readers that know only how each stand-in tells the number.

#include "numerals/recognise/Recognise.h"
#include "rows/RowTable.h"
#include "numerals/text/RowText.h"

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

// ---- The stand-ins of the rows Unicode does not encode, read back by how
// each stand-in tells the number ----

using Text = std::u32string;
using Reader = std::function<int(const Text&)>;
constexpr int kBad = -1;

Text Decoded(const std::string& utf8)
{
    Text text;
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(utf8.data(), i, length, c);
        text += static_cast<char32_t>(c);
    }
    return text;
}

// One word per digit, most significant first, in the radix words.size():
// words[d] is the word of d.
Reader DigitWords(const std::vector<Text>& words, const Text& separator)
{
    return [words, separator](const Text& text) {
        int n = 0;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(separator, start), text.size());
            const auto it = std::find(words.begin(), words.end(), text.substr(start, end - start));
            if (it == words.end())
                return kBad;
            n = n * static_cast<int>(words.size()) + static_cast<int>(it - words.begin());
            start = end + separator.size();
        }
        return n;
    };
}
// ---- The stand-ins of the rows Unicode does not encode ----

const Text kDecimal = U"0123456789";
const Text kMayanNumerals =
    U"𝋠𝋡𝋢𝋣𝋤𝋥𝋦𝋧𝋨𝋩𝋪𝋫𝋬𝋭𝋮𝋯𝋰𝋱𝋲𝋳";  // 0 to 19

// Digits of the radix digits.size(), most significant first, no leading zero.
Reader InRadix(const Text& digits)
{
    return [digits](const Text& text) {
        if (text.empty() || (text.size() > 1 && text[0] == digits[0]))
            return kBad;
        int n = 0;
        for (char32_t c : text) {
            const std::size_t d = digits.find(c);
            if (d == Text::npos)
                return kBad;
            n = n * static_cast<int>(digits.size()) + static_cast<int>(d);
        }
        return n;
    };
}

// The part of the text between a fixed start and a fixed end.
Reader Around(const Text& start, const Text& end, const Reader& inner)
{
    return [=](const Text& text) {
        if (text.size() < start.size() + end.size() || text.compare(0, start.size(), start) != 0
            || text.compare(text.size() - end.size(), end.size(), end) != 0)
            return kBad;
        return inner(text.substr(start.size(), text.size() - start.size() - end.size()));
    };
}

Reader Labelled(const Text& label, const Text& digits = kDecimal)
{
    return Around(U"", U" (" + label + U")", InRadix(digits));
}

// Two parts around `middle` that both give the number.
Reader Agreeing(const Text& middle, const Reader& first, const Reader& second)
{
    return [=](const Text& text) {
        const std::size_t at = text.find(middle);
        const int n = at == Text::npos ? kBad : first(text.substr(0, at));
        return n != kBad && n == second(text.substr(at + middle.size())) ? n : kBad;
    };
}

// "0", "1", ... "24": the digits of a radix above ten as decimal numbers.
std::vector<Text> NumberWords(int radix)
{
    std::vector<Text> words;
    for (int d = 0; d < radix; ++d) {
        const std::string word = std::to_string(d);
        words.emplace_back(word.begin(), word.end());
    }
    return words;
}

// Semaphore in numeral mode: A..I are 1..9, K is 0.
const std::vector<Text> kSemaphore = {U"K", U"A", U"B", U"C", U"D", U"E", U"F", U"G", U"H", U"I"};

// A counting hand shows up to five fingers; six to nine are a full hand and more.
const std::vector<Text> kHands = {U"0", U"1", U"2", U"3", U"4", U"5", U"5 + 1", U"5 + 2", U"5 + 3", U"5 + 4"};

// POSTNET's five bars per digit (two tall, weights 7 4 2 1 0, 0 as 7 + 4), tall
// and short swapped and the bars in reverse order; 1 is a bar in the pattern.
const std::vector<Text> kPostCode = {U"11100", U"00111", U"01011", U"10011", U"01101",
                                     U"10101", U"11001", U"01110", U"10110", U"11010"};

constexpr int kPlaceValues[] = {1, 10, 100, 1000, 10000};

// Heyarian: "4 units, 9 tens, 9 hundreds, 1 thousand", the places from the
// units up, the places of a 0 left out.
int ReadTallyByPlaces(const Text& text)
{
    static const std::vector<Text> names = {U"unit", U"ten", U"hundred", U"thousand", U"ten thousand"};
    if (text == U"0 units")
        return 0;
    int n = 0;
    std::size_t place = 0;
    for (std::size_t start = 0; start <= text.size(); ++place) {
        const std::size_t end = std::min(text.find(U", ", start), text.size());
        const Text part = text.substr(start, end - start);
        const int d = part.size() > 2 && part[1] == U' ' ? static_cast<int>(part[0]) - U'0' : 0;
        if (d < 1 || d > 9)
            return kBad;
        while (place < names.size() && part.substr(2) != names[place] + (d == 1 ? U"" : U"s"))
            ++place;
        if (place == names.size())
            return kBad;
        n += d * kPlaceValues[place];
        start = end + 2;
    }
    return n;
}

// Hieratic: one sign per decimal place, largest first ("6000", "300"), the
// ten-thousands as a count ("4 × 10000").
int ReadHieraticSigns(const Text& text)
{
    const Text label = U"hieratic signs ";
    if (text.empty() || text.compare(0, label.size(), label) != 0)
        return text.empty() ? 0 : kBad;
    int n = 0;
    std::size_t previous = 5;
    for (std::size_t start = label.size(); start <= text.size();) {
        const std::size_t end = std::min(text.find(U" + ", start), text.size());
        const Text term = text.substr(start, end - start);
        const int d = term.empty() ? 0 : static_cast<int>(term[0]) - U'0';
        const Text rest = term.substr(std::min<std::size_t>(1, term.size()));
        const std::size_t place = rest == U" × 10000" ? 4 : rest == Text(rest.size(), U'0') ? rest.size() : 5;
        if (d < 1 || d > 9 || place >= previous)
            return kBad;
        n += d * kPlaceValues[place];
        previous = place;
        start = end + 3;
    }
    return n;
}

struct StandInReader {
    const char* cell;
    Reader read;
};

const std::vector<StandInReader>& StandInReaders()
{
    static const std::vector<StandInReader> rows = {
        {"P26",
         Agreeing(U" as counting hands: ", InRadix(kDecimal),
                  Around(U"", U" fingers", DigitWords(kHands, U"; ")))},
        {"P39", &ReadTallyByPlaces},
        {"P22",
         Agreeing(U" (", InRadix(kMayanNumerals), Around(U"", U")", DigitWords(NumberWords(20), U"\u00B7")))},
        {"P7", DigitWords(kSemaphore, U" ")},
        {"P29", Labelled(U"staff numerals")},
        {"P8", Labelled(U"Ath digits")},
        {"P35", Labelled(U"dancing-men figures")},
        {"P23", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P31", Around(U"", U" (base 25)", DigitWords(NumberWords(25), U"\u00B7"))},
        {"P13", Labelled(U"base 2", U"01")},
        {"P49", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P48", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P10", Labelled(U"Futurama digits")},
        {"P18", Around(U"[", U"]", InRadix(kDecimal))},
        {"PB1", &ReadHieraticSigns},
        {"P30", Labelled(U"Klingon digits")},
        {"P19", Labelled(U"Narn digits")},
        {"P9", Labelled(U"decimal")},
        {"P4", Around(U"(", U")", InRadix(U"0123456789\u218A\u218B"))},  // dozenal, ↊ and ↋ for 10 and 11
        {"P67", DigitWords(kPostCode, U" ")},
        {"P45", Labelled(U"base 4", U"0123")},
        {"P57", Labelled(U"SpaceKees digits")},
        {"P20", Labelled(U"Stargate digits")},
        {"P21", Labelled(U"Tenctonese digits")},
        {"P17", Labelled(U"Zentlardy digits")},
    };
    return rows;
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
    void readsBack_data();
    void readsBack();
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
    QCOMPARE(rows, 62 + 22);  // the fifth page's 22
}

// The text of n reads as n in its row, in the row's own form (a text two
// numbers share reads as both). A row with no sign for zero, a system
// with no form for the number, or a tally above 50 has no text to read.
void RowTextReadBackTest::readsBack()
{
    QFETCH(QString, cell);
    const std::string c = cell.toStdString();
    for (int n = 0; n <= 79999; ++n) {
        const std::string text = rowtext::NumeralText(c, n, std::to_string(n));
        if (text.empty()) {
            const rowtext::RowText row = rowtext::TextOf(c, n, std::to_string(n));
            if (n == 0 || row.noForm || row.reading == rowtext::kTallyShownUpTo)
                continue;
        }
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
    add("Daiji own form", "壱千九百九拾四", "Ujpanfin", 1994, true);
    add("Daiji as ICU writes ten", "拾九", "Ujpanfin", 19);
    add("Chinese everyday in the Kanji row", "一千九百九十四", "Uhans", 1994, true);
    add("Trad. fin. as ICU writes ten", "拾玖", "Uhantfin", 19);
    add("Trad. fin. own form", "貳仟零貳拾陸", "Uhantfin", 2026, true);
    add("Tangut ten alone inside", "\U000173C1\U0001829D\U00017C17\U0001824B", "Utang", 518, true);
    add("Glagolitic izhe for ten", "ⰈⰉ", "Uglag", 19);
    add("Glagolitic small letters", "ⱍⱌⱂⰳ", "Uglag", 1994);
    add("Glagolitic Vinodol year", "ⰝⰔⰑ", "Uglag", 1280, true);
    add("Tally zheng as the character", "正正正\U0001D375", "Uzheng", 19);
    add("Tally own form", "\U0001D378\U0001D377\U0001D377", "Utally", 7, true);
    add("Medefaidrin alternate two", "\U00016E95\U00016E80", "Umedf", 40);
    add("Kaktovik own form", "\U0001D2C4\U0001D2D3\U0001D2CE", "Ukakt", 1994, true);
    add("Roman apostrophus row", "ↀCↀXCIV", "Uromapos", 1994, true);
    add("Roman apostrophus sign in the Roman row", "ↀCↀXCIV", "l2", 1994);
    add("Roman without thousands in the apostrophus row", "cccxiii", "Uromapos", 313);
    add("Sumerian three shar variant", "\U00012425", "Uxsux", 10800);
    add("Coptic epact own form", "𐋡𐋠𐋻𐋲𐋤", "Uepact", 1994, true);
    add("Syriac nine hundred", "ܬܬܩ", "Usyrc", 900, true);
    add("Mende ten", "\U0001E8C7\U0001E8D1", "Umend", 10, true);
    add("Sinhala old thousands counted", "𑇭𑇦𑇴𑇣𑇳𑇯𑇣", "Usinhold", 46363, true);
    add("Malayalam old ten thousand", "൰൲", "Umlymold", 10000, true);
    add("Phoenician hundred without one", "𐤙", "Uphnx", 100);
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
         {"hello",    "12a",    "IIX",  "VV",      "McM",  "xlvi'",    "ιι",           "εί",
          "十十",     "千〇百", "ԱԱԱ",  "1  2",    "١٬",   "⠁⠊⠊⠙",     "፻፻",           "",
          " \u200F",  "ჵჵ",     "და",   "єіі",     "а҃҃",    "҂",        "а ҂в",         "ⲓ̅ⲓ̅",
          "ⲁ̅̅",        "𝍠𝍠",     "〇𝍠",  "𐩆𐩇",      "𐩃𐩃𐩃𐩆", "𑁤𑁿", "𑁚𑁿𑁤", "𝍷𝍸",
          "𝍲𝍲", "ܩܬ",     "ܐ݈ܒ݈",   "ⰊⰈⰊ",     "𐡝𐡝",   "𐡘𐡜",       "𞣑",         "𞣇𞣐𞣇",
          "𒐕𒐕",       "𐹠𐹩",     "𐋠", "𝋀𝋔"})
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
