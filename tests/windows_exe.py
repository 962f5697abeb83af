# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Morvela.exe's version record and icon from its bytes, as Windows Explorer shows them.
Usage: windows_exe.py Morvela.exe morvela.ico PUBLISHER"""
import struct
import sys

import pefile

exe, ico, publisher = sys.argv[1:4]
pe = pefile.PE(exe)
failures = []

strings = {}
for info in getattr(pe, "FileInfo", []) or []:
    for entry in info:
        if getattr(entry, "Key", b"") == b"StringFileInfo":
            for table in entry.StringTable:
                if table.LangID.lower() != b"040904b0":
                    failures.append(f"string table {table.LangID!r}, not US English Unicode")
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
expected = {
    "FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Morvela",
    "FileDescription": "Morvela", "Comments": "Morvela", "InternalName": "Morvela",
    "OriginalFilename": "Morvela.exe", "CompanyName": publisher, "LegalCopyright": publisher,
    "LegalTrademarks": publisher,
}
for key, value in expected.items():
    if strings.get(key) != value:
        failures.append(f"{key} is {strings.get(key)!r}, not {value!r}")
fixed = pe.VS_FIXEDFILEINFO[0]
for name in ("File", "Product"):
    ms, ls = getattr(fixed, name + "VersionMS"), getattr(fixed, name + "VersionLS")
    if (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF) != (1, 0, 0, 0):
        failures.append(f"fixed {name.lower()} version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")

# The icon: each image of the .ico file stands as an RT_ICON resource, byte for byte.
with open(ico, "rb") as f:
    data = f.read()
_, kind, count = struct.unpack_from("<HHH", data, 0)
images = []
for i in range(count):
    size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
    images.append(data[offset:offset + size])
icons = []
for kind_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
    if kind_entry.id == pefile.RESOURCE_TYPE["RT_ICON"]:
        for entry in kind_entry.directory.entries:
            for language in entry.directory.entries:
                r = language.data.struct
                icons.append(pe.get_data(r.OffsetToData, r.Size))
if kind != 1 or not images or sorted(images) != sorted(icons):
    failures.append(f"the executable's {len(icons)} icon images are not the {count} of {ico}")

if failures:
    sys.exit("FAIL: " + "\n      ".join(failures))
print(f"PASS: version record {strings['FileVersion']} ({len(strings)} fields) and the icon, read from {exe}")
