#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The NSIS installer under Wine, as an administrator rolls it out: a silent install; the program's
# window, its client area and the A x B report by keyboard; the same lesson as a blind pupil's
# screen reader hears it through UI Automation; the window at 125 and 150 %; the uninstall.
# Leaves in the folder screenshot.png, screenshot-125.png and screenshot-150.png and uia-lesson.txt.
# Usage: tests/windows/installer.sh BUILD_FOLDER
. "$(dirname "$0")/common.sh"
needs_display
fresh_prefix

wine "$build/Morvela-$version-win64.exe" /S
wineserver -w
check_folder "the installer"
[[ -f $(folder)/Uninstall.exe ]] || fail "the installer left no uninstaller"
[[ $(entries) == "$version"* ]] || fail "not listed with its version: $(entries)"

start_program
window=$(installed_window "the installer")
client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
# Shown, the window may still be taking its title and size from the program.
laid_out() {
    title=$(xdotool getwindowname "$window") size=$(client_size "$window")
    [[ $title == "morvela.example  Биология - родители и кръвна група" && $size == 461x398 ]]
}
within 10 laid_out || fail "the window is titled '$title', its client area $size, not 461x398"
xdotool windowfocus --sync "$window"
# Keys at a typist's pace, which Wine's input queue keeps up with.
xdotool key --window "$window" --delay 150 Tab Tab Down Tab Down Down Tab space Tab Tab Tab \
    ctrl+a ctrl+c
expected="Изведената решетка на Пънет е частична и не отчита
вероятности за Хетерозиготни алели в кръвни групи A и B.
При кръвна група родители: A и B вероятност: 
A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%"
copied() {
    report=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
    [[ $report == "$expected"* ]]
}
within 10 copied || fail "the A x B report reads: $report"
import -window root "$build/screenshot.png"
close_program

# Wine hands no notification to a client yet: it writes each one's text to the program's
# standard error.
heard=$build/uia-program.log
WINEDEBUG=-all,fixme+uiautomation start_program 2>"$heard"
installed_window "the installer" >/dev/null
wine "$build/uia_lesson.exe" "$(winepath -w "$heard")" | tee "$build/uia-lesson.txt" \
    || fail "UI Automation did not hear the lesson (above; the program's log: $heard)"
close_program

# Laptops' usual display scales: Wine tells the program the display's dots per inch, and Qt
# scales the whole window by them.
scaled=""
for percent in 125 150; do
    case $percent in 125) wanted=576x498 ;; 150) wanted=692x597 ;; esac
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * percent / 100)) \
        /f >/dev/null 2>&1
    wineserver -w
    start_program
    window=$(installed_window "the installer at $percent %")
    scaled_to() { size=$(client_size "$window"); [[ $size == "$wanted" ]]; }
    within 10 scaled_to || fail "at $percent %, client area $size, not $wanted"
    scaled+=" $percent % $size,"
    import -window "$window" "$build/screenshot-$percent.png"
    close_program
done
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true

wine "C:\\Program Files\\Morvela\\Uninstall.exe" /S
gone() { [[ ! -f $(folder)/Morvela.exe ]]; }
within 10 gone || fail "the uninstaller left Morvela.exe"
wineserver -w
[[ -z $(entries) ]] || fail "the uninstaller left an entry: $(entries)"
wineserver -k || true
say "PASS: silent install, window 461x398 titled as laid out, A x B report, the lesson heard through UI Automation, window at$scaled uninstall"
