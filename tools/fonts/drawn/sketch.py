"""A sign before its outline is merged: its advance and its shapes."""

from dataclasses import dataclass


@dataclass(frozen=True)
class Sketch:
    advance: int
    shapes: tuple  # contours as geometry.py makes them

    @staticmethod
    def of(advance, *parts):
        """A sketch from any number of shape lists."""
        shapes = []
        for part in parts:
            shapes.extend(part)
        return Sketch(int(advance), tuple(tuple(c) for c in shapes))


def bits(value, count):
    """The `count` lowest bits of value, most significant first."""
    return [(value >> (count - 1 - i)) & 1 for i in range(count)]
