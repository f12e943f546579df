#!/usr/bin/env python3
"""Checks the .ts files against the code and against themselves.

  sources  lupdate run on the code (into copies) finds no text missing from
           the .ts files and none they hold in vain; no entry is obsolete or
           vanished; every language not named as still in progress has no
           unfinished entry.
  markers  every translation keeps the placeholders of its source (%1 ..,
           %L1, %n): a wrong count would show "%1" to the player.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def text(elem):
    """An element's text with lupdate's <byte value="xd"/> as the characters."""
    if elem is None:
        return ""
    out = elem.text or ""
    for child in elem:
        if child.tag == "byte":
            out += chr(int(child.get("value").lstrip("x"), 16))
        out += child.tail or ""
    return out


def messages(path):
    """(context, source, comment) -> message element, for one .ts file."""
    out = {}
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.findtext("name")
        for msg in ctx.iter("message"):
            key = (name, text(msg.find("source")), text(msg.find("comment")))
            out[key] = msg
    return out


def forms(msg):
    t = msg.find("translation")
    if t is None:
        return []
    nf = t.findall("numerusform")
    return [text(f) for f in nf] if nf else [text(t)]


def unfinished(msg):
    t = msg.find("translation")
    return t is None or t.get("type") == "unfinished" or not all(forms(msg))


def shown(key):
    return f'{key[0]}: "{key[1]}"'


def check_sources(args, files):
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        for ts in files:
            copy = pathlib.Path(tmp) / ts.name
            shutil.copy(ts, copy)
            subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none",
                            *args.folders, "-ts", str(copy)],
                           cwd=args.root, check=True, stdout=subprocess.DEVNULL)
            before, after = messages(ts), messages(copy)
            for key in after.keys() - before.keys():
                faults.append(f"{ts.name}: not in the file yet: {shown(key)}")
            for key in before.keys() - after.keys():
                faults.append(f"{ts.name}: no longer in the code: {shown(key)}")
            for key, msg in before.items():
                t = msg.find("translation")
                if t is not None and t.get("type") in ("obsolete", "vanished"):
                    faults.append(f"{ts.name}: {t.get('type')}: {shown(key)}")
            lang = ts.stem.split("_", 1)[1]
            if lang not in args.in_progress:
                for key, msg in before.items():
                    if unfinished(msg):
                        faults.append(f"{ts.name}: unfinished: {shown(key)}")
    return faults


MARK = re.compile(r"%L?(\d+)|%n")


def marks(text):
    return sorted(m.group(0).replace("%L", "%") for m in MARK.finditer(text))


def check_markers(files):
    faults = []
    for ts in files:
        for key, msg in messages(ts).items():
            want = marks(key[1])
            for form in forms(msg):
                if form and marks(form) != want:
                    faults.append(f'{ts.name}: {shown(key)} -> "{form}" has {marks(form)}, wants {want}')
    return faults


def main():
    p = argparse.ArgumentParser()
    p.add_argument("mode", choices=["sources", "markers"])
    p.add_argument("--lupdate")
    p.add_argument("--root", required=True)
    p.add_argument("--folders", nargs="*", default=[])
    p.add_argument("--in-progress", nargs="*", default=[])
    args = p.parse_args()
    files = sorted(pathlib.Path(args.root, "i18n").glob("realpentaro_*.ts"))
    if not files:
        print("no .ts files in i18n/")
        return 1
    faults = check_sources(args, files) if args.mode == "sources" else check_markers(files)
    for f in faults[:200]:
        print(f)
    if len(faults) > 200:
        print(f"... and {len(faults) - 200} more")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
