// Writes, for each glyph-string row in refresh order, every distinct
// multiset of codes that the row's captions take over the numbers 0..79999
// typed as plain decimal text, one line per multiset:
//
//   <cell>\t<code>:<count> <code>:<count> ...
//
// codes ascending, the prefix blank and any suffix included; the lines of
// a row are sorted. The font build reads this to check that the widest
// caption of each row fits its cell.

#include "numerals/TextRows.h"

#include <array>
#include <iostream>
#include <set>
#include <string>

namespace {

constexpr int kLargestNumber = 79999;

std::string MultisetLine(const TextRow& row, const GlyphString& caption)
{
    std::array<int, 256> counts{};
    for (unsigned char c : caption)
        ++counts[c];
    std::string line = row.cell;
    line += '\t';
    bool first = true;
    for (std::size_t code = 0; code < counts.size(); ++code) {
        if (counts[code] == 0)
            continue;
        if (!first)
            line += ' ';
        line += std::to_string(code) + ':' + std::to_string(counts[code]);
        first = false;
    }
    return line;
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    for (const TextRow& row : TextRowsInRefreshOrder()) {
        std::set<std::string> lines;
        for (int n = 0; n <= kLargestNumber; ++n)
            lines.insert(MultisetLine(row, row.build(n, std::to_string(n))));
        for (const std::string& line : lines)
            std::cout << line << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
