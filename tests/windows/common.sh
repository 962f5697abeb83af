# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by each check of the Windows build: the built folder, what the checks share, and the
# Debian 13 they run on (its Wine has UI Automation); from Debian 12 a check runs itself again in
# a Debian 13 root over this tree, as scripts/windows.sh does.
# A check is run as: tests/windows/CHECK.sh BUILD_FOLDER (scripts/windows.sh makes build/windows).
set -euo pipefail
check=$(basename "$0" .sh)
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/tests/within.sh"
say() { echo "windows $check: $*"; }
fail() { echo "windows $check: FAIL: $*" >&2; exit 1; }
[[ -n ${1:-} && -d $1 ]] || fail "usage: tests/windows/$check.sh BUILD_FOLDER (made by scripts/windows.sh)"
if [[ $(. /etc/os-release && echo "$VERSION_CODENAME") != trixie ]]; then
    exec "$top/scripts/debian-root.sh" --in-place trixie \
        "./tests/windows/$check.sh $(realpath --relative-to="$top" "$1")"
fi
build=$(cd "$1" && pwd)
"$top/scripts/setup.sh" --windows
# The version, as the changelog's newest entry names it for every build.
version=$(sed -n '1s/^morvela (\([0-9.]*\)).*/\1/p' "$top/packaging/debian/changelog")
publisher=$(sed -n 's/^set(MORVELA_PUBLISHER \(.*\))$/\1/p' "$top/CMakeLists.txt")

# Under Xvfb, for a check that shows a window.
needs_display() {
    [[ -n ${DISPLAY:-} ]] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
}

# A fresh Wine prefix of the check's own, with Liberation Serif standing in for Times New Roman
# as a Windows machine would have the real face.
fresh_prefix() {
    export WINEPREFIX=$build/wine-$check WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine names files in the locale's character set: without one, no Cyrillic name can be made.
    export LC_ALL=C.UTF-8
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    # Wine's DirectWrite, Qt 6.8's default on Windows, knows nothing of that stand-in: Qt's GDI
    # fonts do. Set in Windows' own environment, since Wine leaves out the Unix one's
    # QT_QPA_PLATFORM.
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d windows:fontengine=gdi /f \
        >/dev/null 2>&1
    # A program that crashes ends, and the check fails, instead of waiting in Wine's debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
        /t REG_SZ /d '' /f >/dev/null 2>&1
    wineserver -w
}

folder() { echo "$WINEPREFIX/drive_c/Program Files/Morvela"; }

# Every file of the installed folder, the licences and the guide among them, and both shortcuts.
check_folder() {
    local f link
    for f in Morvela.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
        imageformats/qjpeg.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll guide.bg.html \
        licenses/README.txt licenses/Morvela/GPL-3.0-or-later.txt licenses/Qt/LGPL-3.0-only.txt \
        licenses/Qt/GPL-3.0-only.txt licenses/Qt/third-party.txt licenses/Qt/SOURCE.txt \
        licenses/MinGW-w64/gcc-mingw-w64-x86-64-posix-runtime.txt \
        licenses/MinGW-w64/mingw-w64-x86-64-dev.txt; do
        [[ -s $(folder)/$f ]] || fail "$1 left no $f"
    done
    for link in Morvela.lnk 'Morvela – ръководство за учителя.lnk'; do
        find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name "$link" | grep -q . \
            || fail "$1 made no Start-menu shortcut $link"
    done
}

# "Apps and features": one line per entry named Morvela, with its version and publisher.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null \
        | tr -d '\r' | awk '/^HKEY/ { key = $0 } / DisplayName /{ name[key] = $NF }
            / DisplayVersion /{ version[key] = $NF } / Publisher /{ publisher[key] = $NF }
            END { for (k in name) if (name[k] == "Morvela") print version[k], publisher[k] }'
}

# Waits for the installed program's window to be shown and prints its id: one found by name
# alone may not be mapped yet, and X refuses it the focus.
installed_window() {
    local window=""
    for _ in $(seq 100); do
        # In an and-list, so that set -e lets xdotool find nothing.
        window=$(xdotool search --onlyvisible --name '^morvela\.example  ' 2>/dev/null \
            | head -n 1) && [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || fail "$1: the installed program opened no window"
    echo "$window"
}

start_program() {
    wine "C:\\Program Files\\Morvela\\Morvela.exe" "$@" &
}

close_program() {
    wine taskkill /im Morvela.exe >/dev/null 2>&1 || true
    wineserver -w
}
