#!/usr/bin/env python3
"""Writes the download for Windows users: the two programs, README.txt and LICENSE.txt.

    make_archive.py OUT.zip VERSION EPOCH PAIR_DIR SOURCE_DIR

The bytes depend on the inputs and EPOCH alone: the entries come in a fixed order, all
with the time EPOCH (the commit's) and one mode, deflated at one level, so no file time,
owner, umask or folder of the machine that builds it enters the archive.
"""
import os
import sys
import time
import zipfile
from pathlib import Path

ENTRY_MODE = 0o100644  # a regular file, readable by all
ZIP_EPOCH = 315532800  # 1980-01-01, the earliest time a zip entry can carry
UNIX = 3               # "made by" system: unzip applies ENTRY_MODE


def windows_text(text):
    """Notepad on every Windows version reads UTF-8 with a byte-order mark and CRLF lines."""
    lines = text.replace("\r\n", "\n").replace("\n", "\r\n")
    return b"\xef\xbb\xbf" + lines.encode("utf-8")


def zip_time(epoch):
    # Zip keeps a date and time without a zone; reading the epoch as UTC makes it the same
    # on every machine.
    t = time.gmtime(max(epoch, ZIP_EPOCH))
    return (t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec)


def archive_entries(version, pair_dir, source_dir):
    readme = (source_dir / "release" / "README.txt").read_text(encoding="utf-8")
    licence = (source_dir / "LICENSE").read_text(encoding="utf-8")
    return [
        ("Vaporquill.scr", (pair_dir / "Vaporquill.scr").read_bytes()),
        ("Vaporquill.dll", (pair_dir / "Vaporquill.dll").read_bytes()),
        ("README.txt", windows_text(readme.replace("@VERSION@", version))),
        ("LICENSE.txt", windows_text(licence)),
    ]


def write_archive(out, entries, epoch):
    # Written beside the target and renamed, so an interrupted run never leaves a
    # half-written archive under the release's name.
    partial = out.with_name(out.name + ".partial")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=zip_time(epoch))
            info.create_system = UNIX
            info.external_attr = ENTRY_MODE << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    os.replace(partial, out)


def main(argv):
    if len(argv) != 6:
        sys.exit(__doc__)
    out, version, epoch, pair_dir, source_dir = argv[1:]
    entries = archive_entries(version, Path(pair_dir), Path(source_dir))
    write_archive(Path(out), entries, int(epoch))


if __name__ == "__main__":
    main(sys.argv)
