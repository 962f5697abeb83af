#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build tree, installs it with apt, and checks that
# the installed program starts and that every file its desktop entry names is in place.
# Usage: scripts/check-package.sh [BUILD_DIR]   (root or sudo)
set -euo pipefail
build=${1:-build/default}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/morvela_*.deb | head -n 1)
[ -f "$deb" ] || fail "cpack made no package"
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "1.0.0.0" ] || fail "package version is $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q "fonts-liberation2" || fail "no dependency on the serif font: $depends"
echo "$depends" | grep -q "qt6-wayland" || fail "no dependency on the Wayland platform plugin: $depends"
echo "$depends" | grep -q "libqt6widgets6" || fail "no library dependencies from shlibdeps: $depends"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null

entry=/usr/share/applications/example.morvela.Morvela.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
desktop-file-validate "$entry"
field() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
for key in Exec TryExec; do
    program=$(field "$key" | cut -d' ' -f1)
    path=$(command -v "$program") || fail "$key names $program, which is not on PATH"
    [ -x "$path" ] || fail "$key names $path, which cannot be run"
done
icon=$(field Icon)
for size in 32 48 64 128 256; do
    png=/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no icon $png"
done
metainfo=/usr/share/metainfo/example.morvela.Morvela.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "installed metainfo does not validate"

# The installed program starts and keeps running until it is stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 5 "$(command -v "$(field Exec | cut -d' ' -f1)")" 2>/dev/null
rc=$?
set -e
[ $rc -eq 124 ] || fail "the installed program ended by itself with status $rc"
echo "check-package: $deb installs, starts, and its desktop entry's files are in place"
