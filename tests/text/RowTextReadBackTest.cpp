// Every Unicode row's text read back to its number, for all 0..79999, by
// readers that know only how each system is written, not the builders.

#include "numerals/text/RowText.h"

#include <QtTest>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

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

std::map<char32_t, int> ValuesOf(const Text& signs, const std::vector<int>& values)
{
    std::map<char32_t, int> table;
    for (std::size_t i = 0; i < signs.size(); ++i)
        table[signs[i]] = values[i];
    return table;
}

int ValueIn(const std::map<char32_t, int>& table, char32_t c)
{
    const auto it = table.find(c);
    return it == table.end() ? kBad : it->second;
}

// Ten consecutive digits from `zero`, written most significant first.
Reader DigitsFrom(char32_t zero, const Text& numberSign = Text())
{
    return [zero, numberSign](const Text& text) {
        if (text.compare(0, numberSign.size(), numberSign) != 0 || text.size() == numberSign.size())
            return kBad;
        int n = 0;
        for (char32_t c : text.substr(numberSign.size())) {
            if (c < zero || c > zero + 9)
                return kBad;
            n = n * 10 + static_cast<int>(c - zero);
        }
        return n;
    };
}

Reader DigitTable(const Text& digitsZeroToNine, const Text& numberSign)
{
    return [digitsZeroToNine, numberSign](const Text& text) {
        if (text.compare(0, numberSign.size(), numberSign) != 0 || text.size() == numberSign.size())
            return kBad;
        int n = 0;
        for (char32_t c : text.substr(numberSign.size())) {
            const std::size_t d = digitsZeroToNine.find(c);
            if (d == Text::npos)
                return kBad;
            n = n * 10 + static_cast<int>(d);
        }
        return n;
    };
}

int ReadMorse(const Text& text)
{
    const std::vector<Text> patterns = {U"-----", U".----", U"..---", U"...--", U"....-",
                                        U".....", U"-....", U"--...", U"---..", U"----."};
    int n = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(U' ', start), text.size());
        const auto it = std::find(patterns.begin(), patterns.end(), text.substr(start, end - start));
        if (it == patterns.end())
            return kBad;
        n = n * 10 + static_cast<int>(it - patterns.begin());
        start = end + 1;
    }
    return n;
}

// Signs whose values add up, largest first.
Reader Additive(const Text& signs, const std::vector<int>& values)
{
    const auto table = ValuesOf(signs, values);
    return [table](const Text& text) {
        int n = 0;
        int previous = 1 << 30;
        for (char32_t c : text) {
            const int v = ValueIn(table, c);
            if (v == kBad || v > previous)
                return kBad;
            n += v;
            previous = v;
        }
        return n;
    };
}

// Letters with the values 1..9, 10..90, 100..900 (and 1000..9000) in this order.
std::map<char32_t, int> LetterValues(const Text& letters)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        int power = 1;
        for (std::size_t k = 0; k < i / 9; ++k)
            power *= 10;
        values.push_back(static_cast<int>(i % 9 + 1) * power);
    }
    return ValuesOf(letters, values);
}

std::map<char32_t, int> LettersFrom(char32_t first, char32_t last)
{
    Text letters;
    for (char32_t c = first; c <= last; ++c)
        letters += c;
    return LetterValues(letters);
}

// Signs that add up; a mark multiplies the sum since the last mark (1 when
// none) and adds it to the number: Old Hungarian's thousand sign, Hebrew's
// geresh, Ethiopic's hundred and ten thousand.
Reader MarkedSums(const std::map<char32_t, int>& values, const std::map<char32_t, int>& marks)
{
    return [values, marks](const Text& text) {
        int n = 0;
        int sum = 0;
        for (char32_t c : text) {
            if (ValueIn(marks, c) != kBad) {
                n += (sum == 0 ? 1 : sum) * ValueIn(marks, c);
                sum = 0;
            } else if (ValueIn(values, c) != kBad) {
                sum += ValueIn(values, c);
            } else {
                return kBad;
            }
        }
        return n + sum;
    };
}

