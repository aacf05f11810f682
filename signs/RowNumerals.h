#pragma once

#include "SignBySign.h"

#include <string>
#include <vector>

// A row's numerals as sequences of signs, whatever the row draws them with:
// each glyph code, each character (code point) or each picture step is one
// token, so that cutting, joining and comparing work alike for every row.
// Internal to Sign by Sign.

namespace signs {

// What the row draws with.
enum class Means { Codes, Text, Pictures };

using Tokens = std::vector<std::string>;

Tokens TokensOf(const Piece& piece, Means means);
Piece PieceOf(const Tokens& tokens, Means means);

// A blank of layout (glyph code 32, a blank between words) or a gap between pictures.
bool IsSpacing(const std::string& token);

// A row's facts Sign by Sign needs, looked up once.
struct RowFacts {
    std::string cell;
    Means means = Means::Text;
    bool described = false;    // the row's text is a stand-in, its signs are drawn
    bool rightToLeft = false;  // the row's script runs right to left
    bool visual = false;       // its tokens are in the order shown (glyph codes, pictures)
    bool readsText = false;    // its builder reads the number text (leading zeros show)
};

// Throws std::out_of_range for an unknown cell.
const RowFacts& FactsOf(const std::string& cell);

// The numeral for n as the row writes it (digits: the number text; empty:
// the decimal digits of n).
Tokens NumeralTokens(const RowFacts& row, int n, const std::string& digits = std::string());

// In logical order: reversed for a row shown right to left in visual order.
Tokens Logical(const RowFacts& row, Tokens tokens);

std::string Joined(const Tokens& tokens);
bool StartsWith(const Tokens& tokens, const Tokens& start);
bool EndsWith(const Tokens& tokens, const Tokens& end);

}  // namespace signs
