"""The glyph-string rows that draw in the four families.

Each row knows its value cell, family, pixel height, whether the program
draws it bold, the width of its value cell, the codes it writes, and an
estimate of its widest caption. The estimate is a sequence of slots, each a
set of codes one of which may stand there; the caption's width is taken as
the sum of the widest code of every slot. It is used until a caption census
(every caption a row takes over 0..79999) is available.

Rows whose signs are drawn to meet their neighbours are `joined` and keep
their own spacing: D'Ni boxes share their sides, Tenctonese waves run on,
Devanagari consonants join along their headline (the vowel signs stand over
and under them), Ethiopic numerals run their bars on. The Egyptian row has
advances of whole pixels (see spacing.py).
"""

from dataclasses import dataclass

FULL_WIDTH = 1004
LEFT_COLUMN = 448
RIGHT_COLUMN = 456

SPACE = 32


def span(first, last):
    return tuple(range(first, last + 1))


def repeat(codes, count):
    if isinstance(codes, int):
        codes = (codes,)
    return (tuple(codes),) * count


@dataclass(frozen=True)
class Row:
    caption: str
    cell: str
    family: str
    height: int
    bold: bool
    width: int
    codes: tuple
    widest: tuple  # slots, spaces included
    joined: bool = False  # signs drawn to meet their neighbours (keep their spacing)
    whole_pixel_advances: bool = False  # advances in whole pixels at the row's height

    def code_set(self):
        return frozenset(self.codes)


def _row(caption, cell, family, height, width, codes, widest, bold=False, **layout):
    return Row(caption, cell, family, height, bold, width, tuple(sorted(set(codes))),
               tuple(widest), **layout)


def _digit_row(caption, cell, family, height, width, codes, bold=False, digits=5, **layout):
    """A row that writes one glyph per character of the number text."""
    return _row(caption, cell, family, height, width, codes,
                repeat(SPACE, 1) + repeat(codes, digits), bold, **layout)


def _positional(caption, cell, family, height, width, codes, digits, lead=(), **layout):
    lead_slots = tuple((code,) for code in lead)
    return _row(caption, cell, family, height, width, codes, lead_slots + repeat(codes, digits),
                **layout)


def _digit_rows():
    L, R = LEFT_COLUMN, RIGHT_COLUMN
    farsi = span(58, 61) + span(65, 70)
    return [
        _digit_row("Arabic", "P6", "Glyfa08", 27, L, span(58, 67)),
        _digit_row("Bengali", "P60", "Glyfa08", 27, L, span(71, 80)),
        _digit_row("Hindi", "P63", "Glyfa08", 27, L, span(81, 90)),
        _digit_row("Farsi", "P61", "Glyfa08", 27, L, farsi),
        _digit_row("Kannada", "P65", "Glyfa08", 27, L, span(91, 100)),
        _digit_row("Laotian", "P66", "Glyfa08", 27, R, span(121, 126) + span(249, 252)),
        _digit_row("Tamil", "P69", "Glyfa08", 27, R, span(160, 169)),
        _digit_row("Thai", "P70", "Glyfa08", 27, R, span(111, 120)),
        _digit_row("SpaceKees", "P57", "Glyfa08", 27, R, span(229, 238)),
        _digit_row("Braille", "P34", "Glyfa08b", 32, L, span(243, 252)),
        _digit_row("Brahmi", "P33", "Glyfa08b", 27, L, span(48, 57), bold=True),
        _digit_row("Khmer", "P73", "Glyfa08b", 24, L, span(203, 212)),
        _digit_row("N'Ko", "P72", "Glyfa08b", 40, R, span(110, 119)),
        _digit_row("Fingernumbers", "P26", "Glyfa08c", 48, L, span(245, 254), bold=True),
        _digit_row("Semaphore", "P7", "Glyfa08c", 45, R, span(131, 140)),
        _digit_row("Ath-Seikai", "P8", "Glyfa08c", 27, L, span(108, 117)),
        _digit_row("Narn", "P19", "Glyfa08c", 29, R, span(235, 244)),
        _digit_row("Futurama", "P10", "Glyfa08c", 27, L, span(197, 206)),
        _digit_row("Stargate", "P20", "Glyfa08c", 27, R, span(213, 222)),
        _row("Gorwelion", "P18", "Glyfa08c", 27, L, span(223, 234),
             repeat(SPACE, 1) + repeat(233, 1) + repeat(span(223, 232), 5) + repeat(234, 1)),
        _digit_row("Osmanya", "P68", "Glyfa08c", 29, R, span(48, 57)),
        _digit_row("Tenctonese", "P21", "Glyfa08c", 29, R, span(85, 94), joined=True),
        _digit_row("Zentlardy", "P17", "Glyfa08c", 28, R, span(95, 104)),
        _row("Post code", "P67", "Glyfa08c", 27, R, (106,),
             repeat(SPACE, 11) + repeat(106, 15)),
        _digit_row("Tibetan", "P71", "Glyfa08d", 24, R, span(223, 232)),
        _digit_row("Staff numbers", "P29", "Glyfa08d", 27, R, span(233, 242)),
        _digit_row("Klingon", "P30", "Glyfa08d", 27, L, span(243, 252)),
        _digit_row("Dancing Men", "P35", "Glyfa08d", 37, L, span(111, 120), bold=True),
        _digit_row("Kayah", "P24", "Glyfa08d", 28, L, span(161, 170)),
        _digit_row("Mong", "P12", "Glyfa08d", 31, R, span(71, 80)),
    ]


