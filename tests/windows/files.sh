#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows files as they stand, without running them: the executable's version record and icon,
# read from its bytes, and what the MSI tells in Bulgarian.
# Usage: tests/windows/files.sh BUILD_FOLDER
. "$(dirname "$0")/common.sh"
/usr/bin/python3 "$top/tests/windows_exe.py" "$build/Morvela.exe" \
    "$top/ui/pictures/morvela.ico" "$publisher"
msi=$build/Morvela-$version-win64.msi
[[ -s $msi ]] || fail "no $msi"
# The reason an older package gives for refusing, which Windows shows; Wine's msiexec does not.
msiinfo export "$msi" LaunchCondition \
    | grep -q 'NOT WIX_DOWNGRADE_DETECTED.На този компютър вече има по-нова версия на Morvela' \
    || fail "the MSI gives no Bulgarian reason for refusing to install over a newer version"
# Its summary, as a file's properties show it, in the code page it declares.
msiinfo suminfo "$msi" | iconv -f CP1251 -t UTF-8 \
    | grep -q '^Comments: Как децата унаследяват кръвните групи' \
    || fail "the MSI's summary is not in Bulgarian"
say "PASS: version record and icon; the MSI's refusal and summary in Bulgarian"
