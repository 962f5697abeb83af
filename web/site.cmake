# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The site: the page as index.html, naming its manifest (which also tells the page to register the
# service worker) and its icon; the worker and the manifest, the worker's keep named by the page's checksum.
# Usage: cmake -D PAGE=… -D SITE=… -D SOURCE=… -D PROJECT_VERSION=… -P site.cmake
file(READ ${PAGE} page)
# The app's colours are the form's, as the page was written with them.
string(REGEX MATCH "#Morvela{[^}]*background:(#[0-9a-f]+)" form_style "${page}")
set(FORM_COLOUR ${CMAKE_MATCH_1})
if(NOT FORM_COLOUR)
    message(FATAL_ERROR "site: ${PAGE} gives the form no background")
endif()
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
configure_file(${SOURCE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)
