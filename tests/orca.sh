#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The lesson as a blind pupil does it: Orca, the GNOME screen reader, on a private session and
# accessibility bus, and the program driven by the keyboard. Run under xvfb-run with the program
# as the argument; orca_lesson.py checks what Orca says.
set -u
program=$1
here=$(dirname "$0")
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
    /usr/bin/python3 "$1" "$0" "$HOME/orca.log"
    status=$?
    kill $launcher 2>/dev/null
    exit $status' "$program" "$here/orca_lesson.py"
