"""Words shaped with HarfBuzz (`hb-shape`) and merged into one outline.

Manchu number words are written in the Mongolian block; shaped
horizontally they come out lying on their side, reading left to right,
which is how the Manchu row shows them.
"""

import json
import subprocess

from .outlines import Outline

HB_SHAPE = "hb-shape"


def shape(font_path, text, script):
    """HarfBuzz's glyph run for `text`: a list of dicts with g, ax, dx, dy."""
    command = [HB_SHAPE, f"--script={script}", "--direction=ltr",
               "--output-format=json", font_path, text]
    result = subprocess.run(command, check=True, capture_output=True, text=True)
    return json.loads(result.stdout)


def shaped_outline(sources, font_name, text, script="mong"):
    """One outline for the whole shaped run; its advance is the run's advance."""
    units = sources.font(font_name)["head"].unitsPerEm
    pen_x = 0
    parts = []
    for item in shape(sources.path(font_name), text, script):
        glyph = sources.outline(font_name, item["g"])
        dx = (pen_x + item["dx"]) / units
        dy = item["dy"] / units
        parts.append(glyph.transformed(1, 1, dx, dy))
        pen_x += item["ax"]
    return Outline.join(parts, pen_x / units)