def _positional_rows():
    L, R = LEFT_COLUMN, RIGHT_COLUMN
    two_blanks = (SPACE, SPACE)
    maya = span(118, 126) + span(160, 170)
    return [
        _positional("D'Ni", "P31", "Glyfa08c", 24, L, span(171, 195), 4, two_blanks,
                    joined=True),
        _positional("Four Line", "P48", "Glyfa08d", 27, L, span(171, 186), 5, two_blanks),
        _positional("Ecclemony", "P49", "Glyfa08d", 20, L, span(187, 202), 5, two_blanks),
        _positional("Diamond", "P23", "Glyfa08d", 21, L, span(207, 222), 5, two_blanks),
        _positional("Quadnary", "P45", "Glyfa08d", 20, R, span(203, 206), 9, two_blanks),
        _positional("Dual code", "P13", "Glyfa08c", 28, L, span(105, 106), 17, (SPACE,)),
        _row("Pékrif", "P4", "Glyfa08d", 27, R, (40, 41) + span(48, 59),
             repeat(SPACE, 2) + repeat(40, 1) + repeat(span(48, 59), 5) + repeat(41, 1)),
        _positional("Maya-Hierogl.", "P22", "Glyfa08c", 35, R, maya, 4, (SPACE,)),
        _row("Oxidilogi", "P9", "Glyfa08c", 27, R, span(207, 212),
             repeat(SPACE, 1) + repeat(207, 1) + repeat(span(207, 212), 5) + repeat(212, 5)),
    ]


def _additive_rows():
    L = LEFT_COLUMN
    attic = (120, 122) + span(124, 126) + span(218, 222)
    attic_widest = (repeat(SPACE, 1) + repeat(222, 1) + repeat(126, 4) + repeat(221, 1)
                    + repeat(125, 4) + repeat(220, 1) + repeat(124, 4) + repeat(219, 1)
                    + repeat(122, 4) + repeat(218, 1) + repeat(120, 4))
    greek_widest = (repeat(SPACE, 1) + repeat(126, 7) + repeat(125, 9) + repeat(124, 9)
                    + repeat(123, 1) + repeat(122, 4) + repeat(121, 1) + repeat(120, 4))
    runes_widest = (repeat(SPACE, 1) + repeat(125, 1) + repeat(124, 4) + repeat(123, 1)
                    + repeat(122, 4) + repeat(160, 1) + repeat(126, 9) + repeat(125, 1)
                    + repeat(124, 4) + repeat(123, 1) + repeat(122, 4))
    heyarian_widest = (repeat(SPACE, 1) + repeat(195, 1) + repeat(196, 4) + repeat(201, 1)
                       + repeat(197, 4) + repeat(202, 1) + repeat(198, 9) + repeat(199, 9)
                       + repeat(200, 7) + repeat(195, 1))
    egyptian_widest = (repeat(SPACE, 1) + repeat(217, 7) + repeat(216, 9) + repeat(215, 9)
                       + repeat(214, 9) + repeat(213, 9))
    return [
        _row("Egyptian", "P28", "Glyfa08b", 29, L, span(213, 217), egyptian_widest,
             whole_pixel_advances=True),
        _row("Attic", "P38", "Glyfa08b", 27, L, attic, attic_widest),
        _row("Ancient Greek", "P37", "Glyfa08b", 27, FULL_WIDTH, span(120, 126), greek_widest),
        _row("Hungar.Runes", "P53", "Glyfa08d", 27, RIGHT_COLUMN, span(122, 126) + (160,),
             runes_widest),
        _row("Heyarian", "P39", "Glyfa08b", 28, L, span(195, 202), heyarian_widest),
    ]


