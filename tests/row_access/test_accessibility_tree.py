#!/usr/bin/python3
"""test_accessibility_tree.py PROGRAM TEXT_PROGRAM

The real window as a screen reader reads it over AT-SPI: every row of the
five pages an object named by its caption, its text the row's numeral as
the text command prints it (what the row's reading says where the row shows
nothing), its description the system's explanation; a row of signs outside
the Basic Multilingual Plane read in pieces from every offset; five page
tabs, the third page shown through its tab's action with its rows showing
and reading their numerals; the number field named "Number";
the spin button a spin control whose actions step the number; the message
line a notification announced when it appears. Needs an X display and a session
bus with the accessibility bus up (with_atspi_bus.sh).
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PAGES = ["Number signs 1", "Number signs 2", "Number signs 3", "Number signs 4", "Number signs 5"]
OUT_OF_RANGE = "Number must be greater than 0 and less than 80000"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets libatspi take in the bus's signals (new applications, events)."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        pump(0.1)
    fail(what)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def rows_in_tree(app):
    """(name, text, description) of every object that carries a numeral."""
    rows = []
    for node in walk(app):
        if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE) and node.description:
            rows.append((node.name, text_of(node), node.description))
    return rows


def expected_rows(text_program, number):
    """(caption, text) of every row; where a row shows nothing, its reading
    says why ("no sign for zero", or that the system has no form for it)."""
    out = subprocess.run([text_program, "--reading", number], check=True, capture_output=True,
                         text=True).stdout
    rows = []
    for line in out.splitlines():
        caption, _kind, text, reading = line.split("\t")
        text = text.replace("\u2067", "").replace("\u2069", "")
        rows.append((caption, text or reading))
    return rows


def one(app, role, what):
    found = [node for node in walk(app) if node.getRole() == role]
    if len(found) != 1:
        fail(f"{len(found)} objects of role {what}, expected one")
    return found[0]


def check_rows(app, field, text_program, number):
    field.queryEditableText().setTextContents(number)
    if text_of(field) != number:
        fail(f"the field shows {text_of(field)!r} after setting {number}")
    # The rows of the five pages: every line the text command prints.
    expected = expected_rows(text_program, number)
    actual = rows_in_tree(app)
    if len(actual) != len(expected):
        fail(f"{len(actual)} rows in the tree, {len(expected)} from the text command")
    for (caption, text), (name, shown, description) in zip(expected, actual):
        if name != caption:
            fail(f"at {number}: a row named {name!r} where {caption!r} belongs (display order)")
        if shown != text:
            fail(f"at {number}: {caption} reads {shown!r}, expected {text!r}")
        if not description.strip() or description == caption:
            fail(f"{caption} has no explanation")
    print(f"ok: {number}: {len(actual)} rows with caption, text and explanation")
    return actual


def check_offsets(app, caption, expected):
    """The row's text as a screen reader moving by character or by word asks
    for it: between any two offsets (in characters), and the character or
    word (a run of blanks or of the rest) before, at and after every offset."""
    text = next(node for node in walk(app) if node.name == caption and node.description).queryText()
    if text.characterCount != len(expected):
        fail(f"{caption} counts {text.characterCount} characters in {expected!r}")
    for start in range(len(expected) + 1):
        for end in range(start, len(expected) + 1):
            if text.getText(start, end) != expected[start:end]:
                fail(f"{caption} from {start} to {end} reads {text.getText(start, end)!r}")
    for boundary, pattern in ((pyatspi.TEXT_BOUNDARY_CHAR, "."), (pyatspi.TEXT_BOUNDARY_WORD_START, " +|[^ ]+")):
        pieces = [(m.group(), m.start(), m.end()) for m in re.finditer(pattern, expected)]
        for offset in range(len(expected)):
            at = next(i for i, (_, start, end) in enumerate(pieces) if start <= offset < end)
            for ask, i in ((text.getTextBeforeOffset, at - 1), (text.getTextAtOffset, at),
                           (text.getTextAfterOffset, at + 1)):
                found = tuple(ask(offset, boundary))
                wanted = pieces[i] if 0 <= i < len(pieces) else ("",)
                if (found if found[0] else found[:1]) != wanted:
                    fail(f"{caption} by {boundary} from {offset}: {ask.__name__} gives {found}, expected {wanted}")
    print(f"ok: {caption} {expected!r} by every offset, character and word")


def check_third_page(app, field, text_program):
    """Five page tabs; the third one's action shows the page, whose rows
    then show and read the number's numerals."""
    tabs = [node for node in walk(app) if node.getRole() == pyatspi.ROLE_PAGE_TAB]
    if [tab.name for tab in tabs] != PAGES:
        fail(f"page tabs {[tab.name for tab in tabs]}, expected {PAGES}")
    field.queryEditableText().setTextContents("20000")
    cyrillic = next(node for node in walk(app) if node.name == "Cyrillic" and node.description)
    if cyrillic.getState().contains(pyatspi.STATE_SHOWING):
        fail("the third page's rows show before their page is chosen")
    tabs[2].queryAction().doAction(0)
    wait_for("the third page's rows do not show after its tab's action",
             lambda: cyrillic.getState().contains(pyatspi.STATE_SHOWING), 5)
    expected = dict(expected_rows(text_program, "20000"))
    for caption in ("Cyrillic", "Georgian", "Adlam"):
        node = next(node for node in walk(app) if node.name == caption and node.description)
        if text_of(node) != expected[caption]:
            fail(f"on the third page {caption} reads {text_of(node)!r}, expected {expected[caption]!r}")
    print(f"ok: five page tabs; the third page shows, Cyrillic reads {expected['Cyrillic']!r}, "
          f"Georgian {expected['Georgian']!r}")


