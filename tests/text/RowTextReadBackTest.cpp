// The forms people write for the same systems read to the
// numbers their own conventions give (the row's own form only where the
// row writes just that text). (That every unicode and partial row's own
// text reads back for all 0..79999 is checked in the one pass over every
// row and number of tests/signs.) The described rows' stand-ins are read back
// by readers that know only how each stand-in tells the number.

#include "entry/EnteredNumber.h"
#include "entry/NumberParser.h"
#include "entry/RecognisedNumbers.h"
#include "numerals/recognise/Recognise.h"
#include "rows/RowTable.h"
#include "numerals/text/RowText.h"
#include "signs/StandInReaders.h"

#include <QTest>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cmath>
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

// ---- Every sign each reader takes, with the value its system gives it ----

namespace {

// A text of one sign (with its marks), and every number it reads as in the row.
struct SignReading {
    Text text;
    std::set<long long> numbers;
};
using SignReadings = std::vector<SignReading>;

// Unicode's value of the character where it is a whole number, else -1.
long long UnicodeValue(char32_t c)
{
    const double v = u_getNumericValue(static_cast<UChar32>(c));
    return v != U_NO_NUMERIC_VALUE && v >= 0 && v == std::floor(v) ? static_cast<long long>(v) : -1;
}

std::string NameOf(char32_t c)
{
    char name[128] = {};
    UErrorCode error = U_ZERO_ERROR;
    u_charName(static_cast<UChar32>(c), U_UNICODE_CHAR_NAME, name, sizeof name, &error);
    return U_SUCCESS(error) ? name : "";
}

// The character of that name, or 0.
char32_t Named(const std::string& name)
{
    UErrorCode error = U_ZERO_ERROR;
    const UChar32 c = u_charFromName(U_UNICODE_CHAR_NAME, name.c_str(), &error);
    return U_SUCCESS(error) ? static_cast<char32_t>(c) : 0;
}

char32_t Lower(char32_t c)
{
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

// An alphabet's letters in order count 1..9, 10..90, 100..900, ...
long long Counting(std::size_t i)
{
    long long power = 1;
    for (std::size_t k = 0; k < i / 9; ++k)
        power *= 10;
    return static_cast<long long>(i % 9 + 1) * power;
}

std::vector<std::pair<char32_t, long long>> CountingLetters(std::u32string_view letters)
{
    std::vector<std::pair<char32_t, long long>> values;
    for (std::size_t i = 0; i < letters.size(); ++i)
        values.emplace_back(letters[i], Counting(i));
    return values;
}

// The characters from `first` to `last` with a whole value in Unicode,
// each read alone as it.
void ValuedAlone(SignReadings& s, char32_t first, char32_t last)
{
    for (char32_t c = first; c <= last; ++c)
        if (UnicodeValue(c) >= 0)
            s.push_back({{c}, {UnicodeValue(c)}});
}

// I V X L C D M in both cases, alone, overlined (thousands) and before the
// thousands mark 'M (typed as ' or ’); every Roman numeral character.
void RomanSigns(SignReadings& s)
{
    const std::pair<char32_t, long long> letters[] = {{U'I', 1},   {U'V', 5},   {U'X', 10},  {U'L', 50},
                                                      {U'C', 100}, {U'D', 500}, {U'M', 1000}};
    for (const auto& [upper, v] : letters)
        for (const char32_t c : {upper, Lower(upper)}) {
            s.push_back({{c}, {v}});
            s.push_back({{c, U'\u0305'}, {v * 1000}});
            for (const char32_t apostrophe : {U'\'', U'\u2019'})
                s.push_back({{c, apostrophe, c == upper ? U'M' : U'm'}, {v * 1000}});
        }
    for (char32_t c = 0x2150; c <= 0x218F; ++c)
        if (NameOf(c).find("ROMAN NUMERAL") != std::string::npos && UnicodeValue(c) > 0)
            s.push_back({{c}, {UnicodeValue(c)}});
}

// Every letter alone and with a geresh (its thousands, or itself); the
// final letters alone for 500..900 or their letter's value, for 500..900
// before another letter, and for their letter's value at the end.
void HebrewSigns(SignReadings& s)
{
    for (const auto& [c, v] : CountingLetters(U"אבגדהוזחטיכלמנסעפצקרשת")) {
        s.push_back({{c}, {v}});
        for (const char32_t geresh : {U'\u05F3', U'\''})
            s.push_back({{c, geresh}, {v, v * 1000}});
    }
    const std::tuple<char32_t, long long, long long> finals[] = {
        {U'ך', 500, 20}, {U'ם', 600, 40}, {U'ן', 700, 50}, {U'ף', 800, 80}, {U'ץ', 900, 90}};
    for (const auto& [c, high, plain] : finals) {
        s.push_back({{c}, {high, plain}});
        s.push_back({{c, U'א'}, {high + 1}});
        for (const char32_t gershayim : {U'\u05F4', U'"'})
            s.push_back({{U'ק', gershayim, c}, {100 + plain}});
    }
}

// Every letter, small and capital, and the other forms of 6, 90 and 900:
// alone, with each keraia, and after ͵ (thousands). Μ alone is also the
// myriad, as the Ionic row writes it.
void IonicSigns(SignReadings& s)
{
    auto letters = CountingLetters(U"αβγδεϛζηθικλμνξοπϙρστυφχψωϡ");
    for (std::size_t i = 0, n = letters.size(); i < n; ++i)
        letters.emplace_back(static_cast<char32_t>(u_toupper(static_cast<UChar32>(letters[i].first))),
                             letters[i].second);
    for (const auto& [c, v] : {std::pair<char32_t, long long>{U'ϝ', 6},
                               {U'Ϝ', 6},
                               {U'ς', 6},
                               {U'ϟ', 90},
                               {U'Ϟ', 90},
                               {U'ͳ', 900},
                               {U'Ͳ', 900}})
        letters.emplace_back(c, v);
    for (const auto& [c, v] : letters) {
        std::set<long long> alone = {v};
        if (c == U'Μ')
            alone.insert(10000);
        s.push_back({{c}, alone});
        for (const char32_t keraia : {U'\u0374', U'\u02B9', U'\u00B4', U'\''})
            s.push_back({{c, keraia}, alone});
        s.push_back({{U'\u0375', c}, {v * 1000}});
    }
}

// The Greek capitals that are the initials of their numbers, and the Attic
// signs compounded with five.
void AcrophonicSigns(SignReadings& s)
{
    for (const auto& [c, v] : {std::pair<char32_t, long long>{U'Ι', 1},
                               {U'Π', 5},
                               {U'Δ', 10},
                               {U'Η', 100},
                               {U'Χ', 1000},
                               {U'Μ', 10000}})
        s.push_back({{c}, {v}});
    for (const char* number : {"FIVE", "FIFTY", "FIVE HUNDRED", "FIVE THOUSAND", "FIFTY THOUSAND"}) {
        const char32_t c = Named(std::string("GREEK ACROPHONIC ATTIC ") + number);
        s.push_back({{c}, {UnicodeValue(c)}});
    }
}

// Capitals and small letters; a units letter alone also counts
// ten-thousands, and an overline makes any letter count them.
void ArmenianSigns(SignReadings& s)
{
    for (const auto& [capital, v] : CountingLetters(U"ԱԲԳԴԵԶԷԸԹԺԻԼԽԾԿՀՁՂՃՄՅՆՇՈՉՊՋՌՍՎՏՐՑՒՓՔ"))
        for (const char32_t c : {capital, Lower(capital)}) {
            s.push_back({{c}, v < 10 ? std::set<long long>{v, v * 10000} : std::set<long long>{v}});
            s.push_back({{c, U'\u0305'}, {v * 10000}});
        }
}

// A letter alone counts itself or that many thousands.
void GothicSigns(SignReadings& s)
{
    for (char32_t c = U'\U00010330'; c <= U'\U0001034A'; ++c) {
        const long long v = UnicodeValue(c) > 0 ? UnicodeValue(c) : Counting(c - U'\U00010330');
        s.push_back({{c}, {v, v * 1000}});
    }
}

// The consonants alone, and with the vowel signs of hundreds and ten-thousands.
void AryabhataSigns(SignReadings& s)
{
    std::vector<std::pair<char32_t, long long>> consonants;
    const std::u32string_view stops = U"कखगघङचछजझञटठडढणतथदधनपफबभम";
    for (std::size_t i = 0; i < stops.size(); ++i)
        consonants.emplace_back(stops[i], static_cast<long long>(i) + 1);
    const std::u32string_view others = U"यरलवशषसह";
    for (std::size_t i = 0; i < others.size(); ++i)
        consonants.emplace_back(others[i], 30 + 10 * static_cast<long long>(i));
    for (const auto& [c, v] : consonants) {
        s.push_back({{c}, {v}});
        s.push_back({{c, U'\u093F'}, {v * 100}});
        s.push_back({{c, U'\u0941'}, {v * 10000}});
    }
}

// Mkhedruli, and the same letter (by its name) in Nuskhuri, Asomtavruli
// and Mtavruli.
void GeorgianSigns(SignReadings& s)
{
    auto letters = CountingLetters(U"აბგდევზჱთიკლმნჲოპჟრსტჳფქღყშჩცძწჭხჴჯჰჵ");
    letters.emplace_back(U'უ', 400);
    for (const auto& [c, v] : letters) {
        const std::string name = NameOf(c).substr(std::string("GEORGIAN LETTER ").size());
        s.push_back({{c}, {v}});
        for (const char* script :
             {"GEORGIAN SMALL LETTER ", "GEORGIAN CAPITAL LETTER ", "GEORGIAN MTAVRULI CAPITAL LETTER "})
            if (const char32_t other = Named(script + name))
                s.push_back({{other}, {v}});
    }
}

// Small and capital, alone, under a titlo and after ҂ (thousands); the
// other letters books write for some of them.
void CyrillicSigns(SignReadings& s)
{
    const std::pair<char32_t, long long> letters[] = {
        {U'а', 1},   {U'в', 2},   {U'г', 3},   {U'д', 4},   {U'є', 5},   {U'е', 5},   {U'ѕ', 6},
        {U'з', 7},   {U'и', 8},   {U'ѳ', 9},   {U'і', 10},  {U'к', 20},  {U'л', 30},  {U'м', 40},
        {U'н', 50},  {U'ѯ', 60},  {U'ѻ', 70},  {U'о', 70},  {U'п', 80},  {U'ч', 90},  {U'ҁ', 90},
        {U'р', 100}, {U'с', 200}, {U'т', 300}, {U'у', 400}, {U'ѹ', 400}, {U'ꙋ', 400}, {U'ѵ', 400},
        {U'ф', 500}, {U'х', 600}, {U'ѱ', 700}, {U'ѿ', 800}, {U'ѡ', 800}, {U'ц', 900}, {U'ѧ', 900}};
    for (const auto& [small, v] : letters)
        for (const char32_t c : {small, static_cast<char32_t>(u_toupper(static_cast<UChar32>(small)))}) {
            s.push_back({{c}, {v}});
            s.push_back({{c, U'\u0483'}, {v}});
            s.push_back({{U'\u0482', c}, {v * 1000}});
        }
}

// Small and capital, alone, under each kind of line, and marked as
// thousands by each mark of them; the epact numbers.
void CopticSigns(SignReadings& s)
{
    for (const auto& [small, v] : CountingLetters(U"ⲁⲃⲅⲇⲉⲋⲍⲏⲑⲓⲕⲗⲙⲛⲝⲟⲡϥⲣⲥⲧⲩⲫⲭⲯⲱⳁ"))
        for (const char32_t c : {small, static_cast<char32_t>(u_toupper(static_cast<UChar32>(small)))}) {
            s.push_back({{c}, {v}});
            for (const char32_t line : {U'\u0305', U'\u0304', U'\uFE24', U'\uFE25', U'\uFE26'})
                s.push_back({{c, line}, {v}});
            for (const char32_t thousands : {U'\u033F', U'\u0331', U'\u0332', U'\U000102E0'})
                s.push_back({{c, thousands}, {v * 1000}});
        }
    ValuedAlone(s, U'\U000102E1', U'\U000102FB');
}

// 两 is a two Unicode gives no value.
void ChineseSigns(SignReadings& s)
{
    s.push_back({U"两", {2}});
}

void KoreanSigns(SignReadings& s)
{
    const std::u32string_view digits = U"일이삼사오육칠팔구";
    for (std::size_t i = 0; i < digits.size(); ++i)
        s.push_back({{digits[i]}, {static_cast<long long>(i) + 1}});
    for (const auto& [c, v] :
         {std::pair<char32_t, long long>{U'십', 10}, {U'백', 100}, {U'천', 1000}, {U'만', 10000}})
        s.push_back({{c}, {v}});
}

// The wedges of one and two, the ten, the numeric signs of three to nine
// and the empty place.
void CuneiformSigns(SignReadings& s)
{
    for (const auto& [name, v] : {std::pair<const char*, long long>{"CUNEIFORM SIGN DISH", 1},
                                  {"CUNEIFORM SIGN MIN", 2},
                                  {"CUNEIFORM SIGN U", 10},
                                  {"CUNEIFORM PUNCTUATION SIGN DIAGONAL COLON", 0}})
        s.push_back({{Named(name)}, {v}});
    for (const char* name :
         {"THREE DISH", "FOUR VARIANT FORM LIMMU", "FIVE DISH", "SIX DISH", "SEVEN VARIANT FORM IMIN A",
          "EIGHT VARIANT FORM USSU", "NINE VARIANT FORM ILIMMU"}) {
        const char32_t c = Named(std::string("CUNEIFORM NUMERIC SIGN ") + name);
        s.push_back({{c}, {UnicodeValue(c)}});
    }
}

// Upright rods alone; lying rods (the tens) before an empty place.
void CountingRodSigns(SignReadings& s)
{
    for (char32_t c = U'\U0001D360'; c <= U'\U0001D371'; ++c)
        s.push_back({UnicodeValue(c) < 10 ? Text{c} : Text{c, U'〇'}, {UnicodeValue(c)}});
}

// Every number sign alone; 100 joined to each unit, 1000 to each unit and ten.
void BrahmiSigns(SignReadings& s)
{
    ValuedAlone(s, U'\U00011052', U'\U00011065');
    const char32_t hundred = Named("BRAHMI NUMBER ONE HUNDRED");
    const char32_t thousand = Named("BRAHMI NUMBER ONE THOUSAND");
    const char32_t joiner = Named("BRAHMI NUMBER JOINER");
    for (char32_t c = U'\U00011052'; c <= U'\U00011063'; ++c) {
        const long long v = UnicodeValue(c);
        if (v < 10)
            s.push_back({{hundred, joiner, c}, {100 * v}});
        s.push_back({{thousand, joiner, c}, {1000 * v}});
    }
}

// The hieroglyphs of the powers of ten, by their numbers in Gardiner's list.
void EgyptianSigns(SignReadings& s)
{
    for (const auto& [sign, v] : {std::pair<const char*, long long>{"Z001", 1},
                                  {"V020", 10},
                                  {"V001", 100},
                                  {"M012", 1000},
                                  {"D050", 10000},
                                  {"I008", 100000},
                                  {"C011", 1000000}})
        s.push_back({{Named(std::string("EGYPTIAN HIEROGLYPH ") + sign)}, {v}});
}

// A system's signs: those its function gives, and those read alone as their
// Unicode value: the characters listed, and those from `first` to `last`.
struct SignSystem {
    const char* name;
    const char* cell;
    void (*signs)(SignReadings&);
    std::u32string_view alone;
    char32_t first;
    char32_t last;
};

const SignSystem kSignSystems[] = {
    {"Roman", "l2", &RomanSigns, U"", 0, 0},
    {"Hebrew", "P62", &HebrewSigns, U"", 0, 0},
    {"Ionic", "P64", &IonicSigns, U"", 0, 0},
    {"Attic", "P38", &AcrophonicSigns, U"", 0, 0},
    {"Ancient Greek", "P37", &AcrophonicSigns, U"", 0, 0},
    {"Armenian", "P40", &ArmenianSigns, U"", 0, 0},
    {"Gothic", "P41", &GothicSigns, U"", 0, 0},
    {"Sanskrit", "P27", &AryabhataSigns, U"", 0, 0},
    {"Georgian", "Ugeor", &GeorgianSigns, U"", 0, 0},
    {"Cyrillic", "Ucyrl", &CyrillicSigns, U"", 0, 0},
    {"Coptic", "Ucopt", &CopticSigns, U"", 0, 0},
    {"Amharic", "P36", nullptr, U"", U'\u1369', U'\u137C'},
    {"Kanji", "P42", &ChineseSigns, U"〇一二三四五六七八九十百千壱弐参兩零壹贰貳叁參肆伍陆陸柒捌玖拾佰仟万萬",
     0, 0},
    {"Chinese financial", "Uhansfin", nullptr, U"零壹贰貳叁參肆伍陆陸柒捌玖拾佰仟万萬", 0, 0},
    {"Suzhou", "P25", nullptr, U"〇一二三〡〢〣〤〥〦〧〨〩十百千万", 0, 0},
    {"Korean", "PB2", &KoreanSigns, U"", 0, 0},
    {"Tamil", "P69", nullptr, U"", U'\u0BE6', U'\u0BF2'},
    {"Tamil old", "Utaml", nullptr, U"", U'\u0BE6', U'\u0BF2'},
    {"Maya", "PB7", nullptr, U"", U'\U0001D2E0', U'\U0001D2F3'},
    {"Assyrian", "PB9", &CuneiformSigns, U"", 0, 0},
    {"Old Hungarian", "P53", nullptr, U"", U'\U00010CFA', U'\U00010CFF'},
    {"counting rods", "Urods", &CountingRodSigns, U"", 0, 0},
    {"Aegean", "Uaegean", nullptr, U"", U'\U00010100', U'\U0001013F'},
    {"Kharoshthi", "Ukhar", nullptr, U"", U'\U00010A40', U'\U00010A4F'},
    {"Brahmi", "Ubrahadd", &BrahmiSigns, U"", 0, 0},
    {"Egyptian", "P28", &EgyptianSigns, U"", 0, 0},
};

SignReadings SignsOf(const SignSystem& system)
{
    SignReadings signs;
    if (system.signs)
        system.signs(signs);
    for (char32_t c : system.alone)
        signs.push_back({{c}, {UnicodeValue(c)}});
    if (system.first != 0)
        ValuedAlone(signs, system.first, system.last);
    return signs;
}

QString Printable(const Text& text)
{
    QString s = QString::fromUcs4(text.data(), qsizetype(text.size())) + QStringLiteral(" (");
    for (char32_t c : text)
        s += QStringLiteral(" U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
    return s + QStringLiteral(" )");
}

QString Listed(const std::set<long long>& numbers)
{
    QStringList listed;
    for (long long n : numbers)
        listed << QString::number(n);
    return listed.join(u',');
}

std::set<long long> NumbersIn(const std::vector<recognise::Numeral>& numerals, const std::string& cell)
{
    std::set<long long> numbers;
    for (const recognise::Numeral& m : numerals)
        if (m.cell == cell)
            numbers.insert(m.number);
    return numbers;
}

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
    void everySignReadsAsItsValue_data();
    void everySignReadsAsItsValue();
    void signsBeyondTheRangeSayNothingInIt();
    void blanksAndMarksAroundDoNotCount();
    void groupingMarksBetweenDigits_data();
    void groupingMarksBetweenDigits();

    void writtenForms_data();
    void writtenForms();
    void writtenNearMisses_data();
    void writtenNearMisses();
    void groupedDigitsReadBack_data();
    void groupedDigitsReadBack();
    void punctuatedTextsReadBack();
    void morseAndBrailleAsWrittenReadBack();
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
          "十十",     "千〇百", "ԱԱԱ",  "1  2",    "١٬",   "⠁⠊⠊⠅",     "፻፻",           "",
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

// The digit scripts of the third and fourth pages, each with the Unicode
// block of its digits and the name they share: for every number the text is
// the number's decimal digits, no more, as Unicode's digit values of
// characters of that block, and the digits of 0..9 are the ones named so
// (Shan and Burmese digits share a block, as the Tham and Hora digits do).
void RowTextReadBackTest::digitScriptsReadBack_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("name");
    struct Script {
        const char* cell;
        UBlockCode block;
        const char* name;
    };
    const Script scripts[] = {
        {"Ugujr", UBLOCK_GUJARATI, "GUJARATI"},
        {"Uguru", UBLOCK_GURMUKHI, "GURMUKHI"},
        {"Utelu", UBLOCK_TELUGU, "TELUGU"},
        {"Umlym", UBLOCK_MALAYALAM, "MALAYALAM"},
        {"Uorya", UBLOCK_ORIYA, "ORIYA"},
        {"Umymr", UBLOCK_MYANMAR, "MYANMAR"},
        {"Usinh", UBLOCK_SINHALA, "SINHALA LITH"},
        {"Ujava", UBLOCK_JAVANESE, "JAVANESE"},
        {"Ubali", UBLOCK_BALINESE, "BALINESE"},
        {"Uolck", UBLOCK_OL_CHIKI, "OL CHIKI"},
        {"Umtei", UBLOCK_MEETEI_MAYEK, "MEETEI MAYEK"},
        {"Uadlm", UBLOCK_ADLAM, "ADLAM"},
        {"Uvaii", UBLOCK_VAI, "VAI"},
        {"Urohg", UBLOCK_HANIFI_ROHINGYA, "HANIFI ROHINGYA"},
        {"Usund", UBLOCK_SUNDANESE, "SUNDANESE"},
        {"Ulimb", UBLOCK_LIMBU, "LIMBU"},
        {"Ulepc", UBLOCK_LEPCHA, "LEPCHA"},
        {"Ucakm", UBLOCK_CHAKMA, "CHAKMA"},
        {"Ulana", UBLOCK_TAI_THAM, "TAI THAM HORA"},
        // Number signs 4
        {"Uahom", UBLOCK_AHOM, "AHOM"},
        {"Ubhks", UBLOCK_BHAIKSUKI, "BHAIKSUKI"},
        {"Ucham", UBLOCK_CHAM, "CHAM"},
        {"Ugong", UBLOCK_GUNJALA_GONDI, "GUNJALA GONDI"},
        {"Usind", UBLOCK_KHUDAWADI, "KHUDAWADI"},
        {"Ugonm", UBLOCK_MASARAM_GONDI, "MASARAM GONDI"},
        {"Umodi", UBLOCK_MODI, "MODI"},
        {"Umroo", UBLOCK_MRO, "MRO"},
        {"Utalu", UBLOCK_NEW_TAI_LUE, "NEW TAI LUE"},
        {"Unewa", UBLOCK_NEWA, "NEWA"},
        {"Uhmnp", UBLOCK_NYIAKENG_PUACHUE_HMONG, "NYIAKENG PUACHUE HMONG"},
        {"Uhmng", UBLOCK_PAHAWH_HMONG, "PAHAWH HMONG"},
        {"Usaur", UBLOCK_SAURASHTRA, "SAURASHTRA"},
        {"Usegment", UBLOCK_SYMBOLS_FOR_LEGACY_COMPUTING, "SEGMENTED"},
        {"Umymrshan", UBLOCK_MYANMAR, "MYANMAR SHAN"},
        {"Ushrd", UBLOCK_SHARADA, "SHARADA"},
        {"Usora", UBLOCK_SORA_SOMPENG, "SORA SOMPENG"},
        {"Umymrtlng", UBLOCK_MYANMAR_EXTENDED_B, "MYANMAR TAI LAING"},
        {"Utakr", UBLOCK_TAKRI, "TAKRI"},
        {"Ulanatham", UBLOCK_TAI_THAM, "TAI THAM THAM"},
        {"Utirh", UBLOCK_TIRHUTA, "TIRHUTA"},
        {"Uwcho", UBLOCK_WANCHO, "WANCHO"},
        {"Uwara", UBLOCK_WARANG_CITI, "WARANG CITI"},
    };
    for (const Script& script : scripts)
        QTest::newRow(script.cell) << script.cell << int(script.block) << script.name;
}

void RowTextReadBackTest::digitScriptsReadBack()
{
    QFETCH(QString, cell);
    QFETCH(int, block);
    QFETCH(QString, name);
    const char* const digitWords[] = {"ZERO", "ONE", "TWO",   "THREE", "FOUR",
                                      "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"};
    for (int d = 0; d <= 9; ++d) {
        const Text text = Decoded(rowtext::NumeralText(cell.toStdString(), d, std::to_string(d)));
        QCOMPARE(text.size(), std::size_t(1));
        char found[100] = {};
        UErrorCode status = U_ZERO_ERROR;
        u_charName(static_cast<UChar32>(text[0]), U_UNICODE_CHAR_NAME, found, sizeof found, &status);
        QCOMPARE(QString::fromLatin1(found), name + " DIGIT " + digitWords[d]);
    }
    const char32_t zeroSign = Named((name + " DIGIT ZERO").toStdString());
    QVERIFY(zeroSign != 0);
    for (int n = 0; n <= 79999; ++n) {
        const std::string decimal = std::to_string(n);
        const Text text = Decoded(rowtext::NumeralText(cell.toStdString(), n, decimal));
        bool good = text.size() == decimal.size();
        for (std::size_t i = 0; good && i < text.size(); ++i)
            good = u_charDigitValue(static_cast<UChar32>(text[i])) == decimal[i] - '0'
                && ublock_getCode(static_cast<UChar32>(text[i])) == block
                && text[i] == zeroSign + static_cast<char32_t>(decimal[i] - '0');
        if (!good)
            QFAIL(qPrintable(QStringLiteral("%1: the text of %2 is not its digits").arg(cell).arg(n)));
    }
}

void RowTextReadBackTest::everySignReadsAsItsValue_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < std::size(kSignSystems); ++i)
        QTest::newRow(kSignSystems[i].name) << static_cast<int>(i);
}

