#pragma once

#include "pictures/PictureNumerals.h"

#include <string>
#include <vector>

// Sign by Sign: one row's numeral cut into the groups its reading names,
// every sign its system writes with its value, and what a numeral composed
// of those signs reads as. No Qt: the view draws each piece with the row's
// own means (its glyph font, its text font or its pictures).
//
// A row is named by its value cell, as everywhere else ("P28", "l2", "PB7",
// "Ugeor" ...).

namespace signs {

// A piece of a numeral in the row's own signs, as the row's value cell
// draws it. Which member is set follows the row's kind: glyph codes for a
// glyph-string row (numerals/TextRows.h), UTF-8 text in logical order for
// the Roman label and the text rows, pictures for a picture row.
struct Piece {
    std::string codes;
    std::string text;
    PictureSequence pictures;

    bool empty() const { return codes.empty() && text.empty() && pictures.empty(); }
};

// One group of a numeral: a run of one sign, one letter with its marks, a
// digit with its power, or one digit of a place-value system.
struct Group {
    Piece piece;          // the group in the row's signs
    std::string text;     // the group as real text, or its description for a drawn row
    long long value = 0;  // what the group stands for: digit × place in a place-value system
    long long digit = 0;  // a place-value system's digit (0 elsewhere)
    long long place = 0;  // a place-value system's place value (0 elsewhere)
};

// How the groups' values make the number: added up, or each a digit times
// its place ("2 × 15625 + 24 × 625 + 4 × 25 + 13").
enum class Combine { Sum, Places };

struct Breakdown {
    std::vector<Group> groups;  // in logical order: the order the row writes them
    Combine combine = Combine::Sum;
    bool rightToLeft = false;  // lay the groups out right to left
    bool noForm = false;       // no groups: the system has no form for the number
    std::string whatIsSaid;    // with noForm: what is said instead (the text layer's words)
};

// The number n (0..79999) cut into its groups. The groups' pieces joined
// are the row's numeral for n; their values combine to n.
Breakdown BreakdownOf(const std::string& cell, int n);

// A sign of the system: a sign with a value, or a mark with a role and no
// value of its own (Braille's number sign, Roman's thousands mark, the
// Hebrew geresh ...).
struct Sign {
    Piece piece;
    std::string text;     // the sign's Unicode text, or its description for a drawn sign
    long long value = 0;  // with an empty role
    std::string role;     // empty for a sign with a value; else e.g. "number sign", "marks thousands"
};

// Every sign the row writes for some number 0..79999, in value order, the
// marks after the signs. Throws std::out_of_range for an unknown cell.
const std::vector<Sign>& SignTable(const std::string& cell);

// A numeral composed from the sign table, sign by sign.
struct Composed {
    enum class Status { Empty, Number, NoNumeral, BeyondRange };
    Status status = Status::Empty;
    long long number = 0;  // with Status::Number (0..79999)
    bool ownForm = false;  // with Status::Number: the signs are exactly the row's numeral for it
    Piece piece;           // the composed signs, to draw
    std::string text;      // as real text (or the drawn signs' descriptions)
};

// What the signs (indices into SignTable(cell)), in the order pressed, read
// as in this row's system: the same readers that read typed text for a
// row written as real text, the inverse of the row's builder for a drawn one.
Composed Compose(const std::string& cell, const std::vector<int>& signIndices);

// The signs of n's numeral (indices into SignTable(cell)) in the order the
// row writes them: composed in this order, they read as n.
std::vector<int> NumeralSigns(const std::string& cell, int n);

}  // namespace signs
