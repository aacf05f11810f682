"""Which sign each glyph code carries, and where its outline comes from.

Every code a row writes is listed here, family by family: either a glyph of
a packaged font (by code point), a word shaped from several code points, a
glyph composed by the build, or a sign that has to be drawn (supplied by
the `drawn` package; until it is, the code gets a placeholder).
"""

from dataclasses import dataclass

NOTO_SANS = "NotoSans-Regular.ttf"
SYMBOLS2 = "NotoSansSymbols2-Regular.ttf"
CJK = "NotoSansCJK-Regular.ttc"
MONGOLIAN = "NotoSansMongolian-Regular.ttf"
DEVANAGARI = "NotoSansDevanagari-Regular.ttf"
EGYPTIAN = "NotoSansEgyptianHieroglyphs-Regular.ttf"


@dataclass(frozen=True)
class FontGlyph:
    """The glyph a font maps at a code point."""

    font: str
    codepoint: int
    stand_in: bool = False  # the real sign has no code point; this one stands for it


@dataclass(frozen=True)
class Hieroglyph:
    """A hieroglyph of a font that draws thin open outlines, made solid.

    Its outline is stretched to a height of 1 (the height every sign of its
    row shares) and to `width` (a share of that height, the lines'
    thickening included), then every line is widened by `stroke`; with
    `fill` its largest counter goes first, so that the sign is a filled
    shape (smaller counters, such as a finger's nail, stay open).
    """

    font: str
    codepoint: int
    width: float
    stroke: float
    fill: bool = False


@dataclass(frozen=True)
class ShapedWord:
    """A word shaped horizontally with HarfBuzz and merged into one glyph."""

    font: str
    text: str
    romanised: str


@dataclass(frozen=True)
class Composed:
    """A sign the build puts together from font outlines (see compose.py)."""

    recipe: str
    description: str


@dataclass(frozen=True)
class ToDraw:
    """A sign no font has; drawn by the `drawn` package."""

    description: str


def _run(table, first_code, font, codepoints):
    for offset, codepoint in enumerate(codepoints):
        table[first_code + offset] = FontGlyph(font, codepoint)


def _draw(table, first_code, descriptions):
    for offset, description in enumerate(descriptions):
        table[first_code + offset] = ToDraw(description)


def _digits(what, count=10):
    return [f"{what} {d}" for d in range(count)]


def _glyfa08():
    t = {}
    t[44] = FontGlyph(NOTO_SANS, 0x0375)
    _run(t, 58, "NotoSansArabic-Regular.ttf", range(0x0660, 0x066A))
    _run(t, 68, "NotoSansArabic-Regular.ttf", range(0x06F4, 0x06F7))
    _run(t, 71, "NotoSansBengali-Regular.ttf", range(0x09E6, 0x09F0))
    _run(t, 81, DEVANAGARI, range(0x0966, 0x0970))
    _run(t, 91, "NotoSansKannada-Regular.ttf", range(0x0CE6, 0x0CF0))
    _run(t, 111, "NotoSansThai-Regular.ttf", range(0x0E50, 0x0E5A))
    _run(t, 121, "NotoSansLao-Regular.ttf", range(0x0ED0, 0x0ED6))
    _run(t, 249, "NotoSansLao-Regular.ttf", range(0x0ED6, 0x0EDA))
    _run(t, 160, "NotoSansTamil-Regular.ttf", range(0x0BE6, 0x0BF0))
    hebrew = [0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7, 0x05D8,
              0x05D9, 0x05DB, 0x05DC, 0x05DE, 0x05E0, 0x05E1, 0x05E2, 0x05E4, 0x05E6,
              0x05E7, 0x05E8, 0x05E9, 0x05EA, 0x05DA, 0x05DD, 0x05DF, 0x05E3, 0x05E5,
              0x05F3]
    _run(t, 173, "NotoSansHebrew-Regular.ttf", hebrew)
    ionic = [0x039C, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03DB, 0x03B6, 0x03B7,
             0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, 0x03C0,
             0x03D9, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, 0x03C8, 0x03C9,
             0x03E1]
    _run(t, 201, NOTO_SANS, ionic)
    _draw(t, 229, ["SpaceKees 0: plain ring"]
          + [f"SpaceKees {d}: ring with {d} short outward rays" for d in range(1, 10)])
    return t