// Each sign of the system, with each mark it takes, reads in its row as
// exactly the numbers the system's conventions (and Unicode's values, where
// it has them) give it: an entry of a reader's table written wrong, even
// for a form the row itself never writes, shows here.
void RowTextReadBackTest::everySignReadsAsItsValue()
{
    QFETCH(int, index);
    const SignSystem& system = kSignSystems[index];
    const SignReadings signs = SignsOf(system);
    QVERIFY(signs.size() >= 5);
    for (const SignReading& sign : signs) {
        QVERIFY2(std::find(sign.text.begin(), sign.text.end(), U'\0') == sign.text.end(), system.name);
        const QString text = QString::fromUcs4(sign.text.data(), qsizetype(sign.text.size()));
        const std::set<long long> read = NumbersIn(recognise::Recognise(text.toStdString()), system.cell);
        if (read != sign.numbers)
            QFAIL(qPrintable(QStringLiteral("%1 reads as {%2}, not as {%3}")
                                 .arg(Printable(sign.text), Listed(read), Listed(sign.numbers))));
    }
}

// A sign (or a sign with its mark) that stands only for a number beyond
// 79999 gives that number, which the window and tallyra-text answer with
// the range message, never a smaller number in range.
void RowTextReadBackTest::signsBeyondTheRangeSayNothingInIt()
{
    int beyond = 0;
    for (const SignSystem& system : kSignSystems)
        for (const SignReading& sign : SignsOf(system)) {
            if (*sign.numbers.begin() <= 79999)
                continue;
            ++beyond;
            const QString text = QString::fromUcs4(sign.text.data(), qsizetype(sign.text.size()));
            const EnteredNumber entered = EnteredNumberOf(text);
            QVERIFY2(entered.kind == EnteredNumber::Kind::Number && !IsInRange(entered.number),
                     qPrintable(Printable(sign.text) + QStringLiteral(" gives ")
                                + QString::number(entered.number)));
            QVERIFY(NumbersInRange(RecognisedNumbers(text)).empty());
        }
    QVERIFY2(beyond >= 40, qPrintable(QString::number(beyond)));
}

