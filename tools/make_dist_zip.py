#!/usr/bin/python3
"""Writes the release archive reproducibly: fixed order, times and modes, so
the same files always give the same bytes.
Usage: make_dist_zip.py OUTPUT.zip ARCHIVE_NAME=SOURCE_PATH..."""

import sys
import zipfile

FIXED_TIME = (1980, 1, 1, 0, 0, 0)


def main():
    output, members = sys.argv[1], sorted(arg.split("=", 1) for arg in sys.argv[2:])
    with zipfile.ZipFile(output, "w") as archive:
        for name, source in members:
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(source, "rb") as data:
                archive.writestr(info, data.read(), compresslevel=9)
    print(f"{output}: {len(members)} files")


if __name__ == "__main__":
    main()
