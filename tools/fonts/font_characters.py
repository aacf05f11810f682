#!/usr/bin/python3
"""Writes the table of the character each glyph code stands for.

The text layer (numerals/text/) turns the codes a row shows into Unicode
text. Which character a code stands for is known where the sign was taken
from: the font build's sign records (glyfa/signs.py: a font glyph by code
point, a shaped Manchu word, a composed sign) and the picture build's
records (tools/pictures: the Korean syllables, the cuneiform signs, the
Mayan numeral the shell was taken from). This script reads those records
and writes numerals/text/FontCharacters.inc, so that the text and the
glyphs cannot disagree.

    font_characters.py            write numerals/text/FontCharacters.inc
    font_characters.py --check    exit 1 when the committed table is stale
    font_characters.py --out FILE write FILE instead

Signs the fonts draw themselves (ToDraw) have no character: a row that
shows one is described, not written, by the text layer.
"""

import argparse
import ast
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
PICTURES = os.path.join(REPO, "tools", "pictures")
DEFAULT_OUT = os.path.join(REPO, "numerals", "text", "FontCharacters.inc")
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True

from glyfa import signs  # noqa: E402
from glyfa.rows import ROWS, FAMILIES  # noqa: E402

# The composed signs have no code point of their own in the records; these
# are the characters of the signs they draw. The Attic fifty thousand is
# drawn as M with a bar, which Unicode lacks: the standard Attic sign for
# 50000 stands in for it.
COMPOSED = {
    "pi_enclosing_delta": (0x10144, False),   # GREEK ACROPHONIC ATTIC FIFTY
    "mu_with_bar": (0x10147, True),           # GREEK ACROPHONIC ATTIC FIFTY THOUSAND
}

# The Morse row draws in the system's "Symbol" font, not in a family of
# ours: its dot (183) and dash (45) are written as Morse is usually typed.
SYMBOL_FAMILY = "Symbol"
SYMBOL_CHARACTERS = {45: ("-", False), 183: (".", False)}
SYMBOL_ROWS = {"P15": SYMBOL_FAMILY}


def character_of(sign):
    """(text, stand_in) for a sign record, or None for a sign that is drawn."""
    if isinstance(sign, (signs.FontGlyph, signs.Hieroglyph)):
        return chr(sign.codepoint), getattr(sign, "stand_in", False)
    if isinstance(sign, signs.ShapedWord):
        return sign.text, False
    if isinstance(sign, signs.Composed):
        codepoint, stand_in = COMPOSED[sign.recipe]
        return chr(codepoint), stand_in
    return None


def module_constants(path, names):
    """The literal values assigned to `names` at the top level of a module."""
    with open(path, encoding="utf-8") as f:
        tree = ast.parse(f.read(), path)
    values = {}
    for node in tree.body:
        if isinstance(node, ast.Assign) and len(node.targets) == 1:
            target = node.targets[0]
            if isinstance(target, ast.Name) and target.id in names:
                values[target.id] = ast.literal_eval(node.value)
    missing = set(names) - set(values)
    if missing:
        raise SystemExit(f"{path}: no literal {', '.join(sorted(missing))}")
    return values


def picture_characters():
    """(picture name, text) for every picture that has a character."""
    korean = module_constants(os.path.join(PICTURES, "korean.py"), {"SYLLABLES"})
    cuneiform = module_constants(os.path.join(PICTURES, "cuneiform.py"),
                                 {"SIGNS", "EMPTY_PLACE"})
    pictures = [(name, syllable) for name, syllable, _ in korean["SYLLABLES"]]
    pictures += [(sign[0], chr(sign[3])) for sign in cuneiform["SIGNS"]]
    pictures.append((cuneiform["EMPTY_PLACE"][0], chr(cuneiform["EMPTY_PLACE"][3])))
    return pictures


def mayan_zero():
    maya = module_constants(os.path.join(PICTURES, "maya.py"), {"SHELL_CODE_POINT"})
    return maya["SHELL_CODE_POINT"]


def literal(text):
    """A C++ narrow string literal for UTF-8 text, non-ASCII as \\u escapes."""
    out = []
    for ch in text:
        cp = ord(ch)
        if ch in "\\\"":
            out.append("\\" + ch)
        elif 32 <= cp < 127:
            out.append(ch)
        elif cp <= 0xFFFF:
            out.append(f"\\u{cp:04X}")
        else:
            out.append(f"\\U{cp:08X}")
    return '"' + "".join(out) + '"'


def describe(text):
    names = [unicodedata.name(ch, f"U+{ord(ch):04X}") for ch in text if ch != " "]
    if len(names) > 2:
        return f"{len(names)} letters"
    return ", ".join(names)


def family_table(family, table):
    lines = [f"constexpr CodeCharacter k{family}[] = {{"]
    for code in sorted(table):
        text, stand_in = table[code]
        flag = "true" if stand_in else "false"
        lines.append(f"    {{{code}, {literal(text)}, {flag}}},  // {describe(text)}")
    lines.append("};")
    return lines


def font_tables():
    tables = {}
    for family in FAMILIES:
        table = {}
        for code, sign in signs.SIGNS[family].items():
            character = character_of(sign)
            if character is not None:
                table[code] = character
        tables[family] = table
    tables[SYMBOL_FAMILY] = dict(SYMBOL_CHARACTERS)
    return tables


def generate():
    tables = font_tables()
    lines = [
        "// Generated by tools/fonts/font_characters.py from the sign records of the",
        "// font and picture builds; do not edit. Regenerate after changing a sign.",
        "//",
        "// For every font family, the character (UTF-8) each glyph code stands for;",
        "// a code that is not listed is a drawn sign with no character. standIn",
        "// marks a character that stands in for a sign Unicode lacks.",
        "",
    ]
    for family, table in tables.items():
        lines += family_table(family, table) + [""]
    lines.append("constexpr FamilyCharacters kFamilies[] = {")
    for family in tables:
        lines.append(f"    {{\"{family}\", k{family}, std::size(k{family})}},")
    lines += ["};", "", "// The family each glyph-string row draws in, by value cell."]
    lines.append("constexpr RowFamily kRowFamilies[] = {")
    row_families = {row.cell: row.family for row in ROWS}
    row_families.update(SYMBOL_ROWS)
    for cell in sorted(row_families, key=lambda c: (len(c), c)):
        lines.append(f"    {{\"{cell}\", \"{row_families[cell]}\"}},")
    lines += ["};", "", "// The pictures that show one character each, by picture name."]
    lines.append("constexpr PictureCharacter kPictureCharacters[] = {")
    for name, text in picture_characters():
        lines.append(f"    {{\"{name}\", {literal(text)}}},  // {describe(text)}")
    lines += ["};", "", "// The Mayan numeral for 0; the numerals for 1..19 follow it.",
              f"constexpr char32_t kMayanNumeralZero = 0x{mayan_zero():X};", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed table")
    parser.add_argument("--out", default=DEFAULT_OUT)
    args = parser.parse_args()
    text = generate()
    if args.check:
        try:
            with open(args.out, encoding="utf-8") as f:
                committed = f.read()
        except FileNotFoundError:
            committed = None
        if committed != text:
            print(f"{os.path.relpath(args.out, REPO)} is stale: run tools/fonts/font_characters.py",
                  file=sys.stderr)
            return 1
        return 0
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
