"""What each code stands for in its row, as short labels for the specimen sheets.

A code that alone writes some number (beside the blanks and marks every
caption of its row carries) is labelled with that number, as rows.tsv lists
it; the rest are named here.
"""

from .rows import TABLE, parse_values

_HEX = {10: "A", 11: "B", 12: "C", 13: "D", 14: "E", 15: "F"}


def _hex_digits(first):
    return {first + value: letter for value, letter in _HEX.items()}


# cell -> code -> label, where the number a code writes alone is not the label.
NAMED = {
    "P18": {233: "open", 234: "close"},
    "P67": {106: "bar"},
    "P48": _hex_digits(171), "P49": _hex_digits(187), "P23": _hex_digits(207),
    "P13": {106: "1"},
    "P4": {40: "(", 41: ")"},
    "P9": {207: "0"},
    "P53": {160: "1000"},
    "P39": {195: "delim"},
    "P64": {44: "x1000"},
    "P62": {200: "x1000"},
    "P36": {241: "100", 242: "10000"},
    "P14": {108: "100", 109: "1000", 110: "10000"},
    "P27": {160: "i x100", 193: "100", 194: "u x10000"},
}

VALUE_LABELS = {entry["cell"]: {**{code: str(n) for code, n in parse_values(entry["values"]).items()},
                                **NAMED.get(entry["cell"], {})}
                for entry in TABLE}


def value_label(row, code):
    return VALUE_LABELS.get(row.cell, {}).get(code, "?")
