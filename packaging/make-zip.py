#!/usr/bin/python3
"""Writes a zip archive that is the same, byte for byte, whenever its files are the same.

Usage: make-zip.py ARCHIVE EPOCH NAME=PATH...

Entries are written in the order given, each stamped with EPOCH (seconds, as UTC; zip times
have no time zone and a two-second resolution), with fixed Unix permissions (0755 for .exe,
0644 otherwise), deflated at level 9 and without extra fields. Names outside ASCII are
stored in UTF-8 with the language-encoding flag (bit 11) set, which Windows Explorer and
unzip honour.
"""
import sys
import time
import zipfile


def main(argv):
    if len(argv) < 4:
        sys.exit("usage: make-zip.py ARCHIVE EPOCH NAME=PATH...")
    archive, epoch, members = argv[1], int(argv[2]), argv[3:]
    # The zip format starts in 1980; an earlier commit time cannot be stored.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(archive, "w") as out:
        for member in members:
            name, _, path = member.partition("=")
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 3  # Unix: external attributes hold the permissions
            mode = 0o755 if name.lower().endswith(".exe") else 0o644
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                out.writestr(info, source.read(), compresslevel=9)
    # zipfile sets the UTF-8 flag itself for names it cannot store in code page 437; check it
    # rather than trust it, since Explorer shows garbled Hangul without it.
    with zipfile.ZipFile(archive) as check:
        for info in check.infolist():
            if not info.filename.isascii() and not info.flag_bits & 0x800:
                sys.exit(f"make-zip.py: {info.filename} lacks the UTF-8 name flag")
            if info.extra:
                sys.exit(f"make-zip.py: {info.filename} has extra fields")


if __name__ == "__main__":
    main(sys.argv)
