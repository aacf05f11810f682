"""The glyph-string rows that draw in the four families.

The rows themselves (caption, value cell, family, pixel height, bold, the
width of the value cell, the codes the row writes) come from rows.tsv
beside the font tools, which the program's tallyra-row-data writes from its
row table and numeral builders; this module adds only what the font build
alone knows about a row's spacing.

Rows whose signs are drawn to meet their neighbours are `joined` and keep
their own spacing: D'Ni boxes share their sides, Tenctonese waves run on,
Devanagari consonants join along their headline (the vowel signs stand over
and under them), Ethiopic numerals run their bars on. The Egyptian row has
advances of whole pixels (see spacing.py).
"""

import os
from dataclasses import dataclass

ROW_TABLE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "rows.tsv")

FAMILIES = ("Glyfa08", "Glyfa08b", "Glyfa08c", "Glyfa08d")
SPACE = 32

JOINED = frozenset({"P31", "P21", "P27", "P36"})  # D'Ni, Tenctonese, Sanskrit, Amharic
WHOLE_PIXEL_ADVANCES = frozenset({"P28"})  # Egyptian


def span(first, last):
    return tuple(range(first, last + 1))


@dataclass(frozen=True)
class Row:
    caption: str
    cell: str
    family: str
    height: int
    bold: bool
    width: int
    codes: tuple
    joined: bool = False  # signs drawn to meet their neighbours (keep their spacing)
    whole_pixel_advances: bool = False  # advances in whole pixels at the row's height

    def code_set(self):
        return frozenset(self.codes)


def parse_runs(text):
    """The codes of "32 58-67 ..." as a tuple; "-" has none."""
    codes = []
    for run in text.split() if text != "-" else ():
        first, _, last = run.partition("-")
        codes.extend(span(int(first), int(last or first)))
    return tuple(codes)


def parse_values(text):
    """code -> number of "58=0 59=1 ..."; "-" has none."""
    pairs = (item.partition("=") for item in text.split() if item != "-")
    return {int(code): int(number) for code, _, number in pairs}


def read_table(path=ROW_TABLE):
    """Every row of the window as a dict of its columns, in display order."""
    with open(path, encoding="utf-8") as file:
        lines = file.read().splitlines()
    header = lines[0].split("\t")
    return [dict(zip(header, line.split("\t"))) for line in lines[1:]]


def row_of(entry):
    return Row(entry["caption"], entry["cell"], entry["family"], int(entry["height"]),
               entry["bold"] == "1", int(entry["width"]),
               tuple(code for code in parse_runs(entry["codes"]) if code != SPACE),
               joined=entry["cell"] in JOINED,
               whole_pixel_advances=entry["cell"] in WHOLE_PIXEL_ADVANCES)


TABLE = read_table()
# In the order the program hands the rows their families.
ROWS = tuple(row_of(entry) for entry in sorted(TABLE, key=lambda entry: int(entry["family_step"]))
             if entry["kind"] == "panel" and entry["family"] in FAMILIES)


def rows_of(family):
    return [row for row in ROWS if row.family == family]
