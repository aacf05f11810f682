#pragma once

#include "GlyphString.h"

// Rows that write each decimal position of n as a count sign and a sign
// for the position's power of ten; a zero position writes nothing.

// A row that writes digit d > 1 as code digitBase + d before the power
// sign, leaves the digit 1 out before a power sign, and writes the units
// digit alone.
struct MultiplierSystem {
    int digitBase;
    int tenThousand;
    int thousand;
    int hundred;
    int ten;
};

inline constexpr MultiplierSystem kKanji{96, 109, 108, 107, 106};
inline constexpr MultiplierSystem kSuzhou{61, 33, 34, 35, 36};

GlyphString MultiplierNumeral(int n, const MultiplierSystem& system);
GlyphCodes MultiplierCodes(const MultiplierSystem& system);

// Manchu: the digit 1 is written out before a power sign; single signs
// for 1..19 and for the tens 20..90.
GlyphString ManchuNumeral(int n);
GlyphCodes ManchuCodes();

// Sanskrit: Devanagari consonants joined with the vowel signs i (160, in
// front of its consonant) and u (194, after it), lowest place first.
GlyphString SanskritNumeral(int n);
GlyphCodes SanskritCodes();