// Every white space and directional control character of Unicode, and the
// byte order mark, around a numeral leave it as it is.
void RowTextReadBackTest::blanksAndMarksAroundDoNotCount()
{
    Text around = U"\uFEFF";
    for (char32_t c = 0; c <= 0x10FFFF; ++c)
        if (u_isUWhiteSpace(static_cast<UChar32>(c))
            || u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_BIDI_CONTROL))
            around += c;
    QVERIFY(around.size() > 30);
    for (char32_t c : around) {
        const Text text = Text{c} + U"MCMXCIV" + Text{c};
        const std::vector<recognise::Numeral> numerals =
            recognise::Recognise(QString::fromUcs4(text.data(), qsizetype(text.size())).toStdString());
        QVERIFY2(numerals.size() == 1 && numerals.front().cell == "l2" && numerals.front().number == 1994
                     && numerals.front().ownForm,
                 qPrintable(Printable(text)));
    }
}

// Each mark that groups thousands (the Arabic one, and the blanks of
// typesetting) between the digits of any script.
void RowTextReadBackTest::groupingMarksBetweenDigits_data()
{
    QTest::addColumn<QString>("mark");
    for (const char* name :
         {"ARABIC THOUSANDS SEPARATOR", "SPACE", "NO-BREAK SPACE", "THIN SPACE", "NARROW NO-BREAK SPACE"})
        QTest::newRow(name) << QString::fromUcs4(std::array<char32_t, 1>{Named(name)}.data(), 1);
}