def _alphabetic_rows():
    L, R = LEFT_COLUMN, RIGHT_COLUMN
    units, tens, hundreds = span(202, 210), span(211, 219), span(220, 228)
    ionic_widest = (repeat(SPACE, 1) + repeat(units, 1) + repeat(201, 1) + repeat(44, 1)
                    + repeat(units, 1) + repeat(hundreds, 1) + repeat(tens, 1) + repeat(units, 1))
    h_units, h_tens, h_hundreds = span(173, 181), span(182, 190), span(191, 199)
    hebrew_widest = (repeat(SPACE, 1) + repeat(h_units, 1) + repeat(h_tens, 1)
                     + repeat(h_hundreds, 1) + repeat(200, 1) + repeat(h_units, 1)
                     + repeat(h_tens, 1))
    armenian_widest = (repeat(SPACE, 1) + repeat(span(61, 69), 1) + repeat(span(88, 96), 1)
                       + repeat(span(79, 87), 1) + repeat(span(70, 78), 1)
                       + repeat(span(61, 69), 1))
    gothic_widest = (repeat(SPACE, 1) + repeat(span(67, 75), 1) + repeat(span(58, 66), 1)
                     + repeat(span(76, 84), 1) + repeat(span(67, 75), 1)
                     + repeat(span(58, 66), 1))
    e_units, e_tens = span(223, 231), span(232, 240)
    amharic_widest = (repeat(SPACE, 1) + repeat(e_units, 1) + repeat(242, 1) + repeat(e_tens, 1)
                      + repeat(241, 1) + repeat(e_units, 1) + repeat(241, 1)
                      + repeat(e_tens, 1) + repeat(e_units, 1))
    return [
        _row("Ionic", "P64", "Glyfa08", 27, R, (44,) + span(201, 228), ionic_widest),
        _row("Hebrew", "P62", "Glyfa08", 27, L, span(173, 200), hebrew_widest),
        _row("Armenian", "P40", "Glyfa08b", 27, L, span(61, 96), armenian_widest),
        _row("Gothic", "P41", "Glyfa08c", 27, L, span(58, 84), gothic_widest),
        _row("Amharic", "P36", "Glyfa08b", 29, L, span(223, 242), amharic_widest, joined=True),
    ]


def _multiplicative_rows():
    R = RIGHT_COLUMN
    kanji_digits = span(98, 105)
    kanji_widest = (repeat(SPACE, 1) + repeat(kanji_digits, 1) + repeat(109, 1)
                    + repeat(kanji_digits, 1) + repeat(108, 1) + repeat(kanji_digits, 1)
                    + repeat(107, 1) + repeat(kanji_digits, 1) + repeat(106, 1)
                    + repeat(kanji_digits, 1))
    suzhou_digits = span(63, 70)
    suzhou_widest = (repeat(SPACE, 1) + repeat(suzhou_digits, 1) + repeat(33, 1)
                     + repeat(suzhou_digits, 1) + repeat(34, 1) + repeat(suzhou_digits, 1)
                     + repeat(35, 1) + repeat(suzhou_digits, 1) + repeat(36, 1)
                     + repeat(suzhou_digits, 1))
    words = span(81, 89)
    manchu_widest = (repeat(SPACE, 1) + repeat(span(81, 87), 1) + repeat(110, 1)
                     + repeat(words, 1) + repeat(109, 1) + repeat(words, 1) + repeat(108, 1)
                     + repeat(span(100, 107), 1) + repeat(words, 1))
    consonants = span(161, 193)
    sanskrit_widest = (repeat(SPACE, 1) + repeat(span(161, 169), 1) + repeat(consonants, 1)
                       + repeat(160, 1) + repeat(span(161, 169), 1) + repeat(160, 1)
                       + repeat(consonants, 1) + repeat(span(161, 167), 1) + repeat(194, 1))
    return [
        _row("Kanji", "P42", "Glyfa08b", 27, R, span(97, 109), kanji_widest),
        _row("Suzhou", "P25", "Glyfa08d", 24, R, span(33, 36) + span(62, 70), suzhou_widest),
        _row("Manchu", "P14", "Glyfa08d", 28, R, span(81, 110), manchu_widest, bold=True),
        _row("Sanskrit", "P27", "Glyfa08b", 27, R, span(160, 194), sanskrit_widest, joined=True),
    ]


ROWS = tuple(_digit_rows() + _positional_rows() + _additive_rows()
             + _alphabetic_rows() + _multiplicative_rows())

FAMILIES = ("Glyfa08", "Glyfa08b", "Glyfa08c", "Glyfa08d")


def rows_of(family):
    return [row for row in ROWS if row.family == family]
