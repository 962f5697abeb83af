# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page by keyboard and screen reader, opened from disk in headless Chromium: the tab order
with the focus drawn and uncovered, what the status region says after each action, and the
accessibility tree Chromium gives a screen reader. A console with nothing on it.
Usage: page_reader.py PAGE.html"""
import unittest

from selenium.webdriver.common.keys import Keys

from page_chromium import ChromiumPage
from page_expected import GROUPS


class Reader(ChromiumPage):
    def test_tab_order(self):
        order = ["Picture1", "List1_0", "List1_1", "Command1_0", "Command1_1", "Option1_0"]
        for chosen in (0, 1):
            if chosen:
                self.el("Option1_1").click()
                self.el("Text1_0").click()
            seen = []
            for _ in order:
                self.browser.switch_to.active_element.send_keys(Keys.TAB)
                seen.append(self.state()["focus"])
                # The focus is drawn, and nothing covers the control that has it.
                shown = self.browser.execute_script("""
                    const e = document.activeElement, r = e.getBoundingClientRect();
                    const top = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
                    return getComputedStyle(e).outlineStyle !== 'none'
                        && (top === e || e.contains(top) || (e.labels && e.labels[0] === top.closest('label')));""")
                self.assertTrue(shown, seen[-1])
            self.assertEqual(seen, order[:-1] + [f"Option1_{chosen}"])
            for expected in reversed(order[:-1]):
                self.browser.switch_to.active_element.send_keys(Keys.SHIFT + Keys.TAB)
                self.assertEqual(self.state()["focus"], expected)

    def test_announcements(self):
        for steps, said in (
                ([("choose", 0, 1)], "Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0."),
                ([("choose", 1, 2)], "Майка, група B: алели B и B. Решетка на Пънет: AB, AB, AB, AB."),
                ([("press", "Command1_0")], "При кръвна група родители: A и B вероятност:  "
                 "A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%"),
                # The same words again are heard again.
                ([("press", "Command1_0")], "При кръвна група родители: A и B вероятност:  "
                 "A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%")):
            with self.subTest(said=said):
                before = self.browser.execute_script(
                    "return document.getElementById('Announcer').textContent")
                for kind, *args in steps:
                    self.choose(*args) if kind == "choose" else self.el(args[0]).click()
                self.assertEqual(self.state()["said"], said)
                self.assertNotEqual(self.browser.execute_script(
                    "return document.getElementById('Announcer').textContent"), before)

    def test_accessibility_tree(self):
        nodes = self.browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}

        def value(n, key):
            return n.get(key, {}).get("value")

        def named(role, name):
            found = [n for n in nodes if value(n, "role") == role and value(n, "name") == name]
            self.assertEqual(len(found), 1, f"{role} '{name}'")
            return found[0]

        def below(node, role):
            """The names of the nodes of that role below this one, in order."""
            out = []
            for c in node.get("childIds", []):
                child = by_id.get(c, {})
                out += [value(child, "name")] if value(child, "role") == role else []
                out += below(child, role)
            return out

        # Each list has four options, though it shows one at a time.
        for name in ("Баща кръвна група", "Майка кръвна група"):
            self.assertEqual(below(named("listbox", name), "option"), GROUPS, name)
        self.assertEqual(below(named("radiogroup", "Алели при кръвна група A или B"), "radio"),
                         ["Хомозиготни", "Хетерозиготни"])
        grid = named("table", "Решетка на Пънет")
        self.assertEqual((below(grid, "columnheader"), below(grid, "rowheader"),
                          below(grid, "cell")), (["0", "0"], ["0", "0"], ["", "00", "00", "00", "00"]))
        for role, name in (("button", "Изчисли"), ("button", "Изчисти"),
                           ("textbox", "Пояснения и резултат"), ("status", ""),
                           ("table", "Таблица: кръвни групи на децата според родителите"),
                           ("table", "Решетка на Пънет"), ("heading", "Morvela")):
            named(role, name)
        self.assertEqual(self.browser.execute_script("return document.documentElement.lang"), "bg")


if __name__ == "__main__":
    unittest.main(verbosity=2)
