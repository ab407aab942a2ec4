"""Writes the system names of the services data/presets.tsv marks vital, as C++ string rows.

Usage: gen-vital-services.py <header-file>
"""
import pathlib
import sys

from qlmr_tables import read_table


def main(header):
    names = [row["system"] for row in read_table("presets.tsv") if row["vital"] == "yes"]
    lines = ["// Generated from data/presets.tsv by scripts/gen-vital-services.py."]
    lines += ['"%s",' % name for name in names]
    text = "\n".join(lines) + "\n"
    header = pathlib.Path(header)
    # Left untouched when equal, so the C++ side is not rebuilt for an edit of another column.
    if not header.exists() or header.read_text(encoding="utf-8") != text:
        header.parent.mkdir(parents=True, exist_ok=True)
        header.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1])
