#include "RowNumerals.h"

#include "numerals/Roman.h"
#include "numerals/TextRows.h"
#include "numerals/UnicodeRows.h"
#include "numerals/text/RowText.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace signs {
namespace {

// A picture step as a token: its name, or a tab and the width of a gap.
constexpr char kGapMark = '\t';

using PictureBuilder = PictureSequence (*)(int);

struct PictureRow {
    const char* cell;
    PictureBuilder build;
};

constexpr PictureRow kPictureRows[] = {
    {"PB2", &KoreanPictures},
    {"PB1", &HieraticPictures},
    {"PB7", &MayaPictures},
    {"PB9", &AssyrianPictures},
};

PictureBuilder PicturesOf(const std::string& cell)
{
    for (const PictureRow& row : kPictureRows) {
        if (cell == row.cell)
            return row.build;
    }
    return nullptr;
}

Tokens CodePoints(const std::string& text)
{
    Tokens tokens;
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t at = 0; at < length;) {
        const int32_t start = at;
        U8_FWD_1(text.data(), at, length);
        tokens.push_back(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
    }
    return tokens;
}

RowFacts FactsFor(const std::string& cell)
{
    const rowtext::RowText sample = rowtext::TextOf(cell, 1, "1");  // throws for an unknown cell
    RowFacts row;
    row.cell = cell;
    row.described = sample.kind == rowtext::Kind::Described;
    row.rightToLeft = sample.direction == rowtext::Direction::RightToLeft;
    if (const TextRow* glyphs = FindTextRow(cell)) {
        row.means = Means::Codes;
        row.readsText = glyphs->input == RowInput::Text;
    } else if (PicturesOf(cell) != nullptr) {
        row.means = Means::Pictures;
    }
    row.visual = row.means != Means::Text;
    return row;
}

}  // namespace

Tokens TokensOf(const Piece& piece, Means means)
{
    Tokens tokens;
    switch (means) {
    case Means::Codes:
        tokens.reserve(piece.codes.size());
        for (char code : piece.codes)
            tokens.emplace_back(1, code);
        return tokens;
    case Means::Text:
        return CodePoints(piece.text);
    case Means::Pictures:
        for (const PictureStep& step : piece.pictures)
            tokens.push_back(step.isGap() ? kGapMark + std::to_string(step.gap) : step.picture);
        return tokens;
    }
    return tokens;
}

Piece PieceOf(const Tokens& tokens, Means means)
{
    Piece piece;
    for (const std::string& token : tokens) {
        if (means == Means::Codes)
            piece.codes += token;
        else if (means == Means::Text)
            piece.text += token;
        else if (!token.empty() && token[0] == kGapMark)
            piece.pictures.push_back({std::string(), std::stoi(token.substr(1))});
        else
            piece.pictures.push_back({token, 0});
    }
    return piece;
}

bool IsSpacing(const std::string& token)
{
    return token == " " || (!token.empty() && token[0] == kGapMark);
}

const RowFacts& FactsOf(const std::string& cell)
{
    static std::map<std::string, RowFacts> facts;
    auto it = facts.find(cell);
    if (it == facts.end())
        it = facts.emplace(cell, FactsFor(cell)).first;
    return it->second;
}

Tokens NumeralTokens(const RowFacts& row, int n, const std::string& digits)
{
    const std::string t = digits.empty() ? std::to_string(n) : digits;
    switch (row.means) {
    case Means::Codes:
        return TokensOf(Piece{FindTextRow(row.cell)->build(n, t), {}, {}}, Means::Codes);
    case Means::Pictures:
        return TokensOf(Piece{{}, {}, PicturesOf(row.cell)(n)}, Means::Pictures);
    case Means::Text:
        break;
    }
    if (row.cell == "l2")
        return CodePoints(RomanNumeral(n));
    return CodePoints(FindUnicodeRow(row.cell)->build(n).text);
}

Tokens Logical(const RowFacts& row, Tokens tokens)
{
    if (row.visual && row.rightToLeft)
        std::reverse(tokens.begin(), tokens.end());
    return tokens;
}

std::string Joined(const Tokens& tokens)
{
    std::string s;
    for (const std::string& token : tokens)
        s += token;
    return s;
}

bool StartsWith(const Tokens& tokens, const Tokens& start)
{
    return tokens.size() >= start.size() && std::equal(start.begin(), start.end(), tokens.begin());
}

bool EndsWith(const Tokens& tokens, const Tokens& end)
{
    return tokens.size() >= end.size() && std::equal(end.rbegin(), end.rend(), tokens.rbegin());
}

}  // namespace signs
