"""The rows whose signs are drawn, by value cell, and their designs.

A row's caption, family, pixel height and boldness come from the program's
row table (rows.tsv beside the font tools); rows that share their signs are
drawn once, at the first row's size.
"""

from dataclasses import dataclass
from typing import Callable

from glyfa.rows import read_table

from . import (bits, codes, dni, figures, hands, heyarian, klingon, maya, round_scripts, semaphore,
               tally_scripts)

TABLE = {entry["cell"]: entry for entry in read_table()}


@dataclass(frozen=True)
class DrawnRow:
    cells: tuple  # value cells of the rows that show these signs
    draw: Callable[[], dict]  # code -> Sketch
    # Ink allowed past the advance on the right (design units): D'Ni boxes
    # reach over the next box's left side so that neighbours share it.
    overhang: int = 0

    @property
    def caption(self):
        return " / ".join(TABLE[cell]["caption"] for cell in self.cells)

    @property
    def family(self):
        return TABLE[self.cells[0]]["family"]

    @property
    def pixel_height(self):
        return int(TABLE[self.cells[0]]["height"])

    @property
    def bold(self):
        return TABLE[self.cells[0]]["bold"] == "1"


def _drawn(cells, draw, overhang=0):
    return DrawnRow(tuple(cells.split()), draw, overhang)


ROWS = (
    _drawn("P67 P13", codes.bars),
    _drawn("P29", codes.staff_numbers),
    _drawn("P48", bits.four_line),
    _drawn("P49", bits.ecclemony),
    _drawn("P23", bits.diamond),
    _drawn("P45", bits.quadnary),
    _drawn("P4", bits.pekrif),
    _drawn("P31", dni.dni, overhang=dni.OVERHANG),
    _drawn("P22", maya.maya),
    _drawn("P7", semaphore.semaphore),
    _drawn("P26", hands.fingernumbers),
    _drawn("P35", figures.dancing_men),
    _drawn("P39", heyarian.heyarian),
    _drawn("P30", klingon.klingon),
    _drawn("P18", tally_scripts.gorwelion),
    _drawn("P8", tally_scripts.ath_seikai),
    _drawn("P19", tally_scripts.narn),
    _drawn("P17", tally_scripts.zentlardy),
    _drawn("P9", tally_scripts.oxidilogi),
    _drawn("P57", round_scripts.spacekees),
    _drawn("P10", round_scripts.futurama),
    _drawn("P20", round_scripts.stargate),
    _drawn("P21", round_scripts.tenctonese),
)