void RowTextReadBackTest::groupingMarksBetweenDigits()
{
    QFETCH(QString, mark);
    QVERIFY(!mark.isEmpty());
    for (const auto& [digits, cell] : {std::pair<const char*, const char*>{"79|999", ""},
                                       {"٧٩|٩٩٩", "P6"},
                                       {"७९|९९९", "P63"},
                                       {"𞥗𞥙|𞥙𞥙𞥙", "Uadlm"}}) {
        const QString text = QString::fromUtf8(digits).replace(u'|', mark);
        QVERIFY2(Reads(recognise::Recognise(text.toStdString()), cell, 79999), qPrintable(text));
    }
}

// ---- Numerals as they are written in running text ----

// Each with the number its system's own conventions give: thousands
// grouped as in English, German, Swiss and Indian use; punctuation of the
// sentence around a numeral; the Greek stigma spelled στ and the marks
// typed for the keraia and the lower numeral sign; the apostrophus
// spelled with the reversed C; Suzhou figures in a line; Braille digits
// without the number sign; Morse code in typographic dots and dashes.
void RowTextReadBackTest::writtenForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<qlonglong>("number");
    QTest::addColumn<bool>("withoutMark");
    const auto add = [](const char* name, const char* text, const char* cell, qlonglong n,
                        bool bare = false) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(cell) << n << bare;
    };
    add("comma", "1,994", "", 1994);
    add("comma, five digits", "12,345", "", 12345);
    add("comma, millions", "1,234,567", "", 1234567);
    add("full stop", "1.994", "", 1994);
    add("apostrophe", "1'994", "", 1994);
    add("right single quotation mark", "79’999", "", 79999);
    add("blank", "1 994", "", 1994);
    add("Indian lakh", "1,23,456", "", 123456);
    add("Indian, beyond the range", "12,34,567", "", 1234567);
    add("Devanagari comma", "१२,३४५", "P63", 12345);
    add("Bengali comma", "১,৯৯৪", "P60", 1994);
    add("Arabic digits, ASCII comma", "٧٩,٩٩٩", "P6", 79999);
    add("full stop after", "MMXXVI.", "l2", 2026);
    add("comma after", "1994,", "", 1994);
    add("colon after", "XII:", "l2", 12);
    add("semicolon after", "1,994;", "", 1994);
    add("brackets", "(MCMXCIV)", "l2", 1994);
    add("brackets then full stop", "(MCMXCIV).", "l2", 1994);
    add("square brackets", "[42]", "", 42);
    add("guillemets", "«1994»", "", 1994);
    add("English quotation marks", "“XII”", "l2", 12);
    add("German quotation marks", "„1994“", "", 1994);
    add("corner brackets", "「一九九四」", "P42", 1994);
    add("ideographic full stop", "一九九四。", "P42", 1994);
    add("Greek sigma tau", "στʹ", "P64", 6);
    add("Greek capital sigma tau", "ΣΤʹ", "P64", 6);
    add("Greek six hundred sixteen", "χιστʹ", "P64", 616);
    add("Greek tonos for keraia", "ιβ΄", "P64", 12);
    add("Greek prime for keraia", "ιβ′", "P64", 12);
    add("Greek apostrophe for keraia", "ρκγ'", "P64", 123);
    add("Greek comma for lower numeral sign", ",αϡϙδ", "P64", 1994);
    add("Greek comma, capitals", ",ΒΚΓʹ", "P64", 2023);
    add("Roman thousand", "CIↃ", "l2", 1000);
    add("Roman five hundred", "IↃ", "l2", 500);
    add("Roman ten thousand", "CCIↃↃ", "l2", 10000);
    add("Roman five thousand", "IↃↃ", "l2", 5000);
    add("Roman fifty thousand", "IↃↃↃ", "l2", 50000);
    add("Roman hundred thousand", "CCCIↃↃↃ", "l2", 100000);
    add("Roman open o", "CIƆ", "l2", 1000);
    add("Roman small", "ciↄ", "l2", 1000);
    add("Roman apostrophus year", "CIↃIↃCCCCXCIIII", "l2", 1994);
    add("Roman apostrophus, several", "CCIↃↃIↃↃCIↃCIↃ", "l2", 17000);
    add("Suzhou figures", "〢〣", "P25", 23);
    add("Suzhou one upright then lying", "〡一", "P25", 11);
    add("Suzhou with a zero", "〤〇〥", "P25", 405);
    add("Braille digits", "⠁⠊⠊⠙", "P34", 1994, true);
    add("Braille zero", "⠚", "P34", 0, true);
    add("Morse middle dots and minus", "·−−−− −−−−· −−−−· ····−", "P15", 1994);
    add("Morse bullets and en dashes", "•––––  ––––•", "P15", 19);
    add("Morse slashes", "..--- / ----- / ..--- / -....", "P15", 2026);
    add("Morse slashes without blanks", "∙∙∙∙∙/—————", "P15", 50);
}

