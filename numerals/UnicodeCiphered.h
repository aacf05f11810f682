#pragma once

#include "UnicodeNumeral.h"

// Ciphered numerals: one sign for each multiple of each unit, the largest
// first, nothing for an empty place; no form for 0.

// Coptic epact numbers: signs for 1..9, 10..90, 100..900; the count of
// thousands in the same signs, each followed by the combining THOUSANDS
// MARK (46363 = 40ᵐ 6ᵐ 300 60 3).
UnicodeNumeral CopticEpactNumeral(int n);

// Meroitic cursive: a sign for every multiple of 1, 10, ... 10000. Unicode
// has none for 80 and 90, so a number whose tens digit is 8 or 9 has no
// form. Right to left: stored largest first.
UnicodeNumeral MeroiticNumeral(int n);

// Rumi (Fez) numerals: signs for 1..9, 10..90, 100..900; 1..999.
UnicodeNumeral RumiNumeral(int n);

// Sumerian counting: units 36000, 3600, 600, 60, 10 and 1 (bases 10 and 6
// alternating), one grouped sign for each count of a unit (1994 = three
// 600s, three 60s, one 10, four 1s).
UnicodeNumeral SumerianNumeral(int n);
