#include "RowText.h"

#include "FontCharacters.h"
#include "TextParts.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace rowtext {
namespace {

// What a row's text is made from.
enum class Source { Glyphs, Roman, Korean, Maya, Assyrian, Hieratic };

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
    int radix = 10;            // of the places the reading names
    StandIn standIn = nullptr; // the text of a row Unicode does not encode
    bool reversed = false;     // shown back to front (right-to-left scripts)
    Words words = Words::Run;
    const char* mark = "";     // written in front of the text
    bool persianDigits = false;
};

template <const char* Label>
std::string Digits(const Input& in) { return LabelledDigits(in.digits, Label); }
template <int Base>
std::string InBase(const Input& in) { return InRadix(in.n, Base); }

std::string Hands(const Input& in) { return CountingHands(in.digits); }
std::string Flags(const Input& in) { return SemaphoreLetters(in.digits); }
std::string Tally(const Input& in) { return TallyByPlaces(in.digits); }
std::string Dni(const Input& in) { return DniDigits(in.n); }
std::string Dozenal(const Input& in) { return DozenalInBrackets(in.n); }
std::string Framed(const Input& in) { return "[" + in.digits + "]"; }
std::string Bars(const Input& in) { return BarPattern(in.codes, in.digits.size(), 'j'); }
std::string HeadVariants(const Input& in) { return MayaDotsAndBars(in.n); }
std::string Decimal(const Input& in) { return LabelledDigits(std::to_string(in.n), "decimal"); }
std::string Hieratic(const Input& in)
{
    const std::vector<std::string> terms = HieraticTerms(in.n);
    return terms.empty() ? std::string() : "hieratic signs " + Joined(terms, " + ");
}

constexpr char kStaff[] = "staff numerals";
constexpr char kAth[] = "Ath digits";
constexpr char kDancingMen[] = "dancing-men figures";
constexpr char kFuturama[] = "Futurama digits";
constexpr char kKlingon[] = "Klingon digits";
constexpr char kNarn[] = "Narn digits";
constexpr char kSpaceKees[] = "SpaceKees digits";
constexpr char kStargate[] = "Stargate digits";
constexpr char kTenctonese[] = "Tenctonese digits";
constexpr char kZentlardy[] = "Zentlardy digits";

// The number sign that tells a braille reader digits follow.
constexpr const char* kBrailleNumberSign = "\u283C";

constexpr auto G = Source::Glyphs;
constexpr auto D = Reading::Digits;
constexpr auto Gr = Reading::Groups;
constexpr auto Pl = Reading::Places;

constexpr Rule kRules[] = {
    {"P37", G, Gr},                                    // Ancient Greek
    {"P28", G, Gr},                                    // Egyptian
    {"P36", G, Gr},                                    // Amharic
    {"P6", G, D},                                      // Arabic
    {"P40", G, Gr},                                    // Armenian
    {"PB9", Source::Assyrian, Pl, 60},
    {"P38", G, Gr},                                    // Attic
    {"P60", G, D},                                     // Bengali
    {"P34", G, D, 10, nullptr, false, Words::Run, kBrailleNumberSign},
    {"P61", G, D, 10, nullptr, false, Words::Run, "", true},  // Farsi
    {"P26", G, D, 10, &Hands},                         // Fingernumbers
    {"P41", G, Gr},                                    // Gothic
    {"P62", G, Gr, 10, nullptr, true},                 // Hebrew
    {"P39", G, Reading::Tally, 10, &Tally},            // Heyarian
    {"P63", G, D},                                     // Hindi
    {"P64", G, Gr},                                    // Ionic
    {"P42", G, Gr},                                    // Kanji
    {"PB2", Source::Korean, Gr},
    {"P14", G, Gr, 10, nullptr, false, Words::PerSign},  // Manchu
    {"PB7", Source::Maya, Pl},
    {"P22", G, Pl, 20, &HeadVariants},                 // Maya-Hierogl.
    {"P15", G, D, 10, nullptr, false, Words::BetweenBlanks},  // Morse code
    {"P72", G, D, 10, nullptr, true},                  // N'Ko
    {"l2", Source::Roman, Gr},
    {"P27", G, Gr},                                    // Sanskrit
    {"P7", G, D, 10, &Flags},                          // Semaphore
    {"P71", G, D},                                     // Tibetan
    {"P53", G, Gr},                                    // Hungar.Runes
    {"P29", G, D, 10, &Digits<kStaff>},
    {"P8", G, D, 10, &Digits<kAth>},
    {"P33", G, D},                                     // Brahmi
    {"P35", G, D, 10, &Digits<kDancingMen>},
    {"P23", G, Pl, 16, &InBase<16>},                    // Diamond
    {"P31", G, Pl, 25, &Dni},
    {"P13", G, Pl, 2, &InBase<2>},                      // Dual code
    {"P49", G, Pl, 16, &InBase<16>},                    // Ecclemony
    {"P48", G, Pl, 16, &InBase<16>},                    // Four Line
    {"P10", G, D, 10, &Digits<kFuturama>},
    {"P18", G, D, 10, &Framed},                        // Gorwelion
    {"PB1", Source::Hieratic, Gr, 10, &Hieratic},
    {"P65", G, D},                                     // Kannada
    {"P24", G, D},                                     // Kayah
    {"P30", G, D, 10, &Digits<kKlingon>},
    {"P73", G, D},                                     // Khmer
    {"P66", G, D},                                     // Laotian
    {"P12", G, D},                                     // Mong
    {"P19", G, D, 10, &Digits<kNarn>},
    {"P68", G, D},                                     // Osmanya
    {"P9", G, D, 10, &Decimal},                        // Oxidilogi
    {"P4", G, Pl, 12, &Dozenal},                       // Pékrif
    {"P67", G, D, 10, &Bars},                          // Post code
    {"P45", G, Pl, 4, &InBase<4>},                      // Quadnary
    {"P57", G, D, 10, &Digits<kSpaceKees>},
    {"P20", G, D, 10, &Digits<kStargate>},
    {"P25", G, Gr},                                    // Suzhou
    {"P69", G, D},                                     // Tamil
    {"P21", G, D, 10, &Digits<kTenctonese>},
    {"P70", G, D},                                     // Thai
    {"P17", G, D, 10, &Digits<kZentlardy>},
};

