"""The rows whose signs are drawn: family, codes, pixel height and designs."""

from dataclasses import dataclass
from typing import Callable

from . import bits, codes


@dataclass(frozen=True)
class DrawnRow:
    caption: str
    family: str
    pixel_height: int
    bold: bool
    draw: Callable[[], dict]  # code -> Sketch
    # Ink allowed past the advance on the right (design units): D'Ni boxes
    # reach over the next box's left side so that neighbours share it.
    overhang: int = 0


ROWS = (
    DrawnRow("Post code / Dual code", "Glyfa08c", 27, False, codes.bars),
    DrawnRow("Staff numbers", "Glyfa08d", 27, False, codes.staff_numbers),
    DrawnRow("Four Line", "Glyfa08d", 27, False, bits.four_line),
    DrawnRow("Ecclemony", "Glyfa08d", 20, False, bits.ecclemony),
    DrawnRow("Diamond", "Glyfa08d", 21, False, bits.diamond),
    DrawnRow("Quadnary", "Glyfa08d", 20, False, bits.quadnary),
    DrawnRow("Pékrif", "Glyfa08d", 27, False, bits.pekrif),
)
