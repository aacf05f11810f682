#pragma once

#include "RowNumerals.h"
#include "RowShape.h"

#include <string>
#include <vector>

// The sign table as Sign by Sign keeps it, and the texts of signs and
// groups. Internal to Sign by Sign.

namespace signs {

struct TableEntry {
    Tokens tokens;            // the sign as the row writes it (in the order shown)
    bool multiplier = false;  // multiplies the sign before it (Hieratic's ten thousand)
    bool digit = false;       // one digit of a row written digit by digit
    bool mark = false;        // a sign with a role and no value
};

struct Table {
    std::vector<Sign> signs;
    std::vector<TableEntry> entries;  // beside signs, index for index
    std::string mark;                 // the mark the row's text begins with (Braille's number sign)
    int markSign = -1;                // its sign
    int prefixSign = -1;              // the sign every numeral begins with (Heyarian's end mark), or -1
    int suffixSign = -1;              // and ends with
};

const Table& TableOf(const std::string& cell);

// The text of some of a row's tokens (in logical order): the characters
// for a row written as real text, the signs' descriptions for a drawn one.
std::string TextOfTokens(const RowFacts& row, const Tokens& logical);

// The characters of some tokens of a row written as real text (in logical order).
std::string CharacterText(const RowFacts& row, const Tokens& logical);

// The signs of the table that make up the tokens (in the order shown),
// longest first; a token no sign begins with is left out.
std::vector<int> SignsIn(const Table& table, const Tokens& tokens);

// A picture row's places, most significant first: each digit with the
// value of its place.
struct PlaceDigit {
    long long digit = 0;
    long long place = 0;
};
std::vector<PlaceDigit> PictureDigits(const std::string& cell, int n);

}  // namespace signs
