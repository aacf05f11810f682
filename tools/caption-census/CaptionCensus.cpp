// Writes, for each glyph-string row in refresh order, the multisets of codes
// that the row's captions take over the numbers 0..79999 typed as plain
// decimal text, keeping only those that no other multiset of the row
// contains (glyph advances are never negative, so the widest caption of a
// row is always among them). One line per multiset:
//
//   <cell>\t<code>:<count> <code>:<count> ...
//
// codes ascending, the prefix blank and any suffix included; the lines of
// a row are sorted. The font build reads this to check that the widest
// caption of each row fits its cell.

#include "numerals/TextRows.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kLargestNumber = 79999;

using Counts = std::map<unsigned char, int>;

Counts CountCodes(const GlyphString& caption)
{
    Counts counts;
    for (unsigned char c : caption)
        ++counts[c];
    return counts;
}

bool Contains(const Counts& larger, const Counts& smaller)
{
    for (const auto& [code, count] : smaller) {
        const auto found = larger.find(code);
        if (found == larger.end() || found->second < count)
            return false;
    }
    return true;
}

int Total(const Counts& counts)
{
    int total = 0;
    for (const auto& entry : counts)
        total += entry.second;
    return total;
}

// The multisets not contained in another one. A multiset can only be
// contained in one at least as large, so the largest are looked at first.
std::vector<Counts> MaximalOnly(const std::set<Counts>& all)
{
    std::vector<Counts> candidates(all.begin(), all.end());
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Counts& a, const Counts& b) { return Total(a) > Total(b); });
    std::vector<Counts> maximal;
    for (const Counts& candidate : candidates)
        if (std::none_of(maximal.begin(), maximal.end(),
                         [&](const Counts& m) { return Contains(m, candidate); }))
            maximal.push_back(candidate);
    return maximal;
}

std::string Line(const TextRow& row, const Counts& counts)
{
    std::string line = std::string(row.cell) + '\t';
    for (const auto& [code, count] : counts) {
        if (line.back() != '\t')
            line += ' ';
        line += std::to_string(code) + ':' + std::to_string(count);
    }
    return line;
}

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    for (const TextRow& row : AllTextRows()) {
        std::set<Counts> all;
        for (int n = 0; n <= kLargestNumber; ++n)
            all.insert(CountCodes(row.build(n, std::to_string(n))));
        std::set<std::string> lines;
        for (const Counts& counts : MaximalOnly(all))
            lines.insert(Line(row, counts));
        for (const std::string& line : lines)
            std::cout << line << '\n';
    }
    return std::cout.good() ? 0 : 1;
}
