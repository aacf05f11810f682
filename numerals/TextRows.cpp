#include "TextRows.h"

#include "Additive.h"
#include "Alphabetic.h"
#include "DigitSystems.h"
#include "Multiplicative.h"
#include "Positional.h"
#include "SharedBuilders.h"

namespace {

struct RowDefinition {
    TextRow row;
    GlyphCodes (*codes)();
};

template <GlyphString (*Build)(int)>
GlyphString FromNumber(int n, const std::string&) { return Build(n); }

template <GlyphString (*Build)(const std::string&)>
GlyphString FromText(int, const std::string& t) { return Build(t); }

template <int Base>
GlyphString DigitGlyphsOf(int, const std::string& t) { return DigitGlyphs(t, Base); }

template <int Base>
GlyphCodes DigitGlyphsCodesOf() { return DigitGlyphsCodes(Base); }

template <const PositionalSystem& System>
GlyphString PositionalOf(int n, const std::string&) { return PositionalNumeral(n, System); }

template <const PositionalSystem& System>
GlyphCodes PositionalCodesOf() { return PositionalCodes(System); }

template <const MultiplierSystem& System>
GlyphString MultiplierOf(int n, const std::string&) { return MultiplierNumeral(n, System); }

template <const MultiplierSystem& System>
GlyphCodes MultiplierCodesOf() { return MultiplierCodes(System); }

template <GlyphString (*Build)(int)>
constexpr RowDefinition NumberRow(const char* cell, const char* caption, GlyphCodes (*codes)())
{
    return {{cell, caption, RowInput::Number, &FromNumber<Build>}, codes};
}

template <GlyphString (*Build)(const std::string&)>
constexpr RowDefinition TextRowOf(const char* cell, const char* caption, GlyphCodes (*codes)())
{
    return {{cell, caption, RowInput::Text, &FromText<Build>}, codes};
}

// A row that shows digit d of the number text as code Base + d.
template <int Base>
constexpr RowDefinition DigitRow(const char* cell, const char* caption)
{
    return {{cell, caption, RowInput::Text, &DigitGlyphsOf<Base>}, &DigitGlyphsCodesOf<Base>};
}

template <const PositionalSystem& System>
constexpr RowDefinition PositionalRow(const char* cell, const char* caption)
{
    return {{cell, caption, RowInput::Number, &PositionalOf<System>}, &PositionalCodesOf<System>};
}

template <const MultiplierSystem& System>
constexpr RowDefinition MultiplierRow(const char* cell, const char* caption)
{
    return {{cell, caption, RowInput::Number, &MultiplierOf<System>}, &MultiplierCodesOf<System>};
}

constexpr std::array<RowDefinition, kTextRowCount> kRows{{
    NumberRow<AmharicNumeral>("P36", "Amharic", &AmharicCodes),
    NumberRow<SanskritNumeral>("P27", "Sanskrit", &SanskritCodes),
    NumberRow<ArmenianNumeral>("P40", "Armenian", &ArmenianCodes),
    DigitRow<58>("P6", "Arabic"),
    DigitRow<71>("P60", "Bengali"),
    DigitRow<81>("P63", "Hindi"),
    DigitRow<245>("P26", "Fingernumbers"),
    DigitRow<131>("P7", "Semaphore"),
    TextRowOf<NkoNumeral>("P72", "N'Ko", &NkoCodes),
    DigitRow<243>("P34", "Braille"),
    DigitRow<48>("P33", "Brahmi"),
    DigitRow<223>("P71", "Tibetan"),
    DigitRow<233>("P29", "Staff numbers"),
    TextRowOf<PostCodeBars>("P67", "Post code", &PostCodeCodes),
    NumberRow<AncientGreekNumeral>("P37", "Ancient Greek", &AncientGreekCodes),
    TextRowOf<HeyarianNumeral>("P39", "Heyarian", &HeyarianCodes),
    NumberRow<EgyptianNumeral>("P28", "Egyptian", &EgyptianCodes),
    NumberRow<AtticNumeral>("P38", "Attic", &AtticCodes),
    TextRowOf<LaotianNumeral>("P66", "Laotian", &LaotianCodes),
    TextRowOf<FarsiNumeral>("P61", "Farsi", &FarsiCodes),
    MultiplierRow<kKanji>("P42", "Kanji"),
    // The Maya pictures are composed here.
    NumberRow<IonicNumeral>("P64", "Ionic", &IonicCodes),
    NumberRow<HebrewNumeral>("P62", "Hebrew", &HebrewCodes),
    NumberRow<OxidilogiNumeral>("P9", "Oxidilogi", &OxidilogiCodes),
    DigitRow<108>("P8", "Ath-Seikai"),
    DigitRow<203>("P73", "Khmer"),
    DigitRow<235>("P19", "Narn"),
    DigitRow<197>("P10", "Futurama"),
    DigitRow<213>("P20", "Stargate"),
    DigitRow<91>("P65", "Kannada"),
    DigitRow<160>("P69", "Tamil"),
    DigitRow<111>("P70", "Thai"),
    TextRowOf<GorwelionNumeral>("P18", "Gorwelion", &GorwelionCodes),
    DigitRow<243>("P30", "Klingon"),
    DigitRow<48>("P68", "Osmanya"),
    DigitRow<111>("P35", "Dancing Men"),
    DigitRow<161>("P24", "Kayah"),
    DigitRow<71>("P12", "Mong"),
    DigitRow<229>("P57", "SpaceKees"),
    DigitRow<85>("P21", "Tenctonese"),
    DigitRow<95>("P17", "Zentlardy"),
    PositionalRow<kDni>("P31", "D'Ni"),
    PositionalRow<kFourLine>("P48", "Four Line"),
    PositionalRow<kEcclemony>("P49", "Ecclemony"),
    PositionalRow<kDiamond>("P23", "Diamond"),
    PositionalRow<kQuadnary>("P45", "Quadnary"),
    PositionalRow<kDualCode>("P13", "Dual code"),
    PositionalRow<kPekrif>("P4", "Pékrif"),
    NumberRow<MayaHieroglyphNumeral>("P22", "Maya-Hierogl.", &MayaHieroglyphCodes),
    NumberRow<HungarianRunesNumeral>("P53", "Hungar.Runes", &HungarianRunesCodes),
    NumberRow<ManchuNumeral>("P14", "Manchu", &ManchuCodes),
    NumberRow<GothicNumeral>("P41", "Gothic", &GothicCodes),
    MultiplierRow<kSuzhou>("P25", "Suzhou"),
    TextRowOf<MorseCode>("P15", "Morse code", &MorseCodes),
}};

constexpr bool SameText(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

static_assert(SameText(kRows[kMayaPicturesBefore - 1].row.caption, "Kanji") &&
                  SameText(kRows[kMayaPicturesBefore].row.caption, "Ionic"),
              "the Maya pictures come between Kanji and Ionic");

std::array<TextRow, kTextRowCount> RowsOf(const std::array<RowDefinition, kTextRowCount>& definitions)
{
    std::array<TextRow, kTextRowCount> rows{};
    for (std::size_t i = 0; i < definitions.size(); ++i)
        rows[i] = definitions[i].row;
    return rows;
}

const RowDefinition* FindDefinition(const std::string& cell)
{
    for (const RowDefinition& definition : kRows) {
        if (cell == definition.row.cell)
            return &definition;
    }
    return nullptr;
}

} // namespace

const std::array<TextRow, kTextRowCount>& TextRowsInRefreshOrder()
{
    static const std::array<TextRow, kTextRowCount> rows = RowsOf(kRows);
    return rows;
}

GlyphCodes CodesUsedBy(const TextRow& row)
{
    const RowDefinition* definition = FindDefinition(row.cell);
    return definition != nullptr ? definition->codes() : GlyphCodes{};
}

const TextRow* FindTextRow(const std::string& cell)
{
    for (const TextRow& row : TextRowsInRefreshOrder()) {
        if (cell == row.cell)
            return &row;
    }
    return nullptr;
}
