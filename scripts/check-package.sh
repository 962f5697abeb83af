#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build tree, has lintian check it, installs it with
# apt, and checks that the installed program starts, that its documentation is in place and that
# every file its desktop entry names is. With --deb, a package already built and checked is only
# installed and checked so, as on another Debian release.
# Usage: scripts/check-package.sh [BUILD_DIR | --deb PACKAGE.deb]   (root or sudo)
set -euo pipefail
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() { echo "check-package: $*" >&2; exit 1; }

if [ "${1:-}" = --deb ]; then
    deb=${2:?usage: check-package.sh --deb PACKAGE.deb}
    [ -f "$deb" ] || fail "no package $deb"
    "$(dirname "$0")/setup.sh" --installed
    version=$(dpkg-deb -f "$deb" Version)
else
    build=${1:-build/default}
    "$(dirname "$0")/setup.sh" --release
    (cd "$build" && cpack -G DEB >/dev/null)
    deb=$(ls "$build"/morvela_*.deb | head -n 1)
    [ -f "$deb" ] || fail "cpack made no package"
    version=$(dpkg-deb -f "$deb" Version)
    # The version the project declares, as its build tree holds it.
    wanted=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    [ -n "$wanted" ] || fail "no project version in $build/CMakeCache.txt"
    [ "$version" = "$wanted" ] || fail "package version is $version, the project's $wanted"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "$depends" | grep -q "fonts-liberation2" || fail "no dependency on the serif font: $depends"
    echo "$depends" | grep -q "qt6-wayland" || fail "no dependency on the Wayland platform plugin: $depends"
    echo "$depends" | grep -q "libqt6widgets6" || fail "no library dependencies from shlibdeps: $depends"

    # Debian's own checker: no error and no warning; informational tags may stay.
    tags=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ' || true)
    [ -z "$tags" ] || fail "lintian:
$tags"
fi

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null

file -L "$(command -v morvela)" | grep -q ', stripped' || fail "the installed program is not stripped"
doc=/usr/share/doc/morvela
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" \
    || fail "$doc/copyright is not in Debian's machine-readable format"
grep -q '^License: GPL-3+' "$doc/copyright" || fail "$doc/copyright names no GPL-3+"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^morvela ($version) " || fail "no changelog entry for $version"
grep -q '<html lang="bg">' "$doc/guide.bg.html" || fail "no teacher's guide in $doc"
for page in /usr/share/man/man1/morvela.1.gz /usr/share/man/bg/man1/morvela.1.gz; do
    [ -n "$(MANWIDTH=80 man -l "$page" 2>/dev/null | grep -i 'morvela')" ] || fail "manual page $page"
done

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
echo "check-package: $deb installs on Debian $(cat /etc/debian_version), starts, and its desktop entry's files are in place"
