#pragma once

#include "RowNumerals.h"

#include "numerals/text/RowText.h"

#include <vector>

// How a row's numerals are built from signs, found from the row's own
// numerals: the frame every numeral has (the blank of layout, Heyarian's
// end marks, Gorwelion's brackets), and for a row written one sign per
// digit the signs of its digits. Internal to Sign by Sign.

namespace signs {

struct RowShape {
    rowtext::ReadingRule rule;
    Tokens prefix;  // what every numeral begins with (in the row's own order)
    Tokens suffix;  // and ends with
    // A row written digit by digit (its reading names digits or places)
    // whose digits may take more than one token: digits[d] is digit d's
    // tokens, and separator what stands between two digits.
    bool byDigits = false;
    int radix = 10;
    std::vector<Tokens> digits;
    Tokens separator;
    bool placePictures = false;  // pictures cut at the gaps between places (Maya, Assyrian)
};

const RowShape& ShapeOf(const RowFacts& row);

bool HasFrame(const RowShape& shape, const Tokens& numeral);

// The numeral without its frame (when it has it).
Tokens Body(const RowShape& shape, const Tokens& numeral);

// The tokens that are not spacing.
Tokens Signs(const Tokens& tokens);

// The width of the gaps between places: the widest gap of a numeral.
bool IsPlaceGap(const Tokens& numeral, const std::string& token);

}  // namespace signs
