"""The rows written as Unicode text, from the program's row table (rows.tsv).

For these rows tallyra-row-data writes, instead of glyph codes, the shaping
units the row's texts are made of over 0..79999: a character with the marks
that stand on it (the titlo, the Coptic overlines), or joined to the
character after it (the Brahmi number joiner). Each unit is given as its
code points, "0430+0483", the units separated by blanks. The samples are
"number:code points" ("-" where the system has no form for the number).
"""

from dataclasses import dataclass

from glyfa.rows import TABLE


@dataclass(frozen=True)
class TextRow:
    caption: str
    cell: str
    family: str
    height: int
    width: int
    units: tuple  # the units as strings
    samples: tuple  # (number, text or None)

    def codepoints(self):
        return frozenset(ord(c) for unit in self.units for c in unit)


def _text_of(code_points):
    return "".join(chr(int(cp, 16)) for cp in code_points)


def parse_units(text):
    return tuple(_text_of(unit.split("+")) for unit in text.split())


def parse_samples(text):
    samples = []
    for item in text.split(";"):
        number, _, codes = item.partition(":")
        samples.append((int(number), None if codes == "-" else _text_of(codes.split())))
    return tuple(samples)


def row_of(entry):
    return TextRow(entry["caption"], entry["cell"], entry["family"], int(entry["height"]),
                   int(entry["width"]), parse_units(entry["codes"]), parse_samples(entry["samples"]))


# In display order.
TEXT_ROWS = tuple(row_of(entry) for entry in TABLE if entry["kind"] == "text")


def families():
    """family -> its rows, families in the order of their first row."""
    result = {}
    for row in TEXT_ROWS:
        result.setdefault(row.family, []).append(row)
    return result
