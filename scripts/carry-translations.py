#!/usr/bin/env python3
"""Carries translations over to texts that moved to another context.

lupdate keys a catalogue's messages by context and source text; when code
moves to another class, its texts come back unfinished under the new context
and the old entries are dropped. Run this after
`cmake --build BUILD --target update_translations`: every unfinished message
whose source text had a finished translation in the catalogue at REV (default
HEAD) gets that translation back, preferring the same context, then the one
translation that text had anywhere. Texts translated differently in several
old contexts stay unfinished and are listed, to be decided by hand.

    scripts/carry-translations.py [REV]

Run update_translations once more afterwards: it writes the catalogues back
in lupdate's own layout.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def message_key(message):
    source = message.findtext("source") or ""
    comment = message.findtext("comment") or ""
    return source, comment


def translations_of(ts_text):
    """(context, source, comment) and (source, comment) to finished translations."""
    by_context, by_text = {}, {}
    for context in ET.fromstring(ts_text).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue
            value = ET.tostring(translation, encoding="unicode")
            key = message_key(message)
            by_context[(name,) + key] = value
            by_text.setdefault(key, set()).add(value)
    return by_context, by_text


def carry(ts_path, rev):
    relative = ts_path.relative_to(ROOT).as_posix()
    old = subprocess.run(["git", "show", f"{rev}:{relative}"], cwd=ROOT,
                         capture_output=True, text=True)
    if old.returncode != 0:
        return 0, []
    by_context, by_text = translations_of(old.stdout)
    text = ts_path.read_text(encoding="utf-8")
    tree = ET.fromstring(text)
    carried, undecided = 0, []
    for context in tree.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") != "unfinished":
                continue
            key = message_key(message)
            value = by_context.get((name,) + key)
            if value is None:
                choices = by_text.get(key, set())
                if len(choices) > 1:
                    undecided.append(f"{name}: {key[0]!r}")
                if len(choices) != 1:
                    continue
                value = next(iter(choices))
            replacement = ET.fromstring(value)
            translation.clear()
            translation.text = replacement.text
            translation.extend(list(replacement))
            translation.attrib.update({k: v for k, v in replacement.attrib.items() if k != "type"})
            carried += 1
    if carried:
        body = ET.tostring(tree, encoding="unicode")
        ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                           encoding="utf-8")
    return carried, undecided


def main():
    rev = sys.argv[1] if len(sys.argv) > 1 else "HEAD"
    for ts_path in sorted((ROOT / "translations").glob("qm47_*.ts")):
        carried, undecided = carry(ts_path, rev)
        print(f"{ts_path.name}: {carried} carried over")
        for entry in undecided:
            print(f"  translated differently before, decide by hand: {entry}")


if __name__ == "__main__":
    main()
