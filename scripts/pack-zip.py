#!/usr/bin/env python3
"""Packs files into a zip that is the same bytes on every build: entries in the order given,
each dated the given moment (UTC) with the same permissions, no extra fields.
Usage: pack-zip.py <out.zip> <base-dir> <epoch-seconds> <list-file>  (one relative path a line)"""
import os
import sys
import time
import zipfile


def main():
    out, base, epoch, listing = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    moment = time.gmtime(max(epoch, 315532800))[:6]   # a zip cannot date anything before 1980
    names = [line.rstrip("\n") for line in open(listing, encoding="utf-8") if line.strip()]
    with zipfile.ZipFile(out, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=moment)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            with open(os.path.join(base, name), "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)


if __name__ == "__main__":
    main()
