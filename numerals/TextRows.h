#pragma once

#include "GlyphString.h"

#include <string>
#include <vector>

// The builders of the glyph-string rows, each named by its row's value cell.
// What a row is called, where it stands and when the window fills it is the
// window's business (its row table). The Roman row is not among these: its
// text goes to a label (RomanNumeral).

enum class RowInput { Number, Text };

struct TextRow {
    const char* cell;  // value-cell name, e.g. "P36"
    RowInput input;    // which input the builder reads
    // The caption for the number n (0..79999) and its number text t (the
    // characters of the number field, already accepted); a row reads only
    // the input it names.
    GlyphString (*build)(int n, const std::string& t);
};

// Every row's builder, in no particular order.
const std::vector<TextRow>& AllTextRows();

// The codes a row writes for numbers 0..79999 given as plain decimal text:
// its prefix, suffix and the codes its tables name. Text rows map any other
// character of the number text through their own arithmetic, outside this set.
GlyphCodes CodesUsedBy(const TextRow& row);

// The row whose value cell has this name, or nullptr.
const TextRow* FindTextRow(const std::string& cell);
