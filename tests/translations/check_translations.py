#!/usr/bin/python3
"""check_translations.py LUPDATE SOURCES_LIST TS_FILE... -- LUPDATE_OPTION...

The program's translation sources are whole and current:
- every entry of every .ts file is translated: none unfinished, vanished or
  obsolete, none empty;
- each translation keeps the placeholders of its source (%1 .. %9, %n, %L1),
  each as often, and adds none; a source's line breaks stay line breaks;
- lupdate, run over the sources as the update target runs it, finds no text
  the .ts files lack and none they hold that the sources no longer have: a
  new text of the program fails here until it is translated.
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?[1-9n]")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def entries(path):
    """(context, source) -> (translation text, type) of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (translation.text or "", translation.get("type"))
    return found


def check_complete(path):
    language = ET.parse(path).getroot().get("language")
    stem = os.path.basename(path)
    if stem != f"tallyra_{language}.ts":
        fail(f"{stem} declares the language {language!r}")
    found = entries(path)
    for (context, source), (text, kind) in found.items():
        where = f"{stem}, {context}: {source!r}"
        if kind is not None:
            fail(f"{where} is {kind}")
        if not text.strip():
            fail(f"{where} has no translation")
        if collections.Counter(PLACEHOLDER.findall(source)) != collections.Counter(PLACEHOLDER.findall(text)):
            fail(f"{where}: the translation {text!r} does not keep the placeholders")
        if source.count("\n") != text.count("\n"):
            fail(f"{where}: the translation {text!r} breaks its lines otherwise")
    return found


def check_current(lupdate, sources_list, ts_files, options):
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(ts, scratch) for ts in ts_files]
        result = subprocess.run([lupdate, *options, f"@{sources_list}", "-ts", *copies],
                                capture_output=True, text=True)
        if result.returncode != 0:
            fail(f"lupdate failed: {result.stderr}")
        for ts, copy in zip(ts_files, copies):
            committed, updated = entries(ts), entries(copy)
            stem = os.path.basename(ts)
            for key in sorted(updated.keys() - committed.keys()):
                fail(f"{stem} lacks {key[0]}: {key[1]!r} (build the target update_translations and translate it)")
            for key in sorted(committed.keys() - updated.keys()):
                fail(f"{stem} holds {key[0]}: {key[1]!r}, which no source has any more")


def main():
    separator = sys.argv.index("--")
    lupdate, sources_list, *ts_files = sys.argv[1:separator]
    options = sys.argv[separator + 1:]
    if not ts_files:
        fail("no translation sources")
    counts = {}
    for ts in ts_files:
        counts[os.path.basename(ts)] = len(check_complete(ts))
    if len(set(counts.values())) != 1:
        fail(f"the translation sources hold different numbers of entries: {counts}")
    check_current(lupdate, sources_list, ts_files, options)
    print(f"PASS: {', '.join(counts)}: {next(iter(counts.values()))} entries each, all translated with "
          "their placeholders; lupdate finds no text missing and none gone")


main()
