#pragma once

#include "UnicodeNumeral.h"

// Positional decimal numerals in Unicode characters, most significant
// digit first, no leading zeros, 0 as one zero sign.

// The scripts whose ten digits are consecutive characters from their zero
// (Gujarati, Myanmar, Adlam, ...): digit d is zero + d.
UnicodeNumeral DecimalDigits(int n, char32_t zero);

// Chinese decimal numerals: each digit as its ideograph, 〇 for zero and
// no power characters (2026 = 二〇二六).
UnicodeNumeral ChineseDecimalNumeral(int n);

// Suzhou (Hangzhou) digits place by place, 〇 for zero; a 1, 2 or 3 right
// after an upright 〡, 〢 or 〣 is written lying (一, 二, 三), and the one
// after that upright again (12 = 〡二, 123 = 〡二〣, 1123 = 〡一〢三).
UnicodeNumeral SuzhouDigitNumeral(int n);

// Chinese counting rods: the units, hundreds and ten-thousands in the unit
// forms (lying rods, as Unicode and the fonts draw them after the Song
// convention), the tens and thousands in the tens forms (upright rods), an
// empty place as the ideographic zero 〇.
UnicodeNumeral CountingRodNumeral(int n);

// Base 20 from a zero sign: digit d (0..19) is zero + d, most significant
// first (Kaktovik, Medefaidrin).
UnicodeNumeral VigesimalDigits(int n, char32_t zero);
