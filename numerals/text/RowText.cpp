#include "RowText.h"

#include "FontCharacters.h"
#include "TextParts.h"
#include "Translatable.h"

#include "numerals/Positional.h"
#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "numerals/UnicodeRepeated.h"
#include "numerals/UnicodeRows.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <unordered_map>

namespace rowtext {
namespace {

// What a row's text is made from: a glyph string through the characters
// of its codes, the builders of Unicode text (numerals/UnicodeRows.h), or
// the numerals of the label and the pictures.
enum class Source { Glyphs, Unicode, Roman, Korean, Maya, Assyrian, Hieratic };

// How the signs of a glyph-string row become words: one text, one word per
// sign (Manchu), or words between the row's blanks (Morse code).
enum class Words { Run, PerSign, BetweenBlanks };

// How the reading tells the number.
enum class Reading { Digits, Groups, Places, Tally };

// The number as a row reads it: n, the decimal digits of the number text
// (the row shows them, leading zeros included) and the codes it shows.
struct Input {
    int n;
    std::string digits;
    std::string codes;
};

using StandIn = std::string (*)(const Input& in);

struct Rule {
    const char* cell;
    Source source;
    Reading reading;
    int radix = 10;             // of the places the reading names
    StandIn standIn = nullptr;  // the text of a row Unicode does not encode
    bool reversed = false;      // shown back to front (right-to-left scripts)
    Words words = Words::Run;
    const char* mark = "";  // written in front of the text
    bool persianDigits = false;
    const char* unread = "";          // characters a group reading leaves out (UTF-8)
    Units units = Units::Decimal;     // what a group reading cuts the number by
    const char* emptySays = nullptr;  // what an empty text of a number with a form says
    bool tenInside = false;           // 10..19 after another part written as after a hundred
};

template <const char* Label>
std::string Digits(const Input& in)
{
    return LabelledDigits(in.digits, Label);
}
template <int Base>
std::string InBase(const Input& in)
{
    return InRadix(in.n, Base);
}

std::string Hands(const Input& in)
{
    return CountingHands(in.digits);
}
std::string Flags(const Input& in)
{
    return SemaphoreLetters(in.digits);
}
std::string Tally(const Input& in)
{
    return TallyByPlaces(in.digits);
}
std::string Dni(const Input& in)
{
    return DniDigits(in.n);
}
std::string Dozenal(const Input& in)
{
    return DozenalInBrackets(in.n);
}
std::string Framed(const Input& in)
{
    return "[" + in.digits + "]";
}
std::string Bars(const Input& in)
{
    return BarPattern(in.codes, in.digits.size());
}
std::string HeadVariants(const Input& in)
{
    return MayaDotsAndBars(in.n);
}
std::string Decimal(const Input& in)
{
    return LabelledDigits(std::to_string(in.n), TALLYRA_TRANSLATE_NOOP("RowText", "decimal"));
}
std::string Hieratic(const Input& in)
{
    const std::vector<std::string> terms = HieraticTerms(in.n);
    return terms.empty()
        ? std::string()
        : Translated(TALLYRA_TRANSLATE_NOOP("RowText", "hieratic signs %1"), Joined(terms, " + "));
}

constexpr char kStaff[] = TALLYRA_TRANSLATE_NOOP("RowText", "staff numerals");
constexpr char kAth[] = TALLYRA_TRANSLATE_NOOP("RowText", "Ath digits");
constexpr char kDancingMen[] = TALLYRA_TRANSLATE_NOOP("RowText", "dancing-men figures");
constexpr char kFuturama[] = TALLYRA_TRANSLATE_NOOP("RowText", "Futurama digits");
constexpr char kKlingon[] = TALLYRA_TRANSLATE_NOOP("RowText", "Klingon digits");
constexpr char kNarn[] = TALLYRA_TRANSLATE_NOOP("RowText", "Narn digits");
constexpr char kSpaceKees[] = TALLYRA_TRANSLATE_NOOP("RowText", "SpaceKees digits");
constexpr char kStargate[] = TALLYRA_TRANSLATE_NOOP("RowText", "Stargate digits");
constexpr char kTenctonese[] = TALLYRA_TRANSLATE_NOOP("RowText", "Tenctonese digits");
constexpr char kZentlardy[] = TALLYRA_TRANSLATE_NOOP("RowText", "Zentlardy digits");

// The number sign that tells a braille reader digits follow.
constexpr const char* kBrailleNumberSign = "\u283C";

constexpr auto D = Reading::Digits;
constexpr auto Gr = Reading::Groups;
constexpr auto Pl = Reading::Places;

// A glyph-string row whose signs are all characters.
constexpr Rule Written(const char* cell, Reading reading)
{
    return {cell, Source::Glyphs, reading};
}

// A row shown back to front (its script runs right to left).
constexpr Rule Reversed(Rule rule)
{
    rule.reversed = true;
    return rule;
}

constexpr Rule InWords(Rule rule, Words words)
{
    rule.words = words;
    return rule;
}

constexpr Rule WithMark(Rule rule, const char* mark)
{
    rule.mark = mark;
    return rule;
}

constexpr Rule InPersianDigits(Rule rule)
{
    rule.persianDigits = true;
    return rule;
}

// A row Unicode does not encode: its text is a stand-in.
constexpr Rule Described(const char* cell, StandIn standIn, Reading reading = D, int radix = 10)
{
    return {cell, Source::Glyphs, reading, radix, standIn};
}

constexpr Rule Pictures(const char* cell, Source source, Reading reading, StandIn standIn = nullptr)
{
    return {cell, source, reading, 10, standIn};
}

// A row whose builder writes Unicode text. A group reading can leave out
// signs that only mark the number (the titlo, 零 for an empty place).
constexpr Rule Text(const char* cell, Reading reading, const char* unread = "")
{
    Rule rule{cell, Source::Unicode, reading};
    rule.unread = unread;
    return rule;
}

static_assert(kLargestTally == 50, "kTallyShownUpTo names the largest tally shown");

// A row of Unicode text read by places of another radix (Kaktovik: 20).
constexpr Rule PlacesText(const char* cell, int radix)
{
    Rule rule{cell, Source::Unicode, Reading::Places, radix};
    return rule;
}

// A row of Unicode text whose reading cuts the number by other units.
constexpr Rule TextIn(const char* cell, Units units, const char* emptySays = nullptr)
{
    Rule rule{cell, Source::Unicode, Reading::Groups};
    rule.units = units;
    rule.emptySays = emptySays;
    return rule;
}

// A row of Unicode text that writes 10..19 otherwise at its start than
// inside a number (十九, 一百一十九).
constexpr Rule TenInside(Rule rule)
{
    rule.tenInside = true;
    return rule;
}

// In the window's order. A glyph-string row not listed here writes decimal
// digits, one sign per digit of the number: its text is those digits in its
// own script (Arabic, Bengali, Tibetan, ...).
constexpr Rule kRules[] = {
    Written("P37", Gr),                                                                // Ancient Greek
    Written("P28", Gr),                                                                // Egyptian
    Written("P36", Gr),                                                                // Amharic
    Written("P40", Gr),                                                                // Armenian
    Pictures("PB9", Source::Assyrian, Pl), Written("P38", Gr),                         // Attic
    WithMark(Written("P34", D), kBrailleNumberSign),                                   // Braille
    InPersianDigits(Written("P61", D)),                                                // Farsi
    Described("P26", &Hands),                                                          // Fingernumbers
    Written("P41", Gr),                                                                // Gothic
    Reversed(Written("P62", Gr)),                                                      // Hebrew
    Described("P39", &Tally, Reading::Tally),                                          // Heyarian
    Written("P64", Gr),                                                                // Ionic
    Written("P42", Gr),                                                                // Kanji
    Pictures("PB2", Source::Korean, Gr), InWords(Written("P14", Gr), Words::PerSign),  // Manchu
    Pictures("PB7", Source::Maya, Pl), Described("P22", &HeadVariants, Pl, 20),        // Maya-Hierogl.
    InWords(Written("P15", D), Words::BetweenBlanks),                                  // Morse code
    Reversed(Written("P72", D)),                                                       // N'Ko
    Pictures("l2", Source::Roman, Gr),                                                 // the Roman label
    Written("P27", Gr),                                                                // Sanskrit
    Described("P7", &Flags),                                                           // Semaphore
    Written("P53", Gr),                                                                // Hungar.Runes
    Described("P29", &Digits<kStaff>),                                                 // Staff numbers
    Described("P8", &Digits<kAth>),                                                    // Ath-Seikai
    Described("P35", &Digits<kDancingMen>),
    Described("P23", &InBase<kDiamond.radix>, Pl, kDiamond.radix),  // Diamond
    Described("P31", &Dni, Pl, kDni.radix),
    Described("P13", &InBase<kDualCode.radix>, Pl, kDualCode.radix),    // Dual code
    Described("P49", &InBase<kEcclemony.radix>, Pl, kEcclemony.radix),  // Ecclemony
    Described("P48", &InBase<kFourLine.radix>, Pl, kFourLine.radix),    // Four Line
    Described("P10", &Digits<kFuturama>), Described("P18", &Framed),    // Gorwelion
    Pictures("PB1", Source::Hieratic, Gr, &Hieratic), Described("P30", &Digits<kKlingon>),
    Described("P19", &Digits<kNarn>), Described("P9", &Decimal),      // Oxidilogi
    Described("P4", &Dozenal, Pl, kPekrif.radix),                     // Pékrif
    Described("P67", &Bars),                                          // Post code
    Described("P45", &InBase<kQuadnary.radix>, Pl, kQuadnary.radix),  // Quadnary
    Described("P57", &Digits<kSpaceKees>), Described("P20", &Digits<kStargate>),
    Written("P25", Gr),  // Suzhou
    Described("P21", &Digits<kTenctonese>), Described("P17", &Digits<kZentlardy>), Text("Uaegean", Gr),
    Text("Ubrahadd", Gr), Text("Uhansfin", Gr, "\u96F6"),  // 零
    Text("Ucopt", Gr), Text("Urods", Pl),
    Text("Ucyrl", Gr, "\u0483 "),  // the titlo and the blank after the ten-thousands
    Text("Ugeor", Gr), Text("Ukhar", Gr), Text("Utaml", Gr),
    // the fifth page
    Text("Uabjad", Gr),                               // Abjad
    Text("Uarmi", Gr),                                // Aramaic
    TenInside(Text("Uhans", Gr, "\u96F6")),           // Chinese; 零 for an empty place
    Text("Uepact", Gr),                               // Coptic epact
    Text("Ujpanfin", Gr),                             // Daiji
    Text("Uglag", Gr),                                // Glagolitic
    PlacesText("Ukakt", 20),                          // Kaktovik
    Text("Umlymold", Gr),                             // Malayalam old
    PlacesText("Umedf", 20),                          // Medefaidrin
    Text("Umend", Gr),                                // Mende
    Text("Umerc", Gr),                                // Meroitic
    Text("Uprti", Gr),                                // Parthian
    Text("Uphnx", Gr),                                // Phoenician
    Text("Uromapos", Gr),                             // Roman ↀↁↂ
    Text("Urumi", Gr),                                // Rumi
    Text("Usinhold", Gr),                             // Sinhala old
    TextIn("Uxsux", Units::Sumerian),                 // Sumerian
    Text("Usyrc", Gr),                                // Syriac
    TextIn("Utally", Units::Fives, kTallyShownUpTo),  // Tally
    TextIn("Uzheng", Units::Fives, kTallyShownUpTo),  // Tally 正
    Text("Utang", Gr),                                // Tangut
    Text("Uhantfin", Gr, "\u96F6"),                   // Trad. fin.; 零 for an empty place
};

// A row's rule with the builder and the characters it needs, looked up once.
struct ResolvedRule : Rule {
    explicit ResolvedRule(const Rule& rule)
        : Rule(rule), textRow(rule.source == Source::Glyphs ? FindTextRow(rule.cell) : nullptr),
          unicodeRow(rule.source == Source::Unicode ? FindUnicodeRow(rule.cell) : nullptr),
          characters(rule.cell)
    { }
    const TextRow* textRow;        // the builder of a glyph-string row
    const UnicodeRow* unicodeRow;  // the builder of a row of Unicode text
    CodeCharacters characters;
};

const std::unordered_map<std::string, ResolvedRule>& AllRules()
{
    static const std::unordered_map<std::string, ResolvedRule> rules = [] {
        std::unordered_map<std::string, ResolvedRule> all;
        for (const Rule& rule : kRules)
            all.emplace(rule.cell, ResolvedRule(rule));
        for (const TextRow& row : AllTextRows()) {
            if (all.count(row.cell) == 0)
                all.emplace(row.cell, ResolvedRule(Written(row.cell, D)));
        }
        for (const UnicodeRow& row : AllUnicodeRows()) {
            if (all.count(row.cell) == 0)
                all.emplace(row.cell, ResolvedRule(Text(row.cell, D)));
        }
        return all;
    }();
    return rules;
}

const ResolvedRule& RuleOf(const std::string& cell)
{
    const auto it = AllRules().find(cell);
    if (it == AllRules().end())
        throw std::out_of_range("no numeral row with the value cell " + cell);
    return it->second;
}

// The text without any of the characters of `unread` (UTF-8).
std::string Without(std::string text, const std::string& unread)
{
    const auto length = static_cast<int32_t>(unread.size());
    for (int32_t at = 0; at < length;) {
        const int32_t start = at;
        U8_FWD_1(unread.data(), at, length);
        const std::string character =
            unread.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start));
        for (std::size_t i = text.find(character); i != std::string::npos; i = text.find(character, i))
            text.erase(i, character.size());
    }
    return text;
}

