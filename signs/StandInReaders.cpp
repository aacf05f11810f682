#include "StandInReaders.h"

#include <unicode/utf8.h>

#include <algorithm>

// How each stand-in tells the number, read by readers that know only that:
// digits with a label, digits in another base, words per digit, a tally by
// places, the hieratic signs' values.

namespace signs {
namespace {

using Text = std::u32string;
using Reader = StandInRead;
constexpr int kBad = -1;

// One word per digit, most significant first, in the radix words.size():
// words[d] is the word of d.
Reader DigitWords(const std::vector<Text>& words, const Text& separator)
{
    return [words, separator](const Text& text) {
        int n = 0;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(separator, start), text.size());
            const auto it = std::find(words.begin(), words.end(), text.substr(start, end - start));
            if (it == words.end())
                return kBad;
            n = n * static_cast<int>(words.size()) + static_cast<int>(it - words.begin());
            start = end + separator.size();
        }
        return n;
    };
}

const Text kDecimal = U"0123456789";
const Text kMayanNumerals =
    U"𝋠𝋡𝋢𝋣𝋤𝋥𝋦𝋧𝋨𝋩𝋪𝋫𝋬𝋭𝋮𝋯𝋰𝋱𝋲𝋳";  // 0 to 19

// Digits of the radix digits.size(), most significant first, no leading zero.
Reader InRadix(const Text& digits)
{
    return [digits](const Text& text) {
        if (text.empty() || (text.size() > 1 && text[0] == digits[0]))
            return kBad;
        int n = 0;
        for (char32_t c : text) {
            const std::size_t d = digits.find(c);
            if (d == Text::npos)
                return kBad;
            n = n * static_cast<int>(digits.size()) + static_cast<int>(d);
        }
        return n;
    };
}

// The part of the text between a fixed start and a fixed end.
Reader Around(const Text& start, const Text& end, const Reader& inner)
{
    return [=](const Text& text) {
        if (text.size() < start.size() + end.size() || text.compare(0, start.size(), start) != 0
            || text.compare(text.size() - end.size(), end.size(), end) != 0)
            return kBad;
        return inner(text.substr(start.size(), text.size() - start.size() - end.size()));
    };
}

Reader Labelled(const Text& label, const Text& digits = kDecimal)
{
    return Around(U"", U" (" + label + U")", InRadix(digits));
}

// Two parts around `middle` that both give the number.
Reader Agreeing(const Text& middle, const Reader& first, const Reader& second)
{
    return [=](const Text& text) {
        const std::size_t at = text.find(middle);
        const int n = at == Text::npos ? kBad : first(text.substr(0, at));
        return n != kBad && n == second(text.substr(at + middle.size())) ? n : kBad;
    };
}

// "0", "1", ... "24": the digits of a radix above ten as decimal numbers.
std::vector<Text> NumberWords(int radix)
{
    std::vector<Text> words;
    for (int d = 0; d < radix; ++d) {
        const std::string word = std::to_string(d);
        words.emplace_back(word.begin(), word.end());
    }
    return words;
}

// Semaphore in numeral mode: A..I are 1..9, K is 0.
const std::vector<Text> kSemaphore = {U"K", U"A", U"B", U"C", U"D", U"E", U"F", U"G", U"H", U"I"};

// A counting hand shows up to five fingers; six to nine are a full hand and more.
const std::vector<Text> kHands = {U"0", U"1", U"2", U"3", U"4", U"5", U"5 + 1", U"5 + 2", U"5 + 3", U"5 + 4"};

// POSTNET's five bars per digit (two tall, weights 7 4 2 1 0, 0 as 7 + 4), tall
// and short swapped and the bars in reverse order; 1 is a bar in the pattern.
const std::vector<Text> kPostCode = {U"11100", U"00111", U"01011", U"10011", U"01101",
                                     U"10101", U"11001", U"01110", U"10110", U"11010"};

constexpr int kPlaceValues[] = {1, 10, 100, 1000, 10000};

