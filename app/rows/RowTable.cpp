#include "rows/RowTable.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr auto P = ValueKind::Panel;
constexpr auto B = ValueKind::PaintBox;
constexpr auto X = ValueKind::Text;
constexpr auto F = RowColumn::FullWidth;
constexpr auto L = RowColumn::Left;
constexpr auto R = RowColumn::Right;
constexpr auto T1 = TabPage::T1;
constexpr auto T2 = TabPage::T2;
constexpr auto T3 = TabPage::T3;
[[maybe_unused]] constexpr auto T4 = TabPage::T4;
[[maybe_unused]] constexpr auto T5 = TabPage::T5;
constexpr const char* g8 = "Glyfa08";
constexpr const char* g8b = "Glyfa08b";
constexpr const char* g8c = "Glyfa08c";
constexpr const char* g8d = "Glyfa08d";

// In display order. The last two numbers are the row's family step and
// refresh step (see RowSpec); a new row takes the next free number of each.
// The text rows of the third page have neither (-1): they draw in their own
// family from the start, and the refresh that fills glyph strings leaves them.
// clang-format off
constexpr RowSpec kRows[] = {
    {T1, F, "Ancient Greek", "P37", P, g8b, 27, false, 21, 14},
    {T1, L, "Egyptian", "P28", P, g8b, 29, false, 19, 16},
    {T1, L, "Amharic", "P36", P, g8b, 29, false, 22, 0},
    {T1, L, "Arabic", "P6", P, g8, 27, false, 0, 3},
    {T1, L, "Armenian", "P40", P, g8b, 27, false, 16, 2},
    {T1, L, "Assyrian", "PB9", B, nullptr, 0, false, -1, -1},
    {T1, L, "Attic", "P38", P, g8b, 27, false, 20, 17},
    {T1, L, "Bengali", "P60", P, g8, 27, false, 1, 4},
    {T1, L, "Braille", "P34", P, g8b, 32, false, 23, 9},
    {T1, L, "Farsi", "P61", P, g8, 27, false, 2, 19},
    {T1, L, "Fingernumbers", "P26", P, g8c, 48, true, 33, 6},
    {T1, L, "Gothic", "P41", P, g8c, 27, false, 35, 52},
    {T1, L, "Hebrew", "P62", P, g8, 27, false, 3, 23},
    {T1, L, "Heyarian", "P39", P, g8b, 28, false, 17, 15},
    {T1, L, "Hindi", "P63", P, g8, 27, false, 4, 5},
    {T1, R, "Ionic", "P64", P, g8, 27, false, 5, 22},
    {T1, R, "Kanji", "P42", P, g8b, 27, false, 15, 20},
    {T1, R, "Korean", "PB2", B, nullptr, 0, false, -1, -1},
    {T1, R, "Manchu", "P14", P, g8d, 28, true, 41, 51},
    {T1, R, "Maya", "PB7", B, nullptr, 0, false, -1, 21},
    {T1, R, "Maya-Hierogl.", "P22", P, g8c, 35, false, 32, 49},
    {T1, R, "Morse code", "P15", P, "Symbol", 19, false, 25, 54},
    {T1, R, "N'Ko", "P72", P, g8b, 40, false, 13, 8},
    {T1, R, "Roman", "l2", ValueKind::Label, "Verdana", 27, false, -1, -1},
    {T1, R, "Sanskrit", "P27", P, g8b, 27, false, 18, 1},
    {T1, R, "Semaphore", "P7", P, g8c, 45, false, 39, 7},
    {T1, R, "Tibetan", "P71", P, g8d, 24, false, 45, 11},
    {T1, R, "Hungar.Runes", "P53", P, g8d, 27, false, 49, 50},
    {T1, R, "Staff numbers", "P29", P, g8d, 27, false, 46, 12},
    {T2, L, "Ath-Seikai", "P8", P, g8c, 27, false, 26, 25},
    {T2, L, "Brahmi", "P33", P, g8b, 27, true, 24, 10},
    {T2, L, "Dancing Men", "P35", P, g8d, 37, true, 48, 36},
    {T2, L, "Diamond", "P23", P, g8d, 21, false, 43, 45},
    {T2, L, "D'Ni", "P31", P, g8c, 24, false, 28, 42},
    {T2, L, "Dual code", "P13", P, g8c, 28, false, 38, 47},
    {T2, L, "Ecclemony", "P49", P, g8d, 20, false, 42, 44},
    {T2, L, "Four Line", "P48", P, g8d, 27, false, 40, 43},
    {T2, L, "Futurama", "P10", P, g8c, 27, false, 29, 28},
    {T2, L, "Gorwelion", "P18", P, g8c, 27, false, 34, 33},
    {T2, L, "Hieratic", "PB1", B, nullptr, 0, false, -1, -1},
    {T2, L, "Kannada", "P65", P, g8, 27, false, 6, 30},
    {T2, L, "Kayah", "P24", P, g8d, 28, false, 50, 37},
    {T2, L, "Klingon", "P30", P, g8d, 27, false, 47, 34},
    {T2, L, "Khmer", "P73", P, g8b, 24, false, 14, 26},
    {T2, R, "Laotian", "P66", P, g8, 27, false, 7, 18},
    {T2, R, "Mong", "P12", P, g8d, 31, false, 51, 38},
    {T2, R, "Narn", "P19", P, g8c, 29, false, 27, 27},
    {T2, R, "Osmanya", "P68", P, g8c, 29, false, 9, 35},
    {T2, R, "Oxidilogi", "P9", P, g8c, 27, false, 30, 24},
    {T2, R, "Pékrif", "P4", P, g8d, 27, false, 53, 48},
    {T2, R, "Post code", "P67", P, g8c, 27, false, 8, 13},
    {T2, R, "Quadnary", "P45", P, g8d, 20, false, 44, 46},
    {T2, R, "SpaceKees", "P57", P, g8, 27, false, 12, 39},
    {T2, R, "Stargate", "P20", P, g8c, 27, false, 31, 29},
    {T2, R, "Suzhou", "P25", P, g8d, 24, false, 52, 53},
    {T2, R, "Tamil", "P69", P, g8, 27, false, 10, 31},
    {T2, R, "Tenctonese", "P21", P, g8c, 29, false, 36, 40},
    {T2, R, "Thai", "P70", P, g8, 27, false, 11, 32},
    {T2, R, "Zentlardy", "P17", P, g8c, 28, false, 37, 41},
    {T3, L, "Adlam", "Uadlm", X, "Tallyra Adlam", 43, false, -1, -1},
    {T3, L, "Balinese", "Ubali", X, "Tallyra Balinese", 21, false, -1, -1},
    {T3, L, "Chakma", "Ucakm", X, "Tallyra Chakma", 48, false, -1, -1},
    {T3, L, "Gujarati", "Ugujr", X, "Tallyra Gujarati", 50, false, -1, -1},
    {T3, L, "Gurmukhi", "Uguru", X, "Tallyra Gurmukhi", 40, false, -1, -1},
    {T3, L, "Javanese", "Ujava", X, "Tallyra Javanese", 22, false, -1, -1},
    {T3, L, "Lepcha", "Ulepc", X, "Tallyra Lepcha", 56, false, -1, -1},
    {T3, L, "Limbu", "Ulimb", X, "Tallyra Limbu", 53, false, -1, -1},
    {T3, L, "Malayalam", "Umlym", X, "Tallyra Malayalam", 37, false, -1, -1},
    {T3, L, "Meetei Mayek", "Umtei", X, "Tallyra Meetei Mayek", 49, false, -1, -1},
    {T3, L, "Myanmar", "Umymr", X, "Tallyra Myanmar", 23, false, -1, -1},
    {T3, L, "Odia", "Uorya", X, "Tallyra Odia", 51, false, -1, -1},
    {T3, L, "Ol Chiki", "Uolck", X, "Tallyra Ol Chiki", 47, false, -1, -1},
    {T3, L, "Rohingya", "Urohg", X, "Tallyra Rohingya", 45, false, -1, -1},
    {T3, R, "Sinhala Lith", "Usinh", X, "Tallyra Sinhala", 30, false, -1, -1},
    {T3, R, "Sundanese", "Usund", X, "Tallyra Sundanese", 46, false, -1, -1},
    {T3, R, "Tai Tham", "Ulana", X, "Tallyra Tai Tham", 27, false, -1, -1},
    {T3, R, "Telugu", "Utelu", X, "Tallyra Telugu", 52, false, -1, -1},
    {T3, R, "Vai", "Uvaii", X, "Tallyra Vai", 47, false, -1, -1},
    {T3, R, "Aegean", "Uaegean", X, "Tallyra Aegean", 35, false, -1, -1},
    {T3, R, "Brahmi old", "Ubrahadd", X, "Tallyra Brahmi", 40, false, -1, -1},
    {T3, R, "Chinese fin.", "Uhansfin", X, "Tallyra Chinese", 37, false, -1, -1},
    {T3, R, "Coptic", "Ucopt", X, "Tallyra Coptic", 28, false, -1, -1},
    {T3, R, "Counting rods", "Urods", X, "Tallyra Rods", 37, false, -1, -1},
    {T3, R, "Cyrillic", "Ucyrl", X, "Tallyra Cyrillic", 29, false, -1, -1},
    {T3, R, "Georgian", "Ugeor", X, "Tallyra Georgian", 33, false, -1, -1},
    {T3, R, "Kharoshthi", "Ukhar", X, "Tallyra Kharoshthi", 42, false, -1, -1},
    {T3, R, "Tamil old", "Utaml", X, "Tallyra Tamil", 29, false, -1, -1},
    {T5, L, "Abjad", "Uabjad", X, "Tallyra Arabic", 31, false, -1, -1},
    {T5, L, "Aramaic", "Uarmi", X, "Tallyra Aramaic", 27, false, -1, -1},
    {T5, L, "Chinese", "Uhans", X, "Tallyra Chinese SC", 37, false, -1, -1},
    {T5, L, "Coptic epact", "Uepact", X, "Tallyra Coptic Epact", 35, false, -1, -1},
    {T5, L, "Daiji", "Ujpanfin", X, "Tallyra Japanese", 37, false, -1, -1},
    {T5, L, "Glagolitic", "Uglag", X, "Tallyra Glagolitic", 34, false, -1, -1},
    {T5, L, "Kaktovik", "Ukakt", X, "Tallyra Kaktovik", 33, false, -1, -1},
    {T5, L, "Malayalam old", "Umlymold", X, "Tallyra Malayalam Old", 37, false, -1, -1},
    {T5, L, "Medefaidrin", "Umedf", X, "Tallyra Medefaidrin", 46, false, -1, -1},
    {T5, L, "Mende", "Umend", X, "Tallyra Mende", 35, false, -1, -1},
    {T5, L, "Meroitic", "Umerc", X, "Tallyra Meroitic", 31, false, -1, -1},
    {T5, R, "Parthian", "Uprti", X, "Tallyra Parthian", 38, false, -1, -1},
    {T5, R, "Phoenician", "Uphnx", X, "Tallyra Phoenician", 46, false, -1, -1},
    {T5, R, "Roman ↀↁↂ", "Uromapos", X, "Tallyra Roman", 31, false, -1, -1},
    {T5, R, "Rumi", "Urumi", X, "Tallyra Rumi", 31, false, -1, -1},
    {T5, R, "Sinhala old", "Usinhold", X, "Tallyra Sinhala Old", 29, false, -1, -1},
    {T5, R, "Sumerian", "Uxsux", X, "Tallyra Cuneiform", 18, false, -1, -1},
    {T5, R, "Syriac", "Usyrc", X, "Tallyra Syriac", 24, false, -1, -1},
    {T5, R, "Tally", "Utally", X, "Tallyra Tally", 42, false, -1, -1},
    {T5, R, "Tally 正", "Uzheng", X, "Tallyra Tally", 48, false, -1, -1},
    {T5, R, "Tangut", "Utang", X, "Tallyra Tangut", 37, false, -1, -1},
    {T5, R, "Trad. fin.", "Uhantfin", X, "Tallyra Chinese TC", 37, false, -1, -1},
};
// clang-format on

