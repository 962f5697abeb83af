#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows Installer package from a configured and built Windows tree: the folder as
# `cmake --install` lays it out, each file its own component, under the fixed UpgradeCode of the
# package source that the build configured (build/windows/morvela.wxs).
# Usage: windows-msi.sh BUILD_DIR [VERSION]   (VERSION: the project's, unless a test asks for another)
set -euo pipefail
build=$(cd "${1:?usage: windows-msi.sh BUILD_DIR [VERSION]}" && pwd)
version=${2:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$build/msi-$version
out=$build/Morvela-$version-win64.msi

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/stage" >/dev/null
cd "$work"
# wixl reads its sources relative to where it runs.
cp "$top/ui/pictures/morvela.ico" morvela.ico
(cd stage && find . -type f | LC_ALL=C sort | sed 's|^\./|stage/|') \
    | wixl-heat --prefix stage/ --directory-ref INSTALLDIR --component-group MorvelaFiles \
        --var var.SourceDir --win64 >files.wxs
wixl -a x64 -D SourceDir=stage -D Win64=yes -D Icon=morvela.ico -D "Version=$version" \
    -o "$out" "$build/morvela.wxs" files.wxs 2>wixl.log \
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
package_code=$(python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2] + " " + sys.argv[3])).upper())' \
    "$(property UpgradeCode)" "$(property ProductCode)" "$version")
python3 "$top/scripts/msi-summary.py" "$out" "Morvela $version" "$(property Manufacturer)" \
    "$description" "x64;$(property ProductLanguage)" "$package_code" \
    "${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct)}"
echo "$out"
