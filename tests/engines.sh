#!/bin/sh
# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The older Chromium engines of the page's tests, installed from the npm registry at the versions
# locked in tests/npm-engines, and each unpacked as it ships, compressed: the browser, the libraries
# it runs with and its software GL. Their packages name an older puppeteer-core as a peer, which
# is the one installed beside them. Usage: engines.sh SOURCE_DIR DIR
set -eu
source=$1 dir=$2
mkdir -p "$dir"
cp "$source/package.json" "$source/package-lock.json" "$dir/"
npm ci --prefix "$dir" --legacy-peer-deps --ignore-scripts --no-audit --no-fund --silent
for bin in "$dir"/node_modules/chromium-*/bin; do
    brotli -d -f "$bin/chromium.br" -o "$bin/chromium"
    chmod +x "$bin/chromium"
    for part in aws swiftshader; do
        mkdir -p "$bin/$part"
        brotli -d -c "$bin/$part.tar.br" | tar -x -C "$bin/$part"
    done
done
