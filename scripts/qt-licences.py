# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gathers the licences of the Windows Qt build from its source: Qt's own (LGPL-3.0 with the GPL it
builds on) and the third-party code compiled into the parts that Morvela ships, read from Qt's own
attribution files. Usage: qt-licences.py QT_SOURCE OUT_DIR DSC_NAME"""
import json
import pathlib
import sys

source, out, dsc = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
# Where the code of Core, Gui, Widgets, the windows platform plugin and the JPEG plugin comes from;
# the bundled libraries are those the build is configured with (scripts/windows-qt.sh).
SHIPPED = ["src/corelib", "src/gui", "src/widgets", "src/plugins/platforms/windows",
           "src/plugins/imageformats/jpeg"] + [f"src/3rdparty/{name}" for name in (
    "blake2", "double-conversion", "easing", "freetype", "harfbuzz-ng", "icc", "libjpeg",
    "libpng", "md4", "md4c", "md5", "pcre2", "pixman", "rfc6234", "sha1", "sha3", "tinycbor",
    "zlib")]


def entries(path):
    # Qt's attribution files allow line breaks inside strings, which strict JSON does not.
    data = json.loads(path.read_text(encoding="utf-8"), strict=False)
    return data if isinstance(data, list) else [data]


def text_of(folder, names):
    parts = []
    for name in names:
        file = folder / name
        if file.is_file():
            parts.append(file.read_text(encoding="utf-8", errors="replace").strip())
    return "\n\n".join(parts)


out.mkdir(parents=True, exist_ok=True)
sections, seen = [], set()
for top in SHIPPED:
    for attribution in sorted((source / top).rglob("qt_attribution.json")):
        for entry in entries(attribution):
            if entry.get("Id") in seen:
                continue
            seen.add(entry.get("Id"))
            files = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
            licence = text_of(attribution.parent, [f for f in files if f])
            copyright_text = entry.get("Copyright") or text_of(
                attribution.parent, [entry["CopyrightFile"]] if "CopyrightFile" in entry else [])
            sections.append("\n".join([
                "=" * 78,
                f"{entry.get('Name', entry.get('Id'))} {entry.get('Version', '')}".strip(),
                f"Used in Qt: {entry.get('QtUsage', '')}",
                f"Licence: {entry.get('LicenseId', entry.get('License', ''))}",
                "", str(copyright_text).strip(), "", licence]))
if len(sections) < 10:
    sys.exit(f"qt-licences: only {len(sections)} third-party parts found under {source}")

(out / "third-party.txt").write_text(
    f"Third-party code compiled into the Qt libraries and plugins shipped with Morvela,\n"
    f"as Qt's attribution files in {dsc} list it.\n\n" + "\n\n".join(sections) + "\n",
    encoding="utf-8")
for name in ("LGPL-3.0-only.txt", "GPL-3.0-only.txt"):
    (out / name).write_bytes((source / "LICENSES" / name).read_bytes())
print(f"qt-licences: {len(sections)} third-party parts")
