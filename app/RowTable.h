#pragma once

#include <array>
#include <cstddef>

// The 59 numeral rows of the window, in display order, and the order in
// which activation hands each glyph-string panel its font family.

enum class TabPage { T1, T2 };
enum class RowColumn { FullWidth, Left, Right };
enum class ValueKind { Panel, Label, PaintBox };

struct RowSpec {
    TabPage page;
    RowColumn column;
    const char* caption;   // UTF-8
    const char* cell;      // component name of the value cell
    ValueKind kind;
    const char* family;    // family after activation; nullptr for paint boxes
    int pixelHeight;       // font height in pixels (the em); 0 for paint boxes
    bool bold;
};

constexpr std::size_t kRowCount = 59;
constexpr std::size_t kGlyphPanelCount = 54;

const std::array<RowSpec, kRowCount>& RowsInDisplayOrder();

// Value panels in the order activation assigns their families.
const std::array<const char*, kGlyphPanelCount>& PanelsInFamilyOrder();

// The row whose value cell has this name, or nullptr.
const RowSpec* FindRow(const char* cell);
