#pragma once

#include <string>
#include <vector>

// The picture rows' numerals as sequences of picture names and gaps.

struct PictureStep {
    std::string picture;  // the picture to append; empty for a gap
    int gap = 0;          // pixels added to the strip cursor when picture is empty

    bool isGap() const { return picture.empty(); }
    bool operator==(const PictureStep& other) const { return picture == other.picture && gap == other.gap; }
};
using PictureSequence = std::vector<PictureStep>;

// Sino-Korean numerals in Hangul: a digit picture (korea0 is 1 ... korea8 is
// 9) before each power sign (korea9 ten ... korea12 ten thousand), the digit 1
// left out before a power.
PictureSequence KoreanPictures(int v);

// Hieratic numerals: one sign per non-zero decimal position (h1 ... h9000);
// the ten-thousands as their count followed by h10000.
PictureSequence HieraticPictures(int v);

// Cuneiform sexagesimal numerals: the 3600s, 60s and units places, each as
// ten-wedges (ass10) and a unit sign, with a gap of 4 between places and the
// empty-place sign ass0 where a place's units are zero.
PictureSequence AssyrianPictures(int v);

// Maya long count: 360s and 7200s in base 20, then the twenties (0..17) and
// units (0..19), each place as shell, dots and bars, 8 pixels apart.
PictureSequence MayaPictures(int v);

// The digits of a in radix r, most significant first, digit d as the
// character of code 32 + d; a = 0 gives one character.
std::string MayaDigits(int a, int radix);
