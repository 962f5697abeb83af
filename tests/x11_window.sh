#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as an X window manager sees it: a fixed size, no minimize or maximize, centred,
# with its icon and title. Run under xvfb-run with the program as the argument.
set -u
program=$1
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT

fail() { echo "FAIL: $*"; exit 1; }
id=""
for _ in $(seq 50); do
    id=$(xwininfo -root -tree | awk '/"morvela.example  /{print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.2
done
[ -n "$id" ] || fail "no window titled morvela.example appeared"
props=$(xprop -id "$id")

echo "$props" | grep -q "program specified minimum size: 461 by 398" || fail "minimum size is not 461 x 398"
echo "$props" | grep -q "program specified maximum size: 461 by 398" || fail "maximum size is not 461 x 398"
echo "$props" | grep -q "_NET_WM_NAME(UTF8_STRING) = \"morvela.example  Биология - родители и кръвна група\"" \
    || fail "title"
echo "$props" | grep -q "Icon (32 x 32)" || fail "no 32 x 32 icon"

# Motif hints: flags, functions, decorations. Minimize is 0x8 and maximize 0x10 among the
# functions, 0x20 and 0x40 among the decorations; close is function 0x20.
read -r flags functions decorations < <(echo "$props" | sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = \(0x[0-9a-f]*\), \(0x[0-9a-f]*\), \(0x[0-9a-f]*\).*/\1 \2 \3/p')
[ -n "${flags:-}" ] || fail "no Motif hints"
(( (functions & 0x18) == 0 )) || fail "minimize or maximize offered: functions $functions"
(( (functions & 0x20) != 0 )) || fail "no close function: $functions"
(( (decorations & 0x60) == 0 )) || fail "minimize or maximize button: decorations $decorations"

screen=$(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
read -r sw sh <<<"$screen"
read -r x y < <(xwininfo -id "$id" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')
(( x - (sw - 461) / 2 <= 1 && (sw - 461) / 2 - x <= 1 )) || fail "not centred across: x $x on $sw"
(( y - (sh - 398) / 2 <= 1 && (sh - 398) / 2 - y <= 1 )) || fail "not centred down: y $y on $sh"
echo "PASS: fixed $flags/$functions/$decorations, centred at $x,$y on ${sw}x$sh"
