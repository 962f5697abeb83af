#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows Installer package from a configured and built Windows tree: the folder as
# `cmake --install` lays it out, stripped as in the installer and the zip, each file its own
# component, under the fixed UpgradeCode of the package source that the build configured
# (build/windows/morvela.wxs). Its codes follow from that UpgradeCode and the version, and its
# times from SOURCE_DATE_EPOCH or else the commit, so that the same commit gives the same bytes.
# Usage: windows-msi.sh BUILD_DIR [VERSION]   (VERSION: the project's, unless a test asks for another)
set -euo pipefail
build=$(cd "${1:?usage: windows-msi.sh BUILD_DIR [VERSION]}" && pwd)
version=${2:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$build/msi-$version
out=$build/Morvela-$version-win64.msi

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct)}
uuid5() {
    python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' "$@"
}
upgrade_code=$(sed -n 's/.*UpgradeCode="\([-0-9a-fA-F]*\)".*/\1/p' "$build/morvela.wxs")
[[ -n $upgrade_code ]] || { echo "windows-msi: no UpgradeCode in $build/morvela.wxs" >&2; exit 1; }
product_code=$(uuid5 "$upgrade_code" "Morvela $version")

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/stage" --strip >/dev/null
# The cabinet keeps each file's time: dated as CPack's staged files are.
SOURCE_DATE_EPOCH=$epoch cmake -D "CPACK_TEMPORARY_DIRECTORY=$work/stage" -P "$top/cmake/source-date.cmake"
cd "$work"
# wixl reads its sources relative to where it runs.
cp "$top/ui/pictures/morvela.ico" morvela.ico
(cd stage && find . -type f | LC_ALL=C sort | sed 's|^\./|stage/|') \
    | wixl-heat --prefix stage/ --directory-ref INSTALLDIR --component-group MorvelaFiles \
        --var var.SourceDir --win64 >heat.wxs
# wixl-heat names each folder from a hash of its absolute path, which differs from clone to clone:
# name it from its path inside the package instead, and from how often that path came before, as
# the same folder may appear more than once.
python3 - heat.wxs >files.wxs <<'NAMES'
import collections, hashlib, re, sys
text = open(sys.argv[1], encoding="utf-8").read()
names, path, seen = {}, [], collections.Counter()
for m in re.finditer(r'<Directory Id="(dir[0-9A-F]{32})" Name="([^"]*)">|</Directory>', text):
    if m.group(1):
        path.append(m.group(2))
        key = "/".join(path)
        names[m.group(1)] = "dir" + hashlib.md5(f"{key} {seen[key]}".encode()).hexdigest().upper()
        seen[key] += 1
    else:
        path.pop()
for old, new in names.items():
    text = text.replace(old, new)
sys.stdout.write(text)
NAMES
wixl -a x64 -D SourceDir=stage -D Win64=yes -D Icon=morvela.ico -D "Version=$version" \
    -D "ProductCode=$product_code" -o "$out" "$build/morvela.wxs" files.wxs 2>wixl.log \
    || { echo "windows-msi: wixl failed:" >&2; cat wixl.log >&2; exit 1; }

# wixl drops every character outside ASCII from the database's strings. With the database's code
# page set to Cyrillic (1251), msitools store the Bulgarian texts in their stand-ins' places.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >_ForceCodepage.idt
msibuild "$out" -i _ForceCodepage.idt
while IFS= read -r query; do
    [[ -z $query || $query == --* ]] || msibuild "$out" -q "$query"
done <"$build/msi-bulgarian.sql"

# The summary that Windows shows in the file's properties, in Bulgarian too, from the package's own
# texts. Its package code follows from the product code and version, its times from the commit.
property() { msiinfo export "$out" Property | tr -d '\r' | awk -F '\t' -v k="$1" '$1 == k { print $2 }'; }
description=$(msiinfo export "$out" Shortcut | tr -d '\r' | awk -F '\t' '$1 == "ProgramShortcut" { print $7 }')
python3 "$top/scripts/msi-summary.py" "$out" "Morvela $version" "$(property Manufacturer)" \
    "$description" "x64;$(property ProductLanguage)" "$(uuid5 "$upgrade_code" "$product_code $version")" \
    "$epoch"
echo "$out"