std::string DecimalDigitsOf(const std::string& t)
{
    std::string digits;
    for (char c : t) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    return digits;
}

std::string WordsOf(const ResolvedRule& rule, const std::string& codes)
{
    if (rule.words != Words::BetweenBlanks) {
        SignRun run = SignsOf(rule.characters, codes);
        ToLogicalOrder(run.signs, rule.reversed);
        return Joined(run.signs, rule.words == Words::PerSign ? " " : "");
    }
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < codes.size()) {
        std::size_t end = codes.find(' ', start);
        if (end == std::string::npos)
            end = codes.size();
        if (end > start)
            words.push_back(Joined(SignsOf(rule.characters, codes.substr(start, end - start)).signs, ""));
        start = end + 1;
    }
    return Joined(words, " ");
}

std::string GlyphText(const ResolvedRule& rule, const Input& in)
{
    if (rule.standIn != nullptr)
        return rule.standIn(in);
    std::string text = WordsOf(rule, in.codes);
    if (rule.persianDigits)
        text = PersianDigits(text);
    return text.empty() ? text : rule.mark + text;
}

std::string PlacesText(const std::vector<PicturePlace>& places, const char* separator)
{
    std::vector<std::string> texts;
    for (const PicturePlace& place : places)
        texts.push_back(place.text);
    return Joined(texts, separator);
}