std::map<char32_t, int> HebrewLetters()
{
    auto letters = LetterValues(U"אבגדהוזחטיכלמנסעפצקרשת");
    for (auto [letter, value] : ValuesOf(U"ךםןףץ", {500, 600, 700, 800, 900}))
        letters[letter] = value;
    return letters;
}

// Ionic: ͵ makes the next letter thousands; Μ multiplies what stands before it by 10000.
int ReadIonic(const Text& text)
{
    static const auto table = LetterValues(U"αβγδεϛζηθικλμνξοπϙρστυφχψωϡ");
    int n = 0;
    int sum = 0;
    bool thousands = false;
    for (char32_t c : text) {
        if (c == U'\u0375') {
            thousands = true;
        } else if (c == U'\u039C') {
            n += (sum == 0 ? 1 : sum) * 10000;
            sum = 0;
        } else if (ValueIn(table, c) == kBad) {
            return kBad;
        } else {
            sum += ValueIn(table, c) * (thousands ? 1000 : 1);
            thousands = false;
        }
    }
    return n + sum;
}

// Armenian: a units letter that does not stand last counts ten-thousands.
int ReadArmenian(const Text& text)
{
    static const auto table = LettersFrom(U'\u0531', U'\u0554');
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = ValueIn(table, text[i]);
        if (v == kBad)
            return kBad;
        n += (v < 10 && i + 1 < text.size()) ? v * 10000 : v;
    }
    return n;
}

int PlaceClass(int value)
{
    return value < 10 ? 0 : value < 100 ? 1 : 2;
}

// Gothic: the letters below a thousand stand last, largest place first; the
// letters before them count thousands.
int ReadGothic(const Text& text)
{
    static const auto table = LettersFrom(U'\U00010330', U'\U0001034A');
    std::size_t start = text.size();
    int below = 0;
    int lastClass = -1;
    while (start > 0) {
        const int v = ValueIn(table, text[start - 1]);
        if (v == kBad)
            return kBad;
        if (PlaceClass(v) <= lastClass)
            break;
        below += v;
        lastClass = PlaceClass(v);
        --start;
    }
    int thousands = 0;
    for (std::size_t i = 0; i < start; ++i)
        thousands += ValueIn(table, text[i]);
    return thousands * 1000 + below;
}

// A digit before a power multiplies it; a power alone counts once.
Reader Multiplicative(const Text& digitsOneToNine, const Text& tenHundredThousandMyriad,
                      const Text& separator = Text())
{
    return [=](const Text& text) {
        int n = 0;
        int digit = 0;
        for (char32_t c : text) {
            if (separator.find(c) != Text::npos)
                continue;
            const std::size_t d = digitsOneToNine.find(c);
            const std::size_t p = tenHundredThousandMyriad.find(c);
            if (d != Text::npos) {
                digit = static_cast<int>(d) + 1;
            } else if (p != Text::npos) {
                n += (digit == 0 ? 1 : digit) * (p == 0 ? 10 : p == 1 ? 100 : p == 2 ? 1000 : 10000);
                digit = 0;
            } else {
                return kBad;
            }
        }
        return n + digit;
    };
}

