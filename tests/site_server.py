# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site as a school's plain web server serves it, for the site's checks in Chromium and, run
as a program, in Firefox: site_server.py SITE FOLDER puts the site up 60 days old and prints its
address; each line in puts up a new version, 5 days old, and prints what its worker should keep,
as JSON; the end of the input stops it."""
import functools
import hashlib
import http.server
import json
import os
import re
import sys
import threading
import time
from pathlib import Path

DAY = 24 * 3600


class Server:
    """A static server on the loopback address over a folder: Last-Modified, no Cache-Control.
    The requests for a file held (hold) wait, and once let go are answered one at a time, the
    last to come first, each as the folder holds the file by then. PORT, to come back where a
    server stopped."""

    def __init__(self, folder, port=0):
        self.held, self.lock = {}, threading.Lock()

        class Quiet(http.server.SimpleHTTPRequestHandler):
            def do_GET(handler):
                with self.lock:
                    waiting = self.held.get(handler.path.lstrip("/"))
                    mine = (threading.Event(), threading.Event())
                    if waiting is not None:
                        waiting.append(mine)
                if waiting is not None:
                    mine[0].wait(30)
                try:
                    super().do_GET()
                finally:
                    mine[1].set()

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", port), functools.partial(Quiet, directory=str(folder)))
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.port = self.httpd.server_address[1]
        self.url = f"http://127.0.0.1:{self.port}/"

    def hold(self, name):
        with self.lock:
            self.held[name] = []

    def let_go(self):
        with self.lock:
            held, self.held = self.held, {}
        for waiting in held.values():
            for go, answered in reversed(waiting):
                go.set()
                answered.wait(30)

    def stop(self):
        self.let_go()
        self.httpd.shutdown()
        self.httpd.server_close()


SUMS = re.compile(rb'<meta name="morvela-files" content="[^"]*">')


def put_up(site, folder, days_old, version=None, new_worker=True, stale=(), cut=False):
    """The site's files put in FOLDER as unzipping a release leaves them, dated DAYS_OLD back;
    VERSION, a later one, marks the page, the guide and, unless NEW_WORKER is false, the worker,
    as a new build would, the page naming its files' new checksums. A worker left as it was stands
    for one the browser has not looked for yet; the files named STALE, and the page's end when CUT,
    for a copy not yet done."""
    files = {f.name: f.read_bytes() for f in Path(site).iterdir()}
    if version:
        mark = version.encode()
        files["index.html"] = files["index.html"].replace(
            b'<meta charset="utf-8">\n',
            b'<meta charset="utf-8">\n<meta name="version" content="%s">\n' % mark)
        files["guide.bg.html"] += b"<!-- version %s -->\n" % mark
        if new_worker:
            files["sw.js"] += b"// version %s\n" % mark
        sums = " ".join(f"{name}={hashlib.sha256(files[name]).hexdigest()}" for name in
                        sorted(files) if name not in ("index.html", "sw.js"))
        files["index.html"] = SUMS.sub(
            b'<meta name="morvela-files" content="%s">' % sums.encode(), files["index.html"])
    if cut:
        files["index.html"] = files["index.html"][:len(files["index.html"]) // 2]
    # The page last, as a copy in name order leaves it.
    for name in sorted(files, key=lambda name: name == "index.html"):
        if name in stale:
            continue
        (Path(folder) / name).write_bytes(files[name])
        when = time.time() - days_old * DAY
        os.utime(Path(folder) / name, (when, when))


def kept(folder):
    """Each file the worker should keep by its SHA-256, the page also under the site's address."""
    wanted = {f.name: hashlib.sha256(f.read_bytes()).hexdigest()
              for f in Path(folder).iterdir() if f.name != "sw.js"}
    wanted[""] = wanted["index.html"]
    return wanted


if __name__ == "__main__":
    site, folder = sys.argv[1:3]
    put_up(site, folder, 60)
    server = Server(folder)
    print(server.url, flush=True)
    for line in sys.stdin:
        put_up(site, folder, 5, version="2")
        print(json.dumps(kept(folder)), flush=True)
    server.stop()
