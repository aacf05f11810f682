#pragma once

#include "GlyphString.h"

// Rows that write the number n in a positional system, most significant
// digit first, no leading zero digits, 0 as one zero digit.

// A row written by BaseDigits: digit d of the radix is code base + d,
// framed by a fixed prefix and suffix.
struct PositionalSystem {
    int base;
    int radix;
    const char* prefix;
    const char* suffix;
};

inline constexpr PositionalSystem kDni{171, 25, "  ", ""};
inline constexpr PositionalSystem kFourLine{171, 16, "  ", ""};
inline constexpr PositionalSystem kEcclemony{187, 16, "  ", ""};
inline constexpr PositionalSystem kDiamond{207, 16, "  ", ""};
inline constexpr PositionalSystem kQuadnary{203, 4, "  ", ""};
inline constexpr PositionalSystem kDualCode{105, 2, " ", ""};
inline constexpr PositionalSystem kPekrif{48, 12, "  (", ")"};

GlyphString PositionalNumeral(int n, const PositionalSystem& system);
GlyphCodes PositionalCodes(const PositionalSystem& system);

// Maya-Hierogl.: radix 20 at every position, digits 0..8 as 118..126 and
// 9..19 as 160..170.
GlyphString MayaHieroglyphNumeral(int n);
GlyphCodes MayaHieroglyphCodes();

// Oxidilogi: radix 10 after the lead-in code 207; digits 0..5 are
// 207..212, 6..9 the code of d - 5 followed by 212.
GlyphString OxidilogiNumeral(int n);
GlyphCodes OxidilogiCodes();
