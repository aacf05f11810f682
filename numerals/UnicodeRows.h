#pragma once

#include "UnicodeNumeral.h"

#include <string>
#include <vector>

// The builders of the rows written as Unicode text, each named by its
// row's value cell. What a row is called, where it stands and which font
// draws it is the window's business (its row table).

struct UnicodeRow {
    const char* cell;  // value-cell name, e.g. "Ugujr"
    // The numeral for n (0..79999); a row reads only the number, never the
    // number text, so leading zeros and blanks typed in the field do not show.
    UnicodeNumeral (*build)(int n);
};

// Every row's builder, in no particular order.
const std::vector<UnicodeRow>& AllUnicodeRows();

// The row whose value cell has this name, or nullptr.
const UnicodeRow* FindUnicodeRow(const std::string& cell);
