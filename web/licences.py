# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's shell with the licences of everything compiled into the page, in a comment at its
end: an overview naming each part, Morvela's own licence in full, and emscripten's parts that the
page holds (its runtime, musl's libc, libc++, libc++abi, libunwind, compiler-rt and
dlmalloc) as Debian's copyright file of the emscripten package states them, with the licences it
names. Usage: licences.py PAGE.html LICENSE PUBLISHER VERSION OUT.html"""
import subprocess
import sys

page, project_licence, publisher, version, out = sys.argv[1:6]
COPYRIGHT = "/usr/share/doc/emscripten/copyright"
# The files of emscripten's source whose code the page holds, as the copyright file names them.
PARTS = ["*", "system/lib/libc/musl/*", "system/lib/libcxx/*", "system/lib/libcxxabi/*",
         "system/lib/libunwind/*", "system/lib/compiler-rt/*", "system/lib/dlmalloc.c"]

paragraphs = [p for p in open(COPYRIGHT, encoding="utf-8").read().split("\n\n") if p.strip()]


def field(paragraph, name):
    lines = paragraph.split("\n")
    for i, line in enumerate(lines):
        if line.startswith(name + ":"):
            rest = [line[len(name) + 1:].strip()]
            for more in lines[i + 1:]:
                if not more.startswith(" "):
                    break
                rest.append(more.strip())
            return rest
    return None


stanzas = []
for part in PARTS:
    found = [p for p in paragraphs if (field(p, "Files") or [None])[1:] == [part]
             or field(p, "Files") == [part]]
    if len(found) != 1:
        sys.exit(f"licences: {COPYRIGHT} names '{part}' {len(found)} times, not once")
    stanzas.append(found[0])
# The licences those stanzas name, each a paragraph of its own in the file.
named = set()
for stanza in stanzas:
    for name in field(stanza, "License")[0].replace(" or ", " and ").split(" and "):
        named.add(name.strip())
licences = [p for p in paragraphs
            if field(p, "Files") is None and field(p, "License") and field(p, "License")[0] in named]
package = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "emscripten"],
                         capture_output=True, text=True, check=True).stdout

text = f"""Morvela {version} in a browser: what this page holds, under which licence, and where the
source of each part is.

The page, and the program inside it
  Morvela, (C) 2026 Morvela contributors. Free software under the GNU General Public License,
  version 3 or (at your option) any later version: its text is the first below. Its complete
  source is published beside this page at https://{publisher}/.

Compiled into the program from emscripten (Debian's package emscripten {package}, whose source
package of the same name holds the exact source):
  its JavaScript runtime, The Emscripten Authors, MIT (Expat) or NCSA licence;
  musl's C library, MIT (Expat) licence;
  libc++, libc++abi and compiler-rt, the LLVM Project, Apache License 2.0 with LLVM exception;
  libunwind, MIT (Expat) or NCSA licence;
  dlmalloc, Doug Lea, in the public domain.
  Their copyright and licences, as Debian's copyright file of that package states them, follow
  Morvela's licence, and the Apache License 2.0 in full last.

==== Morvela: GNU General Public License, version 3 ====

{open(project_licence, encoding="utf-8").read().strip()}

==== emscripten {package}: from {COPYRIGHT} ====

""" + "\n\n".join(stanzas + licences) + f"""

==== Apache License 2.0 (/usr/share/common-licenses/Apache-2.0) ====

{open("/usr/share/common-licenses/Apache-2.0", encoding="utf-8").read().strip()}
"""
if "-->" in text or "{{{" in text:
    sys.exit("licences: a text would end the comment or be taken for a template field")
shell = open(page, encoding="utf-8").read()
marker = "<!-- licences -->"
if shell.count(marker) != 1:
    sys.exit(f"licences: {page} must hold '{marker}' once")
open(out, "w", encoding="utf-8").write(shell.replace(marker, "<!--\n" + text + "-->"))
