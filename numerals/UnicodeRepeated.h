#pragma once

#include "UnicodeNumeral.h"

// Numerals that repeat their signs.

// Tallies are shown up to this number: any number can be tallied, but
// beyond ten groups of five a tally is no longer read at a glance. Above
// it the text is empty while the number has a form (hasForm stays true).
constexpr int kLargestTally = 50;

// Western tally marks: a five-bar gate 𝍸 for each five, then single strokes 𝍷.
UnicodeNumeral TallyNumeral(int n);

// Chinese tally marks: a finished 正 (IDEOGRAPHIC TALLY MARK FIVE) for each
// five, then the stage of the character for the rest (𝍲 .. 𝍵).
UnicodeNumeral ZhengTallyNumeral(int n);

// Roman numerals with the old signs for the thousands: ↀ 1000, ↁ 5000,
// ↂ 10000, ↇ 50000, subtractive pairs as for the small signs (1994 =
// ↀCↀXCIV, 4000 = ↀↁ); no form for 0.
UnicodeNumeral RomanApostrophusNumeral(int n);
