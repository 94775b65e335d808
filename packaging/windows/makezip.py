#!/usr/bin/python3
# Writes a zip archive that depends on nothing but the members' bytes: members in the order
# given, each dated SOURCE_DATE_EPOCH (in UTC, where zip keeps local time), with fixed
# permissions and no extra fields. Members given with --text get Windows line ends, so that
# any Windows editor shows them as written, and mode 644; the others (programs) mode 755.
# Usage: SOURCE_DATE_EPOCH=... makezip.py OUTPUT [--text] NAME=PATH [[--text] NAME=PATH...]
import os
import sys
import time
import zipfile


def members(arguments):
    """(name, path, is_text) in the order given."""
    text = False
    for argument in arguments:
        if argument == "--text":
            text = True
            continue
        name, separator, path = argument.partition("=")
        if not separator or not name or not path:
            sys.exit(f"makezip.py: not NAME=PATH: {argument}")
        yield name, path, text
        text = False


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: SOURCE_DATE_EPOCH=... makezip.py OUTPUT [--text] NAME=PATH...")
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    # A zip date holds years 1980 to 2107 only, in steps of two seconds.
    date_time = time.gmtime(max(epoch, 315532800))[:6]

    with zipfile.ZipFile(argv[1], "w") as archive:
        for name, path, text in members(argv[2:]):
            with open(path, "rb") as source:
                data = source.read()
            if text:
                data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
            member = zipfile.ZipInfo(name, date_time)
            member.compress_type = zipfile.ZIP_DEFLATED
            member.internal_attr = 1 if text else 0  # marks a text file
            member.create_system = 3  # Unix, so that the permissions below are read
            mode = 0o644 if text else 0o755
            member.external_attr = (0o100000 | mode) << 16
            archive.writestr(member, data, compresslevel=9)


if __name__ == "__main__":
    main(sys.argv)