const Rule& RuleOf(const std::string& cell)
{
    for (const Rule& rule : kRules) {
        if (cell == rule.cell)
            return rule;
    }
    throw std::out_of_range("no numeral row with the value cell " + cell);
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

std::string WordsOf(const Rule& rule, const std::string& codes)
{
    if (rule.words != Words::BetweenBlanks) {
        SignRun run = SignsOf(rule.cell, codes);
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
            words.push_back(Joined(SignsOf(rule.cell, codes.substr(start, end - start)).signs, ""));
        start = end + 1;
    }
    return Joined(words, " ");
}

std::string GlyphText(const Rule& rule, const Input& in)
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
Input InputOf(const Rule& rule, int n, const std::string& t)
{
    const TextRow* row = rule.source == Source::Glyphs ? FindTextRow(rule.cell) : nullptr;
    const bool readsText = row != nullptr && row->input == RowInput::Text;
    Input in{n, readsText ? DecimalDigitsOf(t) : std::to_string(n), std::string()};
    if (row != nullptr)
        in.codes = row->build(n, readsText ? in.digits : std::string());
    return in;
}

std::string TextOfInput(const Rule& rule, const Input& in)
{
    switch (rule.source) {
    case Source::Glyphs:
        return GlyphText(rule, in);
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

Kind KindOf(const Rule& rule)
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

// The last places of `placeValues`, as many as the pictures have.
std::string PicturePlacesReading(const std::vector<PicturePlace>& places, const std::vector<int>& placeValues)
{
    std::vector<int> digits;
    for (const PicturePlace& place : places)
        digits.push_back(place.value);
    const std::size_t skipped = placeValues.size() - std::min(placeValues.size(), digits.size());
    return PlaceReading(digits, {placeValues.begin() + static_cast<std::ptrdiff_t>(skipped), placeValues.end()});
}

std::string ReadingOf(const Rule& rule, const Input& in)
{
    if (rule.source == Source::Maya)
        return PicturePlacesReading(MayaPlaces(in.n), {7200, 360, 20, 1});
    if (rule.source == Source::Assyrian)
        return PicturePlacesReading(AssyrianPlaces(in.n), {3600, 60, 1});
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
    const Rule* r = &rule;
    return GroupReading(in.n, [r](int m) { return TextOfInput(*r, InputOf(*r, m, std::to_string(m))); },
                        rule.words == Words::PerSign ? " " : "");
}

} // namespace

std::string NumeralText(const std::string& cell, int n, const std::string& t)
{
    const Rule& rule = RuleOf(cell);
    return TextOfInput(rule, InputOf(rule, n, t));
}

RowText TextOf(const std::string& cell, int n, const std::string& t)
{
    const Rule& rule = RuleOf(cell);
    const Input in = InputOf(rule, n, t);
    RowText row;
    row.text = TextOfInput(rule, in);
    row.kind = KindOf(rule);
    const std::string sample = row.text.empty() ? NumeralText(cell, 1, "1") : row.text;
    row.script = ScriptOf(sample);
    row.direction = DirectionOf(sample);
    row.reading = row.text.empty() ? std::string() : ReadingOf(rule, in);
    return row;
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

} // namespace rowtext
