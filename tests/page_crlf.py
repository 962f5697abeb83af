# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's generator gives the same form from its shell with CR LF line ends, as a checkout made
with core.autocrlf would leave it, as from the shell with LF.
Usage: page_crlf.py NODE GENERATOR.js SHELL.html"""
import subprocess
import sys
import tempfile
from pathlib import Path

node, generator, shell = sys.argv[1:4]
with tempfile.TemporaryDirectory() as work:
    work = Path(work)
    crlf = work / "crlf.html"
    crlf.write_bytes(Path(shell).read_bytes().replace(b"\n", b"\r\n"))
    pages = []
    for source, out in ((Path(shell), work / "lf-out.html"), (crlf, work / "crlf-out.html")):
        run = subprocess.run([node, generator, str(source), str(out)], capture_output=True, text=True)
        if run.returncode:
            print(f"FAIL: the generator refused {source.name}: {run.stderr.strip()}")
            print("0 passed, 1 failed")
            sys.exit(1)
        pages.append(out.read_bytes())
same = pages[0] == pages[1] and b"\r" not in pages[1]
print("PASS: the same form from CR LF" if same else "FAIL: CR LF gives another page")
print(f"{int(same)} passed, {int(not same)} failed")
sys.exit(0 if same else 1)
