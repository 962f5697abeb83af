#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Qt 6.8.2 (Core, Gui, Widgets, Test and the windows platform plugin) for 64-bit
# Windows from Debian 13's own qt6-base source package, once, into a cache outside any build tree.
# Called by windows.sh on Debian 13, whose host Qt tools are of the same version, as a cross-built
# Qt needs; prints the Qt prefix on its last line. A ready cache returns at once.
# Usage: windows-qt.sh CACHE_DIR
set -euo pipefail
cache=${1:?cache folder}
qt_version=6.8.2
prefix=$cache/qt-$qt_version-mingw-w64
here=$(cd "$(dirname "$0")/.." && pwd)
log=$cache/qt-build.log
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

mkdir -p "$cache"
work=$(mktemp -d "$cache/work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Debian's source package, unpacked with Debian's patches applied, into $work/src.
fetch_source() {
    # The archive serves source packages too, but a minimal root lists only binary ones.
    if ! apt-get source --download-only -qq --print-uris qt6-base >/dev/null 2>&1; then
        sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1 >"$work/mirror"
        [[ -s $work/mirror ]] || awk '/^deb /{print $2; exit}' /etc/apt/sources.list >"$work/mirror"
        printf 'Types: deb-src\nURIs: %s\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$(cat "$work/mirror")" "$suite" "$suite" >/etc/apt/sources.list.d/morvela-source.sources
        apt-get update -qq >>"$log" 2>&1
    fi
    (cd "$work" && apt-get source --download-only -qq qt6-base >>"$log" 2>&1 \
        && dpkg-source -x qt6-base_*.dsc src >>"$log" 2>&1)
}

# The licences that must travel with the libraries, and where their exact source is.
write_licences() {
    local dsc version
    dsc=$(cd "$work" && ls qt6-base_*.dsc)
    version=${dsc#qt6-base_}
    version=${version%.dsc}
    python3 "$here/scripts/qt-licences.py" "$work/src" "$prefix/licenses" "$dsc" >&2
    cat >"$prefix/licenses/SOURCE.txt" <<SOURCE
Qt ${qt_version} for Windows, as shipped with Morvela: Qt Core, Gui and Widgets, the windows
platform plugin and the JPEG image plugin, under the GNU Lesser General Public License version 3
(LGPL-3.0-only.txt, which builds on GPL-3.0-only.txt).

Its exact source is Debian's source package qt6-base, version $version ("apt-get source
qt6-base=$version" on Debian 13 "$suite", with Debian's patches as dpkg-source applies them);
Debian's snapshot archive keeps every version of it. Morvela's script scripts/windows-qt.sh,
in Morvela's source, rebuilds these libraries from it, unchanged, with the configure options it
gives. You may replace the Qt libraries in Morvela's folder with your own build of them.
SOURCE
}

# What the cached Qt was made by: the configuration between the marks below and the toolchain.
# A Qt made otherwise, by an earlier version of this script, is built again, not used.
made_by=$({ sed -n '/^# Configuration: begin/,/^# Configuration: end/p' "$0"
    cat "$here/cmake/mingw-w64-x86_64.cmake"; } | sha256sum | cut -c1-16)
if [[ -f $prefix/.complete && $(cat "$prefix/.complete") != "$made_by" ]]; then
    echo "windows-qt: the Qt in $prefix was built with another configuration; building it again" >&2
    rm -rf "$prefix"
fi
if [[ -f $prefix/.complete ]]; then
    if [[ ! -f $prefix/licenses/SOURCE.txt ]]; then
        : >"$log.licences"
        log=$log.licences
        fetch_source
        write_licences
    fi
    echo "$prefix"
    exit 0
fi
host=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
[[ $host == "$qt_version"* ]] || {
    echo "windows-qt: Qt $qt_version for Windows needs the host Qt tools of that version (Debian 13's); this machine has '${host:-none}'" >&2
    exit 1
}
echo "windows-qt: building Qt $qt_version for Windows once (its time on 2 cores: doc/benchmarks.md); log: $log" >&2
: >"$log"
fetch_source
src=$work/src
[[ -f $src/.cmake.conf ]] && grep -q "QT_REPO_MODULE_VERSION \"$qt_version\"" "$src/.cmake.conf" \
    || { echo "windows-qt: Debian's qt6-base source is not Qt $qt_version" >&2; exit 1; }

mkdir "$work/build"
cd "$work/build"
# Times written into the libraries are the source package's own, as Debian's builds take them.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
# Configuration: begin
# No path of this machine's reaches a library: __FILE__ in Qt's messages names the source as the
# package does, so that a build in any folder gives the same bytes.
export CFLAGS="-ffile-prefix-map=$src=qtbase -ffile-prefix-map=$work/build=qtbase/build"
export CXXFLAGS=$CFLAGS
# Only what Morvela and its tests load: Core, Gui, Widgets and Test, the windows platform plugin
# and the JPEG reader. Left out are the other plugins (the offscreen and Direct2D platforms, the
# modern Windows styles, GIF and ICO) and the widgets, dialogs, document formats and calendars
# that nothing here uses. Sources are compiled in batches (a unity build), which more than halves
# the time. (-no-freetype keeps the system's FreeType out; Qt's own is built all the same.)
# Direct2D stays on: without it, 6.8's Gui does not compile for Windows.
features=(
    network sql concurrent xml printsupport vulkan tabletevent dbus
    direct2d1_1 gif ico movie pdf textodfwriter textmarkdownreader textmarkdownwriter
    sessionmanager systemtrayicon tuiotouch
    style-windowsvista style-windows11 graphicsview graphicseffect calendarwidget datetimeedit
    mdiarea dockwidget colordialog filedialog fontdialog fontcombobox inputdialog progressdialog
    errormessage wizard lcdnumber dial keysequenceedit splashscreen textbrowser columnview
    tablewidget treewidget commandlinkbutton toolbox syntaxhighlighter undoview datawidgetmapper
    fscompleter filesystemmodel jalalicalendar islamiccivilcalendar hijricalendar
    sharedmemory systemsemaphore
)
{
    start=$(date +%s)
    # Each step only if the one before it succeeded: inside a group tested by ||, set -e stops
    # nothing, and a failed build would be installed half-made.
    "$src/configure" -prefix "$prefix" -release -shared -opensource -confirm-license \
        -nomake examples -nomake tests -qt-host-path /usr -xplatform win32-g++ \
        -unity-build -no-opengl -no-icu -no-zstd -no-freetype \
        -qt-zlib -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-pcre -qt-doubleconversion \
        "${features[@]/#/-no-feature-}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
    cmake --build . --parallel "$(nproc)" &&
    cmake --install . --strip &&
    echo "windows-qt: built in $(($(date +%s) - start)) s"
} >>"$log" 2>&1 || { echo "windows-qt: the Qt build failed; the end of $log:" >&2; tail -n 30 "$log" >&2; exit 1; }
# Configuration: end
write_licences
echo "$made_by" >"$prefix/.complete"
echo "$prefix"