def _glyfa08b():
    t = {}
    _run(t, 48, "NotoSansBrahmi-Regular.ttf", range(0x11066, 0x11070))
    _run(t, 61, "NotoSansArmenian-Regular.ttf", range(0x0531, 0x0555))
    kanji = [0x4E00, 0x4E8C, 0x4E09, 0x56DB, 0x4E94, 0x516D, 0x4E03, 0x516B, 0x4E5D,
             0x5341, 0x767E, 0x5343, 0x4E07]
    _run(t, 97, CJK, kanji)
    _run(t, 110, "NotoSansNKo-Regular.ttf", range(0x07C0, 0x07CA))
    _run(t, 120, NOTO_SANS, [0x0399, 0x03A0, 0x0394])
    t[123] = Composed("pi_enclosing_delta", "Greek 50: capital Pi enclosing a small Delta")
    _run(t, 124, NOTO_SANS, [0x0397, 0x03A7, 0x039C])
    t[160] = FontGlyph(DEVANAGARI, 0x093F)
    consonants = list(range(0x0915, 0x0929)) + list(range(0x092A, 0x0931)) + [0x0932] \
        + list(range(0x0935, 0x0939))   # ya .. sa (30 .. 90); ha (100) is never written
    _run(t, 161, DEVANAGARI, consonants)
    t[194] = FontGlyph(DEVANAGARI, 0x0941)
    _draw(t, 195, ["Heyarian delimiter: narrow ladder", "Heyarian 1: short vertical stroke",
                   "Heyarian 10: small circle", "Heyarian 100: small triangle",
                   "Heyarian 1000: small square", "Heyarian 10000: small diamond",
                   "Heyarian 5: long stroke with a crossbar",
                   "Heyarian 50: circle with a centre dot"])
    _run(t, 203, "NotoSansKhmer-Regular.ttf", range(0x17E0, 0x17EA))
    # Gardiner Z1 (single stroke), V20 (heel bone), V1 (coil of rope),
    # M12 (lotus) and D50 (finger), all as tall as each other and solid.
    t[213] = Hieroglyph(EGYPTIAN, 0x133E4, width=0.12, stroke=0.0, fill=True)
    t[214] = Hieroglyph(EGYPTIAN, 0x13386, width=0.52, stroke=0.10)
    t[215] = Hieroglyph(EGYPTIAN, 0x13362, width=0.46, stroke=0.09)
    t[216] = Hieroglyph(EGYPTIAN, 0x131BC, width=0.36, stroke=0.06, fill=True)
    t[217] = Hieroglyph(EGYPTIAN, 0x130AD, width=0.25, stroke=0.0, fill=True)
    _run(t, 218, SYMBOLS2, range(0x10143, 0x10147))
    t[222] = Composed("mu_with_bar", "Attic 50000: capital Mu with a bar above it")
    _run(t, 223, "NotoSansEthiopic-Regular.ttf", range(0x1369, 0x137D))
    braille = [0x281A, 0x2801, 0x2803, 0x2809, 0x2819, 0x2811, 0x280B, 0x281B, 0x2813,
               0x280A]
    _run(t, 243, SYMBOLS2, braille)
    return t


def _glyfa08c():
    t = {}
    _run(t, 48, "NotoSansOsmanya-Regular.ttf", range(0x104A0, 0x104AA))
    _run(t, 58, "NotoSansGothic-Regular.ttf", range(0x10330, 0x1034B))
    _draw(t, 85, _digits("Tenctonese"))
    _draw(t, 95, _digits("Zentlardy"))
    _draw(t, 105, ["Dual code 0: half-height bar", "Dual code 1 / Post code bar: full bar"])
    _draw(t, 108, _digits("Ath-Seikai"))
    _draw(t, 118, _digits("Maya head-variant", 9))
    semaphore = "KABCDEFGHI"
    _draw(t, 131, [f"Semaphore {d}: figure for the letter {semaphore[d]}" for d in range(10)])
    _draw(t, 160, [f"Maya head-variant {d}" for d in range(9, 20)])
    _draw(t, 171, _digits("D'ni", 25))
    _draw(t, 197, _digits("Futurama"))
    _draw(t, 207, _digits("Oxidilogi", 6))
    _draw(t, 213, _digits("Stargate"))
    _draw(t, 223, _digits("Gorwelion") + ["Gorwelion opening sign", "Gorwelion closing sign"])
    _draw(t, 235, _digits("Narn"))
    _draw(t, 245, [f"Fingernumbers {d}: counting hand(s)" for d in range(10)])
    return t


