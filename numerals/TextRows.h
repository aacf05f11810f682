#pragma once

#include "GlyphString.h"

#include <array>
#include <cstddef>
#include <string>

// The 54 glyph-string rows in the order the refresh fills them. The Roman
// row is not among them: its text goes to a label (RomanNumeral).

enum class RowInput { Number, Text };

struct TextRow {
    const char* cell;      // value-cell name, e.g. "P36"
    const char* caption;   // row caption, UTF-8, e.g. "Amharic", "Pékrif"
    RowInput input;        // which input the builder reads
    // The caption for the number n (0..79999) and its number text t (the
    // characters of the number field, already accepted); a row reads only
    // the input it names.
    GlyphString (*build)(int n, const std::string& t);
};

constexpr std::size_t kTextRowCount = 54;

const std::array<TextRow, kTextRowCount>& TextRowsInRefreshOrder();

// The rows before this index come before the Maya pictures in the
// refresh; the row at this index (Ionic) is the first after them.
constexpr std::size_t kMayaPicturesBefore = 21;

// The codes a row writes for numbers 0..79999 given as plain decimal text:
// its prefix, suffix and the codes its tables name. Text rows map any other
// character of the number text through their own arithmetic, outside this set.
GlyphCodes CodesUsedBy(const TextRow& row);

// The row whose value cell has this name, or nullptr.
const TextRow* FindTextRow(const std::string& cell);
