#!/usr/bin/python3
"""test_accessibility_tree.py PROGRAM TEXT_PROGRAM TRANSLATIONS_DIR

The real window as a screen reader reads it over AT-SPI: every row of the
five pages an object named by its caption, its text the row's numeral as
the text command prints it (what the row's reading says where the row shows
nothing), its description the system's explanation; a row of signs outside
the Basic Multilingual Plane read in pieces from every offset; five page
tabs, the third and fourth pages shown through their tabs' actions with
their rows showing and reading their numerals; the number field named "Number";
the spin button a spin control whose actions step the number; the message
line a notification announced when it appears; the find field named, and
Ctrl+F, a query and Enter (typed with xdotool) showing the found row's page
with the focus on that row, Esc going back to the number field; a row's "Sign by Sign" view
opened from the keyboard (Tab to the rows, Down to the row, Enter), its
numeral the row's text, its groups labels named by their signs and values,
its signs buttons named by their text and value, which compose a numeral
that "Show This Number" puts into the window. Then the
window in the desktop's language: under LANGUAGE=C and under each language
of TRANSLATIONS_DIR, the page tabs, the range message and the context menu
a right click opens are the English texts, or the ones the language's .ts
file gives, which differ from them. Needs an X display, xdotool and a
session bus with the accessibility bus up (with_atspi_bus.sh).
"""
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sign_by_sign_keys import open_view, pump, walk  # noqa: E402

PAGES = ["Number signs 1", "Number signs 2", "Number signs 3", "Number signs 4", "Number signs 5"]
OUT_OF_RANGE = "Number must be greater than 0 and less than 80000"
WINDOW_TITLE = "Number signs of other cultures"
FIND_FIELD = "Find a system"
# What is typed into the find field, the keys after it, and the row (and its
# page) that Enter must then show with the focus on it.
FINDS = [("cyrillic", [], "Cyrillic", "Number signs 3"),
         ("egypt", ["Down"], "Hieratic", "Number signs 2"),
         ("cuneiform", [], "Assyrian", "Number signs 1")]
# A row of each page, which shows exactly while its page does.
PAGE_PROBES = {"Number signs 1": "Ancient Greek", "Number signs 2": "Ath-Seikai", "Number signs 3": "Adlam"}
MENU = ["Copy", "Copy as Picture", "Sign by Sign", "Copy All Rows"]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


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


def check_text_page(app, field, text_program, page, number, captions):
    """Five page tabs; the action of a text page's tab (the third, the
    fourth) shows the page, whose rows then show and read the number's
    numerals."""
    tabs = [node for node in walk(app) if node.getRole() == pyatspi.ROLE_PAGE_TAB]
    if [tab.name for tab in tabs] != PAGES:
        fail(f"page tabs {[tab.name for tab in tabs]}, expected {PAGES}")
    field.queryEditableText().setTextContents(number)
    first = next(node for node in walk(app) if node.name == captions[0] and node.description)
    if first.getState().contains(pyatspi.STATE_SHOWING):
        fail(f"the rows of {PAGES[page - 1]} show before their page is chosen")
    tabs[page - 1].queryAction().doAction(0)
    wait_for(f"the rows of {PAGES[page - 1]} do not show after its tab's action",
             lambda: first.getState().contains(pyatspi.STATE_SHOWING), 5)
    expected = dict(expected_rows(text_program, number))
    for caption in captions:
        node = next(node for node in walk(app) if node.name == caption and node.description)
        if text_of(node) != expected[caption]:
            fail(f"on {PAGES[page - 1]} {caption} reads {text_of(node)!r}, expected {expected[caption]!r}")
    readings = ", ".join(f"{caption} {expected[caption]!r}" for caption in captions)
    print(f"ok: five page tabs; {PAGES[page - 1]} shows its rows: {readings}")


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


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def row_named(app, caption):
    return next(node for node in walk(app) if node.name == caption and node.description)


