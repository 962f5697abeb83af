# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Says in the finished page who may run script in it: a Content-Security-Policy, first thing
after its character set, that lets run only the page's own scripts, named by their checksums
(the program among them), and WebAssembly, and lets
nothing be fetched but from the page's own site. No handler written in an attribute runs.
WebAssembly is allowed by 'unsafe-eval', not 'wasm-unsafe-eval': Safari before 16 and Chrome
before 97 ignore the newer keyword and would refuse to compile the program. The older one also
lets the page's own scripts make code from a string, which none of them does.
Run on the page as the linker left it; run again, it gives the same file.
Usage: csp.py PAGE.html"""
import base64
import hashlib
import re
import sys

path = sys.argv[1]
with open(path, encoding="utf-8", newline="") as f:
    page = f.read()
CHARSET = '<meta charset="utf-8">\n'
if page.count(CHARSET) != 1:
    sys.exit(f"csp: {path} must name its character set once, as {CHARSET!r}")
# A policy already there, from an earlier run, is written anew.
page = re.sub(r'<meta http-equiv="Content-Security-Policy" content="[^"]*">\n', "", page)
# A script's text is what the browser hashes: the page's own, in its head, and the program.
scripts = re.findall(r"<script>(.*?)</script>", page, flags=re.S)
if len(scripts) < 2:
    sys.exit(f"csp: {path} holds {len(scripts)} scripts, not the page's own and its program")
hashes = sorted({"'sha256-" + base64.b64encode(hashlib.sha256(s.encode()).digest()).decode()
                 + "'" for s in scripts})
policy = "; ".join([
    "default-src 'self'",
    "script-src " + " ".join(hashes) + " 'unsafe-eval'",
    "worker-src 'self'",
    "style-src 'self' 'unsafe-inline'",
    "object-src 'none'",
    "base-uri 'none'",
])
page = page.replace(CHARSET, CHARSET + f'<meta http-equiv="Content-Security-Policy" content="{policy}">\n')
with open(path, "w", encoding="utf-8", newline="") as f:
    f.write(page)
