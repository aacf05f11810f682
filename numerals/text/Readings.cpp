#include "TextParts.h"

#include <algorithm>
#include <array>

namespace rowtext {
namespace {

// Ways of cutting a number into parts, each a list of decimal place
// values: a part holds the digits from its place up to the next larger one.
// Rows write a place alone (Roman, Kanji), the thousands as one count
// (Hungar.Runes), the tens and units together (Hebrew 15 and 16) or the
// hundreds as one count (Sanskrit).
using Cut = std::array<int, 6>;
constexpr std::array<Cut, 6> kCuts{{
    {10000, 1000, 100, 10, 1, 0},
    {1000, 100, 10, 1, 0, 0},
    {10000, 1000, 100, 1, 0, 0},
    {1000, 100, 1, 0, 0, 0},
    {10000, 100, 10, 1, 0, 0},
    {10000, 100, 1, 0, 0, 0},
}};
// The Sumerian units, bases 10 and 6 alternating; the fives of a tally.
constexpr std::array<Cut, 1> kSumerianCuts{{{36000, 3600, 600, 60, 10, 1}}};
constexpr std::array<Cut, 1> kFivesCuts{{{5, 1, 0, 0, 0, 0}}};

std::vector<int> PartsOf(int n, const Cut& cut)
{
    std::vector<int> parts;
    int rest = n;
    for (int place : cut) {
        if (place == 0)
            break;
        const int part = rest / place * place;
        if (part > 0)
            parts.push_back(part);
        rest -= part;
    }
    return parts;
}

std::string PlusJoined(const std::vector<std::string>& terms)
{
    return Joined(terms, " + ");
}

}  // namespace

std::vector<std::vector<int>> DecimalCuts(int n)
{
    std::vector<std::vector<int>> cuts;
    for (const auto& cut : kCuts)
        cuts.push_back(PartsOf(n, cut));
    return cuts;
}

std::string DigitReading(const std::string& digits)
{
    std::string s;
    for (char c : digits) {
        if (!s.empty())
            s += ' ';
        s += c;
    }
    return s;
}

std::string TallyReading(const std::string& digits)
{
    std::vector<std::string> terms;
    int place = 1;
    for (auto c = digits.rbegin(); c != digits.rend() && place <= 10000; ++c, place *= 10) {
        if (*c != '0')
            terms.push_back(std::to_string((*c - '0') * place));
    }
    return terms.empty() ? std::string("0") : PlusJoined(terms);
}

std::vector<int> DigitsIn(int n, int radix)
{
    std::vector<int> digits;
    do {
        digits.insert(digits.begin(), n % radix);
        n /= radix;
    } while (n > 0);
    return digits;
}

std::vector<int> PowersOf(int radix, std::size_t count)
{
    std::vector<int> powers(count, 1);
    for (std::size_t i = count - 1; i > 0; --i)
        powers[i - 1] = powers[i] * radix;
    return powers;
}

std::string PlaceReading(const std::vector<int>& digits, const std::vector<int>& placeValues)
{
    std::vector<std::string> terms;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (digits[i] == 0)
            continue;
        const int place = placeValues[i];
        terms.push_back(place == 1 ? std::to_string(digits[i])
                                   : std::to_string(digits[i]) + " × " + std::to_string(place));
    }
    return terms.empty() ? "0" : PlusJoined(terms);
}

std::string GroupReading(int n, const std::function<std::string(int)>& textOf, const char* separator,
                         Units units, const std::function<std::string(int)>& inside)
{
    const std::string whole = textOf(n);
    if (whole.empty())
        return std::string();
    const Cut* first = units == Units::Sumerian ? kSumerianCuts.begin()
        : units == Units::Fives                 ? kFivesCuts.begin()
                                                : kCuts.begin();
    const Cut* last = units == Units::Sumerian ? kSumerianCuts.end()
        : units == Units::Fives                ? kFivesCuts.end()
                                               : kCuts.end();
    for (const Cut* c = first; c != last; ++c) {
        const Cut& cut = *c;
        const std::vector<int> parts = PartsOf(n, cut);
        std::vector<std::string> texts;
        std::vector<std::string> values;
        for (int part : parts) {
            texts.push_back(texts.empty() || !inside ? textOf(part) : inside(part));
            values.push_back(std::to_string(part));
        }
        if (Joined(texts, separator) == whole)
            return PlusJoined(texts) + " = " + PlusJoined(values);
        std::reverse(texts.begin(), texts.end());
        std::reverse(values.begin(), values.end());
        if (Joined(texts, separator) == whole)
            return PlusJoined(texts) + " = " + PlusJoined(values);
    }
    return std::to_string(n);
}

}  // namespace rowtext