void RowTextReadBackTest::writtenForms()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QFETCH(qlonglong, number);
    QFETCH(bool, withoutMark);
    const std::vector<recognise::Numeral> numerals = recognise::Recognise(text.toStdString());
    const auto found = std::find_if(numerals.begin(), numerals.end(), [&](const recognise::Numeral& m) {
        return m.cell == cell.toStdString() && m.number == number;
    });
    QVERIFY(found != numerals.end());
    QVERIFY(!found->ownForm);
    QCOMPARE(found->withoutMark, withoutMark);
}

// Near misses: decimals, a mark before fewer or more digits than a group,
// two marks, the sentence's punctuation doubled or unpaired, Braille
// letters beyond j, Morse letters of six signs, apostrophus signs that do
// not close.
void RowTextReadBackTest::writtenNearMisses_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"3.5",        "1,5",       "12,34",    "٣٫٥",      "1 23",  "1,99.4",      "1,994.5", "1.234,5",
          "1,2345",     "1234,567",  "1,234,56", "1,,994",   ",994",  "1,994,000,0", "0,994",   "1'99",
          "123,45,678", "1,23,4567", "12 34",    "((1994))", "(1994", "1994)",       "1994..",  "!1994",
          "«1994“",     "1994;;",    "⠁⠊⠊⠙⠅",    "⠼⠁⠅",      "⠅",     "·−−−−−",      "·−−−−/",  "/·−−−−",
          "· −−−−",     "Ↄ",         "ↃI",       "IↃↃↃↃ",    "CIↃↃ",  "Iↄ",          "iↃ",      "ↃIↃ",
          "στστ",       "σ,α",       ",",        "〢〣十",   "〢x"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void RowTextReadBackTest::writtenNearMisses()
{
    QFETCH(QString, text);
    const std::vector<recognise::Numeral> numerals = recognise::Recognise(text.toStdString());
    for (const recognise::Numeral& m : numerals)
        qWarning("%s reads as %lld in %s", qPrintable(text), m.number, m.cell.c_str());
    QVERIFY(numerals.empty());
}