// Rows that read the number text show its digits; the others the digits of n.
Input InputOf(const ResolvedRule& rule, int n, const std::string& t)
{
    const TextRow* row = rule.textRow;
    const bool readsText = row != nullptr && row->input == RowInput::Text;
    Input in{n, readsText ? DecimalDigitsOf(t) : std::to_string(n), std::string()};
    if (row != nullptr)
        in.codes = row->build(n, readsText ? in.digits : std::string());
    return in;
}

std::string TextOfInput(const ResolvedRule& rule, const Input& in)
{
    switch (rule.source) {
    case Source::Glyphs:
        return GlyphText(rule, in);
    case Source::Unicode:
        return rule.unicodeRow->build(in.n).text;
    case Source::Roman:
        return RomanNumeral(in.n);
    case Source::Korean:
        return KoreanText(in.n);
    case Source::Maya:
        return PlacesText(MayaPlaces(in.n), "");
    case Source::Assyrian:
        return PlacesText(AssyrianPlaces(in.n), " ");
    case Source::Hieratic:
        return rule.standIn(in);
    }
    return std::string();
}

Kind KindOf(const ResolvedRule& rule)
{
    switch (rule.source) {
    case Source::Glyphs:
        return KindOfCodes(rule.cell);
    case Source::Hieratic:
        return Kind::Described;
    default:
        return Kind::Unicode;
    }
}

