#!/usr/bin/python3
"""sign_by_sign_shots.py PROGRAM OUT_DIR SCALE [CAPTION...]: the views of
the screenshot script (take_sign_by_sign_screenshots.sh), of the eight rows
below unless captions are given."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "row_access"))
import pyatspi  # noqa: E402
from sign_by_sign_keys import key, number_field, open_view, pump, wait_for, walk  # noqa: E402

NUMBER = "46363"
# Two rows of each kind: glyph rows of text, drawn glyph rows, pictures,
# right to left (a glyph row and a text row).
ROWS = ["Egyptian", "Kanji", "Semaphore", "Dancing Men", "Maya", "Assyrian", "Hebrew", "Adlam"]


def application(name):
    return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == name), None)


def shoot(title, path):
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$"],
                            check=True, capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    pump(0.5)
    subprocess.run(["import", "-window", window, path], check=True)
    subprocess.run(["convert", path, "-strip", path], check=True)


def main():
    program, out, scale = sys.argv[1:4]
    rows = sys.argv[4:] or ROWS
    suffix = "-2x" if scale == "2" else ""
    window = subprocess.Popen([program])
    try:
        app = wait_for(lambda: application("Tallyra"))
        main_window = next(w for w in app if w is not None and w.name == "Number signs of other cultures")
        field = wait_for(lambda: number_field(main_window))
        field.queryEditableText().setTextContents(NUMBER)
        for caption in rows:
            view = open_view(app, main_window, caption)
            if view is None:
                sys.exit(f"the view of {caption} did not open")
            buttons = [n for n in walk(view) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            signs = [b for b in buttons if b.name not in ("Backspace", "Clear", "Show This Number", "Copy",
                                                          "Copy as Picture")]
            for sign in signs[1:4]:
                sign.queryAction().doAction(0)
            pump(0.3)
            name = caption.lower().replace(" ", "-")
            shoot(view.name, os.path.join(out, f"sign-by-sign-{name}{suffix}.png"))
            key("Escape")
            wait_for(lambda: not any(w is not None and w.name == view.name for w in app), 5)
    finally:
        window.terminate()
        window.wait()


main()
