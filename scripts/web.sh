#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The page, built and checked on Debian 13, whose emscripten is recent enough (Debian 12's is
# not); from Debian 12 it runs in a Debian 13 root over this tree, as the Windows build does.
# Installs what it needs, compiles the form and genetics with the page's face into one HTML file,
# and checks it in headless Chromium, Firefox, WebKit (under Xvfb) and Orca. With --benchmark it
# then measures the page beside a floor page of the same controls without the program. With --build-only it builds alone,
# installing no browser: a release made again to compare its bytes needs no second check.
# Usage, as root (sudo), from anywhere: scripts/web.sh [--build-only | --benchmark [LOADS]]
# Leaves build/web/morvela.html; build/web/site, the page ready to host, with its manifest, icons and
# service worker; a record of what they were built with; and screenshots, build/web/page*.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(. /etc/os-release && echo "$VERSION_CODENAME") != trixie ]]; then
    exec "$top/scripts/debian-root.sh" --in-place trixie "./scripts/web.sh $*"
fi
cd "$top"
if [[ ${1:-} == --build-only ]]; then
    "$top/scripts/setup.sh" --web-build
    cmake --preset web -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset web
else
    "$top/scripts/setup.sh" --web
    cmake --workflow --preset web
fi
echo "web: made $top/build/web/morvela.html ($(stat -c %s build/web/morvela.html) bytes) and the site, build/web/site ($(cat build/web/site/* | wc -c) bytes)"
{
    echo "The page and the site, built on Debian $(cat /etc/debian_version) ($(. /etc/os-release && echo "$VERSION_CODENAME")):"
    dpkg-query -W -f='  ${Package} ${Version}\n' emscripten cmake ninja-build python3
} >build/web/built-with.txt
if [[ ${1:-} == --benchmark ]]; then
    python3 "$top/bench/page.py" build/web/morvela.html "${2:-15}"
fi