std::string PicturePlacesReading(PlacesFunction placesOf, int n)
{
    static const std::vector<int> maya = PlaceValuesOf(&MayaPlaces);
    static const std::vector<int> assyrian = PlaceValuesOf(&AssyrianPlaces);
    const std::vector<int>& placeValues = placesOf == &MayaPlaces ? maya : assyrian;
    std::vector<int> digits;
    for (const PicturePlace& place : placesOf(n))
        digits.push_back(place.value);
    const std::size_t skipped = placeValues.size() - std::min(placeValues.size(), digits.size());
    return PlaceReading(digits,
                        {placeValues.begin() + static_cast<std::ptrdiff_t>(skipped), placeValues.end()});
}

std::string ReadingOf(const ResolvedRule& rule, const Input& in)
{
    if (rule.source == Source::Maya)
        return PicturePlacesReading(&MayaPlaces, in.n);
    if (rule.source == Source::Assyrian)
        return PicturePlacesReading(&AssyrianPlaces, in.n);
    if (rule.source == Source::Hieratic)
        return Joined(HieraticTerms(in.n), " + ");
    switch (rule.reading) {
    case Reading::Digits:
        return DigitReading(in.digits);
    case Reading::Places: {
        const std::vector<int> digits = DigitsIn(in.n, rule.radix);
        return PlaceReading(digits, PowersOf(rule.radix, digits.size()));
    }
    case Reading::Tally:
        return TallyReading(in.digits);
    case Reading::Groups:
        break;
    }
    if (in.n == 0) {  // a sign of its own for zero (零, ௦) reads as that sign
        const std::string zero = TextOfInput(rule, in);
        return zero.empty() ? "0" : zero + " = 0";
    }
    const ResolvedRule* r = &rule;
    const auto textOf = [r](int m) {
        return Without(TextOfInput(*r, InputOf(*r, m, std::to_string(m))), r->unread);
    };
    // A ten inside: the text after a hundred, that hundred's text taken off.
    const auto inside = [textOf](int m) {
        return m < 10 || m > 19 ? textOf(m) : textOf(100 + m).substr(textOf(100).size());
    };
    return GroupReading(in.n, textOf, rule.words == Words::PerSign ? " " : "", rule.units,
                        rule.tenInside ? std::function<std::string(int)>(inside) : nullptr);
}

}  // namespace

