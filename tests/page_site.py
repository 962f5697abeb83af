# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site, served on the loopback address to headless Chromium as a school's plain web server
serves it (Last-Modified, no Cache-Control, files dated as unzipped): installable, working offline
once visited, current at the first visit after a new version is put in its place, and saying who
may run script in it. Usage: page_site.py PAGE.html (the site is the folder site/ beside it)"""
import functools
import hashlib
import http.server
import os
import shutil
import tempfile
import threading
import time
import unittest
from pathlib import Path

from selenium.webdriver.support.ui import WebDriverWait

from page_chromium import PAGE, ChromiumPage
from page_expected import report

SITE = PAGE.parent / "site"
DAY = 24 * 3600
# What a visit sees and what the worker keeps, evaluated in the page.
KEPT = (Path(__file__).with_name("page_kept.js")).read_text(encoding="utf-8")


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


def put_up(site, folder, days_old, version=None):
    """The site's files put in FOLDER as unzipping a release leaves them, dated DAYS_OLD back;
    VERSION, a later one, marks the page and names a keep of its own, as a new build would."""
    for f in site.iterdir():
        data = f.read_bytes()
        if version and f.name == "index.html":
            data = data.replace(b'<meta charset="utf-8">\n',
                                b'<meta charset="utf-8">\n<meta name="version" content="%s">\n'
                                % version.encode())
        if version and f.name == "sw.js":
            data = data.replace(b"const KEEP = 'morvela-", b"const KEEP = 'morvela-v%s-"
                                % version.encode())
        (folder / f.name).write_bytes(data)
        when = time.time() - days_old * DAY
        os.utime(folder / f.name, (when, when))


class Site(ChromiumPage):
    def visit(self, url):
        self.browser.get(url)
        WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
            lambda b: b.execute_script("return performance.getEntriesByName('ready').length"))

    def seen(self):
        return self.browser.execute_async_script(
            "const done = arguments[arguments.length - 1];\n" + KEPT + ".then(done);")

    def tearDown(self):
        self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            Promise.all([navigator.serviceWorker.getRegistrations()
                           .then(rs => Promise.all(rs.map(r => r.unregister()))),
                         caches.keys().then(ks => Promise.all(ks.map(k => caches.delete(k))))])
                .then(done, done);""")
        super().tearDown()

    def test_offline(self):
        """The site, served on the loopback address and visited once, installs as an app and
        works with its server gone."""
        server = Server(SITE)
        try:
            self.browser.get(server.url)
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(lambda b: b.execute_script(
                "return navigator.serviceWorker.controller !== null"
                " || (navigator.serviceWorker.ready.then(() => location.reload()), false)"))
            self.assertEqual(self.browser.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                             {"installabilityErrors": []})
        finally:
            server.stop()
        self.visit(server.url)
        self.choose(0, 3)
        self.el("Command1_0").click()
        self.assertEqual(self.state()["report"], report(True, 3, 0))

    def test_new_version(self):
        """A pupil who comes back online after a new version is put where the old one was sees
        it at that visit, and from then on offline; the keep holds the new files alone."""
        folder = Path(tempfile.mkdtemp())
        server = Server(folder)
        try:
            put_up(SITE, folder, 60)
            for _ in range(2):
                self.visit(server.url)
                WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
                    lambda b: [len(k) for k in self.seen()[1].values()] == [6],
                    "the first version was not kept")
                self.assertEqual(self.seen()[0], "1")
            put_up(SITE, folder, 5, version="2")
            self.visit(server.url)
            self.assertEqual(self.seen()[0], "2", "the old version shown after the new one is up")
            wanted = {f.name: hashlib.sha256(f.read_bytes()).hexdigest()
                      for f in folder.iterdir() if f.name != "sw.js"}
            wanted[""] = wanted["index.html"]
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
                lambda b: list(self.seen()[1].values()) == [wanted],
                f"the keep does not hold the new version alone: {self.seen()[1]}")
        finally:
            server.stop()
            shutil.rmtree(folder)
        self.visit(server.url)
        self.assertEqual(self.seen()[0], "2", "the old version shown offline")
        self.check_policy()
        self.browser.get_log("browser")

    def test_policy(self):
        """From the site, as from disk, only the page's own scripts run."""
        server = Server(SITE)
        try:
            self.visit(server.url)
            self.check_policy()
        finally:
            server.stop()
        self.browser.get_log("browser")


if __name__ == "__main__":
    unittest.main(verbosity=2)
