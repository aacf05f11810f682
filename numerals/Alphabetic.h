#pragma once

#include "GlyphString.h"

// Rows that write each decimal position of n with at most one letter (and
// some with a mark for the position's power); a zero digit writes nothing.

// Ionic: Greek letters, the myriad sign 201 and the thousands sign ",".
GlyphString IonicNumeral(int n);
GlyphCodes IonicCodes();

// Hebrew: letters with the fixed forms for 15 and 16 and the thousands
// mark 200, held in visual order for reading right to left (units leftmost).
GlyphString HebrewNumeral(int n);
GlyphCodes HebrewCodes();

// Armenian: units letters also serve for the ten-thousands.
GlyphString ArmenianNumeral(int n);
GlyphCodes ArmenianCodes();

// Gothic: the thousands as a two-letter number of thousands, no mark.
GlyphString GothicNumeral(int n);
GlyphCodes GothicCodes();

// Amharic: Ethiopic digits with the hundred sign 241 and the ten-thousand
// sign 242; the thousands are written as tens of hundreds.
GlyphString AmharicNumeral(int n);
GlyphCodes AmharicCodes();
