#include "DigitRows.h"

#include "Recognise.h"

#include "numerals/text/RowText.h"

#include <unicode/uchar.h>

#include <utility>

namespace recognise {
namespace {

std::u32string TextOfNumber(const std::string& cell, int n)
{
    return Decoded(rowtext::NumeralText(cell, n, std::to_string(n)));
}

std::u32string Written(const DigitRow& row, const std::string& digits)
{
    std::u32string text = row.mark;
    for (std::size_t i = 0; i < digits.size(); ++i)
        text += (i > 0 ? row.separator : std::u32string()) + row.words[digits[i] - '0'];
    return text;
}

// No word starts another: a run of words cuts only one way.
bool PrefixFree(const DigitRow& row)
{
    for (const std::u32string& a : row.words) {
        for (const std::u32string& b : row.words) {
            if (&a != &b && (a.empty() || b.compare(0, a.size(), a) == 0))
                return false;
        }
    }
    return true;
}

char32_t ScriptZero(const DigitRow& row)
{
    if (!row.mark.empty() || !row.separator.empty())
        return 0;
    const char32_t zero = row.words[0].size() == 1 ? row.words[0][0] : 0;
    for (int d = 0; d < 10; ++d) {
        const std::u32string& w = row.words[d];
        if (w.size() != 1 || w[0] != zero + static_cast<char32_t>(d)
            || u_charType(static_cast<UChar32>(w[0])) != U_DECIMAL_DIGIT_NUMBER
            || u_charDigitValue(static_cast<UChar32>(w[0])) != d)
            return 0;
    }
    return zero;
}

// The marks that group digits: blanks, the Arabic thousands separator, the
// comma, the full stop and the apostrophes.
bool IsGroupingMark(char32_t c)
{
    return c == U'\u066C' || c == U' ' || c == U'\u00A0' || c == U'\u2009' || c == U'\u202F' || c == U','
        || c == U'.' || c == U'\'' || c == U'\u2019';
}

// The groups of a grouped number, as they are read: one mark throughout,
// the first group of one to three digits, every later one of three
// (1,234,567), or, Indian grouping, two between a first of one or two and
// the last three (12,34,567). A grouped number does not begin with 0.
class Groups {
public:
    // A mark ends the group before it.
    bool mark(char32_t c)
    {
        if (size_ == 0 || (mark_ != 0 && c != mark_))
            return false;
        mark_ = c;
        if (count_ == 0)
            first_ = size_;
        else if (between_ == 0)
            between_ = size_;
        else if (size_ != between_)
            return false;
        ++count_;
        size_ = 0;
        return between_ == 0 || between_ == 2 || between_ == 3;
    }
    void digit(int value)
    {
        leadingZero_ = leadingZero_ || (count_ == 0 && size_ == 0 && value == 0);
        ++size_;
    }
    bool wellFormed() const
    {
        const std::size_t largestFirst = between_ == 2 ? 2 : 3;
        return count_ == 0 || (size_ == 3 && first_ <= largestFirst && !leadingZero_);
    }

private:
    char32_t mark_ = 0;
    std::size_t count_ = 0;    // marks so far
    std::size_t size_ = 0;     // digits since the last mark
    std::size_t first_ = 0;    // digits before the first mark
    std::size_t between_ = 0;  // digits between two marks
    bool leadingZero_ = false;
};

// The row's words from `start` to the end, between its separators.
std::string WordsFrom(const DigitRow& row, Text text, std::size_t start)
{
    std::string digits;
    std::size_t i = start;
    while (i < text.size()) {
        if (!digits.empty()) {
            if (text.compare(i, row.separator.size(), row.separator) != 0)
                return std::string();
            i += row.separator.size();
        }
        int digit = 0;
        while (digit < 10 && text.compare(i, row.words[digit].size(), row.words[digit]) != 0)
            ++digit;
        if (digit == 10)
            return std::string();
        digits += static_cast<char>('0' + digit);
        i += row.words[digit].size();
    }
    return digits;
}

bool IsDot(char32_t c)
{
    return c == U'.' || c == U'\u00B7' || c == U'\u2022' || c == U'\u2219';
}

bool IsDash(char32_t c)
{
    return c == U'-' || c == U'\u2212' || c == U'\u2013' || c == U'\u2014';
}

}  // namespace

std::optional<DigitRow> DigitRowOf(const std::string& cell)
{
    std::array<std::u32string, 10> texts;
    for (int d = 0; d < 10; ++d)
        texts[d] = TextOfNumber(cell, d);
    // The mark: what the ten texts begin with alike.
    std::size_t mark = texts[0].size();
    for (const std::u32string& t : texts) {
        std::size_t i = 0;
        while (i < mark && i < t.size() && t[i] == texts[0][i])
            ++i;
        mark = i;
    }
    DigitRow row;
    row.mark = texts[0].substr(0, mark);
    for (int d = 0; d < 10; ++d)
        row.words[d] = texts[d].substr(mark);
    const std::u32string ten = TextOfNumber(cell, 10);
    const std::size_t outer = mark + row.words[1].size() + row.words[0].size();
    if (!PrefixFree(row) || ten.size() < outer || ten.compare(0, mark, row.mark) != 0)
        return std::nullopt;
    row.separator = ten.substr(mark + row.words[1].size(), ten.size() - outer);
    for (int n : {10, 1994, 79999}) {
        if (Written(row, std::to_string(n)) != TextOfNumber(cell, n))
            return std::nullopt;
    }
    row.scriptZero = ScriptZero(row);
    return row;
}

std::string DigitsInWords(const DigitRow& row, Text text)
{
    if (text.compare(0, row.mark.size(), row.mark) != 0)
        return std::string();
    return WordsFrom(row, text, row.mark.size());
}

std::string DigitsWithoutMark(const DigitRow& row, Text text)
{
    return row.mark.empty() ? std::string() : WordsFrom(row, text, 0);
}

bool BeginsWithDotOrDash(Text text)
{
    return !text.empty() && (IsDot(text.front()) || IsDash(text.front()));
}

bool AsDotsAndDashes(Text text, std::u32string& morse)
{
    if (!BeginsWithDotOrDash(text))
        return false;
    std::u32string written;
    written.reserve(text.size());
    bool gap = false;
    for (char32_t c : text) {
        if (c == U' ' || c == U'/') {
            gap = true;
            continue;
        }
        if (gap)
            written += U' ';
        gap = false;
        written += IsDot(c) ? U'.' : IsDash(c) ? U'-' : c;
    }
    if (gap)
        written += U' ';
    if (written == text)
        return false;
    morse = std::move(written);
    return true;
}

std::optional<DecimalDigits> DecimalDigitsIn(Text text)
{
    DecimalDigits result;
    result.digits.reserve(text.size());
    Groups groups;
    for (char32_t c : text) {
        if (IsGroupingMark(c)) {
            if (!groups.mark(c))
                return std::nullopt;
            continue;
        }
        const auto u = static_cast<UChar32>(c);
        if (u_charType(u) != U_DECIMAL_DIGIT_NUMBER)
            return std::nullopt;
        const int value = u_charDigitValue(u);
        const char32_t zero = c - static_cast<char32_t>(value);
        if (zero != U'0')
            result.zero = result.zero == 0 || result.zero == zero ? zero : kMixedScripts;
        result.digits += static_cast<char>('0' + value);
        groups.digit(value);
    }
    if (result.digits.empty() || !groups.wellFormed())
        return std::nullopt;
    return result;
}

long long ValueOfDigits(const std::string& digits)
{
    long long n = 0;
    for (char d : digits)
        n = Plus(Times(n, 10), d - '0');
    return n;
}

}  // namespace recognise
