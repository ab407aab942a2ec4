#!/usr/bin/env python3
"""Writes the shipped service list files in data/ from the built-in catalogue.

services/builtin_catalogue.cpp is the one source of the rows. The English
display names are the bracketed part of the Russian ones, except for the rows
below whose bracket is missing or differs from the name Windows shows.
Run from anywhere: python3 scripts/gen-catalogue-data.py
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "services" / "builtin_catalogue.cpp"
DATA = ROOT / "data"
ROW_COUNT = 91
MARKS = (" SP2", " *")

ENGLISH_OVERRIDES = {
    0: "Automatic Updates",
    3: "Windows Firewall/Internet Connection Sharing (ICS)",
    4: "Internet Connection Firewall (ICF) / Internet Connection Sharing (ICS)",
    54: "Portable Media Serial Number Service",
}

ROW = re.compile(r'\{"([^"\\]*)", "([^"\\]*)", "([^"\\]*)"\}')


def read_rows():
    rows = ROW.findall(SOURCE.read_text(encoding="utf-8"))
    if len(rows) != ROW_COUNT:
        sys.exit(f"{SOURCE}: found {len(rows)} rows, expected {ROW_COUNT}")
    return rows


def split_mark(name):
    for mark in MARKS:
        if name.endswith(mark):
            return name[: -len(mark)], mark
    return name, ""


def last_bracket(text):
    """The contents of the balanced bracket group that ends the text."""
    if not text.endswith(")"):
        return None
    depth = 0
    for pos in range(len(text) - 1, -1, -1):
        depth += {")": 1, "(": -1}.get(text[pos], 0)
        if depth == 0:
            return text[pos + 1 : -1]
    return None


def english_name(index, display):
    body, mark = split_mark(display)
    english = ENGLISH_OVERRIDES.get(index) or last_bracket(body)
    if not english:
        sys.exit(f"row {index}: no English name in {display!r}")
    return english + mark


def write_list(file_name, lines):
    text = "".join(line + "\r\n" for line in lines)
    (DATA / file_name).write_bytes(text.encode("cp1251"))


def main():
    rows = read_rows()
    DATA.mkdir(exist_ok=True)
    write_list("ServicesRealNames-rus.lng.dat", [r[0] for r in rows])
    write_list("ServicesRealNames-eng.lng.dat",
               [english_name(i, r[0]) for i, r in enumerate(rows)])
    write_list("ServicesSysNames.dat", [r[1] for r in rows])
    write_list("ServicesTMNames.dat", [r[2] for r in rows])


if __name__ == "__main__":
    main()