// Every number from 1000 grouped in thousands by each mark reads as
// itself; the same mark one digit to the left (where a digit stays before
// it) or right makes it none.
void RowTextReadBackTest::groupedDigitsReadBack_data()
{
    QTest::addColumn<QString>("mark");
    for (const char* mark : {",", ".", "'", "’", " ", "\u00A0", "\u2009", "\u202F", "٬"})
        QTest::newRow(mark) << QString::fromUtf8(mark);
}

void RowTextReadBackTest::groupedDigitsReadBack()
{
    QFETCH(QString, mark);
    const std::string m = mark.toStdString();
    for (int n = 1000; n <= 79999; ++n) {
        const std::string digits = std::to_string(n);
        const std::size_t at = digits.size() - 3;
        const std::string grouped = digits.substr(0, at) + m + digits.substr(at);
        const std::string left = digits.substr(0, at - 1) + m + digits.substr(at - 1);
        const std::string right = digits.substr(0, at + 1) + m + digits.substr(at + 1);
        if (!Reads(recognise::Recognise(grouped), "", n))
            QFAIL(qPrintable(
                QStringLiteral("%1 does not read as %2").arg(QString::fromStdString(grouped)).arg(n)));
        std::vector<std::string> moved{right};
        if (at > 1)
            moved.push_back(left);
        for (const std::string& misplaced : moved) {
            if (!recognise::Recognise(misplaced).empty())
                QFAIL(qPrintable(
                    QStringLiteral("%1 reads as a number").arg(QString::fromStdString(misplaced))));
        }
    }
}

