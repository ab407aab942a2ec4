#!/usr/bin/env python3
"""Sets the two compile-time stamps of a .chm (the ITSF header's and the #SYSTEM file's code 10
entry) to a fixed moment, so that the help compiled from one commit is the same bytes on every
build. Usage: chm-stamp.py <epoch-seconds> <file.chm>..."""
import struct
import sys


def encint(data, pos):
    """The directory's variable-length integers: 7 bits a byte, high bit = more follow."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def directory_entries(data):
    """(name, section, offset, length) of every file listed in the PMGL chunks."""
    dir_offset, dir_length = struct.unpack_from("<QQ", data, 0x48)
    content0 = struct.unpack_from("<Q", data, 0x58)[0]
    if data[dir_offset:dir_offset + 4] != b"ITSP":
        raise ValueError("no ITSP directory")
    header_length, chunk_size = struct.unpack_from("<II", data, dir_offset + 8)[0], \
        struct.unpack_from("<I", data, dir_offset + 0x10)[0]
    chunks = (dir_length - header_length) // chunk_size
    for i in range(chunks):
        start = dir_offset + header_length + i * chunk_size
        if data[start:start + 4] != b"PMGL":
            continue
        free = struct.unpack_from("<I", data, start + 4)[0]
        pos, end = start + 0x14, start + chunk_size - free
        while pos < end:
            n, pos = encint(data, pos)
            name = data[pos:pos + n].decode("utf-8")
            pos += n
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            length, pos = encint(data, pos)
            yield name, section, content0 + offset, length


def stamp(path, moment):
    data = bytearray(open(path, "rb").read())
    if data[:4] != b"ITSF":
        raise ValueError(path + ": not a compiled help file")
    struct.pack_into(">I", data, 0x10, moment)
    found = False
    for name, section, offset, length in directory_entries(data):
        if name != "/#SYSTEM" or section != 0:
            continue
        pos, end = offset + 4, offset + length   # after the version
        while pos + 4 <= end:
            code, size = struct.unpack_from("<HH", data, pos)
            if code == 10 and size >= 4:
                struct.pack_into("<I", data, pos + 4, moment)
                found = True
            pos += 4 + size
    if not found:
        raise ValueError(path + ": no time stamp in #SYSTEM")
    open(path, "wb").write(bytes(data))


def main():
    epoch = int(sys.argv[1])
    moment = (epoch % 86400) * 1000   # the compiler writes the time of day in milliseconds
    for path in sys.argv[2:]:
        stamp(path, moment)


if __name__ == "__main__":
    main()