// Heyarian: "4 units, 9 tens, 9 hundreds, 1 thousand", the places from the
// units up, the places of a 0 left out.
int ReadTallyByPlaces(const Text& text)
{
    static const std::vector<Text> names = {U"unit", U"ten", U"hundred", U"thousand", U"ten thousand"};
    if (text == U"0 units")
        return 0;
    int n = 0;
    std::size_t place = 0;
    for (std::size_t start = 0; start <= text.size(); ++place) {
        const std::size_t end = std::min(text.find(U", ", start), text.size());
        const Text part = text.substr(start, end - start);
        const int d = part.size() > 2 && part[1] == U' ' ? static_cast<int>(part[0]) - U'0' : 0;
        if (d < 1 || d > 9)
            return kBad;
        while (place < names.size() && part.substr(2) != names[place] + (d == 1 ? U"" : U"s"))
            ++place;
        if (place == names.size())
            return kBad;
        n += d * kPlaceValues[place];
        start = end + 2;
    }
    return n;
}

// Hieratic: one sign per decimal place, largest first ("6000", "300"), the
// ten-thousands as a count ("4 × 10000").
int ReadHieraticSigns(const Text& text)
{
    const Text label = U"hieratic signs ";
    if (text.empty() || text.compare(0, label.size(), label) != 0)
        return text.empty() ? 0 : kBad;
    int n = 0;
    std::size_t previous = 5;
    for (std::size_t start = label.size(); start <= text.size();) {
        const std::size_t end = std::min(text.find(U" + ", start), text.size());
        const Text term = text.substr(start, end - start);
        const int d = term.empty() ? 0 : static_cast<int>(term[0]) - U'0';
        const Text rest = term.substr(std::min<std::size_t>(1, term.size()));
        const std::size_t place = rest == U" × 10000" ? 4 : rest == Text(rest.size(), U'0') ? rest.size() : 5;
        if (d < 1 || d > 9 || place >= previous)
            return kBad;
        n += d * kPlaceValues[place];
        previous = place;
        start = end + 3;
    }
    return n;
}

}  // namespace

const std::vector<StandInReader>& StandInReaders()
{
    static const std::vector<StandInReader> rows = {
        {"P26",
         Agreeing(U" as counting hands: ", InRadix(kDecimal),
                  Around(U"", U" fingers", DigitWords(kHands, U"; ")))},
        {"P39", &ReadTallyByPlaces},
        {"P22",
         Agreeing(U" (", InRadix(kMayanNumerals), Around(U"", U")", DigitWords(NumberWords(20), U"\u00B7")))},
        {"P7", DigitWords(kSemaphore, U" ")},
        {"P29", Labelled(U"staff numerals")},
        {"P8", Labelled(U"Ath digits")},
        {"P35", Labelled(U"dancing-men figures")},
        {"P23", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P31", Around(U"", U" (base 25)", DigitWords(NumberWords(25), U"\u00B7"))},
        {"P13", Labelled(U"base 2", U"01")},
        {"P49", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P48", Labelled(U"base 16", U"0123456789ABCDEF")},
        {"P10", Labelled(U"Futurama digits")},
        {"P18", Around(U"[", U"]", InRadix(kDecimal))},
        {"PB1", &ReadHieraticSigns},
        {"P30", Labelled(U"Klingon digits")},
        {"P19", Labelled(U"Narn digits")},
        {"P9", Labelled(U"decimal")},
        {"P4", Around(U"(", U")", InRadix(U"0123456789\u218A\u218B"))},  // dozenal, ↊ and ↋ for 10 and 11
        {"P67", DigitWords(kPostCode, U" ")},
        {"P45", Labelled(U"base 4", U"0123")},
        {"P57", Labelled(U"SpaceKees digits")},
        {"P20", Labelled(U"Stargate digits")},
        {"P21", Labelled(U"Tenctonese digits")},
        {"P17", Labelled(U"Zentlardy digits")},
    };
    return rows;
}

std::u32string Decoded(const std::string& utf8)
{
    std::u32string text;
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(utf8.data(), i, length, c);
        text += static_cast<char32_t>(c);
    }
    return text;
}

int ReadStandIn(const std::string& cell, const std::string& utf8)
{
    for (const StandInReader& row : StandInReaders()) {
        if (cell == row.cell)
            return row.read(Decoded(utf8));
    }
    return -1;
}

}  // namespace signs
