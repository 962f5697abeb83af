# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""axe-core's rules for WCAG 2.2 A and AA, run inside the page in headless Chromium in every state
of the lesson. Usage: page_axe.py PAGE.html AXE.js"""
import sys
import unittest
from pathlib import Path

from page_chromium import ChromiumPage

AXE = Path(sys.argv.pop(1)).read_text(encoding="utf-8")


class Axe(ChromiumPage):
    def violations(self):
        """What axe-core finds against WCAG 2.2 A and AA in the page as it stands."""
        self.browser.execute_script(AXE)
        return self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag',
                                         values: ['wcag2a', 'wcag2aa', 'wcag21aa', 'wcag22aa']}})
               .then(r => done(r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])),
                     e => done(String(e)));""")

    def test_axe(self):
        """No violation a machine can find, in every state, at the window's width and at 320 px."""
        steps = (("start", None), ("a choice", lambda: self.choose(0, 1)),
                 ("a report", lambda: self.el("Command1_0").click()),
                 ("clear", lambda: self.el("Command1_1").click()),
                 ("the other option", lambda: self.el("Option1_1").click()),
                 ("an error", lambda: self.browser.execute_script(
                     "document.getElementById('List1_0').selectedIndex = -1;"
                     "document.getElementById('Command1_0').click()")))
        for width in (640, 320):
            self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": 640, "deviceScaleFactor": 1, "mobile": False})
            self.setUp()
            for state, step in steps:
                with self.subTest(width=width, state=state):
                    if step:
                        step()
                    self.assertEqual(self.violations(), [])
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


if __name__ == "__main__":
    unittest.main(verbosity=2)
