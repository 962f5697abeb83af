#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command in a clone of this repository's committed HEAD inside a new, minimal Debian root
# with no locale set, as a new machine of that release meets the project. CI checks Debian 13 this
# way from a Debian 12 machine. The minimal root is made once with debootstrap and cached.
# Usage, as root: scripts/debian-root.sh SUITE [COMMAND]
#   scripts/debian-root.sh trixie './scripts/setup.sh && cmake --workflow --preset default'
set -euo pipefail
suite=${1:?usage: debian-root.sh SUITE [COMMAND]}
command=${2:-./scripts/setup.sh && cmake --workflow --preset default}
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${MORVELA_ROOT_CACHE:-/var/cache/morvela}/roots
say() { echo "debian-root: $*"; }
[[ $(id -u) == 0 ]] || { say "run as root: it makes a root file system and mounts into it" >&2; exit 2; }

# The package archive this machine uses, for the new root as well.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
[[ -n $mirror ]] || mirror=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null)
[[ -n $mirror ]] || mirror=http://deb.debian.org/debian

base=$cache/$suite-minbase.tar
if [[ ! -f $base ]]; then
    command -v debootstrap >/dev/null \
        || { apt-get update -qq && apt-get install -y -qq --no-install-recommends debootstrap; } >/dev/null
    say "making a minimal Debian $suite root once (a few minutes)"
    mkdir -p "$cache"
    tmp=$(mktemp -d /var/tmp/morvela-base.XXXXXX)
    if ! debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$tmp" "$mirror" \
        >"$cache/$suite-debootstrap.log" 2>&1; then
        say "debootstrap failed; the end of $cache/$suite-debootstrap.log:" >&2
        tail -n 20 "$cache/$suite-debootstrap.log" >&2
        rm -rf "$tmp"
        exit 2
    fi
    tar -C "$tmp" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$tmp"
fi

root=$(mktemp -d /var/tmp/morvela-root.XXXXXX)
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    rm -rf "$root"
}
trap cleanup EXIT
chmod 755 "$root"
tar -C "$root" -xf "$base"
rm -f "$root/etc/apt/sources.list"
security=${mirror%/debian}/debian-security
cat >"$root/etc/apt/sources.list.d/debian.sources" <<SOURCES
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
for m in proc sys dev dev/pts dev/shm; do
    mount --bind "/$m" "$root/$m"
    mounted+=("$root/$m")
done
git clone -q "$top" "$root/root/project"

say "running on Debian $suite in a fresh clone, no locale set: $command"
start=$(date +%s)
set +e
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM=dumb CI="${CI:-}" /bin/bash -c "cd /root/project && $command"
status=$?
set -e
say "Debian $suite: exit status $status after $(($(date +%s) - start)) s"
exit $status