// Manchu words: numbers add up within a group, a power word multiplies it.
int ReadManchu(const Text& text)
{
    static const std::map<Text, int> words = {{U"\u185D\u182E\u1860", 1},
                                              {U"\u1835\u1860\u1838\u185D", 2},
                                              {U"\u1873\u182F\u1820\u1828", 3},
                                              {U"\u1869\u1860\u1873\u1828", 4},
                                              {U"\u1830\u1860\u1828\u1835\u1820", 5},
                                              {U"\u1828\u1873\u1829\u1864\u1860\u1828", 6},
                                              {U"\u1828\u1820\u1869\u1820\u1828", 7},
                                              {U"\u1835\u1820\u1874\u1861\u1828", 8},
                                              {U"\u1860\u1836\u1860\u1828", 9},
                                              {U"\u1835\u1860\u1838\u1820\u1828", 10},
                                              {U"\u1868\u1823\u1876\u1823\u1865\u1823\u1828", 15},
                                              {U"\u1823\u1875\u1873\u1828", 20},
                                              {U"\u1864\u1861\u1830\u1873\u1828", 30},
                                              {U"\u1869\u185D\u1865\u1873", 40},
                                              {U"\u1830\u1860\u1830\u1820\u1873", 50},
                                              {U"\u1828\u1873\u1828\u1835\u1860", 60},
                                              {U"\u1828\u1820\u1869\u1820\u1828\u1835\u1860", 70},
                                              {U"\u1835\u1820\u1874\u1861\u1828\u1835\u1860", 80},
                                              {U"\u1860\u1836\u1860\u1828\u1835\u1860", 90}};
    static const std::map<Text, int> powers = {{U"\u1868\u1820\u1829\u1864\u1861", 100},
                                               {U"\u182E\u1873\u1829\u1864\u1820\u1828", 1000},
                                               {U"\u1868\u1860\u182E\u185D\u1828", 10000}};
    int n = 0;
    int group = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(U' ', start), text.size());
        const Text word = text.substr(start, end - start);
        if (words.count(word) != 0) {
            group += words.at(word);
        } else if (powers.count(word) != 0) {
            n += group * powers.at(word);
            group = 0;
        } else {
            return kBad;
        }
        start = end + 1;
    }
    return n + group;
}

// Āryabhaṭa: the consonants count 1..25 and 30..100; ि after a consonant
// multiplies it by 100, ु by 10000.
int ReadAryabhata(const Text& text)
{
    static const auto table = [] {
        std::map<char32_t, int> consonants;
        int value = 1;
        for (char32_t c = U'\u0915'; c <= U'\u092E'; ++c) {
            if (c != U'\u0929')
                consonants[c] = value++;
        }
        for (auto [c, v] : ValuesOf(U"यरलवशषसह", {30, 40, 50, 60, 70, 80, 90, 100}))
            consonants[c] = v;
        return consonants;
    }();
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = ValueIn(table, text[i]);
        if (v == kBad)
            return kBad;
        const char32_t vowel = i + 1 < text.size() ? text[i + 1] : 0;
        const int factor = vowel == U'\u093F' ? 100 : vowel == U'\u0941' ? 10000 : 1;
        i += factor > 1 ? 1 : 0;
        n += v * factor;
    }
    return n;
}

int ReadRomanPart(const Text& text)
{
    static const auto table = ValuesOf(U"IVXLCDM", {1, 5, 10, 50, 100, 500, 1000});
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = ValueIn(table, text[i]);
        if (v == kBad)
            return kBad;
        const int next = i + 1 < text.size() ? ValueIn(table, text[i + 1]) : 0;
        n += v < next ? -v : v;
    }
    return n;
}

// Roman: a numeral before the mark 'M counts thousands.
int ReadRoman(const Text& text)
{
    const std::size_t mark = text.find(U"'M");
    if (mark == Text::npos)
        return ReadRomanPart(text);
    return ReadRomanPart(text.substr(0, mark)) * 1000 + ReadRomanPart(text.substr(mark + 2));
}

// Maya: one numeral per place, places 7200, 360, 20, 1 from the last.
int ReadMaya(const Text& text)
{
    const int places[] = {1, 20, 360, 7200};
    if (text.empty() || text.size() > 4)
        return kBad;
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[text.size() - 1 - i];
        if (c < U'\U0001D2E0' || c > U'\U0001D2F3')
            return kBad;
        n += static_cast<int>(c - U'\U0001D2E0') * places[i];
    }
    return n;
}