def check_find(app, field):
    """Ctrl+F puts the focus into the find field; the query lists the rows
    found, the chosen one (Up, Down) focused for a screen reader; Enter shows
    its page and puts the focus on the row; Esc in the field returns to the
    number field."""
    find = one_named(app, pyatspi.ROLE_TEXT, FIND_FIELD)
    window = subprocess.run(["xdotool", "search", "--sync", "--name", f"^{WINDOW_TITLE}$"], check=True,
                            capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window)
    heard = []  # the matches a screen reader is told of, as they get the focus

    def listener(event):
        if event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(listener, "focus:")
    for query, keys, caption, page in FINDS:
        xdotool("key", "ctrl+f")
        wait_for("Ctrl+F did not put the focus into the find field", lambda: focused(find), 5)
        xdotool("type", "--delay", "20", query)
        wait_for(f"the find field does not read {query!r}", lambda: text_of(find) == query, 5)
        if keys:
            xdotool("key", *keys)
        wait_for(f"{query!r}{' ' + ' '.join(keys) if keys else ''}: a screen reader was last told of "
                 f"{heard[-1:]}, not of {caption}", lambda: heard[-1:] == [caption], 5)
        xdotool("key", "Return")
        row = row_named(app, caption)
        wait_for(f"{query!r}, Enter: the {caption} row has no focus", lambda: focused(row), 5)
        for other, probe in PAGE_PROBES.items():
            if other != page and showing(row_named(app, probe)):
                fail(f"{query!r}, Enter: {other} still shows ({probe} shows)")
        if not showing(row):
            fail(f"{query!r}, Enter: the {caption} row does not show")
        print(f"ok: Ctrl+F, {query!r}{' ' + ' '.join(keys) if keys else ''}, Enter: {page}, {caption} focused")
    pyatspi.Registry.deregisterEventListener(listener, "focus:")
    xdotool("key", "ctrl+f")
    wait_for("Ctrl+F did not put the focus into the find field", lambda: focused(find), 5)
    xdotool("key", "Escape")
    wait_for("Esc in the find field did not return to the number field", lambda: focused(field), 5)
    print(f"ok: the find field is named {FIND_FIELD!r}; Esc returns to the number field")


def one_named(app, role, name):
    found = wait_for(f"no object named {name!r}",
                     lambda: [node for node in walk(app) if node.getRole() == role and node.name == name], 5)
    if len(found) != 1:
        fail(f"{len(found)} objects named {name!r}, expected one")
    return found[0]


