#!/bin/sh
# Installs the Debian 12 packages that Morvela needs to build, run and test, skipping any that
# are already there. Runs as root, or through sudo.
set -eu

packages="
cmake
ninja-build
g++
qt6-base-dev
qt6-base-dev-tools
libgl-dev
fonts-liberation2
xvfb
xauth
x11-utils
dpkg-dev
desktop-file-utils
appstream
at-spi2-core
dbus-daemon
python3-pyatspi
"

missing=""
for p in $packages; do
    if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" != "ii " ]; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