// Cuneiform: base-60 places separated by blanks, tens wedges and a unit sign each.
int ReadCuneiform(const Text& text)
{
    static const auto units =
        ValuesOf(U"\U00012472\U00012079\U0001222B\U00012408\U0001243C\U0001240A\U0001240B"
                 U"\U00012442\U00012444\U00012446",
                 {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    int n = 0;
    int place = 0;
    for (char32_t c : text + U" ") {
        if (c == U' ') {
            n = n * 60 + place;
            place = 0;
        } else if (c == U'\U0001230B') {
            place += 10;
        } else if (ValueIn(units, c) != kBad) {
            place += ValueIn(units, c);
        } else {
            return kBad;
        }
    }
    return n;
}

// The numeric value Unicode gives a sign (kBad for none or a fraction).
int NumericValue(char32_t c)
{
    const double value = u_getNumericValue(static_cast<UChar32>(c));
    return value == U_NO_NUMERIC_VALUE || value != static_cast<int>(value) ? kBad : static_cast<int>(value);
}

// Signs whose Unicode numeric values add up, largest first.
int ReadNumericSum(const Text& text)
{
    int n = 0;
    int previous = 1 << 30;
    for (char32_t c : text) {
        const int v = NumericValue(c);
        if (v == kBad || v > previous)
            return kBad;
        n += v;
        previous = v;
    }
    return n;
}

// Brahmi: values add up; a sign joined (U+1107F) to the one before
// multiplies it.
int ReadBrahmi(const Text& text)
{
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = NumericValue(text[i]);
        const bool joined = i + 2 < text.size() && text[i + 1] == U'\U0001107F';
        const int factor = joined ? NumericValue(text[i + 2]) : 1;
        if (v == kBad || factor == kBad)
            return kBad;
        n += v * factor;
        i += joined ? 2 : 0;
    }
    return n;
}

// Counting rods: one sign a decimal place, upright (values 1..9) in the
// places 1, 100, 10000 and lying (10..90) in the others; 〇 an empty place.
int ReadRods(const Text& text)
{
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool upright = (text.size() - 1 - i) % 2 == 0;
        const int v = text[i] == U'〇' ? 0 : NumericValue(text[i]);
        if (v == kBad || (v > 0 && (v < 10) != upright) || (v == 0 && i == 0 && text.size() > 1))
            return kBad;
        n = n * 10 + (upright ? v : v / 10);
    }
    return n;
}

// Coptic: every letter carries a line; a double line counts thousands.
int ReadCoptic(const Text& text)
{
    static const auto table = LetterValues(U"ⲁⲃⲅⲇⲉⲋⲍⲏⲑⲓⲕⲗⲙⲛⲝⲟⲡϥⲣⲥⲧⲩⲫⲭⲯⲱⳁ");
    int n = 0;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int v = ValueIn(table, text[i]);
        const int factor = text[i + 1] == U'\u033F' ? 1000 : text[i + 1] == U'\u0305' ? 1 : kBad;
        if (v == kBad || factor == kBad)
            return kBad;
        n += v * factor;
    }
    return text.size() % 2 == 0 ? n : kBad;
}

struct ReadBack {
    const char* cell;
    Reader read;
    bool sharedTexts = false;  // some texts stand for two numbers
    int last = 79999;          // the system has no form above this number
};

