#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, made and checked on Debian 12: installs what it needs, cross-builds Qt once
# into a cache outside the tree (MORVELA_WINDOWS_CACHE, default /var/cache/morvela), cross-builds
# Morvela and its logic, form and report tests, runs those tests under Wine, checks the version
# record and icon from the executable's bytes, makes the NSIS installer and a portable zip, and
# installs, starts, drives and uninstalls the program under Wine in Xvfb.
# Usage, as root or with sudo, from anywhere: scripts/windows.sh
# Leaves build/windows/Morvela-1.0.0.0-win64.exe, the zip beside it, and a screenshot.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/windows
cache=${MORVELA_WINDOWS_CACHE:-/var/cache/morvela}
say() { echo "windows: $*"; }
fail() { echo "windows: FAIL: $*" >&2; exit 1; }

if [[ ${1:-} != --under-x ]]; then
    "$top/scripts/setup.sh" --windows
    start=$(date +%s)
    qt=$("$top/scripts/windows-qt.sh" "$cache" | tail -n 1)
    say "Qt for Windows in $qt ($(( $(date +%s) - start )) s)"
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
    cmake --build "$build"
    /usr/bin/python3 "$top/tests/windows_exe.py" "$build/Morvela.exe" \
        "$top/ui/pictures/morvela.ico" "$(sed -n 's/^set(MORVELA_PUBLISHER \(.*\))$/\1/p' "$top/CMakeLists.txt")"
    (cd "$build" && cpack >/dev/null)
    say "made $build/Morvela-1.0.0.0-win64.exe and .zip"
    QT_WINDOWS=$qt exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --under-x
fi

# Under Xvfb: a fresh Wine prefix, with Liberation Serif standing in for Times New Roman as a
# Windows machine would have the real face.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
    /d 'Liberation Serif' /f >/dev/null 2>&1
wineserver -w

# The cross-built tests, with the Qt and MinGW libraries from where they were built.
say "running the logic, form and report tests under Wine (a few minutes)"
WINEPATH="$(winepath -w "$QT_WINDOWS/bin");$(winepath -w "$build/mingw-runtime")" \
    QT_PLUGIN_PATH=$(winepath -w "$QT_WINDOWS/plugins") \
    ctest --test-dir "$build" --output-on-failure || fail "a test failed under Wine"

# The installer, silently, as an administrator would roll it out.
wine "$build/Morvela-1.0.0.0-win64.exe" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Morvela"
for f in Morvela.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    imageformats/qjpeg.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll Uninstall.exe; do
    [[ -f $folder/$f ]] || fail "the installer left no $f"
done
find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Morvela.lnk' | grep -q . \
    || fail "no Start-menu shortcut"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvela' 2>/dev/null \
    | tr -d '\r' | grep -q 'DisplayVersion.*1\.0\.0\.0' || fail "not listed with its version"

# The installed program: its window, its client area, and the report for A and B by keyboard.
wine "C:\\Program Files\\Morvela\\Morvela.exe" &
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^morvela\.example  ' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.2
done
[[ -n $window ]] || fail "the installed program opened no window"
sleep 1
title=$(xdotool getwindowname "$window")
[[ $title == "morvela.example  Биология - родители и кръвна група" ]] || fail "title: $title"
size=$(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[[ $size == 461x398 ]] || fail "client area $size, not 461x398"
xdotool windowfocus --sync "$window"
for key in Tab Tab Down Tab Down Down Tab space Tab Tab Tab ctrl+a ctrl+c; do
    xdotool key --window "$window" "$key"
    sleep 0.15
done
sleep 0.5
report=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
expected="Изведената решетка на Пънет е частична и не отчита
вероятности за Хетерозиготни алели в кръвни групи A и B.
При кръвна група родители: A и B вероятност: 
A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%"
[[ $report == "$expected"* ]] || fail "the A x B report reads: $report"
import -window root "$build/screenshot.png"
wine taskkill /im Morvela.exe >/dev/null 2>&1 || true
wineserver -w

wine "C:\\Program Files\\Morvela\\Uninstall.exe" /S
for _ in $(seq 50); do [[ -f $folder/Morvela.exe ]] || break; sleep 0.2; done
[[ ! -f $folder/Morvela.exe ]] || fail "the uninstaller left Morvela.exe"
wineserver -k || true
say "PASS: tests under Wine, version record and icon, silent install, window ${size} titled as laid out, A x B report, uninstall"
