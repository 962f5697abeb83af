#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, made on Debian 13, whose host Qt tools match the Qt it builds; from Debian 12
# it runs in a Debian 13 root over this tree. Installs what it needs, cross-builds Qt once into a
# cache outside the tree (MORVELA_WINDOWS_CACHE, default /var/cache/morvela), cross-builds Morvela
# and its tests, and makes the NSIS installer, the MSI and a portable zip. Then it runs the checks
# of tests/windows/ over them, under Wine (tests/windows/all.sh; each runs alone too); with
# --build-only it builds alone, as a release made again only to compare its bytes does.
# Usage, as root (sudo), from anywhere: scripts/windows.sh [--build-only]
# Leaves build/windows/Morvela-VERSION-win64.exe, .msi and .zip, and a record of what they were
# built with.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(. /etc/os-release && echo "$VERSION_CODENAME") != trixie ]]; then
    exec "$top/scripts/debian-root.sh" --in-place trixie "./scripts/windows.sh $*"
fi
build=$top/build/windows
# The version, as the changelog's newest entry names it for every build.
version=$(sed -n '1s/^morvela (\([0-9.]*\)).*/\1/p' "$top/packaging/debian/changelog")
cache=${MORVELA_WINDOWS_CACHE:-/var/cache/morvela}
say() { echo "windows: $*"; }

"$top/scripts/setup.sh" --windows
start=$(date +%s)
qt=$("$top/scripts/windows-qt.sh" "$cache" | tail -n 1)
say "Qt for Windows in $qt ($(( $(date +%s) - start )) s)"
# A folder configured over another Qt keeps that Qt's toolchain: it is made anew.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$build"
(cd "$build" && cpack >/dev/null)
"$top/scripts/windows-msi.sh" "$build" >/dev/null
say "made $build/Morvela-$version-win64.exe, .msi and .zip"
{
    echo "Windows files, built on Debian $(cat /etc/debian_version) ($(. /etc/os-release && echo "$VERSION_CODENAME")):"
    dpkg-query -W -f='  ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
        mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 cmake ninja-build qt6-base-dev-tools nsis \
        wixl msitools
    echo "  Qt for Windows: $(sed -n 's/.*source package qt6-base, version \([^ ]*\).*/qt6-base \1/p' \
        "$qt/licenses/SOURCE.txt"), built by scripts/windows-qt.sh"
} >"$build/built-with.txt"
[[ ${1:-} == --build-only ]] || "$top/tests/windows/all.sh" "$build"
