#!/bin/bash
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command in a clone of this repository's committed HEAD inside a new, minimal Debian root
# with no locale set, as a new machine of that release meets the project. CI checks Debian 13 this
# way from a Debian 12 machine. The minimal root is made once with debootstrap and cached, and so
# are the packages that roots of that release download.
# With --in-place the command runs in this working tree instead, seen at its own path inside the
# root, with the Windows cache folder beside it: what it builds stays here. The Windows build uses
# it to run on Debian 13 from a Debian 12 machine.
# Usage, as root: scripts/debian-root.sh [--in-place] SUITE [COMMAND]
#   scripts/debian-root.sh trixie './scripts/setup.sh && cmake --workflow --preset default'
set -euo pipefail
in_place=0
[[ ${1:-} != --in-place ]] || { in_place=1; shift; }
suite=${1:?usage: debian-root.sh [--in-place] SUITE [COMMAND]}
command=${2:-./scripts/setup.sh && cmake --workflow --preset default}
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${MORVELA_ROOT_CACHE:-/var/cache/morvela}/roots
windows_cache=${MORVELA_WINDOWS_CACHE:-/var/cache/morvela}
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
    # Never delete through a mount that is still there: it may be the working tree or a cache.
    if grep -qF " $root/" /proc/mounts; then
        say "left $root in place: something is still mounted in it" >&2
    else
        rm -rf "$root"
    fi
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
# The root is thrown away after one command: dpkg need not wait for each file to reach the disk.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/morvela-unsafe-io"
# The certificate authorities this machine adds to Debian's, so that the root reaches the package
# registries as this machine does.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null 2>&1 || true
fi
share() {
    mkdir -p "$1" "$root$1"
    mount --bind "$1" "$root$1"
    mounted+=("$root$1")
}
for m in /proc /sys /dev /dev/pts /dev/shm; do share "$m"; done
# Downloaded packages are kept for the next root of the same release.
mkdir -p "$cache/apt-$suite"
mount --bind "$cache/apt-$suite" "$root/var/cache/apt/archives"
mounted+=("$root/var/cache/apt/archives")
if ((in_place)); then
    share "$top"
    share "$windows_cache"
    where=$top
    # The tree may belong to another user than root, who runs the command.
    printf '[safe]\n\tdirectory = *\n' >"$root/root/.gitconfig"
    say "running on Debian $suite in $top, no locale set: $command"
else
    git clone -q "$top" "$root/root/project"
    where=/root/project
    say "running on Debian $suite in a fresh clone, no locale set: $command"
fi

start=$(date +%s)
set +e
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root TERM=dumb CI="${CI:-}" MORVELA_WINDOWS_CACHE="$windows_cache" \
    ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH} \
    /bin/bash -c "cd '$where' && $command"
status=$?
set -e
say "Debian $suite: exit status $status after $(($(date +%s) - start)) s"
exit $status
