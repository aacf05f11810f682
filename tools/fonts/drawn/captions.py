"""Captions of the drawn rows, for previews and width checks.

These follow the rows' builders in the program (numerals/): a caption is a
list of glyph codes, 32 being the blank. Codes the drawn package does not
supply (Pekrif's brackets) are drawn by the preview as placeholders.
"""

SPACE = 32


def _digits(n, radix):
    out = []
    while True:
        out.insert(0, n % radix)
        n //= radix
        if n == 0:
            return out


def digit_row(base):
    return lambda text: [SPACE] + [(ord(c) - 48 + base) % 256 for c in text]


def gorwelion(text):
    return [SPACE, 233] + [(ord(c) - 48 + 223) % 256 for c in text] + [234]


POST_CODE_CELLS = ("11100", "00111", "01011", "10011", "01101",
                   "10101", "11001", "01110", "10110", "11010")


def post_code(text):
    out = [SPACE]
    for c in text:
        if c.isdigit():
            out += [106 if cell == "1" else SPACE for cell in POST_CODE_CELLS[int(c)]]
    return out


def positional(base, radix, lead=2):
    return lambda text: [SPACE] * lead + [base + d for d in _digits(int(text), radix)]


def pekrif(text):
    return [SPACE, SPACE, 40] + [48 + d for d in _digits(int(text), 12)] + [41]


def maya(text):
    return [SPACE] + [118 + d if d < 9 else 151 + d for d in _digits(int(text), 20)]


def oxidilogi(text):
    out = [SPACE, 207]
    for d in _digits(int(text), 10):
        out += [207 + d - 5, 212] if d > 5 else [207 + d]
    return out


def heyarian(text):
    r = text[::-1]
    values = [ord(c) - 48 if c.isdigit() else 0 for c in r]
    out = [SPACE, 195]
    units = values[0]
    out += [196] * (units % 5) + ([201] if units > 4 else [])
    if len(values) > 1:
        out += [197] * (values[1] % 5) + ([202] if values[1] > 4 else [])
    for place, code in ((2, 198), (3, 199), (4, 200)):
        if len(values) > place:
            out += [code] * values[place]
    return out + [195]


# Caption, font family, pixel height, bold, cell width (px), builder.
CAPTIONS = (
    ("Fingernumbers", "Glyfa08c", 48, True, 448, digit_row(245)),
    ("Semaphore", "Glyfa08c", 45, False, 456, digit_row(131)),
    ("Staff numbers", "Glyfa08d", 27, False, 456, digit_row(233)),
    ("Post code", "Glyfa08c", 27, False, 456, post_code),
    ("Ath-Seikai", "Glyfa08c", 27, False, 448, digit_row(108)),
    ("Narn", "Glyfa08c", 29, False, 456, digit_row(235)),
    ("Futurama", "Glyfa08c", 27, False, 448, digit_row(197)),
    ("Stargate", "Glyfa08c", 27, False, 456, digit_row(213)),
    ("Gorwelion", "Glyfa08c", 27, False, 448, gorwelion),
    ("Klingon", "Glyfa08d", 27, False, 448, digit_row(243)),
    ("Dancing Men", "Glyfa08d", 37, True, 448, digit_row(111)),
    ("SpaceKees", "Glyfa08", 27, False, 456, digit_row(229)),
    ("Tenctonese", "Glyfa08c", 29, False, 456, digit_row(85)),
    ("Zentlardy", "Glyfa08c", 28, False, 456, digit_row(95)),
    ("D'Ni", "Glyfa08c", 24, False, 448, positional(171, 25)),
    ("Four Line", "Glyfa08d", 27, False, 448, positional(171, 16)),
    ("Ecclemony", "Glyfa08d", 20, False, 448, positional(187, 16)),
    ("Diamond", "Glyfa08d", 21, False, 448, positional(207, 16)),
    ("Quadnary", "Glyfa08d", 20, False, 456, positional(203, 4)),
    ("Dual code", "Glyfa08c", 28, False, 448, positional(105, 2, lead=1)),
    ("Pékrif", "Glyfa08d", 27, False, 456, pekrif),
    ("Maya-Hierogl.", "Glyfa08c", 35, False, 456, maya),
    ("Oxidilogi", "Glyfa08c", 27, False, 456, oxidilogi),
    ("Heyarian", "Glyfa08b", 28, False, 448, heyarian),
)
