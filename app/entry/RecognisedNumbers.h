#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// What the number field's text stands for. Text the number parser accepts
// keeps its meaning; any other text is read as a numeral of the rows (and
// as decimal digits of any script) by the recogniser of the core.

struct RecognisedNumber {
    std::int64_t number = 0;
    QString caption;     // the row's caption, "Braille digits" for Braille without its number sign,
                         // or "Decimal digits" or "Hexadecimal"
    QString numberText;  // what the rows that show the typed characters read: the text itself
                         // where the parser read it, the number's decimal digits otherwise
};

// Every number the text stands for, the first first: the parser's number
// alone when it accepts the text. Otherwise the numerals read: those
// written exactly as their row writes them first, then the rest; each
// part in the window's order (page by page, the full-width rows, then
// each column top down), decimal digits no row writes last, and in one
// row the smaller number first. Nothing when the text is no numeral.
// The numbers may lie outside 0..79999.
std::vector<RecognisedNumber> RecognisedNumbers(QStringView text);

// The numbers in 0..79999, in the same order: what the rows can show.
std::vector<RecognisedNumber> NumbersInRange(std::vector<RecognisedNumber> numbers);

// The caption of decimal digits that no row writes (and of the parser's
// decimal text).
QString DecimalDigitsCaption();

// What is said for a text that is no numeral.
QString NoNumeralMessage();
