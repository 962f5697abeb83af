# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page on phones, upright and on their side, with touch in headless Chromium.
Usage: page_phones.py PAGE.html"""
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from page_chromium import PAGE, ChromiumPage
from page_expected import report


class Phones(ChromiumPage):
    def test_phones(self):
        """Phones, upright and on their side, by touch: nothing scrolls sideways, every target
        is at least 44 CSS px high and 24 wide, every text is at least 12 CSS px, the table's
        too, and the lesson works by tapping."""
        for width, height in ((320, 640), (640, 320), (390, 844), (844, 390)):
            with self.subTest(width=width, height=height):
                self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
                self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                             {"enabled": True, "maxTouchPoints": 5})
                self.setUp()
                sizes = self.browser.execute_script("""
                    const d = document.documentElement;
                    const targets = [...document.querySelectorAll('select, option, button, input')]
                        .filter(e => e.offsetParent !== null || e.tagName === 'OPTION');
                    // A radio button is hit anywhere on its label.
                    return [d.scrollWidth - d.clientWidth, targets.map(e => {
                        const r = (e.type === 'radio' ? e.labels[0] : e).getBoundingClientRect();
                        return [e.id || e.textContent, Math.round(r.width), Math.round(r.height)];
                    })];""")
                self.assertEqual(sizes[0], 0, "scrolls sideways")
                self.assertEqual(self.browser.execute_script("""
                    const small = [], walk = document.createTreeWalker(document.body, 4);
                    for (let e; walk.nextNode() && (e = walk.currentNode.parentElement);)
                        if (walk.currentNode.textContent.trim() && e.getClientRects().length
                            && !e.closest('.hidden') && parseFloat(getComputedStyle(e).fontSize) < 12)
                            small.push(e.id || e.textContent);
                    return small;"""), [], "text under 12 px")
                for name, w, h in sizes[1]:
                    self.assertTrue(w >= 24 and h >= 44, f"{name}: {w} x {h}")
                lists = [self.el(f"List1_{i}").find_elements(By.TAG_NAME, "option")
                         for i in (0, 1)]
                for target in (self.el("Option1_1"), lists[0][1], lists[1][2],
                               self.el("Command1_0")):
                    self.tap(target)
                # The report, written above the buttons, is brought into sight, to its last
                # line; the focus stays on the button.
                WebDriverWait(self.browser, 5, poll_frequency=0.02).until(
                    lambda b: b.execute_script("""
                        const box = document.getElementById('Text1_0'),
                              r = box.getBoundingClientRect();
                        return r.top >= 0 && r.bottom <= innerHeight
                            && box.scrollHeight <= box.clientHeight;"""),
                    f"the report is out of sight at {width} x {height}")
                self.assertEqual(self.state()["focus"], "Command1_0")
                s = self.state()
                self.assertEqual((s["alleles"], s["report"]),
                                 (["A", "0", "B", "0"], report(False, 1, 2)))
                self.tap(self.el("Command1_1"))
                self.assertEqual(self.state()["report"], "")
                self.tap(self.el("Option1_0"))
        self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_taps_before_ready(self):
        """On a slow phone whose engine compiles the program in the background, as Chrome
        before 114 does, what the pupil taps before it is ready takes effect once it is, in
        order, as if it had been there: the buttons too."""
        # Such an engine refuses to compile more than 4 KB on the page's thread, and has no
        # Uint8Array.fromBase64, as no engine before 2025 had; the background compile is held
        # here until the taps are made, as the slowest phones hold it.
        hold = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            delete Uint8Array.fromBase64;
            const instantiate = WebAssembly.instantiate;
            WebAssembly.Module = function () {
                throw new RangeError('WebAssembly.Compile is disallowed on the main thread, '
                                     + 'if the buffer size is larger than 4KB.');
            };
            WebAssembly.instantiate = (...args) => new Promise(done => {
                window.release = () => done(instantiate(...args));
            });"""})
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
        self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                     {"enabled": True, "maxTouchPoints": 5})
        self.browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 6})
        try:
            self.browser.get(PAGE.as_uri())
            lists = [self.el(f"List1_{i}").find_elements(By.TAG_NAME, "option") for i in (0, 1)]
            # Heterozygous, father A, mother B, "Изчисли", and then father AB: the report is of
            # A and B, under the grid of AB and B.
            for target in (self.el("Option1_1"), lists[0][1], lists[1][2],
                           self.el("Command1_0"), lists[0][3]):
                self.tap(target)
            self.assertEqual(self.browser.execute_script(
                "return performance.getEntriesByName('ready').length"), 0)
            # A tap that fails when done, among them, stops none after it, and is said.
            self.browser.execute_script("waiting.splice(2, 0, ['gone', 0]); release()")
            WebDriverWait(self.browser, 30, poll_frequency=0.05).until(
                lambda b: b.execute_script("return performance.getEntriesByName('ready').length"),
                "the program did not start")
            s = self.state()
            self.assertEqual((s["report"], s["lists"], s["homozygous"], s["alleles"]),
                             (report(False, 1, 2), [3, 2], False, ["A", "B", "B", "0"]))
            self.assertTrue(self.el("failed").is_displayed())
            self.assertEqual([e["level"] for e in self.browser.get_log("browser")], ["SEVERE"])
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                         {"identifier": hold["identifier"]})
            self.browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
            self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
            self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


if __name__ == "__main__":
    unittest.main(verbosity=2)
