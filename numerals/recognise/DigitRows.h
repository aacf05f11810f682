#pragma once

#include "Readers.h"

#include <array>
#include <optional>
#include <string>

// Rows that write each decimal digit as one sign or word, found from their
// own text, and decimal digits of any script (internal to the recogniser).

namespace recognise {

struct DigitRow {
    std::u32string mark;       // before the digits (Braille's number sign)
    std::u32string separator;  // between the digits' words (Morse code's blank)
    std::array<std::u32string, 10> words;
    // The zero of the row's script when each word is one decimal digit
    // (Unicode Nd) of it, with no mark or separator; 0 otherwise.
    char32_t scriptZero = 0;
};

// The row's digits, when its texts of 0..9, 10, 1994 and 79999 show it
// writes one word a digit; nullopt for every other row.
std::optional<DigitRow> DigitRowOf(const std::string& cell);

// The decimal digits (ASCII) a text writes in the row's words, or "".
std::string DigitsInWords(const DigitRow& row, Text text);

// The same for the words without the row's mark before them (Braille's
// digits a..j without the number sign); "" for a row without a mark.
std::string DigitsWithoutMark(const DigitRow& row, Text text);

// Morse code as it is also written: the dots · • ∙ and the dashes − – —
// made . and -, and a gap between letters (several blanks, a slash with or
// without blanks) one blank. False, and `morse` untouched, where the text
// does not begin with a dot or a dash or is written so already.
bool AsDotsAndDashes(Text text, std::u32string& morse);

// Whether the text begins with a dot or a dash as above (Morse code, and
// the numeral dots of Cyrillic).
bool BeginsWithDotOrDash(Text text);

// Decimal digits of any script, ASCII digits among them, grouped in
// thousands (or the Indian way) by one mark between the groups (U+066C,
// space, no-break, thin and narrow no-break space, comma, full stop,
// apostrophe, U+2019): their ASCII digits and the zero of the one other
// script among them (0: ASCII only; kMixedScripts: several). A mark before
// fewer or more digits than a group holds makes them no number (3.5, 1,5).
struct DecimalDigits {
    std::string digits;
    char32_t zero = 0;
};
constexpr char32_t kMixedScripts = 0xFFFFFFFF;
std::optional<DecimalDigits> DecimalDigitsIn(Text text);

// The value of decimal digits, kLargestValue at most.
long long ValueOfDigits(const std::string& digits);

}  // namespace recognise
