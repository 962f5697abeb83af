#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as an X window manager sees it: a fixed size, no minimize or maximize, centred with
# its frame, with its icon and title. Run under xvfb-run with the program as the argument.
set -u
program=$1
# A window manager that frames the window with a title bar: twm, with the X server's own font.
config=$(mktemp)
printf '%s "fixed"\n' TitleFont ResizeFont MenuFont IconFont IconManagerFont >"$config"
LC_ALL=C twm -f "$config" 2>"$config.err" &
wm=$!
pid=""
trap 'kill $pid $wm 2>/dev/null; wait $pid 2>/dev/null; rm -f "$config" "$config.err"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/within.sh"
within 10 eval "xprop -root | grep -q '^_MIT_PRIORITY_COLORS'" \
    || fail "twm did not start: $(cat "$config.err")"
"$program" &
pid=$!

id=""
found() {
    id=$(xwininfo -root -tree | awk '/"morvela.example  /{print $1; exit}')
    [ -n "$id" ]
}
within 10 found || fail "no window titled morvela.example appeared"
# The window is in the tree before the program has set all it tells the window manager.
told() {
    props=$(xprop -id "$id" 2>/dev/null)
    grep -q "Icon (32 x 32)" <<<"$props" && grep -q "^_MOTIF_WM_HINTS" <<<"$props" \
        && grep -q "program specified maximum size" <<<"$props"
}
within 10 told || true

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

# The frame, title bar and borders included, stands in the middle of the screen. The window
# manager frames the window after it appears, and the window then centres itself again.
read -r sw sh < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
frame=$(xwininfo -id "$id" -tree | awk '/Parent window id:/{print $4}')
geometry() {
    xwininfo -id "$frame" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} /Border width:/{b=$3} END{print x, y, w + 2 * b, h + 2 * b}'
}
centred() {
    read -r x y w h < <(geometry)
    (( 2 * x + w - sw <= 2 && sw - 2 * x - w <= 2 && 2 * y + h - sh <= 2 && sh - 2 * y - h <= 2 ))
}
within 10 centred || true
(( h > 398 )) || fail "the window manager gave the window no title bar: frame ${w}x$h"
(( 2 * x + w - sw <= 2 && sw - 2 * x - w <= 2 )) || fail "frame not centred across: $w wide at x $x on $sw"
(( 2 * y + h - sh <= 2 && sh - 2 * y - h <= 2 )) || fail "frame not centred down: $h high at y $y on $sh"

# Moved, as the window manager moves it for a user who drags it, it stays where it is put.
xdotool windowmove "$id" $((x - 150)) $((y - 100))
moved() {
    read -r dx dy _ _ < <(geometry)
    (( dx < x - 120 && dx > x - 180 && dy < y - 70 && dy > y - 130 ))
}
within 10 moved || fail "moved from $x,$y by -150,-100, the frame stands at $dx,$dy"
# And it stays there, watched for a second from the moment it arrived.
for _ in $(seq 10); do
    sleep 0.1
    moved || fail "moved from $x,$y by -150,-100, the frame went on to $dx,$dy"
done
echo "PASS: fixed $flags/$functions/$decorations, its ${w}x$h frame centred at $x,$y on ${sw}x$sh, moved to $dx,$dy and left there"