def translated(ts_file, texts):
    """The .ts file's translation of each English text, in its context."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            found[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
    return [found[(context, text)] for context, text in texts]


def check_language(program, language, pages, out_of_range, menu, find_field):
    """The real window under LANGUAGE=language: its page tabs, the range
    message and the context menu of a row, as a screen reader finds them;
    the number field is the text field that is not the find field (named
    find_field in the language)."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE=language)
    window = subprocess.Popen([program], env=env)
    try:
        app = wait_for(f"LANGUAGE={language}: the program did not appear on the accessibility bus",
                       lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.get_process_id() == window.pid), None))
        tabs = wait_for(f"LANGUAGE={language}: no page tabs",
                        lambda: [n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_PAGE_TAB])
        if tabs != pages:
            fail(f"LANGUAGE={language}: page tabs {tabs}, expected {pages}")
        fields = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_TEXT and n.name != find_field]
        if len(fields) != 1:
            fail(f"LANGUAGE={language}: {len(fields)} text fields besides the find field {find_field!r}, expected one")
        fields[0].queryEditableText().setTextContents("80000")
        message = one(app, pyatspi.ROLE_NOTIFICATION, "notification")
        wait_for(f"LANGUAGE={language}: the message line says {message.name!r}, expected {out_of_range!r}",
                 lambda: message.name == out_of_range, 5)
        row = next(node for node in walk(app) if node.getRole() == pyatspi.ROLE_LABEL and node.description)
        x, y, _width, height = row.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        # A popup menu is no child of the application: a screen reader meets it as it shows.
        popups = []

        def listener(event):
            if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
                popups.append(event.source)

        pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")
        subprocess.run(["xdotool", "mousemove", str(x + 5), str(y + height // 2), "click", "3"], check=True)
        wait_for(f"LANGUAGE={language}: a right click on {row.name} opens no menu", lambda: popups, 5)
        pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
        items = [item.name for item in popups[0] if item is not None and item.name]
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        if items != menu:
            fail(f"LANGUAGE={language}: the context menu holds {items}, expected {menu}")
    finally:
        window.terminate()
        window.wait()
    print(f"ok: LANGUAGE={language}: tabs {tabs}, {out_of_range!r}, menu {items}")


def check_languages(program, translations):
    english = (PAGES, OUT_OF_RANGE, MENU, FIND_FIELD)
    check_language(program, "C", *english)
    languages = sorted(name[len("tallyra_"):-len(".ts")] for name in os.listdir(translations)
                       if name.startswith("tallyra_") and name.endswith(".ts"))
    if len(languages) < 3:
        fail(f"translations for {languages} only")
    for language in languages:
        ts_file = os.path.join(translations, f"tallyra_{language}.ts")
        pages = translated(ts_file, [("NumeralPages", page) for page in PAGES])
        out_of_range = translated(ts_file, [("NumberParser", "Number must be greater than 0 and less than %1")])
        menu = translated(ts_file, [("RowInteraction", item) for item in MENU])
        find_field = translated(ts_file, [("FindField", FIND_FIELD)])[0]
        expected = (pages, out_of_range[0].replace("%1", "80000"), menu, find_field)
        for shown, english_text in zip(pages + [expected[1]] + menu, PAGES + [OUT_OF_RANGE] + MENU):
            if shown == english_text:
                fail(f"tallyra_{language}.ts leaves {english_text!r} in English")
        check_language(program, language, *expected)


COMMANDS = ("Backspace", "Clear", "Show This Number", "Copy", "Copy as Picture")
# The signs pressed for 305 in each row's system, by their values.
COMPOSE_305 = {"Semaphore": [3, 0, 5], "Maya": [15, 5], "Hebrew": [300, 5]}


def the_view(app, caption):
    main_window = next(w for w in app if w is not None and w.name == "Number signs of other cultures")
    view = open_view(app, main_window, caption)
    if view is None:
        fail(f"Enter on the {caption} row opened no view")
    return view


def close_view(app, view):
    name = view.name
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    wait_for(f"Esc left the view {name!r} open",
             lambda: not any(w is not None and w.name == name for w in app), 5)


def check_egyptian_view(app, field, text_program):
    """The Egyptian view at 46363: its numeral reads as the row, its groups
    carry 40000, 6000, 300, 60 and 3, its lotus button says 1000."""
    field.queryEditableText().setTextContents("46363")
    view = the_view(app, "Egyptian")
    labels = [node.name for node in walk(view) if node.getRole() == pyatspi.ROLE_LABEL]
    numeral = dict(expected_rows(text_program, "46363"))["Egyptian"]
    if numeral not in labels:
        fail(f"the Egyptian view has no label reading {numeral!r}")
    values = [name.rsplit(" ", 1)[-1] for name in labels
              if " " in name and "\U00013000" <= name[0] <= "\U0001342F"]
    if values != ["40000", "6000", "300", "60", "3"]:
        fail(f"the Egyptian groups carry {values}")
    buttons = [node.name for node in walk(view) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if "\U000131BC 1000" not in buttons:
        fail(f"no sign button for the lotus and 1000 among {buttons}")
    close_view(app, view)
    print(f"ok: Egyptian view from the keyboard, groups {values}, numeral {numeral}")


def check_composing(app, field, text_program, caption):
    """Pressing the signs for 305 and "Show This Number" shows 305."""
    field.queryEditableText().setTextContents("1")
    view = the_view(app, caption)
    signs = [node for node in walk(view) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name not in COMMANDS]
    for value in COMPOSE_305[caption]:
        sign = next((node for node in signs if node.name.rsplit(" ", 1)[-1] == str(value)), None)
        if sign is None:
            fail(f"no sign of {caption} for {value} among {[node.name for node in signs]}")
        sign.queryAction().doAction(0)
    wait_for(f"the composed {caption} numeral does not read 305",
             lambda: any(node.name == "Reads 305" for node in walk(view)), 5)
    show = next(node for node in walk(view) if node.name == "Show This Number")
    show.queryAction().doAction(0)
    wait_for(f"Show This Number left the field at {text_of(field)!r}", lambda: text_of(field) == "305", 5)
    row = next(node for node in walk(app) if node.name == caption and node.description)
    expected = dict(expected_rows(text_program, "305"))[caption]
    if text_of(row) != expected:
        fail(f"after Show This Number the {caption} row reads {text_of(row)!r}, expected {expected!r}")
    close_view(app, view)
    print(f"ok: {caption} signs {COMPOSE_305[caption]} read 305 and show it in the window")


def main():
    program, text_program, translations = sys.argv[1:4]
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
        check_text_page(app, field, text_program, 3, "20000", ("Cyrillic", "Georgian", "Adlam"))
        check_text_page(app, field, text_program, 4, "46363", ("Wancho", "Chinese dec.", "Suzhou digits"))
        check_spin_button(app, field)
        check_message(app, field)
        check_find(app, field)
        check_egyptian_view(app, field, text_program)
        for caption in COMPOSE_305:
            check_composing(app, field, text_program, caption)
    finally:
        window.terminate()
        window.wait()
    check_languages(program, translations)
    print("PASS: accessibility tree")


main()
