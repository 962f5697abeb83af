# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page opened from disk in headless Chromium, driven with real clicks, keys and taps, with a
console that must stay empty: what the page's checks in Chromium share.
The page is the first argument of the check that uses it."""
import sys
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.support.ui import WebDriverWait

from page_expected import Lesson

PAGE = Path(sys.argv.pop(1)).resolve()


class ChromiumPage(Lesson, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--window-size=640,560", "--lang=bg"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.browser = webdriver.Chrome(options=options,
                                       service=Service("/usr/bin/chromedriver"))

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.browser.get(PAGE.as_uri())
        self.wait_shown()

    def wait_shown(self):
        """Until the program is ready and the page shown: the browser then gives the focus that
        the page asks for."""
        WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
            lambda b: b.execute_script("return performance.getEntriesByName('ready').length"
                                       " && document.activeElement !== document.body"),
            "the page was not ready, or not shown with its focus")

    def tearDown(self):
        # Nothing on the console, whatever the test did.
        self.assertEqual(self.browser.get_log("browser"), [])

    def console_besides(self, *expected):
        """The console read so far, every message that names none of EXPECTED: what a test that
        brought those on itself still holds to be empty."""
        return [e["message"] for e in self.browser.get_log("browser")
                if not any(x in e["message"] for x in expected)]

    # What an injected script and image leave on the console when they are refused.
    REFUSED = ("Content Security Policy", "none.png")

    def tap(self, element):
        actions = ActionBuilder(self.browser,
                                mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to(element).pointer_down().pointer_up()
        actions.perform()

    def open(self, fragment="", page=PAGE):
        """A fresh load, never a jump within the page already open."""
        self.browser.get("about:blank")
        self.browser.get(page.as_uri() + fragment)
        self.wait_shown()
