#!/usr/bin/python3
"""Builds the four embedded font families Glyfa08, Glyfa08b, Glyfa08c, Glyfa08d.

Writes resources/fonts/Glyfa08*.ttf, the licence text OFL.txt and the
source note SOURCES.md. Run with Debian's /usr/bin/python3 (fontTools,
fontforge) and hb-shape installed (tools/install-deps.sh assets).

    build_fonts.py            build into resources/fonts
    build_fonts.py --out DIR  build into DIR
    build_fonts.py --check    build into a temporary folder and compare the
                              bytes with the committed files (exit 1 if any
                              differ)
    build_fonts.py --report   also print each row's band, scale and width fit

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

from glyfa.build import build_all  # noqa: E402
from glyfa.fitting import DESIGN_HEIGHT, read_census  # noqa: E402
from glyfa.metrics import row_band  # noqa: E402
from glyfa.outlines import SourceFonts  # noqa: E402

FONT_FILES = {"Glyfa08": "Glyfa08.ttf", "Glyfa08b": "Glyfa08b.ttf",
              "Glyfa08c": "Glyfa08c.ttf", "Glyfa08d": "Glyfa08d.ttf"}
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


def build(out_dir):
    """Writes every output file into out_dir; returns the family results."""
    drawn, design_height = load_drawn()
    census = read_census(CENSUS)
    results, note, licence = build_all(SourceFonts(), drawn, design_height, census)
    os.makedirs(out_dir, exist_ok=True)
    for result in results:
        with open(os.path.join(out_dir, FONT_FILES[result.family]), "wb") as file:
            file.write(result.data)
    for name, text in ((NOTE_FILE, note), (LICENCE_FILE, licence)):
        with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as file:
            file.write(text)
    return results


def output_names():
    return sorted(FONT_FILES.values()) + [LICENCE_FILE, NOTE_FILE]


def differing_files(built_dir, committed_dir):
    different = []
    for name in output_names():
        committed = os.path.join(committed_dir, name)
        if not os.path.exists(committed):
            different.append(f"{name} (not committed)")
            continue
        with open(os.path.join(built_dir, name), "rb") as a, open(committed, "rb") as b:
            if a.read() != b.read():
                different.append(name)
    return different


def print_report(results):
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
            results = build(temp)
            different = differing_files(temp, args.out)
        if args.report:
            print_report(results)
        if different:
            print("Fonts differ from a fresh build: " + ", ".join(different), file=sys.stderr)
            return 1
        print(f"Fonts match a fresh build ({time.monotonic() - started:.1f} s).")
        return 0
    results = build(args.out)
    if args.report:
        print_report(results)
    print(f"Wrote {len(results)} fonts to {args.out} in {time.monotonic() - started:.1f} s.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
