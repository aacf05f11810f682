// Letters of the Semitic alphabet order as numbers: the Arabic abjad, the
// Syriac letters and the Glagolitic alphabet, one letter a place, largest
// first.

#include "Readers.h"

#include <unicode/uchar.h>

namespace recognise {
namespace {

// The abjad letters in the order of their values 1..9, 10..90, 100..900, 1000.
constexpr std::u32string_view kAbjadLetters = U"ابجدهوزحطيكلمنسعفصقرشتثخذضظغ";

// The Syriac letters 1..9, 10..90, 100..400; the oblique line below a
// letter counts it in thousands.
constexpr std::u32string_view kSyriacLetters = U"ܐܒܓܕܗܘܙܚܛܝܟܠܡܢܣܥܦܨܩܪܫܬ";
constexpr char32_t kSyriacThousands = U'\u0748';

// The Glagolitic capitals 1..9, 10..90, 100..900, 1000 (Ⱊ between 700 and
// 800 has no value); IZHE Ⰹ is ten as INITIAL IZHE Ⰺ is.
constexpr std::u32string_view kGlagoliticLetters = U"ⰀⰁⰂⰃⰄⰅⰆⰇⰈⰊⰋⰌⰍⰎⰏⰐⰑⰒⰓⰔⰕⰖⰗⰘⰙⰛⰜⰝ";
constexpr SignValue kGlagoliticVariants[] = {{U'Ⰹ', 10}};

int LetterIn(std::u32string_view letters, char32_t c)
{
    const std::size_t i = letters.find(c);
    return i == std::u32string_view::npos ? -1 : CountingLetter(i);
}

int GlagoliticValue(char32_t c)
{
    const auto upper = static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
    const int v = LetterIn(kGlagoliticLetters, upper);
    return v >= 0 ? v : ValueOf(kGlagoliticVariants, upper);
}

}  // namespace

void ReadAbjad(Text text, Numbers& numbers)
{
    FallingPlaces places;
    for (char32_t c : text) {
        if (!places.add(LetterIn(kAbjadLetters, c)))
            return;
    }
    if (!text.empty())
        numbers.push_back(places.sum);
}

// 11..19 with the units letter before the ten (ⰅⰊ = 16), as the row writes them.
void ReadGlagolitic(Text text, Numbers& numbers)
{
    const std::size_t size = text.size();
    const bool teen = size >= 2 && GlagoliticValue(text[size - 1]) == 10
        && GlagoliticValue(text[size - 2]) > 0 && GlagoliticValue(text[size - 2]) < 10;
    FallingPlaces places;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t at = teen && i + 2 >= size ? 2 * size - 3 - i : i;  // the last two swapped
        if (!places.add(GlagoliticValue(text[at])))
            return;
    }
    if (size > 0)
        numbers.push_back(places.sum);
}

// A thousands letter with its line below, then hundreds (several letters
// add up to 900, ܬܬܩ), a tens and a units letter.
void ReadSyriac(Text text, Numbers& numbers)
{
    long long sum = 0;
    int lastValue = 1000000;
    int lastPlace = 99;
    int hundreds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool thousands = i + 1 < text.size() && text[i + 1] == kSyriacThousands;
        const int letter = LetterIn(kSyriacLetters, text[i]);
        const long long v = thousands ? letter * 1000LL : letter;
        const int place = PlaceOf(v);
        hundreds += place == 2 ? letter : 0;
        if (letter < 0 || v > lastValue || (place == lastPlace && place != 2) || place > lastPlace
            || hundreds > 900 || (thousands && letter >= 10))
            return;
        sum += v;
        lastValue = static_cast<int>(v);
        lastPlace = place;
        i += thousands ? 1 : 0;
    }
    if (!text.empty())
        numbers.push_back(sum);
}

}  // namespace recognise
