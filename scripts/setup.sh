#!/bin/sh
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Morvela needs to build, run and test, skipping any that are
# already there; with --windows, those that the Windows cross-build needs instead; with --web,
# those of the page (Debian 13's emscripten; Chromium, Firefox and Orca to test it, and brotli
# to unpack the older Chromium engines that npm brings), or with
# --web-build those it is built with alone; with
# --release, the checkers of a release and of its rebuilding; and with --installed, what checks a
# Debian package once installed. Debian 12 and 13 alike. Runs as
# root, or through sudo. Says in one line what it installs; apt's own output goes to a log. Refuses
# any other option, and more than one.
set -eu

packages="
cmake
ninja-build
g++
qt6-base-dev
qt6-base-dev-tools
qt6-wayland
libgl-dev
fonts-liberation2
file
dpkg-dev
valgrind
xvfb
xauth
x11-utils
twm
xdotool
weston
desktop-file-utils
appstream
at-spi2-core
dbus-daemon
python3-pyatspi
orca
pulseaudio
"
windows_packages="
cmake
ninja-build
qt6-base-dev
qt6-base-dev-tools
dpkg-dev
g++-mingw-w64-x86-64-posix
gcc-mingw-w64-x86-64-posix
mingw-w64-tools
binutils-mingw-w64-x86-64
nsis
zip
wine
wine64
fonts-liberation2
xvfb
xauth
x11-utils
xdotool
python3-pefile
python3-olefile
xclip
imagemagick
wixl
msitools
"
web_packages="
cmake
ninja-build
emscripten
chromium
chromium-driver
python3-selenium
npm
brotli
firefox-esr
webkit2gtk-driver
orca
at-spi2-core
dbus-daemon
pulseaudio
xvfb
xauth
xdotool
fonts-liberation
fonts-liberation2
ca-certificates
"
web_build_packages="
cmake
ninja-build
emscripten
"
release_packages="
lintian
reuse
diffoscope-minimal
python3-debian
libarchive-tools
unzip
xxd
"
installed_packages="
file
man-db
desktop-file-utils
appstream
"
usage="usage: setup.sh [--windows | --web | --web-build | --release | --installed]"
[ $# -le 1 ] || { echo "setup: one option at most; $usage" >&2; exit 2; }
case "${1:-}" in
"") ;;
--windows) packages=$windows_packages ;;
--web) packages=$web_packages ;;
--web-build) packages=$web_build_packages ;;
--release) packages=$release_packages ;;
--installed) packages=$installed_packages ;;
*) echo "setup: unknown option '$1'; $usage" >&2; exit 2 ;;
esac

missing=""
for p in $packages; do
    if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" != "ii " ]; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

log=${TMPDIR:-/tmp}/morvela-setup.log
echo "setup: installing$missing (apt's output: $log)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# shellcheck disable=SC2086
if ! { $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends $missing; } >"$log" 2>&1; then
    echo "setup: installing failed; the end of $log:" >&2
    tail -n 25 "$log" >&2
    exit 1
fi
