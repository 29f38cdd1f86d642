#!/usr/bin/python3
"""Prints the target path and the icon location of a Windows shortcut (.lnk), one a line.

Reads the shell link format's LinkInfo (the local base path) and its string data (the icon
location), as a shortcut written by the Windows Installer holds them.
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR = 1, 2, 4, 8, 16
HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 32, 64, 128


def main(path):
    data = open(path, "rb").read()
    if data[:4] != b"\x4c\x00\x00\x00":
        sys.exit(f"lnk.py: {path} is not a shell link")
    flags = struct.unpack_from("<I", data, 20)[0]
    pos = 76
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, _, _, _, base_offset = struct.unpack_from("<5I", data, pos)
        start = pos + base_offset
        target = data[start:data.index(b"\0", start)].decode("latin-1")
        pos += size
    strings = {}
    for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION):
        if flags & flag:
            count = struct.unpack_from("<H", data, pos)[0]
            width = 2 if flags & IS_UNICODE else 1
            raw = data[pos + 2:pos + 2 + count * width]
            strings[flag] = raw.decode("utf-16-le" if width == 2 else "latin-1")
            pos += 2 + count * width
    print(target)
    print(strings.get(HAS_ICON_LOCATION, "").strip())


if __name__ == "__main__":
    main(sys.argv[1])
