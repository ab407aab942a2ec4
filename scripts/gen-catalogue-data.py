#!/usr/bin/env python3
"""Writes the service list files and the built-in C++ table from data/catalogue.tsv.

Usage: gen-catalogue-data.py <list-folder> <header-file>
"""
import pathlib
import sys

from qlmr_tables import read_catalogue, write_lines


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def header_lines(rows):
    lines = ["// Generated from data/catalogue.tsv by scripts/gen-catalogue-data.py."]
    for row in rows:
        cells = (row["display_rus"], row["system"], row["host"])
        lines.append("/* %2s */ {%s}," % (row["index"], ", ".join(map(cpp_string, cells))))
    return lines


def main(list_folder, header):
    rows = read_catalogue()
    lists = {
        "ServicesRealNames-rus.lng.dat": "display_rus",
        "ServicesRealNames-eng.lng.dat": "display_eng",
        "ServicesSysNames.dat": "system",
        "ServicesTMNames.dat": "host",
    }
    for file_name, column in lists.items():
        write_lines(pathlib.Path(list_folder) / file_name, [r[column] for r in rows], "cp1251")
    header = pathlib.Path(header)
    text = "\n".join(header_lines(rows)) + "\n"
    # Left untouched when equal, so the C++ side is not rebuilt for a list edit.
    if not header.exists() or header.read_text(encoding="utf-8") != text:
        header.parent.mkdir(parents=True, exist_ok=True)
        header.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:3])