// Whether `step` of every row that has one (not -1) numbers those rows
// 0, 1, 2, ... each once.
template <typename Step>
constexpr bool NumbersEachRowOnce(Step step)
{
    int count = 0;
    for (const RowSpec& row : kRows)
        count += step(row) >= 0;
    for (int wanted = 0; wanted < count; ++wanted) {
        int found = 0;
        for (const RowSpec& row : kRows)
            found += step(row) == wanted;
        if (found != 1)
            return false;
    }
    return true;
}

constexpr bool EveryPanelHasBothSteps()
{
    for (const RowSpec& row : kRows) {
        const bool panel = row.kind == ValueKind::Panel;
        if (panel != (row.familyStep >= 0) || (panel && row.refreshStep < 0))
            return false;
    }
    return true;
}

constexpr bool EveryTextRowHasItsFont()
{
    for (const RowSpec& row : kRows) {
        if (row.kind == ValueKind::Text && (row.family == nullptr || row.pixelHeight <= 0))
            return false;
    }
    return true;
}

static_assert(NumbersEachRowOnce([](const RowSpec& row) { return row.familyStep; }),
              "the family steps number the panels 0, 1, 2, ... each once");
static_assert(NumbersEachRowOnce([](const RowSpec& row) { return row.refreshStep; }),
              "the refresh steps number the refreshed rows 0, 1, 2, ... each once");
