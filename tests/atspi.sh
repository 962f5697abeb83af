#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an accessibility bus and the program under it, then reads the window over AT-SPI.
# Run under xvfb-run with the program as the argument.
set -u
program=$1
here=$(dirname "$0")
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$0" &
    app=$!
    /usr/bin/python3 "$1"
    status=$?
    kill $app $launcher 2>/dev/null
    wait $app 2>/dev/null
    exit $status' "$program" "$here/atspi_names.py"
