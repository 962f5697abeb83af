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
import sys
import threading
import time
from pathlib import Path

DAY = 24 * 3600


class Server:
    """A static server on the loopback address over a folder: Last-Modified, no Cache-Control."""

    def __init__(self, folder):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=str(folder)))
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def put_up(site, folder, days_old, version=None, new_worker=True):
    """The site's files put in FOLDER as unzipping a release leaves them, dated DAYS_OLD back;
    VERSION, a later one, marks the page and, unless NEW_WORKER is false, the worker, as a new
    build would. A worker left as it was stands for one the browser has not looked for yet."""
    for f in Path(site).iterdir():
        data = f.read_bytes()
        if version and f.name == "index.html":
            data = data.replace(b'<meta charset="utf-8">\n',
                                b'<meta charset="utf-8">\n<meta name="version" content="%s">\n'
                                % version.encode())
        if version and new_worker and f.name == "sw.js":
            data += b"// version %s\n" % version.encode()
        (Path(folder) / f.name).write_bytes(data)
        when = time.time() - days_old * DAY
        os.utime(Path(folder) / f.name, (when, when))


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
