"""Texts shaped with HarfBuzz (`hb-shape`): glyphs, advances and ink."""

import json
import os
import subprocess
import tempfile

HB_SHAPE = "hb-shape"


def shape_lines(font_path, texts, face=-1):
    """HarfBuzz's glyph run of each text, one list of glyph dicts per text
    (g, ax, dx, dy and the extents xb, yb, w, h); an empty text gives []."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as file:
        file.write("".join(text + "\n" for text in texts))
        text_file = file.name
    try:
        command = [HB_SHAPE, "--output-format=json", "--show-extents", "--no-glyph-names",
                   f"--text-file={text_file}", font_path]
        if face >= 0:
            command.insert(1, f"--face-index={face}")
        output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    finally:
        os.unlink(text_file)
    lines = output.splitlines()
    return [json.loads(line) if line.strip() else [] for line in lines[:len(texts)]]


def shape_bytes(font_data, texts):
    """As shape_lines, for a font held in memory."""
    with tempfile.NamedTemporaryFile(suffix=".font", delete=False) as file:
        file.write(font_data)
        font_path = file.name
    try:
        return shape_lines(font_path, texts)
    finally:
        os.unlink(font_path)


def ink_range(run):
    """(bottom, top) of a run's ink in font units, y up; None for no ink."""
    tops, bottoms = [], []
    for glyph in run:
        if glyph["w"] == 0 and glyph["h"] == 0:
            continue
        top = glyph["dy"] + glyph["yb"]
        tops.append(top)
        bottoms.append(top + glyph["h"])  # extents run downwards: h <= 0
    return (min(bottoms), max(tops)) if tops else None


def advance(run):
    return sum(glyph["ax"] for glyph in run)