// Every row's text read inside a sentence's punctuation: as the row's
// number, never as the row's own form.
void RowTextReadBackTest::punctuatedTextsReadBack()
{
    const char* const around[][2] = {{"", "."},   {"", ","},  {"", ":"},  {"", ";"},  {"(", ")"},
                                     {"(", ")."}, {"«", "»"}, {"“", "”"}, {"„", "“"}, {"「", "」"}};
    for (const std::string& cell : rowtext::Cells()) {
        if (rowtext::TextOf(cell, 1, "1").kind == rowtext::Kind::Described)
            continue;
        for (int n : {1, 5, 6, 15, 1994, 46363, 79999}) {
            const std::string own = rowtext::NumeralText(cell, n, std::to_string(n));
            for (const auto& [open, close] : around) {
                const std::string text = open + own + close;
                const std::vector<recognise::Numeral> numerals = recognise::Recognise(text);
                const bool read =
                    std::any_of(numerals.begin(), numerals.end(), [&](const recognise::Numeral& m) {
                        return m.cell == cell && m.number == n && !m.ownForm;
                    });
                if (!own.empty() && !read)
                    QFAIL(qPrintable(QStringLiteral("%1: %2 does not read as %3")
                                         .arg(QString::fromStdString(cell), QString::fromStdString(text))
                                         .arg(n)));
            }
        }
    }
}

