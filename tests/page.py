# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The lesson in the page, opened from disk in headless Chromium and driven with real clicks and
keys, as the window is: the start, every control's place, zoom, every pair of groups under both
options, links, the resets, the error path and the policy, and a console with nothing on it. The
tab order and what a screen reader is told are page_reader.py's. Leaves a screenshot of the page
beside it.
Usage: page.py PAGE.html"""
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from page_chromium import PAGE, ChromiumPage
from page_expected import (ADDRESSES, GROUPS, UNREADABLE, alleles_of, caveat, cells_of,
                           every_pair, report, start_state)

# Each control's box in pixels within the form's client area (a frame's controls through their
# frame), and its background where it has its own, as the layout gives them.
ORANGE, VIOLET, BLUE = "rgb(255, 192, 128)", "rgb(128, 128, 255)", "rgb(192, 192, 255)"
PLACES = {
    "Text1_0": (8, 288, 441, 105, None), "Label1_0": (88, 0, 281, 20, ORANGE),
    "Picture1": (8, 32, 239, 255, None), "List1_0": (400, 32, 49, 23, None),
    "Label1_1": (256, 32, 145, 23, ORANGE), "List1_1": (400, 56, 49, 23, None),
    "Label1_2": (256, 56, 145, 23, ORANGE),
    "Command1_0": (256, 256, 73, 25, "rgb(0, 255, 0)"),
    "Command1_1": (376, 256, 73, 25, "rgb(255, 0, 0)"),
    "Label2_0": (304, 168, 49, 23, ORANGE), "Label2_1": (360, 168, 49, 23, ORANGE),
    "Label2_2": (256, 192, 49, 23, ORANGE), "Label2_3": (256, 224, 49, 23, ORANGE),
    "Frame1": (304, 192, 113, 57, BLUE),
    "Check1_0": (304, 192, 49, 23, VIOLET), "Check1_1": (360, 192, 49, 23, VIOLET),
    "Check1_2": (304, 224, 49, 23, VIOLET), "Check1_3": (360, 224, 49, 23, VIOLET),
    "Label1_3": (288, 144, 145, 20, ORANGE), "Frame2": (288, 88, 137, 49, BLUE),
    "Option1_0": (296, 88, 129, 25, VIOLET), "Option1_1": (296, 112, 129, 25, VIOLET),
}
# The captions the form's table centres, and those it draws from the left.
CENTRED = {"Label1_0": True, "Label1_1": False, "Label1_2": False, "Label1_3": True,
           **{f"Label2_{i}": True for i in range(4)}}


class Page(ChromiumPage):
    def test_start(self):
        """The page is written finished: its program, once loaded, changes nothing in the form."""
        watch = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            // From the first byte; what the parser adds is no change.
            window.changed = [];
            new MutationObserver(ms => ms.forEach(m => {
                const e = m.target.nodeType === 1 ? m.target : m.target.parentElement;
                if (e && e.closest('#Morvela') && (m.type !== 'childList' || m.removedNodes.length))
                    changed.push(m.type + ' ' + (e.id || e.nodeName));
            })).observe(document, {subtree: true, childList: true, attributes: true,
                                   characterData: true});"""})
        try:
            self.setUp()
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                         {"identifier": watch["identifier"]})
        self.assertEqual(self.browser.execute_script("return changed"), [])
        # What search and link previews show of it: a sentence in Bulgarian, of a length they
        # show whole.
        said = self.browser.execute_script(
            "return document.querySelector('meta[name=\"description\"]')?.content || ''")
        self.assertRegex(said, r"^Как се унаследяват кръвните групи: [^<>]{40,}\.$")
        self.assertLessEqual(len(said), 160)
        s = self.state()
        # As the window's caption; a browser shows a title's spaces collapsed.
        self.assertEqual(self.browser.execute_script(
            "return document.querySelector('title').textContent"),
            "morvela.example  Биология - родители и кръвна група")
        self.assertEqual((s["alleles"], s["cells"], s["lists"]), (["0"] * 4, ["00"] * 4, [0, 0]))
        self.assertTrue(s["homozygous"])
        self.assertTrue(s["report"].startswith("Велимак, в началото на ХХ век"))
        self.assertEqual(s["report"].count("\n"), 12)
        self.assertEqual(s["focus"], "Text1_0")
        for i in (0, 1):
            options = self.el(f"List1_{i}").find_elements(By.TAG_NAME, "option")
            self.assertEqual([o.text or o.get_attribute("textContent") for o in options], GROUPS)
        self.browser.save_screenshot(str(PAGE.parent / "page.png"))

    def test_places(self):
        """Every control where the layout puts it, at its size and in its colour, and its caption
        aligned as the layout aligns it."""
        seen = self.browser.execute_script("""
            const form = document.getElementById('Morvela').getBoundingClientRect();
            const out = {};
            for (const id of arguments[0]) {
                let e = document.getElementById(id);
                e = e.type === 'radio' ? e.closest('label') : e;
                const r = e.getBoundingClientRect(), colour = getComputedStyle(e).backgroundColor;
                out[id] = [r.left - form.left, r.top - form.top, r.width, r.height, colour];
            }
            return out;""", list(PLACES))
        for id, (*place, colour) in PLACES.items():
            with self.subTest(id=id):
                self.assertEqual(seen[id][:4], place)
                if colour:
                    self.assertEqual(seen[id][4], colour)
        # Each caption's text where the form's table puts it: centred in its box, or from its left.
        self.choose(0, 3)
        gaps = self.browser.execute_script("""
            const out = {};
            for (const id of arguments[0]) {
                const e = document.getElementById(id), box = e.getBoundingClientRect();
                const range = document.createRange();
                range.selectNodeContents(e);
                const text = range.getBoundingClientRect();
                out[id] = [text.left - box.left, box.right - text.right];
            }
            return out;""", list(CENTRED))
        for id, centred in CENTRED.items():
            with self.subTest(caption=id):
                left, right = gaps[id]
                if centred:
                    self.assertAlmostEqual(left, right, delta=1, msg=gaps[id])
                else:
                    self.assertLessEqual(left, 2, gaps[id])
                    self.assertGreater(right, left, gaps[id])

    def test_zoom(self):
        """At 100 % and 200 % (half as many CSS pixels, each drawn twice): the whole form within
        the page's reach, at its size, centred where it fits."""
        for width, height, scale in ((640, 560, 1), (640, 360, 2), (1280, 800, 2)):
            with self.subTest(width=width, height=height, scale=scale):
                self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": scale,
                    "mobile": False})
                self.setUp()
                box = self.browser.execute_script("""
                    const r = document.getElementById('Morvela').getBoundingClientRect();
                    return [r.left + scrollX, r.top + scrollY, r.width, r.height,
                            document.documentElement.scrollWidth,
                            document.documentElement.scrollHeight,
                            document.documentElement.clientWidth];""")
                left, top, w, h, page_width, page_height, inner_width = box
                self.assertEqual((w, h), (461, 398))
                self.assertGreaterEqual(min(left, top), 0)
                self.assertLessEqual((left + w, top + h), (page_width, page_height))
                self.assertAlmostEqual(left, max(0, (inner_width - w) / 2), delta=1)
                if scale == 2 and width == 640:
                    self.browser.save_screenshot(str(PAGE.parent / "page-200.png"))
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_unsupported(self):
        """A browser that cannot run the program is told so, in Bulgarian, instead of a blank."""
        added = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": "delete window.WebAssembly"})
        try:
            self.browser.get(PAGE.as_uri())
            WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
                lambda b: b.find_element(By.ID, "unsupported").is_displayed())
            # The start form stays to be read, its text and table with it.
            self.assertTrue(self.el("Morvela").is_displayed())
            self.assertTrue(self.el("Text1_0").get_attribute("value").startswith("Велимак"))
            self.assertIn("не може да работи в този браузър", self.el("unsupported").text)
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                         {"identifier": added["identifier"]})
        # The runtime's word of it, on the console.
        self.assertEqual(self.console_besides("WebAssembly"), [])

    def test_every_pair(self):
        # In a tab of its own: a browser caps the history it counts, and a long-used tab has
        # reached the cap.
        self.browser.switch_to.new_window("tab")
        self.setUp()
        entries = self.browser.execute_script("return history.length")
        for homozygous, father, mother in every_pair():
            with self.subTest(homozygous=homozygous, father=father, mother=mother):
                self.el(f"Option1_{0 if homozygous else 1}").click()
                self.choose(0, father)
                self.choose(1, mother)
                a = alleles_of(father, homozygous) + alleles_of(mother, homozygous)
                s = self.state()
                self.assertEqual(s["alleles"], a)
                self.assertEqual(s["cells"], cells_of(a))
                # Twice writes the same report, not a doubled one.
                for _ in range(2):
                    self.el("Command1_0").click()
                    s = self.state()
                    self.assertEqual(s["report"], report(homozygous, father, mother))
                    self.assertEqual(s["lists"], [father, mother])
                    # At the window's size the report is in sight: nothing scrolls.
                    self.assertEqual(s["scroll"], [0, 0])
        # Every choice is kept in the address (test_address), none in the browser's history.
        self.assertEqual(self.browser.execute_script("return history.length"), entries)
        self.browser.close()
        self.browser.switch_to.window(self.browser.window_handles[0])

    def test_address(self):
        """A link opens at the choice it carries, made as the pupil's own clicks make it, the
        report left for "Изчисли"; written as a person writes it, too. Any other fragment leaves
        the form as it is, and the page says so once, in its own words, without taking the
        focus."""
        # (fragment, father, mother, homozygous: None where the link leaves the option)
        written = [("#father=O&mother=o&alleles=heterozygous", 0, 0, False),
                   ("#father=ab&mother=a", 3, 1, None),
                   ("#mother=B&alleles=heterozygous&father=A", 1, 2, False),
                   ("#father=\u0410&mother=\u0412&alleles=homozygous", 1, 2, True),
                   ("#father=\u0430\u0432&mother=\u041e", 3, 0, None),
                   ("#FATHER=%41&Mother=b&Alleles=Heterozygous%20", 1, 2, False),
                   ("#father=A&&mother=B&alleles=homozygous&", 1, 2, True)]
        for fragment, father, mother, homozygous in written:
            with self.subTest(fragment=fragment):
                self.open(fragment)
                s = self.state()
                shown = True if homozygous is None else homozygous
                self.assertEqual((s["lists"], s["homozygous"], s["alleles"]),
                                 ([father, mother], shown,
                                  alleles_of(father, shown) + alleles_of(mother, shown)))
                self.assertFalse(self.el("AddressMessage").is_displayed())
        unreadable = ["#father=A", "#father=A&mother=B&alleles=heterozygous&x",
                      "#father=A&mother=B&alleles=hetero", "#father=A&mother=B&all",
                      "#father=A&father=B&mother=0", "#father=C&mother=B&alleles=homozygous",
                      "#father=AA&mother=B", "#top", "#father=%4&mother=B",
                      "#father=<img src=x onerror=alert(1)>&mother=B&alleles=homozygous",
                      "#" + "%00" * 30,
                      # Read whole, a choice: too long to be read at all.
                      "#father=A&mother=B" + "&" * 300,
                      "#father=A&mother=B&alleles=homozygous" * 40]
        for fragment in unreadable:
            with self.subTest(fragment=fragment[:50]):
                self.open(fragment)
                s = self.state()
                self.assertTrue(start_state(s), s)
                self.assertEqual((s["said"], s["report"][:7], s["error"], s["focus"]),
                                 (UNREADABLE, "Велимак", None, "Text1_0"))
                # Shown in the page's own words; nothing of the link becomes markup.
                self.assertEqual(self.el("AddressMessage").text, UNREADABLE)
                self.assertEqual(self.browser.execute_script(
                    "return document.querySelectorAll('img').length"), 0)
                # A choice puts it away.
                self.choose(0, 1)
                self.assertFalse(self.el("AddressMessage").is_displayed())
        for fragment, father, mother, homozygous in ADDRESSES:
            with self.subTest(fragment=fragment):
                self.open()
                if not homozygous:
                    self.el("Option1_1").click()
                self.choose(0, father)
                self.choose(1, mother)
                clicked = self.state()
                self.assertEqual(clicked["hash"], fragment)
                self.open(fragment)
                opened = self.state()
                for key in ("alleles", "cells", "lists", "homozygous", "report", "said"):
                    self.assertEqual(opened[key], clicked[key], key)
                self.assertEqual(opened["alleles"], alleles_of(father, homozygous)
                                 + alleles_of(mother, homozygous))
                # Changed by hand in the address bar, the same page follows; to something it
                # cannot read, it stays as it is and says so.
                self.browser.execute_script("location.hash = '#father=B&mother=B&alleles=homozygous'")
                WebDriverWait(self.browser, 5, poll_frequency=0.02).until(
                    lambda b: self.state()["alleles"] == ["B", "B", "B", "B"])
                self.browser.execute_script("location.hash = '#father=Z'")
                WebDriverWait(self.browser, 5, poll_frequency=0.02).until(
                    lambda b: self.state()["said"] == UNREADABLE)
                self.assertEqual(self.state()["alleles"], ["B", "B", "B", "B"])

    def test_address_refused(self):
        """A refusal to change the address, as Safari's past its limit, is caught, and the
        choice kept at the next change allowed. The page changes it no more than Safari allowed
        until 2023, 100 times in 30 s: a burst of choices is kept 90 at once, and the last one
        once the first is 30 s old."""
        self.browser.execute_script("""
            const replace = history.replaceState.bind(history);
            window.replaced = [];
            window.refuse = 1;
            history.replaceState = (...args) => {
                if (refuse-- > 0)
                    throw new DOMException('Attempt to use history.replaceState() more than 100 '
                                           + 'times per 30 seconds', 'SecurityError');
                replaced.push(performance.now());
                return replace(...args);
            };""")
        self.choose(0, 1)
        self.assertEqual((self.state()["alleles"], self.state()["hash"]), (["A", "A", "0", "0"], ""))
        self.choose(1, 2)
        self.assertEqual(self.state()["hash"], "#father=A&mother=B&alleles=homozygous")
        self.browser.execute_script("""
            const list = document.getElementById('List1_1');
            for (let i = 0; i < 200; ++i) {
                list.selectedIndex = i < 199 ? 1 + i % 2 : 3;
                list.dispatchEvent(new Event('change', {bubbles: true}));
            }""")
        self.assertEqual(self.browser.execute_script("return replaced.length"), 90)
        WebDriverWait(self.browser, 40, poll_frequency=0.2).until(
            lambda b: self.state()["hash"] == "#father=A&mother=AB&alleles=homozygous",
            "the last choice of a burst was never kept")
        waited = self.browser.execute_script("return replaced[90] - replaced[0]")
        self.assertGreaterEqual(waited, 29500)

    def test_start_fails(self):
        """A program that cannot start says so, instead of a form that silently does nothing."""
        broken = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            # A cell of the grid gone as soon as it is parsed, before the program starts.
            "source": "new MutationObserver(() => document.getElementById('Check1_3')?.remove())"
                      ".observe(document, {childList: true, subtree: true})"})
        try:
            self.browser.get(PAGE.as_uri())
            WebDriverWait(self.browser, 10, poll_frequency=0.02).until(
                lambda b: b.find_element(By.ID, "failed").is_displayed(),
                "a page whose program failed to start shows no message")
            # A fault of Morvela's, not of the browser.
            self.assertFalse(self.el("unsupported").is_displayed())
            self.assertEqual(self.el("failed").get_attribute("role"), "alert")
        finally:
            self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                         {"identifier": broken["identifier"]})
        # The error itself is on the console, for whoever looks.
        self.assertTrue(self.browser.get_log("browser"))

    def test_policy(self):
        """The page says who may run script in it, to an engine that ignores
        'wasm-unsafe-eval' too."""
        self.check_policy()
        self.check_policy_older_engine(PAGE, lambda older: self.open(page=older))
        # The browser names what it refused on the console, beside the picture that is not there.
        self.assertEqual(self.console_besides(*self.REFUSED), [])

    def test_resets(self):
        # (what is pressed, the option chosen after it)
        for press, homozygous in (("Command1_1", True), ("Option1_1", False),
                                  ("Option1_1", False), ("Command1_1", False),
                                  ("Option1_0", True)):
            with self.subTest(press=press):
                self.choose(0, 1)
                self.choose(1, 3)
                self.el("Command1_0").click()
                self.el(press).click()
                s = self.state()
                self.assertEqual((s["alleles"], s["cells"], s["lists"], s["report"]),
                                 (["0"] * 4, ["00"] * 4, [0, 0], ""))
                self.assertEqual(s["homozygous"], homozygous)
                self.assertEqual(s["said"], ("Хомозиготни" if homozygous else "Хетерозиготни")
                                 + ". Формата е изчистена: двамата родители са с група 0, алелите"
                                 " са 0 и 0, отчетът е празен.")
                # The focus stays where the pupil put it.
                self.assertEqual(s["focus"], press)

    def test_error_keeps_page(self):
        """A handler's error is shown, and said, and OK goes back to the lesson; also in an
        engine without <dialog>, as Safari before 15.4."""
        for dialog in (True, False):
            with self.subTest(dialog=dialog):
                if not dialog:
                    gone = self.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                        {"source": "delete HTMLDialogElement.prototype.showModal"})
                    self.open()
                self.el("Option1_1").click()
                self.browser.execute_script(
                    "document.getElementById('List1_1').selectedIndex = -1")
                self.el("Command1_0").click()
                s = self.state()
                self.assertEqual(s["report"], caveat(False))
                self.assertEqual(s["error"], "Бутонът „Изчисли“ не завърши: позиция -1 в списъка "
                                 "не е кръвна група (допустими са 0–4). Прозорецът продължава да "
                                 "работи.")
                self.assertTrue(self.el("ErrorMessage").is_displayed())
                self.assertEqual(s["focus"], "ErrorOk")
                if not dialog:
                    self.assertEqual(self.el("Error").get_attribute("role"), "alertdialog")
                    self.browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                                 {"identifier": gone["identifier"]})
                self.el("ErrorOk").send_keys(Keys.ENTER)
                # The lesson as it was, not a page sent anywhere by the dialog's form.
                self.assertEqual((self.state()["error"], self.state()["report"]),
                                 (None, caveat(False)))
                if not dialog:
                    self.assertEqual(self.state()["focus"], "Command1_0")
                self.el("Command1_1").click()
                self.choose(0, 1)
                self.el("Command1_0").click()
                self.assertEqual(self.state()["report"], report(False, 1, 0))


if __name__ == "__main__":
    unittest.main(verbosity=2)
