#pragma once

#include "GlyphString.h"

#include <string>

// Rows that repeat a sign per power of ten (and in some rows a sign for
// five or fifty times a power), the sign values adding up to the number.

// Egyptian: strokes, heel bones, coils, lotus plants and fingers (213..217).
GlyphString EgyptianNumeral(int n);
GlyphCodes EgyptianCodes();

// Attic: acrophonic signs with a five-sign for every power (50000 included).
GlyphString AtticNumeral(int n);
GlyphCodes AtticCodes();

// Ancient Greek: acrophonic signs with five-signs for 5 and 50 only.
GlyphString AncientGreekNumeral(int n);
GlyphCodes AncientGreekCodes();

// Hungar.Runes: the count of thousands, the thousand sign, then the rest.
GlyphString HungarianRunesNumeral(int n);
GlyphCodes HungarianRunesCodes();

// Heyarian: from the characters of t, units first, between two delimiters;
// a character that is not a decimal digit counts as 0, and characters
// before the last five are not looked at.
GlyphString HeyarianNumeral(const std::string& t);
GlyphCodes HeyarianCodes();
