"""Reads the data tables in data/ that the generators turn into shipped files.

Every table is UTF-8 text, one row a line, cells parted by tabs, the first line
naming the columns.
"""
import os
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
# QLMR_DATA points the generators at another copy of the tables (the tests do).
DATA = pathlib.Path(os.environ.get("QLMR_DATA", ROOT / "data"))
CATALOGUE_SIZE = 91


def fail(message):
    sys.exit(message)


def read_table(name):
    """The rows of data/<name> as dictionaries keyed by the column names."""
    path = DATA / name
    lines = path.read_text(encoding="utf-8").splitlines()
    columns = lines[0].split("\t")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != len(columns):
            fail(f"{path}:{number}: {len(cells)} cells, expected {len(columns)}")
        rows.append(dict(zip(columns, cells)))
    return rows


def read_catalogue():
    rows = read_table("catalogue.tsv")
    if len(rows) != CATALOGUE_SIZE:
        fail(f"catalogue.tsv: {len(rows)} rows, expected {CATALOGUE_SIZE}")
    for position, row in enumerate(rows):
        if row["index"] != str(position):
            fail(f"catalogue.tsv: row {position} is numbered {row['index']}")
    return rows


def write_lines(path, lines, encoding, bom=b""):
    """Windows text: CR LF after every line."""
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(bom + "".join(line + "\r\n" for line in lines).encode(encoding))
