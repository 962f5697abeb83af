# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program into the page as the linker left it: its script in place of the tag that
would fetch it, and its module, in base64, where that script holds its place. The page is then one
file that runs from disk, where files beside it could not be fetched.
Usage: embed.py PAGE.html"""
import base64
import re
import sys
from pathlib import Path

page = Path(sys.argv[1])
text = page.read_text(encoding="utf-8")
TAG = re.compile(r'<script async type="text/javascript" src="([^"]+)"></script>')
tags = TAG.findall(text)
if len(tags) != 1:
    sys.exit(f"embed: {page} must fetch one script, its program's, not {len(tags)}")
script = page.with_name(tags[0]).read_text(encoding="utf-8")
PLACE = '"@PROGRAM@"'
if script.count(PLACE) != 1:
    sys.exit(f"embed: {tags[0]} must hold the program's place, {PLACE}, once")
module = base64.b64encode(page.with_name(tags[0]).with_suffix(".wasm").read_bytes()).decode()
script = script.replace(PLACE, '"' + module + '"')
# Either would end the page's <script> early, or keep it from ending.
if re.search(r"</script|<!--", script, re.IGNORECASE):
    sys.exit(f"embed: {tags[0]} holds '</script' or '<!--', which the page cannot hold inline")
text = TAG.sub(lambda _: "<script>\n" + script.rstrip("\n") + "\n</script>", text)
page.write_text(text, encoding="utf-8", newline="")
