#!/usr/bin/env python3
"""Checks that translation files are complete and keep the placeholders.

A message fails when its translation is unfinished or empty (each plural form
of a %n message too), or when it names other placeholders (%1..%99, %n, with
or without L) than its source. Entries of texts that are gone from the code
(vanished, obsolete) are not shipped and not checked.

With --lupdate the files are first brought up to date with the sources in a
temporary copy, so a text added to the code but missing from a file fails too.

Usage: check-translations.py [--lupdate LUPDATE --sources DIR] FILE.ts...
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")
NOT_SHIPPED = {"vanished", "obsolete"}
# The plural forms Qt knows for a language; others are not counted.
PLURAL_FORMS = {"de": 2, "en": 2, "ru": 3}


def placeholders(text):
    return {m.group(1) for m in PLACEHOLDER.finditer(text or "")}


def check_file(path):
    """Returns (number of messages checked, list of problem texts)."""
    root = ET.parse(path).getroot()
    language = (root.get("language") or "").split("_")[0]
    name = os.path.basename(path)
    problems = []
    count = 0
    for context in root.iter("context"):
        context_name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in NOT_SHIPPED:
                continue
            count += 1
            source = message.findtext("source", "")
            where = f'{name}: {context_name}: "{source}"'
            if translation is None or kind == "unfinished":
                problems.append(f"{where}: unfinished")
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
                expected = PLURAL_FORMS.get(language)
                if expected is not None and len(forms) != expected:
                    problems.append(f"{where}: {len(forms)} plural forms, {language} has {expected}")
            else:
                forms = [translation.text or ""]
            wanted = placeholders(source)
            for index, form in enumerate(forms):
                label = f"form {index + 1}" if len(forms) > 1 else "translation"
                if not form.strip():
                    problems.append(f"{where}: {label} is empty")
                elif placeholders(form) != wanted:
                    got = " ".join(sorted("%" + p for p in placeholders(form))) or "none"
                    want = " ".join(sorted("%" + p for p in wanted)) or "none"
                    problems.append(f"{where}: {label} has placeholders {got}, the source {want}")
    return count, problems


def updated_copy(path, lupdate, sources, folder):
    copy = os.path.join(folder, os.path.basename(path))
    shutil.copyfile(path, copy)
    # English, the source language, keeps only the plural forms.
    plural_only = ["-pluralonly"] if path.endswith("_en.ts") else []
    subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *plural_only,
                    "-extensions", "cpp,h", sources, "-ts", copy], check=True)
    return copy


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate")
    parser.add_argument("--sources")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    if bool(args.lupdate) != bool(args.sources):
        parser.error("--lupdate and --sources go together")

    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for path in args.files:
            checked = updated_copy(path, args.lupdate, args.sources, folder) if args.lupdate else path
            count, problems = check_file(checked)
            for problem in problems:
                print(problem)
            print(f"{os.path.basename(path)}: {count} messages, {len(problems)} problems")
            failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
