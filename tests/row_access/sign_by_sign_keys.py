"""Opens a row's "Sign by Sign" view from the keyboard, as a user does:
Tab from the number field to the rows, Ctrl+Tab to the row's page, Down to
the row, Enter. Watches the focus through AT-SPI and types with xdotool on
$DISPLAY. Used by the accessibility tree's test and the screenshot script."""
import subprocess
import time

import pyatspi
from gi.repository import GLib


def pump(seconds):
    """Lets libatspi take in the bus's signals (new applications, events)."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def wait_for(probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        pump(0.1)
    return None


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "20", *names], check=True)


def is_row(node):
    return node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE) and bool(node.description)


def row_named(window, caption):
    return next(node for node in walk(window) if node.name == caption and is_row(node))


def focused_row(window):
    return next((node for node in walk(window) if is_row(node) and node.getState().contains(pyatspi.STATE_FOCUSED)),
                None)


def view_window(app, caption):
    title = f"{caption} \u2014 Sign by Sign"
    return next((window for window in app if window is not None and window.name == title), None)


def number_field(main_window):
    return next((n for n in walk(main_window) if n.getRole() == pyatspi.ROLE_TEXT and n.name == "Number"), None)


def open_view(app, main_window, caption):
    """The row's view from the keyboard; returns its window (None if it
    did not open)."""
    # Without a window manager the keyboard stays where the last window left it.
    for window in subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{main_window.name}$"],
                                 capture_output=True, text=True).stdout.split():
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    field = number_field(main_window)
    field.queryComponent().grabFocus()
    wait_for(lambda: field.getState().contains(pyatspi.STATE_FOCUSED), 5)
    for _ in range(8):
        if wait_for(lambda: focused_row(main_window), 0.3):
            break
        key("Tab")
    row = row_named(main_window, caption)
    for _ in range(5):  # round the five pages
        if row.getState().contains(pyatspi.STATE_SHOWING):
            break
        key("ctrl+Tab")
        pump(0.3)
    if not wait_for(lambda: focused_row(main_window), 1):
        key("Tab")
    key("Home")
    for _ in range(40):
        if wait_for(lambda: (focused_row(main_window) or row).name == caption
                    and focused_row(main_window) is not None, 0.3):
            break
        key("Down")
    key("Return")
    return wait_for(lambda: view_window(app, caption), 10)
