#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every check of the Windows build, one after another, each named as it fails.
# Usage: tests/windows/all.sh BUILD_FOLDER
. "$(dirname "$0")/common.sh"
for each in files tests installer msi; do
    "$top/tests/windows/$each.sh" "$build" || fail "the check $each failed"
done
say "PASS: files, tests under Wine, installer, MSI"
