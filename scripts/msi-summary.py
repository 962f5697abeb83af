#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rewrites an MSI's summary information stream in place: the texts Windows shows in a file's
properties, in Bulgarian, in the Cyrillic code page that the stream declares (wixl writes UTF-8
under code page 1252, which Windows would show garbled), with a package code and times that it is
given rather than new ones on every build. The stream keeps its size, which wixl's long stand-in
texts leave room for.
Usage: msi-summary.py MSI SUBJECT AUTHOR COMMENTS TEMPLATE PACKAGE_CODE EPOCH_SECONDS"""
import struct
import sys

import olefile

FMTID = bytes.fromhex("e0859ff2f94f6810ab9108002b27b3d9")  # {F29F85E0-4FF9-1068-AB91-08002B27B3D9}
CODEPAGE = 1251
NAME = "\x05SummaryInformation"
VT_I2, VT_I4, VT_LPSTR, VT_FILETIME = 2, 3, 30, 64


def value(kind, data):
    if kind == VT_I2:
        body = struct.pack("<hxx", data)
    elif kind == VT_I4:
        body = struct.pack("<i", data)
    elif kind == VT_FILETIME:
        body = struct.pack("<Q", (data + 11644473600) * 10_000_000)
    else:
        text = data.encode(f"cp{CODEPAGE}") + b"\0"
        body = struct.pack("<I", len(text)) + text + b"\0" * (-len(text) % 4)
    return struct.pack("<I", kind) + body


def main():
    msi, subject, author, comments, template, package_code, epoch = sys.argv[1:8]
    epoch = int(epoch)
    properties = [
        (1, VT_I2, CODEPAGE),
        (2, VT_LPSTR, "Инсталационна база данни"),
        (3, VT_LPSTR, subject),
        (4, VT_LPSTR, author),
        (5, VT_LPSTR, "Installer, Morvela"),
        (6, VT_LPSTR, comments),
        (7, VT_LPSTR, template),
        (9, VT_LPSTR, package_code),
        (12, VT_FILETIME, epoch),
        (13, VT_FILETIME, epoch),
        (14, VT_I4, 500),  # the Windows Installer version it needs
        (15, VT_I4, 2),  # compressed files
        (18, VT_LPSTR, "Morvela"),
        (19, VT_I4, 2),  # read-only recommended
    ]
    values = [value(kind, data) for _, kind, data in properties]
    offset = 8 + 8 * len(properties)
    table = b""
    for (pid, _, _), v in zip(properties, values):
        table += struct.pack("<II", pid, offset)
        offset += len(v)
    section = struct.pack("<II", offset, len(properties)) + table + b"".join(values)
    header = struct.pack("<HHI16sI", 0xFFFE, 0, 0x00020006, b"\0" * 16, 1) + FMTID
    header += struct.pack("<I", len(header) + 4)
    stream = header + section
    with olefile.OleFileIO(msi, write_mode=True) as ole:
        room = ole.get_size(NAME)
        if len(stream) > room:
            sys.exit(f"msi-summary: {len(stream)} bytes do not fit in the {room} that wixl wrote")
        ole.write_stream(NAME, stream + b"\0" * (room - len(stream)))


if __name__ == "__main__":
    main()
