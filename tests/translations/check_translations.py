#!/usr/bin/env python3
"""Checks the committed .ts files.

  check_translations.py complete LRELEASE TS...
      every message is translated and finished (lrelease leaves nothing out), a message that
      counts (%n) has its plural forms, and every %1..%9 of a source is in its translation;
  check_translations.py current LUPDATE SOURCE_LIST INCLUDE_DIR TS...
      the files hold exactly the texts of the sources (a new or changed tr() without
      regenerating the files fails).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE_MARKERS = re.compile(r"%(L?)([1-9])")


def messages(ts_path):
    """(context, message element) for each message that is not obsolete."""
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            kind = message.find("translation").get("type")
            if kind in ("vanished", "obsolete"):
                continue
            yield name, message


def key(context, message):
    return (context, message.findtext("source"), message.findtext("comment") or "")


def check_complete(lrelease, ts_files):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        for ts in ts_files:
            name = os.path.basename(ts)
            qm = os.path.join(folder, name + ".qm")
            run = subprocess.run([lrelease, ts, "-qm", qm], capture_output=True, text=True)
            if run.returncode != 0:
                problems.append(f"{name}: lrelease failed:\n{run.stdout}{run.stderr}")
                continue
            # What lrelease leaves out of the program: "N unfinished", "Ignored N untranslated".
            counts = re.search(r"(\d+) unfinished", run.stdout)
            unfinished = int(counts.group(1)) if counts else 0
            counts = re.search(r"Ignored (\d+) untranslated", run.stdout)
            untranslated = int(counts.group(1)) if counts else 0
            if unfinished or untranslated:
                problems.append(f"{name}: {unfinished} unfinished and {untranslated} "
                                "untranslated text(s)")
            for context, message in messages(ts):
                problems += check_message(name, context, message)
    return problems


def check_message(name, context, message):
    source = message.findtext("source")
    where = f"{name}: {context}: {source!r}"
    translation = message.find("translation")
    if "%n" in source or "%Ln" in source:
        if message.get("numerus") != "yes":
            return [f"{where}: shows a number (%n) but has no plural forms"]
    if message.get("numerus") == "yes":
        forms = [form.text or "" for form in translation.iter("numerusform")]
    else:
        forms = [translation.text or ""]
    if translation.get("type") != "unfinished" and not all(forms):
        return [f"{where}: finished, but empty"]
    problems = []
    needed = {m.group(2) for m in PLACE_MARKERS.finditer(source)}
    for form in filter(None, forms):
        have = {m.group(2) for m in PLACE_MARKERS.finditer(form)}
        for marker in sorted(needed - have):
            problems.append(f"{where}: %{marker} missing in {form!r}")
        for marker in sorted(have - needed):
            problems.append(f"{where}: %{marker} is not in the source: {form!r}")
    return problems


def check_current(lupdate, source_list, include_dir, ts_files):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        copies = []
        for ts in ts_files:
            copy = os.path.join(folder, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run(
            [lupdate, "-I", include_dir, "@" + source_list, "-ts"] + copies,
            capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed:\n{run.stdout}{run.stderr}"]
        for ts, copy in zip(ts_files, copies):
            committed = {key(c, m) for c, m in messages(ts)}
            current = {key(c, m) for c, m in messages(copy)}
            name = os.path.basename(ts)
            for context, source, _ in sorted(current - committed):
                problems.append(f"{name}: not in the file: {context}: {source!r}")
            for context, source, _ in sorted(committed - current):
                problems.append(f"{name}: no longer in the sources: {context}: {source!r}")
    return problems


def main(argv):
    if len(argv) >= 3 and argv[1] == "complete":
        problems = check_complete(argv[2], argv[3:])
    elif len(argv) >= 6 and argv[1] == "current":
        problems = check_current(argv[2], argv[3], argv[4], argv[5:])
        if problems:
            problems.append("Regenerate them: cmake --build build --target update_translations")
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
