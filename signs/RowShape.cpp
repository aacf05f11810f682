#include "RowShape.h"

#include <algorithm>
#include <map>

namespace signs {
namespace {

// Numbers whose numerals show a row's frame: every digit alone, and some
// longer numerals.
constexpr int kFrameSamples[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100, 1994, 46363, 79999};

std::size_t CommonPrefix(const Tokens& a, const Tokens& b)
{
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

std::size_t CommonSuffix(const Tokens& a, const Tokens& b)
{
    return static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first
                                    - a.rbegin());
}

void FindFrame(const RowFacts& row, RowShape& shape)
{
    std::vector<Tokens> samples;
    for (int n : kFrameSamples) {
        Tokens numeral = NumeralTokens(row, n);
        if (!numeral.empty())
            samples.push_back(std::move(numeral));
    }
    std::size_t prefix = samples.front().size();
    std::size_t suffix = samples.front().size();
    std::size_t shortest = samples.front().size();
    for (const Tokens& sample : samples) {
        prefix = std::min(prefix, CommonPrefix(samples.front(), sample));
        suffix = std::min(suffix, CommonSuffix(samples.front(), sample));
        shortest = std::min(shortest, sample.size());
    }
    suffix = std::min(suffix, shortest - std::min(prefix, shortest));
    const Tokens& first = samples.front();
    shape.prefix.assign(first.begin(), first.begin() + static_cast<std::ptrdiff_t>(prefix));
    shape.suffix.assign(first.end() - static_cast<std::ptrdiff_t>(suffix), first.end());
}

// Digit d of a row written digit by digit: the numeral of d without its
// frame; for Maya's pictures, the last place of it.
Tokens DigitTokens(const RowFacts& row, const RowShape& shape, int d)
{
    const Tokens body = Body(shape, NumeralTokens(row, d));
    if (!shape.placePictures)
        return body;
    auto start = body.end();
    while (start != body.begin() && !IsPlaceGap(body, *(start - 1)))
        --start;
    return Tokens(start, body.end());
}

// What stands between two digits: the numeral of the radix (digits 1 and
// 0) without the two digits.
Tokens SeparatorOf(const RowFacts& row, const RowShape& shape)
{
    const Tokens ten = Body(shape, NumeralTokens(row, shape.radix));
    const Tokens& one = shape.digits[1];
    const Tokens& zero = shape.digits[0];
    for (const auto& [left, right] : {std::pair(&one, &zero), std::pair(&zero, &one)}) {
        if (ten.size() >= left->size() + right->size() && StartsWith(ten, *left) && EndsWith(ten, *right))
            return Tokens(ten.begin() + static_cast<std::ptrdiff_t>(left->size()),
                          ten.end() - static_cast<std::ptrdiff_t>(right->size()));
    }
    return {};
}

RowShape ShapeFor(const RowFacts& row)
{
    RowShape shape;
    shape.rule = rowtext::ReadingRuleOf(row.cell);
    shape.placePictures = row.means == Means::Pictures && shape.rule.kind == rowtext::ReadingKind::Places;
    if (row.means != Means::Text)  // a text has no blanks of layout; its marks belong to its letters
        FindFrame(row, shape);
    const bool positional =
        shape.rule.kind == rowtext::ReadingKind::Digits || shape.rule.kind == rowtext::ReadingKind::Places;
    const bool maya = row.cell == "PB7";
    shape.byDigits = positional && (row.means == Means::Codes || maya);
    if (!shape.byDigits)
        return shape;
    shape.radix = maya ? 20 : shape.rule.radix;
    for (int d = 0; d < shape.radix; ++d)
        shape.digits.push_back(DigitTokens(row, shape, d));
    shape.separator = maya ? shape.suffix : SeparatorOf(row, shape);  // Maya: the gap every place ends with
    return shape;
}

}  // namespace

const RowShape& ShapeOf(const RowFacts& row)
{
    static std::map<std::string, RowShape> shapes;
    auto it = shapes.find(row.cell);
    if (it == shapes.end())
        it = shapes.emplace(row.cell, ShapeFor(row)).first;
    return it->second;
}

bool HasFrame(const RowShape& shape, const Tokens& numeral)
{
    return StartsWith(numeral, shape.prefix) && EndsWith(numeral, shape.suffix)
        && numeral.size() >= shape.prefix.size() + shape.suffix.size();
}

Tokens Body(const RowShape& shape, const Tokens& numeral)
{
    if (!HasFrame(shape, numeral))
        return numeral;
    return Tokens(numeral.begin() + static_cast<std::ptrdiff_t>(shape.prefix.size()),
                  numeral.end() - static_cast<std::ptrdiff_t>(shape.suffix.size()));
}

Tokens Signs(const Tokens& tokens)
{
    Tokens signs;
    for (const std::string& token : tokens) {
        if (!IsSpacing(token))
            signs.push_back(token);
    }
    return signs;
}

bool IsPlaceGap(const Tokens& numeral, const std::string& token)
{
    if (token.empty() || token[0] != '\t')
        return false;
    int widest = 0;
    for (const std::string& t : numeral) {
        if (!t.empty() && t[0] == '\t')
            widest = std::max(widest, std::stoi(t.substr(1)));
    }
    return std::stoi(token.substr(1)) == widest;
}

}  // namespace signs
