# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in WebKit, the engine of Safari and of every browser on an iPhone or iPad: WebKitGTK's
MiniBrowser, driven over WebDriver, the page served on the loopback address as a site serves it. Every pair of groups under both options (the
alleles, the grid and the report byte for byte), the resets, each list's role and name as WebKit
computes them, what the status region says, a link that carries a choice, the phone column at
390 x 844, and that only the page's own scripts run, from disk and from the site. Errors the page throws after it loads are caught by a listener the test puts in (from
disk WebKit would hide their text); what WebKit writes to its console the driver cannot read. Run under xvfb-run: MiniBrowser has no
headless mode. Usage: page_webkit.py PAGE.html"""
import functools
import http.server
import sys
import threading
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.support.ui import WebDriverWait

from page_expected import (ADDRESSES, Lesson, alleles_of, cells_of, every_pair, report,
                           start_state)

PAGE = Path(sys.argv.pop(1)).resolve()
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
RESET = ". Формата е изчистена: двамата родители са с група 0, алелите са 0 и 0, отчетът е празен."


class WebKit(Lesson, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        service = webdriver.WebKitGTKService(executable_path="/usr/bin/WebKitWebDriver")
        cls.browser = webdriver.WebKitGTK(options=options, service=service)
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        cls.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=str(PAGE.parent)))
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = f"http://127.0.0.1:{cls.server.server_address[1]}/{PAGE.name}"

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.server.server_close()

    def open(self, fragment="", url=None):
        self.browser.get("about:blank")
        self.browser.get((url or self.url) + fragment)
        WebDriverWait(self.browser, 20, poll_frequency=0.05).until(
            lambda b: b.execute_script("return performance.getEntriesByName('ready').length"))
        # The page's own errors name the page; the driver's own scripts, run for its clicks and
        # keys, report theirs as a nameless "Script error.".
        self.browser.execute_script(
            "window.errors = []; addEventListener('error', e => e.filename"
            " && errors.push(e.message + ' ' + e.filename + ':' + e.lineno));")

    def setUp(self):
        self.browser.set_window_size(640, 560)
        self.open()

    def tearDown(self):
        self.assertEqual(self.browser.execute_script("return errors"), [])

    def test_every_pair(self):
        for homozygous, father, mother in every_pair():
            with self.subTest(homozygous=homozygous, father=father, mother=mother):
                self.el(f"Option1_{0 if homozygous else 1}").click()
                self.choose(0, father)
                self.choose(1, mother)
                self.el("Command1_0").click()
                a = alleles_of(father, homozygous) + alleles_of(mother, homozygous)
                s = self.state()
                self.assertEqual((s["alleles"], s["cells"], s["report"]),
                                 (a, cells_of(a), report(homozygous, father, mother)))

    def test_resets_and_status(self):
        self.choose(0, 1)
        self.assertEqual(self.state()["said"],
                         "Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0.")
        for press, option in (("Command1_1", "Хомозиготни"), ("Option1_1", "Хетерозиготни")):
            with self.subTest(press=press):
                self.choose(1, 3)
                self.el("Command1_0").click()
                self.el(press).click()
                s = self.state()
                self.assertTrue(start_state(dict(s, homozygous=True)), s)
                self.assertEqual((s["report"], s["said"]), ("", option + RESET))

    def test_lists_named(self):
        for i, name in enumerate(("Баща кръвна група", "Майка кръвна група")):
            with self.subTest(name=name):
                self.assertEqual((self.el(f"List1_{i}").aria_role,
                                  self.el(f"List1_{i}").accessible_name), ("listbox", name))

    def test_link(self):
        fragment, father, mother, homozygous = ADDRESSES[0]
        self.open(fragment)
        s = self.state()
        self.assertEqual((s["lists"], s["homozygous"]), ([father, mother], homozygous))
        self.assertEqual(s["alleles"], alleles_of(father, homozygous) + alleles_of(mother, homozygous))

    def test_policy(self):
        """Only the page's own scripts run, from disk and from the site, and in an engine that
        ignores 'wasm-unsafe-eval', as Safari 15 does."""
        for url in (PAGE.as_uri(), self.url.replace(PAGE.name, "site/")):
            with self.subTest(url=url):
                self.open(url=url)
                self.check_policy()
        self.check_policy_older_engine(PAGE, lambda older: self.open(url=older.as_uri()))

    def test_phone(self):
        """One column, nothing to scroll sideways."""
        self.browser.set_window_size(390, 844)
        self.open()
        width, columns = self.browser.execute_script("""
            const d = document.documentElement, form = document.getElementById('Morvela');
            return [d.scrollWidth - d.clientWidth,
                    getComputedStyle(form).gridTemplateColumns.split(' ').length];""")
        self.assertEqual((width, columns), (0, 2))
        # The report box spans the column, the lists beside their captions.
        boxes = self.browser.execute_script("""
            return ['Text1_0', 'Label1_1', 'List1_0'].map(
                id => document.getElementById(id).getBoundingClientRect().width);""")
        self.assertGreater(boxes[0], boxes[1] + boxes[2])


if __name__ == "__main__":
    unittest.main(verbosity=2)
