#pragma once

#include <string>
#include <string_view>
#include <vector>

// What number is this? Every way a text reads as a numeral of a row that
// the text layer writes as real text (kind unicode or partial): the very
// text the row writes for a number, and the forms people write for the
// same system (lower-case and overlined Roman numerals, Hebrew with
// gershayim, the standard Ethiopic form, Chinese financial numerals,
// decimal digits of any script with grouping marks, ...). Plain C++ with
// ICU; no Qt.
//
// A digit row (one sign or word per decimal digit) is recognised from its
// own text alone; every other row has its readers in the table of
// Recognise.cpp.

namespace recognise {

// Larger values read as this one: far beyond every number the window shows.
constexpr long long kLargestValue = 1'000'000'000'000'000;

// One way a text reads: as a numeral of a row, for a number.
struct Numeral {
    std::string cell;          // the row's value cell; empty for decimal digits no row writes (ASCII,
                               // fullwidth, or the digits of two scripts mixed)
    long long number = 0;      // 0 .. kLargestValue
    bool ownForm = false;      // the text is exactly what the row writes for the number
    bool withoutMark = false;  // the row's digits without the mark the row writes before them
                               // (Braille's digits without the number sign)
};

// Every way the text reads, each row and number once, in no particular
// order; nothing when it is no numeral. Blanks and directional marks
// around the text do not count; a full stop, comma, colon or semicolon
// after it and brackets or quotation marks around it are read as the
// sentence's punctuation ("MMXXVI.", "(1994)", "«XII»"), unless the text
// as it is reads as a numeral that ends in such a mark (Morse code's
// "....."). Ill-formed UTF-8 and unpaired surrogates
// read as U+FFFD, which no numeral contains.
std::vector<Numeral> Recognise(std::string_view utf8);
std::vector<Numeral> Recognise(std::u16string_view utf16);

}  // namespace recognise