MANCHU_WORDS = (
    ("emu", "\u185D\u182E\u1860"),
    ("juwe", "\u1835\u1860\u1838\u185D"),
    ("ilan", "\u1873\u182F\u1820\u1828"),
    ("duin", "\u1869\u1860\u1873\u1828"),
    ("sunja", "\u1830\u1860\u1828\u1835\u1820"),
    ("ninggun", "\u1828\u1873\u1829\u1864\u1860\u1828"),
    ("nadan", "\u1828\u1820\u1869\u1820\u1828"),
    ("jak\u016bn", "\u1835\u1820\u1874\u1861\u1828"),
    ("uyun", "\u1860\u1836\u1860\u1828"),
    ("juwan", "\u1835\u1860\u1838\u1820\u1828"),
)
MANCHU_TEN = MANCHU_WORDS[9]
MANCHU_FIFTEEN = ("tofohon", "\u1868\u1823\u1876\u1823\u1865\u1823\u1828")
MANCHU_TENS = (
    ("orin", "\u1823\u1875\u1873\u1828"),
    ("g\u016bsin", "\u1864\u1861\u1830\u1873\u1828"),
    ("dehi", "\u1869\u185D\u1865\u1873"),
    ("susai", "\u1830\u1860\u1830\u1820\u1873"),
    ("ninju", "\u1828\u1873\u1828\u1835\u1860"),
    ("nadanju", "\u1828\u1820\u1869\u1820\u1828\u1835\u1860"),
    ("jak\u016bnju", "\u1835\u1820\u1874\u1861\u1828\u1835\u1860"),
    ("uyunju", "\u1860\u1836\u1860\u1828\u1835\u1860"),
)
MANCHU_POWERS = (
    ("tangg\u016b", "\u1868\u1820\u1829\u1864\u1861"),
    ("minggan", "\u182E\u1873\u1829\u1864\u1820\u1828"),
    ("tumen", "\u1868\u1860\u182E\u185D\u1828"),
)


def manchu_numbers():
    """The words for 1..19, the tens 20..90 and the powers, in code order 81..110."""
    words = list(MANCHU_WORDS)
    for unit in range(1, 10):
        if unit == 5:
            words.append(MANCHU_FIFTEEN)
            continue
        name, text = MANCHU_WORDS[unit - 1]
        words.append((f"{MANCHU_TEN[0]} {name}", f"{MANCHU_TEN[1]} {text}"))
    return words + list(MANCHU_TENS) + list(MANCHU_POWERS)


def _glyfa08d():
    t = {}
    _run(t, 33, CJK, [0x4E07, 0x5343])
    t[35] = FontGlyph(CJK, 0x767E, stand_in=True)
    t[36] = FontGlyph(CJK, 0x5341)
    _run(t, 40, NOTO_SANS, [0x0028, 0x0029])
    _draw(t, 48, [f"P\u00e9krif {d}: clock face, hand at {d or 12} o'clock" for d in range(12)])
    _run(t, 62, CJK, [0x4E00, 0x4E8C, 0x4E09] + list(range(0x3024, 0x302A)))
    _run(t, 71, MONGOLIAN, range(0x1810, 0x181A))
    for offset, (romanised, text) in enumerate(manchu_numbers()):
        t[81 + offset] = ShapedWord(MONGOLIAN, text, romanised)
    _draw(t, 111, _digits("Dancing Men figure"))
    _run(t, 122, "NotoSansOldHungarian-Regular.ttf", range(0x10CFA, 0x10CFF))
    t[160] = FontGlyph("NotoSansOldHungarian-Regular.ttf", 0x10CFF)
    _run(t, 161, "NotoSansKayahLi-Regular.ttf", range(0xA900, 0xA90A))
    _draw(t, 171, _digits("Four Line hexadecimal", 16))
    _draw(t, 187, _digits("Ecclemony hexadecimal", 16))
    _draw(t, 203, _digits("Quadnary", 4))
    _draw(t, 207, _digits("Diamond hexadecimal", 16))
    _run(t, 223, "NotoSerifTibetan-Regular.ttf", range(0x0F20, 0x0F2A))
    _draw(t, 233, _digits("Staff numbers"))
    _draw(t, 243, _digits("Klingon"))
    return t


SIGNS = {
    "Glyfa08": _glyfa08(),
    "Glyfa08b": _glyfa08b(),
    "Glyfa08c": _glyfa08c(),
    "Glyfa08d": _glyfa08d(),
}
