# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site, served on the loopback address to headless Chromium as a school's plain web server
serves it (Last-Modified, no Cache-Control, files dated as unzipped): installable, working offline
once visited, current at the first visit after a new version is put in its place, and saying who
may run script in it. Usage: page_site.py PAGE.html (the site is the folder site/ beside it)"""
import shutil
import tempfile
import unittest
from pathlib import Path

from selenium.webdriver.support.ui import WebDriverWait

from page_chromium import PAGE, ChromiumPage
from page_expected import report
from site_server import Server, kept, put_up

SITE = PAGE.parent / "site"
# What a visit sees and what the worker keeps, evaluated in the page.
KEPT = (Path(__file__).with_name("page_kept.js")).read_text(encoding="utf-8")


class Site(ChromiumPage):
    def visit(self, url):
        self.browser.get(url)
        WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
            lambda b: b.execute_script("return performance.getEntriesByName('ready').length"))

    def settled(self):
        """Once the worker has done what it was doing with its keep: it keeps one at a time."""
        self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.locks.request('morvela-keep', () => {}).then(done);""")

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
        self.new_version(visits=2, new_worker=True)
        self.check_policy()
        self.assertEqual(self.console_besides(*self.REFUSED), [])

    def test_glance(self):
        """A glance at the new version, on a slow device, before the browser has looked for the
        new worker: the page is shown until it is ready and left. The keep comes to hold what it
        showed, alone, and offline shows it. Three times, each on a site of its own."""
        self.browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        try:
            for glance in range(3):
                with self.subTest(glance=glance):
                    self.new_version(visits=1, new_worker=False, glance=True)
                    # The guide names no icon, so the browser asks for one of its own.
                    self.assertEqual(self.console_besides("favicon.ico"), [])
        finally:
            self.browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})

    def new_version(self, visits, new_worker, glance=False):
        """The site put up and visited until kept, VISITS times; then a new version put in its
        place, with a new worker or the old one left, and visited once (a GLANCE leaves the page
        once it is ready): the keep comes to hold the new version alone, and offline shows it."""
        folder = Path(tempfile.mkdtemp())
        server = Server(folder)
        try:
            for _ in range(visits):
                self.kept_first(server, folder)
                self.assertEqual(self.seen()[0], "1")
            put_up(SITE, folder, 5, version="2", new_worker=new_worker)
            wanted = kept(folder)
            self.visit(server.url)
            self.assertEqual(self.seen()[0], "2", "the old version shown after the new one is up")
            if glance:
                # Read from the guide, which the worker does not keep anew.
                self.browser.get(server.url + "guide.bg.html")
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
                lambda b: list(self.seen()[1].values()) == [wanted],
                f"the keep does not hold the new version alone: {self.seen()[1]}")
        finally:
            server.stop()
            shutil.rmtree(folder)
        self.visit(server.url)
        self.assertEqual(self.seen()[0], "2", "the old version shown offline")

    def test_two_visits_at_once(self):
        """Two tabs shown two new versions in turn, as a school copies them over the old one,
        each keeping its own at once (the guide they ask for held until both are shown, then
        answered as the folder holds it, the later visit's first): offline opens one version,
        whole, the last one shown."""
        folder = Path(tempfile.mkdtemp())
        server = Server(folder)
        try:
            self.kept_first(server, folder)
            server.hold("guide.bg.html")
            put_up(SITE, folder, 5, version="2", new_worker=False)
            self.visit(server.url)
            put_up(SITE, folder, 4, version="3", new_worker=False)
            wanted = kept(folder)
            self.browser.switch_to.new_window("tab")
            self.visit(server.url)
            server.let_go()
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
                lambda b: list(self.seen()[1].values()) == [wanted],
                f"the keep does not hold the last version alone: {self.seen()[1]}")
        finally:
            server.stop()
            shutil.rmtree(folder)
        self.visit(server.url)
        self.assertEqual(self.seen()[0], "3", "not the last version shown offline")
        self.browser.close()
        self.browser.switch_to.window(self.browser.window_handles[0])

    def test_copy_half_done(self):
        """A new version's page up with the old guide beside it, or cut short: shown online, not
        kept, so offline opens the old version whole; once the copy is done, the next visit keeps
        the new one."""
        for stale, cut in ((("guide.bg.html",), False), ((), True)):
            with self.subTest(stale=stale, cut=cut):
                folder = Path(tempfile.mkdtemp())
                server = Server(folder)
                try:
                    first = self.kept_first(server, folder)
                    put_up(SITE, folder, 5, version="2", stale=stale, cut=cut)
                    self.browser.get(server.url)
                    if not cut:
                        self.assertEqual(self.seen()[0], "2", "the new page not shown online")
                    self.settled()
                    self.assertEqual(list(self.seen()[1].values()), [first], "kept half done")
                    server.stop()
                    self.visit(server.url)
                    self.assertEqual((self.seen()[0], list(self.seen()[1].values())),
                                     ("1", [first]), "offline, not the old version whole")
                    server = Server(folder, server.port)
                    put_up(SITE, folder, 5, version="2")
                    wanted = kept(folder)
                    self.visit(server.url)
                    WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
                        lambda b: list(self.seen()[1].values()) == [wanted],
                        f"the copy done, the keep does not hold it alone: {self.seen()[1]}")
                finally:
                    server.stop()
                    shutil.rmtree(folder)
                # Only the page cut short, its program with it, may have said so on the console.
                errors = [e["message"] for e in self.browser.get_log("browser")]
                self.assertEqual([e for e in errors if not cut or server.url not in e], [])
                self.tearDown()

    def kept_first(self, server, folder):
        """The first version put up and visited until kept; what it keeps."""
        put_up(SITE, folder, 60)
        first = kept(folder)
        self.visit(server.url)
        WebDriverWait(self.browser, 10, poll_frequency=0.05).until(
            lambda b: list(self.seen()[1].values()) == [first], "the first version was not kept")
        return first

    def test_policy(self):
        """From the site, as from disk, only the page's own scripts run."""
        server = Server(SITE)
        try:
            self.visit(server.url)
            self.check_policy()
        finally:
            server.stop()
        self.assertEqual(self.console_besides(*self.REFUSED), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
