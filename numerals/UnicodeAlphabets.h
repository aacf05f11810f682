#pragma once

#include "UnicodeNumeral.h"

// Letters of an alphabet as numbers, in the order of the old Semitic
// alphabet: one letter for each digit of each place, largest first,
// nothing for an empty place, no form for 0.

// Arabic abjad numerals (the eastern values): letters for 1..900 and غ for
// 1000; 1..1999. Right to left, the letters joined as in a word.
UnicodeNumeral AbjadNumeral(int n);

// Glagolitic letters (capitals): 11..19 put the units letter before Ⰺ, as
// the Slavic words say them; Ⱍ for 1000, so 1..1999.
UnicodeNumeral GlagoliticNumeral(int n);

// Syriac letters: 100..400 have letters, 500..900 add ܬ (400) to them
// (900 = ܬܬܩ); a count of thousands is its unit letter with the oblique
// line below (U+0748); 1..9999. Right to left.
UnicodeNumeral SyriacNumeral(int n);
