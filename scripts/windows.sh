#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, made and checked on Debian 13, whose host Qt tools match the Qt it builds
# and whose Wine has UI Automation; from Debian 12 it runs in a Debian 13 root over this tree.
# Installs what it needs, cross-builds Qt once into a cache outside the tree
# (MORVELA_WINDOWS_CACHE, default /var/cache/morvela), cross-builds Morvela and its logic, form and
# report tests, runs those tests under Wine, checks the version record and icon from the
# executable's bytes, makes the NSIS installer, the MSI and a portable zip, and under Wine in Xvfb
# installs, starts, drives and uninstalls the program with each installer, and hears a keyboard
# lesson through UI Automation, as a Windows screen reader does.
# Usage, as root or with sudo, from anywhere: scripts/windows.sh
# Leaves build/windows/Morvela-VERSION-win64.exe, .msi and .zip, and a screenshot.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(. /etc/os-release && echo "$VERSION_CODENAME") != trixie ]]; then
    exec "$top/scripts/debian-root.sh" --in-place trixie ./scripts/windows.sh
fi
build=$top/build/windows
version=$(sed -n 's/^project(Morvela VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
publisher=$(sed -n 's/^set(MORVELA_PUBLISHER \(.*\))$/\1/p' "$top/CMakeLists.txt")
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
        "$top/ui/pictures/morvela.ico" "$publisher"
    (cd "$build" && cpack >/dev/null)
    "$top/scripts/windows-msi.sh" "$build" >/dev/null
    # An older build of the same package, to upgrade from and to refuse over the newer one.
    "$top/scripts/windows-msi.sh" "$build" 0.9.0.0 >/dev/null
    # The reason an older package gives for refusing, which Windows shows; Wine's msiexec does not.
    msiinfo export "$build/Morvela-$version-win64.msi" LaunchCondition \
        | grep -q 'NOT WIX_DOWNGRADE_DETECTED.На този компютър вече има по-нова версия на Morvela' \
        || fail "the MSI gives no Bulgarian reason for refusing to install over a newer version"
    # Its summary, as a file's properties show it, in the code page it declares.
    msiinfo suminfo "$build/Morvela-$version-win64.msi" | iconv -f CP1251 -t UTF-8 \
        | grep -q '^Comments: Как децата наследяват кръвните групи' \
        || fail "the MSI's summary is not in Bulgarian"
    say "made $build/Morvela-$version-win64.exe, .msi and .zip"
    {
        echo "Windows files, built on Debian $(cat /etc/debian_version) ($(. /etc/os-release && echo "$VERSION_CODENAME")):"
        dpkg-query -W -f='  ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
            mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 cmake ninja-build qt6-base-dev-tools nsis \
            wixl msitools
        echo "  Qt for Windows: $(sed -n 's/.*source package qt6-base, version \([^ ]*\).*/qt6-base \1/p' \
            "$qt/licenses/SOURCE.txt"), built by scripts/windows-qt.sh"
    } >"$build/built-with.txt"
    QT_WINDOWS=$qt exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --under-x
fi

# Under Xvfb: a fresh Wine prefix, with Liberation Serif standing in for Times New Roman as a
# Windows machine would have the real face.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine names files in the locale's character set: without one, no Cyrillic name can be made.
export LC_ALL=C.UTF-8
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
    /d 'Liberation Serif' /f >/dev/null 2>&1
# Wine's DirectWrite, Qt 6.8's default on Windows, knows nothing of that stand-in: Qt's GDI fonts
# do. Set in Windows' own environment, since Wine leaves out the Unix one's QT_QPA_PLATFORM.
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d windows:fontengine=gdi /f \
    >/dev/null 2>&1
wineserver -w

# The cross-built tests, with the Qt and MinGW libraries from where they were built.
say "running the logic, form and report tests under Wine (a few minutes)"
WINEPATH="$(winepath -w "$QT_WINDOWS/bin");$(winepath -w "$build/mingw-runtime")" \
    QT_PLUGIN_PATH=$(winepath -w "$QT_WINDOWS/plugins") \
    ctest --test-dir "$build" --output-on-failure || fail "a test failed under Wine"

folder="$WINEPREFIX/drive_c/Program Files/Morvela"
# Every file of the folder, the licences and the guide among them.
check_folder() {
    for f in Morvela.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
        imageformats/qjpeg.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll guide.bg.html \
        licenses/README.txt licenses/Morvela/GPL-3.0-or-later.txt licenses/Qt/LGPL-3.0-only.txt \
        licenses/Qt/GPL-3.0-only.txt licenses/Qt/third-party.txt licenses/Qt/SOURCE.txt \
        licenses/MinGW-w64/gcc-mingw-w64-x86-64-posix-runtime.txt \
        licenses/MinGW-w64/mingw-w64-x86-64-dev.txt; do
        [[ -s $folder/$f ]] || fail "$1 left no $f"
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
# Waits for the installed program's window and prints its id.
installed_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name '^morvela\.example  ' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || fail "$1: the installed program opened no window"
    echo "$window"
}
close_program() {
    wine taskkill /im Morvela.exe >/dev/null 2>&1 || true
    wineserver -w
}

# The NSIS installer, silently, as an administrator would roll it out.
wine "$build/Morvela-$version-win64.exe" /S
wineserver -w
check_folder "the installer"
[[ -f $folder/Uninstall.exe ]] || fail "the installer left no uninstaller"
[[ $(entries) == "$version"* ]] || fail "not listed with its version: $(entries)"

# The installed program: its window, its client area, and the report for A and B by keyboard.
wine "C:\\Program Files\\Morvela\\Morvela.exe" &
window=$(installed_window "the installer")
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
close_program

# The same lesson as a blind pupil's screen reader hears it through UI Automation. Wine hands no
# notification to a client yet: it writes each one's text to the program's standard error.
heard=$build/uia-program.log
WINEDEBUG=-all,fixme+uiautomation wine "C:\\Program Files\\Morvela\\Morvela.exe" 2>"$heard" &
installed_window "the installer" >/dev/null
wine "$build/uia_lesson.exe" "$(winepath -w "$heard")" | tee "$build/uia-lesson.txt" \
    || fail "UI Automation did not hear the lesson (above; the program's log: $heard)"
close_program

wine "C:\\Program Files\\Morvela\\Uninstall.exe" /S
for _ in $(seq 50); do [[ -f $folder/Morvela.exe ]] || break; sleep 0.2; done
[[ ! -f $folder/Morvela.exe ]] || fail "the uninstaller left Morvela.exe"
wineserver -w
[[ -z $(entries) ]] || fail "the uninstaller left an entry: $(entries)"

# The MSI, as school IT deploys it: an older build first, then this one over it.
msi=$(winepath -w "$build/Morvela-$version-win64.msi")
older=$(winepath -w "$build/Morvela-0.9.0.0-win64.msi")
wine msiexec /i "$older" /qn || fail "the older MSI did not install"
[[ $(entries) == "0.9.0.0 $publisher" ]] || fail "the older MSI is listed as: $(entries)"
wine msiexec /i "$msi" /qn || fail "the MSI did not install over the older one"
wineserver -w
[[ $(entries) == "$version $publisher" ]] || fail "after the upgrade, listed as: $(entries)"
check_folder "the MSI"
wine "C:\\Program Files\\Morvela\\Morvela.exe" &
installed_window "the MSI" >/dev/null
close_program
set +e
wine msiexec /i "$older" /qn
status=$?
set -e
[[ $status != 0 ]] || fail "the older MSI installed over the newer one"
[[ $(entries) == "$version $publisher" ]] || fail "after the refused downgrade, listed as: $(entries)"
wine msiexec /x "$msi" /qn || fail "the MSI did not uninstall"
wineserver -w
[[ -z $(entries) ]] || fail "the MSI's uninstall left an entry: $(entries)"
[[ ! -e $folder ]] || fail "the MSI's uninstall left $(cd "$folder" && find . | head -n 5 | tr '\n' ' ')"
! find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname '*morvela*' | grep . \
    || fail "the MSI's uninstall left a Start-menu entry"
! wine reg query "HKLM\\Software\\$publisher" >/dev/null 2>&1 \
    || fail "the MSI's uninstall left the registry key of its shortcuts"
wineserver -k || true
say "PASS: tests under Wine, version record and icon, licences and guide in the folder; NSIS: silent install, window ${size} titled as laid out, A x B report, the lesson heard through UI Automation, uninstall; MSI: upgrade from 0.9.0.0 to $version with one entry, window, downgrade refused with its reason (status $status), silent uninstall leaving nothing"
