#!/usr/bin/python3
"""Builds the embedded font families: Glyfa08, Glyfa08b, Glyfa08c, Glyfa08d and the text families.

Writes resources/fonts/Glyfa08*.ttf, the text families of the rows written
as Unicode text (resources/fonts/text/Tallyra*.ttf, .otf), the licence text
OFL.txt and the source note SOURCES.md. Run with Debian's /usr/bin/python3
(fontTools, fontforge) and hb-shape installed (tools/install-deps.sh assets).

    build_fonts.py            build into resources/fonts
    build_fonts.py --out DIR  build into DIR
    build_fonts.py --check    build into a temporary folder and compare the
                              bytes with the committed files (exit 1 if any
                              differ)
    build_fonts.py --report   also print each row's band, scale and width fit,
                              and each text family's size, ink and the largest
                              pixel height at which its ink fits the cell

Drawn signs come from the package `drawn` beside this file when it exists.
The rows come from rows.tsv beside this file, and the captions each row must
fit from caption-census.txt; the program's tallyra-row-data and
tallyra-caption-census write them.
"""

import argparse
import os
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DEFAULT_OUT = os.path.join(REPO, "resources", "fonts")
CENSUS = os.path.join(HERE, "caption-census.txt")
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source tree free of caches

from glyfa import notes  # noqa: E402
from glyfa.build import build_all  # noqa: E402
from glyfa.fitting import DESIGN_HEIGHT, read_census  # noqa: E402
from glyfa.metrics import row_band  # noqa: E402
from glyfa.outlines import SourceFonts  # noqa: E402
from textfonts import notes as text_notes  # noqa: E402
from textfonts.build import build_text_family, check_family, largest_fitting_height  # noqa: E402
from textfonts.rows import families  # noqa: E402
from textfonts.sources import SOURCES, file_name  # noqa: E402

FONT_FILES = {"Glyfa08": "Glyfa08.ttf", "Glyfa08b": "Glyfa08b.ttf",
              "Glyfa08c": "Glyfa08c.ttf", "Glyfa08d": "Glyfa08d.ttf"}
TEXT_DIR = "text"
LICENCE_FILE = "OFL.txt"
NOTE_FILE = "SOURCES.md"


def load_drawn():
    """family -> code -> drawn sign, and the drawings' design height."""
    try:
        from drawn import DESIGN_HEIGHT as drawn_height
        from drawn import drawn_signs
        return drawn_signs(), drawn_height
    except ImportError as error:
        if getattr(error, "name", None) != "drawn":
            print(f"Drawn signs not usable ({error}); placeholders stand in.", file=sys.stderr)
        return {}, DESIGN_HEIGHT


def build_text_families():
    """The text families, checked; a problem stops the build."""
    built = [build_text_family(family, rows, SOURCES[family]) for family, rows in families().items()]
    problems = [problem for family in built for problem in check_family(family)]
    if problems:
        raise SystemExit("Text families do not fit their rows:\n  " + "\n  ".join(problems))
    return built


def build(out_dir):
    """Writes every output file into out_dir; returns the family results."""
    drawn, design_height = load_drawn()
    census = read_census(CENSUS)
    results, note, _ = build_all(SourceFonts(), drawn, design_height, census)
    text_families = build_text_families()
    note += "\n" + "\n".join(text_notes.text_section(text_families)) + "\n"
    licence = notes.ofl_file(text_notes.notices(text_families))
    os.makedirs(os.path.join(out_dir, TEXT_DIR), exist_ok=True)
    for result in results:
        with open(os.path.join(out_dir, FONT_FILES[result.family]), "wb") as file:
            file.write(result.data)
    for family in text_families:
        with open(os.path.join(out_dir, TEXT_DIR, family.file_name), "wb") as file:
            file.write(family.data)
    for name, text in ((NOTE_FILE, note), (LICENCE_FILE, licence)):
        with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as file:
            file.write(text)
    return results, text_families


def output_names():
    text = sorted(os.path.join(TEXT_DIR, file_name) for file_name in text_file_names())
    return sorted(FONT_FILES.values()) + text + [LICENCE_FILE, NOTE_FILE]


def text_file_names():
    return [file_name(family, SOURCES[family]) for family in families()]


def differing_files(built_dir, committed_dir):
    different = []
    text_dir = os.path.join(committed_dir, TEXT_DIR)
    built_text = set(text_file_names())
    for name in sorted(os.listdir(text_dir)) if os.path.isdir(text_dir) else ():
        if name not in built_text:
            different.append(f"{os.path.join(TEXT_DIR, name)} (no longer built)")
    for name in output_names():
        committed = os.path.join(committed_dir, name)
        if not os.path.exists(committed):
            different.append(f"{name} (not committed)")
            continue
        with open(os.path.join(built_dir, name), "rb") as a, open(committed, "rb") as b:
            if a.read() != b.read():
                different.append(name)
    return different


def print_text_report(text_families):
    for family in text_families:
        bottom, top = family.ink
        fit = largest_fitting_height(family)
        for row in family.rows:
            print(f"{family.family:20} {row.caption} {row.height}px: {len(family.data)} bytes, "
                  f"{family.glyph_count} glyphs, ink {bottom}..{top} of {family.units_per_em} units, "
                  f"fits the cell up to {fit}px")


def print_report(results, text_families):
    print_text_report(text_families)
    for result in results:
        for fit in result.fits:
            group = fit.group
            band = group.band
            rows = ", ".join(f"{row.caption} {row.height}px{' bold' if row.bold else ''}"
                             for row in group.rows)
            scale = (f"font signs {fit.font_scale:.0f} units/em" if fit.font_scale
                     else "drawn signs only")
            print(f"{result.family:9} {rows}: band {band.bottom:.0f}..{band.top:.0f} units,"
                  f" {scale}, width factor {fit.width_factor:.4f}")
            for caption, (widest, cell) in fit.widest_px.items():
                print(f"{'':9}   {caption}: widest caption {widest} of {cell} px")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="output folder")
    parser.add_argument("--check", action="store_true",
                        help="rebuild into a temporary folder and compare with the committed files")
    parser.add_argument("--report", action="store_true", help="print the fit of every row")
    args = parser.parse_args(argv)
    started = time.monotonic()
    if args.check:
        with tempfile.TemporaryDirectory() as temp:
            results, text_families = build(temp)
            different = differing_files(temp, args.out)
        if args.report:
            print_report(results, text_families)
        if different:
            print("Fonts differ from a fresh build: " + ", ".join(different), file=sys.stderr)
            return 1
        print(f"Fonts match a fresh build ({time.monotonic() - started:.1f} s).")
        return 0
    results, text_families = build(args.out)
    if args.report:
        print_report(results, text_families)
    print(f"Wrote {len(results)} glyph fonts and {len(text_families)} text fonts to {args.out} "
          f"in {time.monotonic() - started:.1f} s.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
