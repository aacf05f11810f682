#include "RowTable.h"

#include <cstring>

namespace {

constexpr auto P = ValueKind::Panel;
constexpr auto B = ValueKind::PaintBox;
constexpr auto F = RowColumn::FullWidth;
constexpr auto L = RowColumn::Left;
constexpr auto R = RowColumn::Right;
constexpr auto T1 = TabPage::T1;
constexpr auto T2 = TabPage::T2;
constexpr const char* g8 = "Glyfa08";
constexpr const char* g8b = "Glyfa08b";
constexpr const char* g8c = "Glyfa08c";
constexpr const char* g8d = "Glyfa08d";

constexpr std::array<RowSpec, kRowCount> kRows{{
    {T1, F, "Ancient Greek", "P37", P, g8b, 27, false},
    {T1, L, "Egyptian", "P28", P, g8b, 29, false},
    {T1, L, "Amharic", "P36", P, g8b, 29, false},
    {T1, L, "Arabic", "P6", P, g8, 27, false},
    {T1, L, "Armenian", "P40", P, g8b, 27, false},
    {T1, L, "Assyrian", "PB9", B, nullptr, 0, false},
    {T1, L, "Attic", "P38", P, g8b, 27, false},
    {T1, L, "Bengali", "P60", P, g8, 27, false},
    {T1, L, "Braille", "P34", P, g8b, 32, false},
    {T1, L, "Farsi", "P61", P, g8, 27, false},
    {T1, L, "Fingernumbers", "P26", P, g8c, 48, true},
    {T1, L, "Gothic", "P41", P, g8c, 27, false},
    {T1, L, "Hebrew", "P62", P, g8, 27, false},
    {T1, L, "Heyarian", "P39", P, g8b, 28, false},
    {T1, L, "Hindi", "P63", P, g8, 27, false},
    {T1, R, "Ionic", "P64", P, g8, 27, false},
    {T1, R, "Kanji", "P42", P, g8b, 27, false},
    {T1, R, "Korean", "PB2", B, nullptr, 0, false},
    {T1, R, "Manchu", "P14", P, g8d, 28, true},
    {T1, R, "Maya", "PB7", B, nullptr, 0, false},
    {T1, R, "Maya-Hierogl.", "P22", P, g8c, 35, false},
    {T1, R, "Morse code", "P15", P, "Symbol", 19, false},
    {T1, R, "N'Ko", "P72", P, g8b, 40, false},
    {T1, R, "Roman", "l2", ValueKind::Label, "Verdana", 27, false},
    {T1, R, "Sanskrit", "P27", P, g8b, 27, false},
    {T1, R, "Semaphore", "P7", P, g8c, 45, false},
    {T1, R, "Tibetan", "P71", P, g8d, 24, false},
    {T1, R, "Hungar.Runes", "P53", P, g8d, 27, false},
    {T1, R, "Staff numbers", "P29", P, g8d, 27, false},
    {T2, L, "Ath-Seikai", "P8", P, g8c, 27, false},
    {T2, L, "Brahmi", "P33", P, g8b, 27, true},
    {T2, L, "Dancing Men", "P35", P, g8d, 37, true},
    {T2, L, "Diamond", "P23", P, g8d, 21, false},
    {T2, L, "D'Ni", "P31", P, g8c, 24, false},
    {T2, L, "Dual code", "P13", P, g8c, 28, false},
    {T2, L, "Ecclemony", "P49", P, g8d, 20, false},
    {T2, L, "Four Line", "P48", P, g8d, 27, false},
    {T2, L, "Futurama", "P10", P, g8c, 27, false},
    {T2, L, "Gorwelion", "P18", P, g8c, 27, false},
    {T2, L, "Hieratic", "PB1", B, nullptr, 0, false},
    {T2, L, "Kannada", "P65", P, g8, 27, false},
    {T2, L, "Kayah", "P24", P, g8d, 28, false},
    {T2, L, "Klingon", "P30", P, g8d, 27, false},
    {T2, L, "Khmer", "P73", P, g8b, 24, false},
    {T2, R, "Laotian", "P66", P, g8, 27, false},
    {T2, R, "Mong", "P12", P, g8d, 31, false},
    {T2, R, "Narn", "P19", P, g8c, 29, false},
    {T2, R, "Osmanya", "P68", P, g8c, 29, false},
    {T2, R, "Oxidilogi", "P9", P, g8c, 27, false},
    {T2, R, "Pékrif", "P4", P, g8d, 27, false},
    {T2, R, "Post code", "P67", P, g8c, 27, false},
    {T2, R, "Quadnary", "P45", P, g8d, 20, false},
    {T2, R, "SpaceKees", "P57", P, g8, 27, false},
    {T2, R, "Stargate", "P20", P, g8c, 27, false},
    {T2, R, "Suzhou", "P25", P, g8d, 24, false},
    {T2, R, "Tamil", "P69", P, g8, 27, false},
    {T2, R, "Tenctonese", "P21", P, g8c, 29, false},
    {T2, R, "Thai", "P70", P, g8, 27, false},
    {T2, R, "Zentlardy", "P17", P, g8c, 28, false},
}};

constexpr std::array<const char*, kGlyphPanelCount> kFamilyOrder{{
    "P6",  "P60", "P61", "P62", "P63", "P64", "P65", "P66", "P67", "P68", "P69",
    "P70", "P57", "P72", "P73", "P42", "P40", "P39", "P27", "P28", "P38", "P37",
    "P36", "P34", "P33", "P15", "P8",  "P19", "P31", "P10", "P9",  "P20", "P22",
    "P26", "P18", "P41", "P21", "P17", "P13", "P7",  "P48", "P14", "P49", "P23",
    "P45", "P71", "P29", "P30", "P35", "P53", "P24", "P12", "P25", "P4",
}};

}  // namespace

const std::array<RowSpec, kRowCount>& RowsInDisplayOrder() { return kRows; }

const std::array<const char*, kGlyphPanelCount>& PanelsInFamilyOrder() { return kFamilyOrder; }

const RowSpec* FindRow(const char* cell)
{
    for (const RowSpec& row : kRows)
        if (std::strcmp(row.cell, cell) == 0)
            return &row;
    return nullptr;
}
