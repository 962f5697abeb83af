#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that a release can be rebuilt to the same bytes: makes it again with scripts/release.sh
# from a fresh clone of the same commit, in another folder, later, under another umask and time
# zone, sharing the cached Windows Qt, and compares every file with the release given. Without one,
# it makes both. On any difference it fails, naming each file that differs, with diffoscope's
# account of where (in full in build/reproduce/).
# Usage, as scripts/release.sh is run: scripts/reproduce.sh [RELEASE_FOLDER]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "reproduce: $*"; }
fail() { echo "reproduce: FAIL: $*" >&2; exit 1; }
[[ -z $(git -C "$top" status --porcelain --untracked-files=no) ]] \
    || fail "the working tree differs from its commit; check a release from a clean clone"
commit=$(git -C "$top" rev-parse HEAD)
report=$top/build/reproduce
rm -rf "$report"
mkdir -p "$report"
work=$(mktemp -d /var/tmp/morvela-reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT

# One release of the commit, from a clone in FOLDER, under UMASK and TZ, into FOLDER/release; with
# a fourth word, made only to be compared, its page not checked again.
build() {
    local folder=$1 mask=$2 zone=$3 rebuild=${4:-} start log=$report/${1##*/}.log
    start=$(date +%s)
    mkdir -p "$(dirname "$folder")"
    (umask "$mask" && git clone -q --no-hardlinks "$top" "$folder" && git -C "$folder" checkout -q "$commit")
    say "building the release in $folder (umask $mask, TZ=$zone)"
    (umask "$mask" && cd "$folder" && TZ=$zone MORVELA_REBUILD=$rebuild \
        ./scripts/release.sh "$folder/release") >"$log" 2>&1 \
        || fail "the release in $folder failed; the end of $log:
$(tail -n 20 "$log")"
    say "built in $(($(date +%s) - start)) s"
}

if [[ -n ${1:-} ]]; then
    first=$(cd "$1" && pwd)
else
    build "$work/first" 022 UTC
    first=$work/first/release
fi
[[ -s $first/SHA256SUMS ]] || fail "no SHA256SUMS in $first"
# The files themselves are compared below, not only their sums; and the folder's own sums must hold.
(cd "$first" && sha256sum --quiet -c SHA256SUMS) >"$report/first-sums.txt" 2>&1 \
    || fail "the files in $first do not match its own SHA256SUMS: $(head -n 5 "$report/first-sums.txt")"
# Twelve hours and three quarters east of UTC, needing no time zone data.
build "$work/second/folder/deeper" 002 ZZZ-12:45 rebuild
second=$work/second/folder/deeper/release

differ=()
while read -r name; do
    cmp -s "$first/$name" "$second/$name" && continue
    differ+=("$name")
    account=$report/$name.diffoscope.txt
    diffoscope --no-progress --text "$account" --max-report-size 2000000 \
        "$first/$name" "$second/$name" >/dev/null 2>"$report/$name.diffoscope.err" || true
    # diffoscope gives up on a file it cannot unpack, such as a zip whose checksums fail: then the
    # bytes themselves say where.
    if [[ ! -s $account ]]; then
        { echo "diffoscope gave no account (its errors: $report/$name.diffoscope.err); the first bytes that differ (offset, octal in each):"
          cmp -l "$first/$name" "$second/$name" 2>&1 | head -n 20; } >"$account"
    fi
    echo "reproduce: $name differs; where, the first lines (all in $account):" >&2
    head -n 40 "$account" >&2
done < <(awk '{ print $2 }' "$first/SHA256SUMS"; echo SHA256SUMS)
[[ ${#differ[@]} -eq 0 ]] || fail "rebuilt from commit $commit, ${differ[*]} differ"
say "PASS: the same bytes twice, from commit $commit:"
sed 's/^/reproduce:   /' "$second/SHA256SUMS"
