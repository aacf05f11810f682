#pragma once

#include <vector>

// The numeral rows of the window: for each its caption, value cell, page,
// column, font, and its places in the two orders the window works through
// them. This table owns these facts; the numeral builders (numerals/) are
// found by cell, and the font tools and tests read tools/fonts/rows.tsv,
// which tallyra-row-data writes from this table.

enum class TabPage { T1, T2, T3, T4, T5 };
constexpr int kPageCount = 5;
enum class RowColumn { FullWidth, Left, Right };
// Panel: a glyph string (numerals/TextRows.h) in a Glyfa08 family; Label:
// the Roman numeral; PaintBox: pictures; Text: Unicode text shaped in the
// row's own font (numerals/UnicodeRows.h), a family the program carries
// as the resource of type "TEXTFONT" named like the family without its
// blanks ("Tallyra Ol Chiki": TALLYRAOLCHIKI).
enum class ValueKind { Panel, Label, PaintBox, Text };

struct RowSpec {
    TabPage page;
    RowColumn column;
    const char* caption;  // UTF-8
    const char* cell;     // component name of the value cell
    ValueKind kind;
    const char* family;  // family after activation (a text row's from the start); nullptr for paint boxes
    int pixelHeight;     // font height in pixels (the em); 0 for paint boxes
    bool bold;
    int familyStep;   // place in the order activation hands out families; -1: none
    int refreshStep;  // place in the refresh's walk over the glyph rows and the Maya pictures; -1: none
};

// The geometry of a row: a caption cell, then the value cell.
constexpr int kRowHeight = 38;
constexpr int kCaptionWidth = 100;
constexpr int kPageWidth = 1104;  // the rows' width inside the page control's border
constexpr int kRightColumnWidth = 556;

constexpr int ValueCellWidth(RowColumn column)
{
    switch (column) {
    case RowColumn::FullWidth:
        return kPageWidth - kCaptionWidth;
    case RowColumn::Right:
        return kRightColumnWidth - kCaptionWidth;
    case RowColumn::Left:
        break;
    }
    return kPageWidth - kRightColumnWidth - kCaptionWidth;
}

// Page by page; on a page the full-width rows, then each column top down.
const std::vector<RowSpec>& RowsInDisplayOrder();

// The value panels in the order activation hands them their families.
const std::vector<const RowSpec*>& RowsInFamilyOrder();

// What the refresh fills, in order: every glyph-string panel, and the Maya
// pictures' paint box at its place among them.
const std::vector<const RowSpec*>& RowsInRefreshOrder();

// The row whose value cell has this name, or nullptr.
const RowSpec* FindRow(const char* cell);
