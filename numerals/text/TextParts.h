#pragma once

#include "FontCharacters.h"
#include "RowText.h"

#include <functional>
#include <string>
#include <vector>

// The pieces the text layer builds a row's text from (internal to it).

namespace rowtext {

// ---- Signs (Signs.cpp) ----

// The characters of a glyph string, one per code, left to right as shown,
// the blanks of layout (code 32) left out. `complete` is false when a code
// has no character.
struct SignRun {
    std::vector<std::string> signs;
    bool complete = true;
};
SignRun SignsOf(const CodeCharacters& characters, const std::string& codes);

// Logical order: reversed for a row shown back to front, and each vowel
// sign that is drawn left of its consonant put after that consonant.
void ToLogicalOrder(std::vector<std::string>& signs, bool reversed);

// Every decimal digit of the text as the Persian digit of its value.
std::string PersianDigits(const std::string& text);

std::string Joined(const std::vector<std::string>& parts, const char* separator);

// The kind of a glyph-string row, from the characters of every code it writes.
Kind KindOfCodes(const std::string& cell);

// ISO 15924 code of the first character that belongs to a script ("Zyyy"
// when none does), and the direction of the first strong character.
std::string ScriptOf(const std::string& text);
Direction DirectionOf(const std::string& text);

// ---- Readings (Readings.cpp) ----

// "1 9 9 4": the decimal digits of a text, one by one.
std::string DigitReading(const std::string& digits);

// "5 × 360 + 9 × 20 + 14": digits most significant first with the value of
// their places; zero places are left out.
std::string PlaceReading(const std::vector<int>& digits, const std::vector<int>& placeValues);

// "4 + 90 + 900 + 1000": the places of a tally written from the units up.
std::string TallyReading(const std::string& digits);

// The digits of n in the radix, most significant first (0 gives one digit).
std::vector<int> DigitsIn(int n, int radix);

// The place values of `count` places in the radix, most significant first.
std::vector<int> PowersOf(int radix, std::size_t count);

// The units a group reading cuts a number by: decimal places, the Sumerian
// units (36000, 3600, 600, 60, 10, 1) or the fives of a tally.
enum class Units { Decimal, Sumerian, Fives };

// "M + CM + XC + IV = 1000 + 900 + 90 + 4": n cut into parts by the units,
// each part written by textOf, when the parts' texts joined give the text
// of n (largest part first, or smallest first); otherwise the number.
// A part after the first is written by `inside` where given (the Chinese
// row writes 10 alone as 十, after a hundred as 一十).
std::string GroupReading(int n, const std::function<std::string(int)>& textOf, const char* separator,
                         Units units = Units::Decimal, const std::function<std::string(int)>& inside = {});

// ---- Stand-ins of the rows Unicode does not encode (StandIns.cpp) ----

std::string LabelledDigits(const std::string& digits, const char* label);
std::string InRadix(int n, int radix);                    // "7CA (base 16)"
std::string DniDigits(int n);                             // "3·4·19 (base 25)"
std::string DozenalInBrackets(int n);                     // "(11↊2)"
std::string CountingHands(const std::string& digits);     // "1994 as counting hands: ..."
std::string SemaphoreLetters(const std::string& digits);  // "A I I D"
std::string TallyByPlaces(const std::string& digits);     // "4 units, 9 tens, ..."
std::string BarPattern(const std::string& codes, std::size_t digitCount);
std::string MayaDotsAndBars(int n);  // "𝋤𝋳𝋮 (4·19·14)"

}  // namespace rowtext

namespace rowtext {

// ---- Picture rows (PictureText.cpp) ----

// Korean: the Hangul syllable of every picture.
std::string KoreanText(int n);

// A picture row cut into its places, most significant first: each place's
// characters and value.
struct PicturePlace {
    std::string text;
    int value = 0;
};
std::vector<PicturePlace> MayaPlaces(int n);
std::vector<PicturePlace> AssyrianPlaces(int n);

// The value of each place the pictures write, most significant first: the
// number the pictures write as a single 1 in that place (each a multiple of
// the one below it).
using PlacesFunction = std::vector<PicturePlace> (*)(int n);
std::vector<int> PlaceValuesOf(PlacesFunction placesOf);

// Hieratic: the value of every sign, "4 × 10000" for a count sign with the
// ten-thousand sign after it.
std::vector<std::string> HieraticTerms(int n);

}  // namespace rowtext
