# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site, served on the loopback address to headless Chromium: installable, and working offline
once visited. Usage: page_site.py PAGE.html (the site is the folder site/ beside it)"""
import functools
import http.server
import threading
import unittest

from selenium.webdriver.support.ui import WebDriverWait

from page_chromium import PAGE, ChromiumPage
from page_expected import report


class Site(ChromiumPage):
    def test_offline(self):
        """The site, served on the loopback address and visited once, installs as an app and
        works with its server gone."""
        handler = functools.partial(http.server.SimpleHTTPRequestHandler,
                                    directory=str(PAGE.parent / "site"))
        handler.log_message = lambda *args: None
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        site = f"http://127.0.0.1:{server.server_address[1]}/"
        try:
            self.browser.get(site)
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(lambda b: b.execute_script(
                "return navigator.serviceWorker.controller !== null"
                " || (navigator.serviceWorker.ready.then(() => location.reload()), false)"))
            self.assertEqual(self.browser.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                             {"installabilityErrors": []})
        finally:
            server.shutdown()
            server.server_close()
        self.browser.get(site)
        WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
            lambda b: b.execute_script("return performance.getEntriesByName('ready').length"))
        self.choose(0, 3)
        self.el("Command1_0").click()
        self.assertEqual(self.state()["report"], report(True, 3, 0))
        self.browser.execute_script("navigator.serviceWorker.getRegistrations()"
                                    ".then(rs => rs.forEach(r => r.unregister()))")


if __name__ == "__main__":
    unittest.main(verbosity=2)