// Morse code's text of every number in typographic dots (·) and minus
// signs with slashes between the letters, and Braille's without its number
// sign, read as the number.
void RowTextReadBackTest::morseAndBrailleAsWrittenReadBack()
{
    const Text numberSign = U"⠼";
    for (int n = 0; n <= 79999; ++n) {
        Text morse;
        for (char32_t c : Decoded(rowtext::NumeralText("P15", n, std::to_string(n))))
            morse += c == U'.' ? Text(U"·") : c == U'-' ? Text(U"−") : c == U' ' ? Text(U" / ") : Text(1, c);
        const Text braille = Decoded(rowtext::NumeralText("P34", n, std::to_string(n)));
        QCOMPARE(braille.substr(0, 1), numberSign);
        const QString morseText = QString::fromUcs4(morse.data(), qsizetype(morse.size()));
        const QString brailleText = QString::fromUcs4(braille.data() + 1, qsizetype(braille.size() - 1));
        const std::vector<recognise::Numeral> digits = recognise::Recognise(brailleText.toStdString());
        const bool bare = std::any_of(digits.begin(), digits.end(), [&](const recognise::Numeral& m) {
            return m.cell == "P34" && m.number == n && m.withoutMark && !m.ownForm;
        });
        if (!Reads(recognise::Recognise(morseText.toStdString()), "P15", n) || !bare)
            QFAIL(qPrintable(
                QStringLiteral("%1 or %2 does not read as %3").arg(morseText, brailleText).arg(n)));
    }
}

QTEST_APPLESS_MAIN(RowTextReadBackTest)
#include "RowTextReadBackTest.moc"
