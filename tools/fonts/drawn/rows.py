"""The rows whose signs are drawn: family, codes, pixel height and designs."""

from dataclasses import dataclass
from typing import Callable

from . import (bits, codes, dni, figures, hands, heyarian, klingon, maya, round_scripts, semaphore,
               tally_scripts)


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
    DrawnRow("D'Ni", "Glyfa08c", 24, False, dni.dni, overhang=dni.OVERHANG),
    DrawnRow("Maya-Hierogl.", "Glyfa08c", 35, False, maya.maya),
    DrawnRow("Semaphore", "Glyfa08c", 45, False, semaphore.semaphore),
    DrawnRow("Fingernumbers", "Glyfa08c", 48, True, hands.fingernumbers),
    DrawnRow("Dancing Men", "Glyfa08d", 37, True, figures.dancing_men),
    DrawnRow("Heyarian", "Glyfa08b", 28, False, heyarian.heyarian),
    DrawnRow("Klingon", "Glyfa08d", 27, False, klingon.klingon),
    DrawnRow("Gorwelion", "Glyfa08c", 27, False, tally_scripts.gorwelion),
    DrawnRow("Ath-Seikai", "Glyfa08c", 27, False, tally_scripts.ath_seikai),
    DrawnRow("Narn", "Glyfa08c", 29, False, tally_scripts.narn),
    DrawnRow("Zentlardy", "Glyfa08c", 28, False, tally_scripts.zentlardy),
    DrawnRow("Oxidilogi", "Glyfa08c", 27, False, tally_scripts.oxidilogi),
    DrawnRow("SpaceKees", "Glyfa08", 27, False, round_scripts.spacekees),
    DrawnRow("Futurama", "Glyfa08c", 27, False, round_scripts.futurama),
    DrawnRow("Stargate", "Glyfa08c", 27, False, round_scripts.stargate),
    DrawnRow("Tenctonese", "Glyfa08c", 29, False, round_scripts.tenctonese),
)