def check_spin_button(app, field):
    spin = one(app, pyatspi.ROLE_SPIN_BUTTON, "spin button")
    if not spin.name:
        fail("the spin button has no name")
    action = spin.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    field.queryEditableText().setTextContents("1994")
    for wanted, result in (("increase", "1995"), ("decrease", "1994")):
        index = next((i for i, name in enumerate(names) if name.lower().startswith(wanted)), None)
        if index is None:
            fail(f"the spin button has no {wanted} action (it has {names})")
        action.doAction(index)
        wait_for(f"the {wanted} action did not step the number to {result}", lambda: text_of(field) == result, 5)
    print(f"ok: spin button {spin.name!r}, actions {names}")


def check_message(app, field):
    message = one(app, pyatspi.ROLE_NOTIFICATION, "notification")
    heard = []

    def listener(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")
    field.queryEditableText().setTextContents("80000")
    deadline = time.monotonic() + 5
    while not heard and time.monotonic() < deadline:
        pump(0.05)
    pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
    if heard != [OUT_OF_RANGE]:
        fail(f"announced {heard}, expected the message once")
    if message.name != OUT_OF_RANGE:
        fail(f"the message line is named {message.name!r}")
    print("ok: the message line is announced when it appears")


def main():
    program, text_program = sys.argv[1:3]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([program], env=env)
    try:
        app = wait_for("the program did not appear on the accessibility bus", lambda: application("Tallyra"))
        field = wait_for("no text field named Number",
                         lambda: next((n for n in walk(app)
                                       if n.getRole() == pyatspi.ROLE_TEXT and n.name == "Number"), None))
        labels = [target.name for relation in field.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        if "Number" not in labels:
            fail(f"the number field is labelled by {labels}, not by the label Number")
        print("ok: the number field is named Number by its label")
        for number in ("1994", "0", "46363"):
            rows = check_rows(app, field, text_program, number)
        for name, text, description in rows:
            if name in ("Kanji", "Hebrew", "Maya", "Semaphore"):
                print(f"   {name}: {text} | {description}")
        check_offsets(app, "Assyrian", dict(expected_rows(text_program, "46363"))["Assyrian"])
        check_third_page(app, field, text_program)
        check_spin_button(app, field)
        check_message(app, field)
    finally:
        window.terminate()
        window.wait()
    print("PASS: accessibility tree")


main()
