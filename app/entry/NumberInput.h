#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Forgiving input for the number field. Both functions only prepare a text
// for the number parser; what is not a number stays for the parser to
// refuse.

// The text with every decimal digit of any script (Unicode category Nd:
// Arabic-Indic, Persian, Devanagari, Thai, fullwidth, ...) replaced by the
// ASCII digit of the same value; everything else kept as it is.
QString WithAsciiDigits(QStringView text);

// A text pasted into the field: white space and line breaks around it
// dropped, the blanks that group digits (space, no-break space, thin space,
// narrow no-break space between two digits) dropped, and the digits made
// ASCII as above.
QString CleanPastedNumber(QStringView text);

// The text a paste puts between `before` and `after` in the field: cleaned
// as above where the field then holds a number the parser reads, otherwise
// only without the white space around it, so that a numeral of another
// system stays as written.
QString PastedText(QStringView pasted, QStringView before, QStringView after);

// The field's text with the digits made ASCII where the parser then reads
// it as a number; otherwise the text as typed.
QString TypedText(QStringView text);

// The number one step from n, as the spin button steps: up by `delta` but
// not beyond the largest number, down but not below 0 (a number already out
// of range on the other side is left to the range check).
std::int64_t SteppedNumber(std::int64_t n, int delta);