const std::vector<ReadBack>& Rows()
{
    static const std::vector<ReadBack> rows = {
        {"P6", DigitsFrom(U'\u0660')},
        {"P60", DigitsFrom(U'\u09E6')},
        {"P63", DigitsFrom(U'\u0966')},
        {"P61", DigitsFrom(U'\u06F0')},
        {"P71", DigitsFrom(U'\u0F20')},
        {"P33", DigitsFrom(U'\U00011066')},
        {"P65", DigitsFrom(U'\u0CE6')},
        {"P24", DigitsFrom(U'\uA900')},
        {"P73", DigitsFrom(U'\u17E0')},
        {"P66", DigitsFrom(U'\u0ED0')},
        {"P12", DigitsFrom(U'\u1810')},
        {"P68", DigitsFrom(U'\U000104A0')},
        {"P69", DigitsFrom(U'\u0BE6')},
        {"P70", DigitsFrom(U'\u0E50')},
        {"P72", DigitsFrom(U'\u07C0')},
        {"P34", DigitTable(U"⠚⠁⠃⠉⠙⠑⠋⠛⠓⠊", U"⠼")},
        {"P15", &ReadMorse},
        // The Ancient Greek five is drawn as a plain Π (the font's source sign).
        {"P37", Additive(U"ΙΔΗΧΜΠ\U00010144", {1, 10, 100, 1000, 10000, 5, 50})},
        {"P38",
         Additive(U"ΙΔΗΧΜ\U00010143\U00010144\U00010145\U00010146\U00010147",
                  {1, 10, 100, 1000, 10000, 5, 50, 500, 5000, 50000})},
        {"P28", Additive(U"\U000133E4\U00013386\U00013362\U000131BC\U000130AD", {1, 10, 100, 1000, 10000})},
        {"P53",
         MarkedSums(ValuesOf(U"\U00010CFA\U00010CFB\U00010CFC\U00010CFD\U00010CFE", {1, 5, 10, 50, 100}),
                    {{U'\U00010CFF', 1000}})},
        {"P62", MarkedSums(HebrewLetters(), {{U'\u05F3', 1000}})},
        {"P64", &ReadIonic},
        {"P40", &ReadArmenian, true},
        {"P41", &ReadGothic, true},
        {"P36", MarkedSums(LettersFrom(U'\u1369', U'\u137A'), {{U'\u137B', 100}, {U'\u137C', 10000}})},
        {"P42", Multiplicative(U"一二三四五六七八九", U"十百千万")},
        {"P25", Multiplicative(U"一二三〤〥〦〧〨〩", U"十百千万")},
        {"PB2", Multiplicative(U"일이삼사오육칠팔구", U"십백천만")},
        {"P14", &ReadManchu},
        {"P27", &ReadAryabhata},
        {"l2", &ReadRoman},
        {"PB7", &ReadMaya},
        {"PB9", &ReadCuneiform},
        {"Uaegean", &ReadNumericSum},
        {"Ukhar",
         MarkedSums(
             ValuesOf(U"\U00010A40\U00010A41\U00010A42\U00010A43\U00010A44\U00010A45", {1, 2, 3, 4, 10, 20}),
             {{U'\U00010A46', 100}, {U'\U00010A47', 1000}})},
        {"Ubrahadd", &ReadBrahmi},
        {"Urods", &ReadRods},
        {"Ucopt", &ReadCoptic},
        {"Ugeor",
         Additive(U"აბგდევზჱთიკლმნჲოპჟრსტჳფქღყშჩცძწჭხჴჯჰჵ",
                  {1,   2,    3,    4,    5,    6,    7,    8,    9,    10,   20,   30,  40,
                   50,  60,   70,   80,   90,   100,  200,  300,  400,  500,  600,  700, 800,
                   900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000}),
         false, 19999},
    };
    return rows;
}

}  // namespace

class RowTextReadBackTest : public QObject {
    Q_OBJECT

private slots:
    void readsBack_data();
    void readsBack();
    void digitScriptsReadBack_data();
    void digitScriptsReadBack();
};

void RowTextReadBackTest::readsBack_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < Rows().size(); ++i)
        QTest::newRow(Rows()[i].cell) << static_cast<int>(i);
}

// Rows where two numbers share a text (Armenian 1 and 10000) pass when the
// number read gives the same text. Past the last number it has a form for,
// a system writes nothing.
void RowTextReadBackTest::readsBack()
{
    QFETCH(int, index);
    const ReadBack& row = Rows()[static_cast<std::size_t>(index)];
    for (int n = 0; n <= 79999; ++n) {
        const std::string text = rowtext::NumeralText(row.cell, n, std::to_string(n));
        if (n > row.last) {
            QVERIFY2(text.empty(), row.cell);
            continue;
        }
        const int read = row.read(Decoded(text));
        if (read == n
            || (row.sharedTexts && read >= 0
                && rowtext::NumeralText(row.cell, read, std::to_string(read)) == text))
            continue;
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
