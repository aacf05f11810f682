#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The readers of the numeral systems, and the pieces they share (internal
// to the recogniser). A reader adds every number a text stands for in its
// system to `numbers` (several where the system writes two numbers alike,
// nothing where the text is no numeral of it). Each reads in one pass, or
// refuses a text longer than its system's numerals can be.

namespace recognise {

using Text = std::u32string_view;
using Numbers = std::vector<long long>;
using Reader = void (*)(Text text, Numbers& numbers);

// ͵ (Greek lower numeral sign): the letters it marks count in thousands
// (Greek writes it before the letter, Coptic after the thousands).
inline constexpr char32_t kLowerNumeralSign = U'\u0375';

// ---- Roman (RomanReader.cpp) ----
void ReadRoman(Text text, Numbers& numbers);
void ReadRomanApostrophus(Text text, Numbers& numbers);

// ---- Letters with values (LetterReaders.cpp) ----
void ReadHebrew(Text text, Numbers& numbers);
void ReadGreekAlphabetic(Text text, Numbers& numbers);
void ReadArmenian(Text text, Numbers& numbers);
void ReadGothic(Text text, Numbers& numbers);
void ReadAryabhata(Text text, Numbers& numbers);

// ---- Alphabets of church books (ChurchLetterReaders.cpp) ----
void ReadGeorgian(Text text, Numbers& numbers);
void ReadCyrillic(Text text, Numbers& numbers);
void ReadCoptic(Text text, Numbers& numbers);

// ---- Signs that add up or multiply (SignReaders.cpp) ----
void ReadEgyptian(Text text, Numbers& numbers);
void ReadGreekAcrophonic(Text text, Numbers& numbers);
void ReadOldHungarian(Text text, Numbers& numbers);
void ReadEthiopic(Text text, Numbers& numbers);
void ReadChinese(Text text, Numbers& numbers);
void ReadSuzhou(Text text, Numbers& numbers);
void ReadSuzhouDigits(Text text, Numbers& numbers);
void ReadKorean(Text text, Numbers& numbers);
void ReadChineseFinancial(Text text, Numbers& numbers);
void ReadChineseEveryday(Text text, Numbers& numbers);
void ReadDaiji(Text text, Numbers& numbers);
void ReadTamilTraditional(Text text, Numbers& numbers);
void ReadMalayalamTraditional(Text text, Numbers& numbers);
void ReadTangut(Text text, Numbers& numbers);
void ReadManchu(Text text, Numbers& numbers);
void ReadMaya(Text text, Numbers& numbers);
void ReadCuneiform(Text text, Numbers& numbers);

// ---- Number signs with Unicode values (NumberSignReaders.cpp) ----
void ReadAegean(Text text, Numbers& numbers);
void ReadKharoshthi(Text text, Numbers& numbers);
void ReadBrahmiAdditive(Text text, Numbers& numbers);
void ReadCountingRods(Text text, Numbers& numbers);

// ---- Number signs with Unicode values, counted, ciphered or multiplied (SignValueReaders.cpp) ----
void ReadPhoenician(Text text, Numbers& numbers);
void ReadAramaic(Text text, Numbers& numbers);
void ReadParthian(Text text, Numbers& numbers);
void ReadSinhalaArchaic(Text text, Numbers& numbers);
void ReadMeroitic(Text text, Numbers& numbers);
void ReadRumi(Text text, Numbers& numbers);
void ReadCopticEpact(Text text, Numbers& numbers);
void ReadMende(Text text, Numbers& numbers);
void ReadKaktovik(Text text, Numbers& numbers);
void ReadMedefaidrin(Text text, Numbers& numbers);
void ReadTallyMarks(Text text, Numbers& numbers);
void ReadZhengTally(Text text, Numbers& numbers);
void ReadSumerian(Text text, Numbers& numbers);

// ---- Letters in the Semitic order (AlphabetReaders.cpp) ----
void ReadAbjad(Text text, Numbers& numbers);
void ReadGlagolitic(Text text, Numbers& numbers);
void ReadSyriac(Text text, Numbers& numbers);

// ---- Shared pieces ----

// UTF-8 to code points and back; ill-formed UTF-8 reads as U+FFFD.
std::u32string Decoded(std::string_view utf8);
std::string Encoded(Text text);

// Sums and products that stop at kLargestValue.
long long Plus(long long a, long long b);
long long Times(long long a, long long b);

struct SignValue {
    char32_t sign;
    int value;
};

// A table of signs, however long.
struct Signs {
    const SignValue* begin;
    const SignValue* end;
};

template <std::size_t N>
constexpr Signs SignsOf(const SignValue (&signs)[N])
{
    return {signs, signs + N};
}

// The value of c in the table, or -1.
int ValueOf(Signs signs, char32_t c);

template <std::size_t N>
int ValueOf(const SignValue (&signs)[N], char32_t c)
{
    return ValueOf(SignsOf(signs), c);
}

// The decimal place of a value d × 10^k (d 1..9): k.
int PlaceOf(long long value);

// A sum of terms d × 10^k (d 1..9) whose places fall from the first to
// the last: one letter a place, largest first.
struct FallingPlaces {
    long long sum = 0;
    int last = 99;  // the place of the last term
    // Adds the term, or says false when its place is not below the last.
    bool add(long long term);
};

// The value Unicode gives a number sign (general category No) of the
// block, when it is a whole number from 1; -1 for every other character.
int NumberSignValue(char32_t c, int block);

// The value of the i-th letter of an alphabet whose letters count 1..9,
// 10..90, 100..900, ...
int CountingLetter(std::size_t i);

// The same for an alphabet of `count` letters on consecutive code points
// from `first`: the value of c, or -1.
int LetterValue(char32_t c, char32_t first, int count);

}  // namespace recognise
