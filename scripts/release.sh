#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release in one folder: the Debian package, the Windows installer, MSI and zip, each named
# with the version from CMake, and SHA256SUMS over them. Each is checked before it is taken: the
# licences declared file by file, the .deb by lintian and installed, the Windows files under Wine.
# Usage, on Debian 12 as root or with sudo, from a clean clone: scripts/release.sh [FOLDER]
# (default build/release). The Windows Qt is built once and cached, as scripts/windows.sh says.
set -euo pipefail
# What the packages hold must not depend on the builder's umask: under 002, the default of many
# desktops, the .deb's folders would be group-writable and lintian would refuse it.
umask 022
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/release}
say() { echo "release: $*"; }
fail() { echo "release: FAIL: $*" >&2; exit 1; }

"$top/scripts/setup.sh"
"$top/scripts/setup.sh" --release
(cd "$top" && reuse lint >/dev/null) || fail "reuse lint: a file has no licence declared; run 'reuse lint'"

deb_build=$top/build/release-deb
cmake -S "$top" -B "$deb_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$deb_build" >/dev/null
"$top/scripts/check-package.sh" "$deb_build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$deb_build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $deb_build"

"$top/scripts/windows.sh"

rm -rf "$out"
mkdir -p "$out"
files=("morvela_${version}_amd64.deb" "Morvela-$version-win64.exe" "Morvela-$version-win64.msi"
    "Morvela-$version-win64.zip")
cp "$deb_build/${files[0]}" "$out/"
for f in "${files[@]:1}"; do cp "$top/build/windows/$f" "$out/"; done
(cd "$out" && sha256sum "${files[@]}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS) \
    || fail "the checksums do not verify"
say "Morvela $version in $out:"
(cd "$out" && ls -l "${files[@]}" SHA256SUMS | awk '{printf "release:   %-32s %10d bytes\n", $9, $5}')
