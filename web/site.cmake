# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The site: the page as index.html, naming its manifest (which also tells the page to register the
# service worker), its icon and the checksum of each other file it is kept with; the worker; and
# the manifest, written with the form's colours. The icons and the guide are there before.
# Usage: cmake -D PAGE=… -D SITE=… -D SOURCE=… -D PROJECT_VERSION=… -D MANIFEST=… -P site.cmake
file(READ ${PAGE} page)
set(viewport [[<meta name="viewport" content="width=device-width, initial-scale=1">]])
string(FIND "${page}" "${viewport}" at)
if(at LESS 0)
    message(FATAL_ERROR "site: ${PAGE} has no viewport line to put the manifest after")
endif()
configure_file(${MANIFEST} ${SITE}/manifest.webmanifest COPYONLY)
set(sums "")
foreach(file manifest.webmanifest icon-192.png icon-512.png guide.bg.html)
    file(SHA256 ${SITE}/${file} sum)
    string(APPEND sums " ${file}=${sum}")
endforeach()
string(STRIP "${sums}" sums)
string(REPLACE "${viewport}" "${viewport}
<meta name=\"morvela-files\" content=\"${sums}\">
<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"icon\" href=\"icon-192.png\">
<link rel=\"apple-touch-icon\" href=\"icon-192.png\">" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
file(SHA256 ${SITE}/index.html page_hash)
string(SUBSTRING ${page_hash} 0 16 page_hash)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)
