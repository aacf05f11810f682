#pragma once

#include "UnicodeNumeral.h"

// Additive numerals of signs, the largest first; no form for 0.

// Aegean (Linear A and B): one sign for each digit of each place, e.g. one
// sign for seven thousand.
UnicodeNumeral AegeanNumeral(int n);

// Kharoshthi: units from 1, 2, 3, 4; tens from 10 and 20; a count of
// hundreds (1 included) before 100 and of thousands before 1000. Right to
// left: stored largest first, the layout shows it at the right.
UnicodeNumeral KharoshthiNumeral(int n);

// Brahmi: signs for 1..9 and 10..90; 100 and 1000 joined into one ligature
// with the sign that multiplies them (BRAHMI NUMBER JOINER between).
UnicodeNumeral BrahmiAdditiveNumeral(int n);
