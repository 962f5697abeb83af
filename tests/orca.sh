#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The lesson as a blind pupil does it: Orca, the GNOME screen reader, on a private session and
# accessibility bus, and the window or the page driven by the keyboard. Run under xvfb-run with
# the lesson (orca_lesson.py for the window, page_orca.py for the page), which checks what Orca
# says, and what it drives (the program, or the page).
set -u
lesson=$1
target=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of its own, so that no one's Orca settings change what it says.
export HOME=$work XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# What every desktop has: a sound server. Without one, Orca's speech through speech-dispatcher
# stalls after a few words; this one plays into a sink that goes nowhere.
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=null" \
    --load=module-native-protocol-unix --log-target=file:"$work/pulse.log" \
    || { echo "FAIL: the sound server did not start: $(cat "$work/pulse.log" 2>/dev/null)"; exit 1; }
trap 'pulseaudio --kill 2>/dev/null; rm -rf "$work"' EXIT
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    /usr/bin/python3 -B "$1" "$0" "$HOME/orca.log"
    status=$?
    kill $launcher 2>/dev/null
    exit $status' "$target" "$lesson"
