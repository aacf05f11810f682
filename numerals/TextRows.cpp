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
GlyphString FromNumber(int n, const std::string&)
{
    return Build(n);
}

template <GlyphString (*Build)(const std::string&)>
GlyphString FromText(int, const std::string& t)
{
    return Build(t);
}

template <int Base>
GlyphString DigitGlyphsOf(int, const std::string& t)
{
    return DigitGlyphs(t, Base);
}

template <int Base>
GlyphCodes DigitGlyphsCodesOf()
{
    return DigitGlyphsCodes(Base);
}

template <const PositionalSystem& System>
GlyphString PositionalOf(int n, const std::string&)
{
    return PositionalNumeral(n, System);
}

template <const PositionalSystem& System>
GlyphCodes PositionalCodesOf()
{
    return PositionalCodes(System);
}

template <const MultiplierSystem& System>
GlyphString MultiplierOf(int n, const std::string&)
{
    return MultiplierNumeral(n, System);
}

template <const MultiplierSystem& System>
GlyphCodes MultiplierCodesOf()
{
    return MultiplierCodes(System);
}

template <GlyphString (*Build)(int)>
constexpr RowDefinition NumberRow(const char* cell, GlyphCodes (*codes)())
{
    return {{cell, RowInput::Number, &FromNumber<Build>}, codes};
}

template <GlyphString (*Build)(const std::string&)>
constexpr RowDefinition TextRowOf(const char* cell, GlyphCodes (*codes)())
{
    return {{cell, RowInput::Text, &FromText<Build>}, codes};
}

// A row that shows digit d of the number text as code Base + d.
template <int Base>
constexpr RowDefinition DigitRow(const char* cell)
{
    return {{cell, RowInput::Text, &DigitGlyphsOf<Base>}, &DigitGlyphsCodesOf<Base>};
}

template <const PositionalSystem& System>
constexpr RowDefinition PositionalRow(const char* cell)
{
    return {{cell, RowInput::Number, &PositionalOf<System>}, &PositionalCodesOf<System>};
}

template <const MultiplierSystem& System>
constexpr RowDefinition MultiplierRow(const char* cell)
{
    return {{cell, RowInput::Number, &MultiplierOf<System>}, &MultiplierCodesOf<System>};
}

// One line per row, in no particular order: the window orders them.
constexpr RowDefinition kRows[] = {
    NumberRow<AmharicNumeral>("P36", &AmharicCodes),
    NumberRow<SanskritNumeral>("P27", &SanskritCodes),
    NumberRow<ArmenianNumeral>("P40", &ArmenianCodes),
    DigitRow<58>("P6"),
    DigitRow<71>("P60"),
    DigitRow<81>("P63"),
    DigitRow<245>("P26"),
    DigitRow<131>("P7"),
    TextRowOf<NkoNumeral>("P72", &NkoCodes),
    DigitRow<243>("P34"),
    DigitRow<48>("P33"),
    DigitRow<223>("P71"),
    DigitRow<233>("P29"),
    TextRowOf<PostCodeBars>("P67", &PostCodeCodes),
    NumberRow<AncientGreekNumeral>("P37", &AncientGreekCodes),
    TextRowOf<HeyarianNumeral>("P39", &HeyarianCodes),
    NumberRow<EgyptianNumeral>("P28", &EgyptianCodes),
    NumberRow<AtticNumeral>("P38", &AtticCodes),
    TextRowOf<LaotianNumeral>("P66", &LaotianCodes),
    TextRowOf<FarsiNumeral>("P61", &FarsiCodes),
    MultiplierRow<kKanji>("P42"),
    NumberRow<IonicNumeral>("P64", &IonicCodes),
    NumberRow<HebrewNumeral>("P62", &HebrewCodes),
    NumberRow<OxidilogiNumeral>("P9", &OxidilogiCodes),
    DigitRow<108>("P8"),
    DigitRow<203>("P73"),
    DigitRow<235>("P19"),
    DigitRow<197>("P10"),
    DigitRow<213>("P20"),
    DigitRow<91>("P65"),
    DigitRow<160>("P69"),
    DigitRow<111>("P70"),
    TextRowOf<GorwelionNumeral>("P18", &GorwelionCodes),
    DigitRow<243>("P30"),
    DigitRow<48>("P68"),
    DigitRow<111>("P35"),
    DigitRow<161>("P24"),
    DigitRow<71>("P12"),
    DigitRow<229>("P57"),
    DigitRow<85>("P21"),
    DigitRow<95>("P17"),
    PositionalRow<kDni>("P31"),
    PositionalRow<kFourLine>("P48"),
    PositionalRow<kEcclemony>("P49"),
    PositionalRow<kDiamond>("P23"),
    PositionalRow<kQuadnary>("P45"),
    PositionalRow<kDualCode>("P13"),
    PositionalRow<kPekrif>("P4"),
    NumberRow<MayaHieroglyphNumeral>("P22", &MayaHieroglyphCodes),
    NumberRow<HungarianRunesNumeral>("P53", &HungarianRunesCodes),
    NumberRow<ManchuNumeral>("P14", &ManchuCodes),
    NumberRow<GothicNumeral>("P41", &GothicCodes),
    MultiplierRow<kSuzhou>("P25"),
    TextRowOf<MorseCode>("P15", &MorseCodes),
};

const RowDefinition* FindDefinition(const std::string& cell)
{
    for (const RowDefinition& definition : kRows) {
        if (cell == definition.row.cell)
            return &definition;
    }
    return nullptr;
}

}  // namespace

const std::vector<TextRow>& AllTextRows()
{
    static const std::vector<TextRow> rows = [] {
        std::vector<TextRow> all;
        for (const RowDefinition& definition : kRows)
            all.push_back(definition.row);
        return all;
    }();
    return rows;
}

GlyphCodes CodesUsedBy(const TextRow& row)
{
    const RowDefinition* definition = FindDefinition(row.cell);
    return definition != nullptr ? definition->codes() : GlyphCodes{};
}

const TextRow* FindTextRow(const std::string& cell)
{
    const RowDefinition* definition = FindDefinition(cell);
    return definition != nullptr ? &definition->row : nullptr;
}
