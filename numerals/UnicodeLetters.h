#pragma once

#include "UnicodeNumeral.h"

// Alphabetic numerals on the Greek model: one letter per decimal place, a
// zero digit writes nothing, and there is no form for 0.

// Georgian (Mkhedruli): letters up to ჵ for 10000, so 1..19999 only.
UnicodeNumeral GeorgianNumeral(int n);

// Church Slavonic (Cyrillic): 11..19 units first, a titlo over the letters
// below a thousand, ҂ before each letter that counts thousands, and a blank
// between the ten-thousands group and the rest.
UnicodeNumeral CyrillicNumeral(int n);

// Coptic: a line over the letters below a thousand, a double line over the
// letters that count thousands.
UnicodeNumeral CopticNumeral(int n);