static_assert(EveryPanelHasBothSteps(),
              "every value panel gets a family and is refreshed; nothing else gets a family");
static_assert(EveryTextRowHasItsFont(), "every text row names its family and pixel height");

template <typename Step>
std::vector<const RowSpec*> Ordered(Step step)
{
    std::vector<const RowSpec*> rows;
    for (const RowSpec& row : RowsInDisplayOrder())
        if (step(row) >= 0)
            rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [&](const RowSpec* a, const RowSpec* b) { return step(*a) < step(*b); });
    return rows;
}

}  // namespace

const std::vector<RowSpec>& RowsInDisplayOrder()
{
    static const std::vector<RowSpec> rows(std::begin(kRows), std::end(kRows));
    return rows;
}

const std::vector<const RowSpec*>& RowsInFamilyOrder()
{
    static const std::vector<const RowSpec*> rows =
        Ordered([](const RowSpec& row) { return row.familyStep; });
    return rows;
}

const std::vector<const RowSpec*>& RowsInRefreshOrder()
{
    static const std::vector<const RowSpec*> rows =
        Ordered([](const RowSpec& row) { return row.refreshStep; });
    return rows;
}

const RowSpec* FindRow(const char* cell)
{
    for (const RowSpec& row : RowsInDisplayOrder())
        if (std::strcmp(row.cell, cell) == 0)
            return &row;
    return nullptr;
}
