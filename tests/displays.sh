#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on the displays a Linux desktop may give it: with none that answers it says so in one
# line and ends with status 1; under a Wayland compositor (headless weston) it names itself by the
# desktop entry's id. Usage: displays.sh PROGRAM APP_ID
set -u
program=$1
app_id=$2
fail() { echo "FAIL: $*"; exit 1; }
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill $weston_pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Each case: the environment, then what the line must name.
while IFS='|' read -r settings named; do
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $settings "$program" 2>&1 >/dev/null)
    status=$?
    [ $status -eq 1 ] || fail "$settings: status $status, not 1: $err"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$settings: more than one line: $err"
    # Bulgarian, then English: each half names the display.
    [[ $err == *" / "* ]] || fail "$settings: not in two languages: $err"
    [[ ${err%% / *} == *"$named"* ]] || fail "$settings: the Bulgarian half does not name $named: $err"
    [[ ${err#* / } == *"$named"* ]] || fail "$settings: the English half does not name $named: $err"
done <<'CASES'
|DISPLAY
DISPLAY=:97|":97"
DISPLAY=:97 QT_QPA_PLATFORM=xcb|":97"
WAYLAND_DISPLAY=nowhere QT_QPA_PLATFORM=wayland|"nowhere"
WAYLAND_DISPLAY=nowhere DISPLAY=:97|"nowhere", ":97"
QT_QPA_PLATFORM=nosuch|"nosuch"
CASES

weston --backend=headless-backend.so --socket=morvela-test --idle-time=0 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/morvela-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/morvela-test" ] || fail "weston did not start: $(cat "$XDG_RUNTIME_DIR/weston.log")"
log=$XDG_RUNTIME_DIR/wayland.log
env -u DISPLAY WAYLAND_DISPLAY=morvela-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$log" &
app=$!
for _ in $(seq 100); do grep -q 'set_app_id' "$log" && break; sleep 0.1; done
kill $app 2>/dev/null
wait $app 2>/dev/null
grep -q "set_app_id(\"$app_id\")" "$log" || fail "app id: $(grep -o 'set_app_id([^)]*)' "$log")"
grep -q 'set_max_size(461, 398)' "$log" || fail "the compositor is not told the fixed size"
echo "PASS: one line and status 1 without a display; Wayland app id $app_id"