// The value of each place the pictures write, most significant first: the
// number the pictures write as a single 1 in that place.
std::vector<int> PlaceValuesOf(PlacesFunction placesOf)
{
    std::vector<int> values(placesOf(79999).size(), 0);  // least significant first
    std::size_t found = 0;
    int step = 1;  // each place's value is a multiple of the one below it
    for (int m = 1; m <= 79999 && found < values.size(); m += step) {
        const std::vector<PicturePlace> places = placesOf(m);
        std::size_t ones = 0;
        std::size_t at = 0;
        bool single = true;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const int value = places[places.size() - 1 - i].value;
            ones += value == 1 ? 1 : 0;
            at = value == 1 ? i : at;
            single = single && value <= 1;
        }
        if (single && ones == 1 && at < values.size() && values[at] == 0) {
            values[at] = m;
            step = m;
            ++found;
        }
    }
    return {values.rbegin(), values.rend()};
}

std::string NumeralText(const std::string& cell, int n, const std::string& t)
{
    const ResolvedRule& rule = RuleOf(cell);
    return TextOfInput(rule, InputOf(rule, n, t));
}

RowText TextOf(const std::string& cell, int n, const std::string& t)
{
    const ResolvedRule& rule = RuleOf(cell);
    const Input in = InputOf(rule, n, t);
    RowText row;
    row.text = TextOfInput(rule, in);
    row.kind = KindOf(rule);
    const std::string sample = row.text.empty() ? NumeralText(cell, 1, "1") : row.text;
    row.script = ScriptOf(sample);
    row.direction = DirectionOf(sample);
    row.noForm = rule.unicodeRow != nullptr && !rule.unicodeRow->build(n).hasForm;
    if (row.text.empty())
        row.reading = Translated(row.noForm                      ? kNoForm
                                     : rule.emptySays != nullptr ? rule.emptySays
                                                                 : kNoSignForZero);
    else
        row.reading = ReadingOf(rule, in);
    return row;
}

ReadingRule ReadingRuleOf(const std::string& cell)
{
    const ResolvedRule& rule = RuleOf(cell);
    ReadingRule reading{ReadingKind::Digits, rule.radix, rule.unread};
    switch (rule.reading) {
    case Reading::Digits:
        break;
    case Reading::Groups:
        reading.kind = ReadingKind::Groups;
        break;
    case Reading::Places:
        reading.kind = ReadingKind::Places;
        break;
    case Reading::Tally:
        reading.kind = ReadingKind::Tally;
        break;
    }
    return reading;
}

std::string TextOfCodes(const std::string& cell, const std::string& codes)
{
    const ResolvedRule& rule = RuleOf(cell);
    if (rule.source != Source::Glyphs || rule.standIn != nullptr || rule.textRow == nullptr)
        return std::string();
    const std::string text = WordsOf(rule, codes);
    return rule.persianDigits ? PersianDigits(text) : text;
}

const std::vector<std::string>& Cells()
{
    static const std::vector<std::string> cells = [] {
        std::vector<std::string> all;
        for (const auto& [cell, rule] : AllRules())
            all.push_back(cell);
        std::sort(all.begin(), all.end());
        return all;
    }();
    return cells;
}

std::string TextOrWhatIsSaid(const RowText& row)
{
    if (!row.text.empty())
        return row.text;
    return row.reading.empty() ? Translated(row.noForm ? kNoForm : kNoSignForZero) : row.reading;
}

const char* KindName(Kind kind)
{
    switch (kind) {
    case Kind::Unicode:
        return "unicode";
    case Kind::Partial:
        return "partial";
    case Kind::Described:
        return "described";
    }
    return "";
}

std::string Isolated(const RowText& row)
{
    if (row.direction != Direction::RightToLeft || row.text.empty())
        return row.text;
    return "\u2067" + row.text + "\u2069";
}

}  // namespace rowtext
