#pragma once

#include "UnicodeNumeral.h"

// Positional decimal numerals in Unicode characters, most significant
// digit first, no leading zeros, 0 as one zero sign.

// The scripts whose ten digits are consecutive characters from their zero
// (Gujarati, Myanmar, Adlam, ...): digit d is zero + d.
UnicodeNumeral DecimalDigits(int n, char32_t zero);

// Chinese counting rods: the units, hundreds and ten-thousands in the unit
// forms (lying rods, as Unicode and the fonts draw them after the Song
// convention), the tens and thousands in the tens forms (upright rods), an
// empty place as the ideographic zero 〇.
UnicodeNumeral CountingRodNumeral(int n);

// Base 20 from a zero sign: digit d (0..19) is zero + d, most significant
// first (Kaktovik, Medefaidrin).
UnicodeNumeral VigesimalDigits(int n, char32_t zero);
