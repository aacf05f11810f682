#pragma once

#include "UnicodeNumeral.h"

// The numbers of the Phoenician family: strokes for the units in groups,
// a sign for ten and one for twenty, and a count of strokes before each
// power sign (100 = 1 100: the count is written for one too). Right to
// left: stored largest first. No form for 0.

// Phoenician: strokes in threes, a hundred sign; 1..999.
UnicodeNumeral PhoenicianNumeral(int n);

// Imperial Aramaic: strokes in threes, signs for 100, 1000 and 10000.
UnicodeNumeral AramaicNumeral(int n);

// Inscriptional Parthian: strokes in fours, signs for 100 and 1000; 1..9999.
UnicodeNumeral ParthianNumeral(int n);
