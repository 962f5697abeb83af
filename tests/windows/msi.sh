#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The MSI under Wine, as school IT deploys it: an older build first, then this one over it, with
# one entry left; the window; an older package refused over the newer one; a silent uninstall
# that leaves nothing behind.
# Usage: tests/windows/msi.sh BUILD_FOLDER
. "$(dirname "$0")/common.sh"
needs_display
fresh_prefix
# An older build of the same package, to upgrade from and to refuse over the newer one.
"$top/scripts/windows-msi.sh" "$build" 0.9.0.0 >/dev/null
msi=$(winepath -w "$build/Morvela-$version-win64.msi")
older=$(winepath -w "$build/Morvela-0.9.0.0-win64.msi")
wine msiexec /i "$older" /qn || fail "the older MSI did not install"
[[ $(entries) == "0.9.0.0 $publisher" ]] || fail "the older MSI is listed as: $(entries)"
wine msiexec /i "$msi" /qn || fail "the MSI did not install over the older one"
wineserver -w
[[ $(entries) == "$version $publisher" ]] || fail "after the upgrade, listed as: $(entries)"
check_folder "the MSI"
start_program
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
[[ ! -e $(folder) ]] || fail "the MSI's uninstall left $(cd "$(folder)" && find . | head -n 5 | tr '\n' ' ')"
! find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname '*morvela*' | grep . \
    || fail "the MSI's uninstall left a Start-menu entry"
! wine reg query "HKLM\\Software\\$publisher" >/dev/null 2>&1 \
    || fail "the MSI's uninstall left the registry key of its shortcuts"
wineserver -k || true
say "PASS: upgrade from 0.9.0.0 to $version with one entry, window, downgrade refused (status $status), silent uninstall leaving nothing"
