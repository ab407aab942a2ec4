#!/usr/bin/env python3
"""Writes the Configz\\ files: the four preset .reg files, dravel.twk with the
presets' one-line descriptions, and RusDescription.reg with the Russian names
and descriptions of the services.

Sources: data/presets.tsv, data/preset-descriptions.tsv, data/descriptions-rus.tsv;
data/catalogue.tsv says which services exist.
Registry files are UTF-16LE with a BOM, as the registry editor exports them;
dravel.twk is Windows-1251 and says so in its [About] section (CodePage).

Usage: gen-configz.py <Configz-folder>
"""
import pathlib
import sys

from qlmr_tables import fail, read_catalogue, read_table, write_lines

SERVICES_KEY = r"HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services"
REG_HEADER = "Windows Registry Editor Version 5.00"
START_TYPES = {"auto": 2, "manual": 3, "off": 4, "-": None}

# Catalogue entries whose names are no service key of Windows XP (the real keys
# are NetDDEdsdm, SNMP, SNMPTRAP, iprip and FastUserSwitchingCompatibility).
# Writing them would only leave junk keys behind.
NOT_A_SERVICE_KEY = {"NetDDE dsdm", "SMNP", "SMNPTRAP", "lprip",
                     "FastUserSwitching Compatibility"}


def check_names(rows, table):
    """The snapshots that undo a preset or a description swap cover exactly the
    catalogue's keys, so the tables may name only those, each once."""
    known = {row["system"] for row in read_catalogue()} - NOT_A_SERVICE_KEY
    seen = set()
    for row in rows:
        name = row["system"]
        if name not in known or name in seen:
            fail(f"{table}: {name} is no catalogue service key or is named twice")
        seen.add(name)


def check_presets(rows, kinds):
    for row in rows:
        for kind in kinds:
            if row[kind] not in START_TYPES:
                fail(f"presets.tsv: {row['system']}: unknown start type {row[kind]!r}")
            if row["vital"] == "yes" and row[kind] == "off":
                fail(f"presets.tsv: {row['system']} is vital and must never be disabled")


def key_line(name):
    return f"[{SERVICES_KEY}\\{name}]"


def reg_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def preset_lines(kind, caption, rows):
    lines = [REG_HEADER, "",
             f'; Конфигурация служб "{caption}" ({kind}.html)',
             "; Тип запуска: 2 - авто, 3 - вручную, 4 - отключено", ""]
    for row in rows:
        start = START_TYPES[row[kind]]
        if start is not None:
            lines += [key_line(row["system"]), f'"Start"=dword:{start:08x}', ""]
    return lines


def description_lines(rows):
    lines = [REG_HEADER, "", "; Русские названия и описания служб Windows XP SP2", ""]
    for row in rows:
        lines += [key_line(row["system"]),
                  '"DisplayName"=' + reg_string(row["display_name"]),
                  '"Description"=' + reg_string(row["description"]), ""]
    return lines


def main(out):
    out = pathlib.Path(out)
    presets = read_table("presets.tsv")
    infos = read_table("preset-descriptions.tsv")
    descriptions = read_table("descriptions-rus.tsv")
    check_names(presets, "presets.tsv")
    check_names(descriptions, "descriptions-rus.tsv")
    check_presets(presets, [info["preset"] for info in infos])
    utf16 = ("utf-16-le", b"\xff\xfe")
    for info in infos:
        write_lines(out / f"{info['preset']}.html.reg",
                    preset_lines(info["preset"], info["caption"], presets), *utf16)
    write_lines(out / "RusDescription.reg", description_lines(descriptions), *utf16)
    twk = []
    for info in infos:
        twk += [f"[{info['preset']}.html]", "Info=" + info["info"], ""]
    twk += ["[About]", "CodePage=1251"]
    write_lines(out / "dravel.twk", twk, "cp1251")


if __name__ == "__main__":
    main(sys.argv[1])
