#include "Readers.h"
#include "Recognise.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cmath>

namespace recognise {

std::u32string Decoded(std::string_view utf8)
{
    std::u32string text;
    text.reserve(utf8.size());
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(utf8.data(), i, length, c);
        text += static_cast<char32_t>(c < 0 ? 0xFFFD : c);
    }
    return text;
}

std::string Encoded(Text text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (char32_t c : text) {
        uint8_t bytes[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(c));
        utf8.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
    }
    return utf8;
}

long long Plus(long long a, long long b)
{
    return a >= kLargestValue - b ? kLargestValue : a + b;
}

long long Times(long long a, long long b)
{
    return a != 0 && b >= kLargestValue / a ? kLargestValue : a * b;
}

int ValueOf(Signs signs, char32_t c)
{
    for (const SignValue* s = signs.begin; s != signs.end; ++s) {
        if (s->sign == c)
            return s->value;
    }
    return -1;
}

int PlaceOf(long long value)
{
    int place = 0;
    for (; value >= 10; value /= 10)
        ++place;
    return place;
}

bool FallingPlaces::add(long long term)
{
    const int place = PlaceOf(term);
    if (term <= 0 || place >= last)
        return false;
    sum = Plus(sum, term);
    last = place;
    return true;
}

int NumberSignValue(char32_t c, int block)
{
    const auto u = static_cast<UChar32>(c);
    if (ublock_getCode(u) != block || u_charType(u) != U_OTHER_NUMBER)
        return -1;
    const double value = u_getNumericValue(u);
    return value >= 1 && value == std::floor(value) ? static_cast<int>(value) : -1;
}

int CountingLetter(std::size_t i)
{
    int power = 1;
    for (std::size_t k = 0; k < i / 9; ++k)
        power *= 10;
    return static_cast<int>(i % 9 + 1) * power;
}

int LetterValue(char32_t c, char32_t first, int count)
{
    return c >= first && c < first + static_cast<char32_t>(count) ? CountingLetter(c - first) : -1;
}

}  // namespace recognise
