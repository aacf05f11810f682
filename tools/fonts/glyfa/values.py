"""What each code stands for in its row, as short labels for the specimen sheets."""

from .rows import span


def _from(codes, labels):
    return {code: str(label) for code, label in zip(codes, labels)}


def _digits(first, count=10):
    return _from(span(first, first + count - 1), range(count))


def _powers(first, values):
    return _from(span(first, first + len(values) - 1), values)


def _units_tens_hundreds(units, tens, hundreds):
    labels = _powers(units, range(1, 10))
    labels.update(_powers(tens, range(10, 100, 10)))
    labels.update(_powers(hundreds, range(100, 1000, 100)))
    return labels


def _hex(first, count=16):
    return _from(span(first, first + count - 1), (f"{d:X}" for d in range(count)))


DIGIT_ROW_BASES = {
    "Arabic": 58, "Bengali": 71, "Hindi": 81, "Kannada": 91, "Tamil": 160, "Thai": 111,
    "SpaceKees": 229, "Braille": 243, "Brahmi": 48, "Khmer": 203, "N'Ko": 110,
    "Fingernumbers": 245, "Semaphore": 131, "Ath-Seikai": 108, "Narn": 235, "Futurama": 197,
    "Stargate": 213, "Osmanya": 48, "Tenctonese": 85, "Zentlardy": 95, "Tibetan": 223,
    "Staff numbers": 233, "Klingon": 243, "Dancing Men": 111, "Kayah": 161, "Mong": 71,
}


def _special_rows():
    labels = {
        "Laotian": {**_from(span(121, 126), range(6)), **_from(span(249, 252), range(6, 10))},
        "Farsi": {**_from(span(58, 61), range(4)), **_from(span(65, 67), range(7, 10)),
                  **_from(span(68, 70), range(4, 7))},
        "Gorwelion": {**_digits(223), 233: "open", 234: "close"},
        "Post code": {106: "bar"},
        "D'Ni": _digits(171, 25),
        "Four Line": _hex(171), "Ecclemony": _hex(187), "Diamond": _hex(207),
        "Quadnary": _digits(203, 4),
        "Dual code": _digits(105, 2),
        "P\u00e9krif": {40: "(", 41: ")", **_digits(48, 12)},
        "Maya-Hierogl.": {**_from(span(118, 126), range(9)), **_from(span(160, 170), range(9, 20))},
        "Oxidilogi": _digits(207, 6),
        "Egyptian": _powers(213, (1, 10, 100, 1000, 10000)),
        "Attic": {120: 1, 122: 10, 124: 100, 125: 1000, 126: 10000,
                  **_powers(218, (5, 50, 500, 5000, 50000))},
        "Ancient Greek": _powers(120, (1, 5, 10, 50, 100, 1000, 10000)),
        "Hungar.Runes": {**_powers(122, (1, 5, 10, 50, 100)), 160: 1000},
        "Heyarian": _from(span(195, 202), ("delim", 1, 10, 100, 1000, 10000, 5, 50)),
        "Ionic": {44: "x1000", 201: 10000, **_units_tens_hundreds(202, 211, 220)},
        "Hebrew": {200: "x1000", **_units_tens_hundreds(173, 182, 191)},
        "Armenian": {**_units_tens_hundreds(61, 70, 79), **_powers(88, range(1000, 10000, 1000))},
        "Gothic": _units_tens_hundreds(58, 67, 76),
        "Amharic": {**_powers(223, range(1, 10)), **_powers(232, range(10, 100, 10)),
                    241: 100, 242: 10000},
        "Kanji": _powers(97, tuple(range(1, 10)) + (10, 100, 1000, 10000)),
        "Suzhou": {**_powers(62, range(1, 10)), 36: 10, 35: 100, 34: 1000, 33: 10000},
        "Manchu": _powers(81, tuple(range(1, 20)) + tuple(range(20, 100, 10))
                          + (100, 1000, 10000)),
        "Sanskrit": {160: "i x100", **_powers(161, range(1, 26)),
                     **_powers(186, (30, 40, 50, 60, 70, 80, 90, 100)), 194: "u x10000"},
    }
    return {row: {code: str(label) for code, label in table.items()}
            for row, table in labels.items()}


VALUE_LABELS = {**{row: _digits(base) for row, base in DIGIT_ROW_BASES.items()},
                **_special_rows()}


def value_label(row, code):
    return VALUE_LABELS.get(row.caption, {}).get(code, "?")
