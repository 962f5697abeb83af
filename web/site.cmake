# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The site: the page as index.html, naming its manifest (which also tells the page to register the
# service worker) and its icon; the worker, the worker's keep named by the page's checksum; and the
# manifest, written with the form's colours.
# Usage: cmake -D PAGE=… -D SITE=… -D SOURCE=… -D PROJECT_VERSION=… -D MANIFEST=… -P site.cmake
file(READ ${PAGE} page)
set(viewport [[<meta name="viewport" content="width=device-width, initial-scale=1">]])
string(FIND "${page}" "${viewport}" at)
if(at LESS 0)
    message(FATAL_ERROR "site: ${PAGE} has no viewport line to put the manifest after")
endif()
string(REPLACE "${viewport}" "${viewport}
<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"icon\" href=\"icon-192.png\">
<link rel=\"apple-touch-icon\" href=\"icon-192.png\">" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
file(SHA256 ${SITE}/index.html page_hash)
string(SUBSTRING ${page_hash} 0 16 page_hash)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)
configure_file(${MANIFEST} ${SITE}/manifest.webmanifest COPYONLY)
