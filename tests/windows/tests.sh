#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The cross-built tests under Wine, with the windows platform plugin and the Qt and MinGW libraries
# from where they were built.
# Usage: tests/windows/tests.sh BUILD_FOLDER
. "$(dirname "$0")/common.sh"
# The Qt the folder was built with.
qt=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$build/CMakeCache.txt")
[[ -d $qt ]] || fail "$build names no Qt for Windows that is still there"
needs_display
fresh_prefix
say "running the cross-built tests under Wine (a few minutes)"
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$build/mingw-runtime")" \
    QT_PLUGIN_PATH=$(winepath -w "$qt/plugins") \
    ctest --test-dir "$build" --output-on-failure || fail "a test failed under Wine"
wineserver -k || true
say "PASS"
