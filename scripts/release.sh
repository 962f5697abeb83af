#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release in one folder: the Debian package, the Windows installer, MSI and zip, the page
# and the site to host it, the source archive of the commit and a record of what they were built
# from, each named with the version from CMake, and SHA256SUMS over them. Each is checked before it
# is taken: the licences declared file by file, the .deb by lintian and installed, the Windows
# files under Wine, the page in Chromium, Firefox and WebKit and under Orca; the .deb is installed
# and started on Debian 12 and, in a fresh root, on Debian 13.
# The same commit gives the same bytes, whatever the folder, time, time zone or umask: every time
# stamp is the commit's (SOURCE_DATE_EPOCH), and each build starts from nothing.
# scripts/reproduce.sh checks that by building it again.
# Usage, on Debian 12 as root (sudo), from a clean clone: scripts/release.sh [FOLDER]
# (default build/release). The Windows Qt is built once and cached, as scripts/windows.sh says.
set -euo pipefail
# What the packages hold must not depend on the builder's umask: under 002, the default of many
# desktops, the .deb's folders would be group-writable and lintian would refuse it.
umask 022
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/release}
say() { echo "release: $*"; }
fail() { echo "release: FAIL: $*" >&2; exit 1; }

# The release is of a commit: its source archive and its record name it, so nothing may differ.
[[ -z $(git -C "$top" status --porcelain --untracked-files=no) ]] \
    || fail "the working tree differs from its commit; make a release from a clean clone"
commit=$(git -C "$top" rev-parse HEAD)
# Every time stamp in the release is the commit's, in one time zone and one locale.
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8

"$top/scripts/setup.sh"
"$top/scripts/setup.sh" --release
(cd "$top" && reuse lint >/dev/null) || fail "reuse lint: a file has no licence declared; run 'reuse lint'"

deb_build=$top/build/release-deb
# A build left from before would keep what it made without the commit's time.
rm -rf "$deb_build" "$top/build/windows" "$top/build/web"
cmake -S "$top" -B "$deb_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$deb_build" >/dev/null
"$top/scripts/check-package.sh" "$deb_build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$deb_build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $deb_build"
# The same package for Debian 13: installed and started in a fresh Debian 13 root.
[[ -n ${MORVELA_REBUILD:-} ]] || "$top/scripts/debian-root.sh" --in-place trixie \
    "./scripts/check-package.sh --deb '$deb_build/morvela_${version}_amd64.deb'"

# Made again only to compare their bytes (scripts/reproduce.sh), the Windows files and the page
# are not checked again.
"$top/scripts/windows.sh" ${MORVELA_REBUILD:+--build-only}
"$top/scripts/web.sh" ${MORVELA_REBUILD:+--build-only}

rm -rf "$out"
mkdir -p "$out"
files=("morvela_${version}_amd64.deb" "Morvela-$version-win64.exe" "Morvela-$version-win64.msi"
    "Morvela-$version-win64.zip" "morvela-$version.tar.gz" "morvela-$version.buildinfo.txt"
    "morvela-$version.html" "morvela-$version-web.zip")
cp "$deb_build/${files[0]}" "$out/"
for f in "${files[@]:1:3}"; do cp "$top/build/windows/$f" "$out/"; done
# The source of the commit, its files dated by it.
git -C "$top" archive --format=tar --prefix="morvela-$version/" "$commit" | gzip -9n >"$out/${files[4]}"
cp "$top/build/web/morvela.html" "$out/${files[6]}"
# The site in a folder of its own, its files in name order, each dated by the commit. The folder
# keeps its name from version to version: a new one unzipped goes where the old one was, and the
# pupils' links and installed apps follow it.
python3 - "$top/build/web/site" "morvela" "$out/${files[7]}" <<'ZIP'
import os, sys, time, zipfile
site, folder, out = sys.argv[1:4]
when = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name in sorted(os.listdir(site)):
        entry = zipfile.ZipInfo(f"{folder}/{name}", when)
        entry.compress_type, entry.external_attr = zipfile.ZIP_DEFLATED, 0o644 << 16
        with open(os.path.join(site, name), "rb") as f:
            z.writestr(entry, f.read())
ZIP
# What the release was built from, so that another machine can build it again.
{
    echo "Morvela $version, built from commit $commit"
    echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC'), the commit's time)"
    echo
    echo "Debian package, built on Debian $(cat /etc/debian_version) ($(. /etc/os-release && echo "$VERSION_CODENAME")):"
    dpkg-query -W -f='  ${Package} ${Version}\n' "g++-$(g++ -dumpversion | cut -d. -f1)" binutils cmake \
        ninja-build qt6-base-dev dpkg-dev
    echo
    cat "$top/build/windows/built-with.txt"
    echo
    cat "$top/build/web/built-with.txt"
} >"$out/${files[5]}"
(cd "$out" && sha256sum "${files[@]}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS) \
    || fail "the checksums do not verify"
say "Morvela $version in $out:"
(cd "$out" && ls -l "${files[@]}" SHA256SUMS | awk '{printf "release:   %-36s %10d bytes\n", $9, $5}')
