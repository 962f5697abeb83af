# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page must show, shared by its checks in every engine: the alleles, the grid and the
report byte for byte as the window's tests expect them, the page's state read in one call, and
the steps of the lesson."""
import re
from pathlib import Path

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

HERE = Path(__file__).resolve().parent
GROUPS = ["0", "A", "B", "AB"]
# The ten result lines, from the same literal table as the window's tests.
RESULTS = {frozenset((int(a), int(b))): line for a, b, line in re.findall(
    r'\{ (\d), (\d), "([^"]*)" \}', (HERE / "expected.h").read_text(encoding="utf-8"))}


def alleles_of(group, homozygous):
    return {1: ["A", "A" if homozygous else "0"], 2: ["B", "B" if homozygous else "0"],
            3: ["A", "B"]}.get(group, ["0", "0"])


def genotype(x, y):
    return x + y if "AB0".index(x) <= "AB0".index(y) else y + x


def caveat(homozygous):
    return ("Изведената решетка на Пънет е частична и не отчита\nвероятности за "
            + ("Хетерозиготни" if homozygous else "Хомозиготни") + " алели в кръвни групи A и B.\n")


def report(homozygous, father, mother):
    return (caveat(homozygous) + f"При кръвна група родители: {GROUPS[father]} и {GROUPS[mother]}"
            " вероятност: \n" + RESULTS[frozenset((father, mother))] + "\n")



def start_state(state):
    """The form as start-up leaves it, in the terms of STATE."""
    return (state["alleles"], state["cells"], state["lists"], state["homozygous"]) == (
        ["0"] * 4, ["00"] * 4, [0, 0], True)


# Addresses that carry a choice: (fragment, father, mother, homozygous). Every other fragment is
# none, and the page opens at its start.
ADDRESSES = [
    ("#father=A&mother=B&alleles=heterozygous", 1, 2, False),
    ("#father=AB&mother=0&alleles=homozygous", 3, 0, True),
    ("#father=0&mother=AB&alleles=heterozygous", 0, 3, False),
]
# What the page says of an address that it cannot read, in its own words.
UNREADABLE = re.search(r'unreadableAddress\s*= "([^"]*)"',
                       (HERE.parent / "web" / "address.h").read_text(encoding="utf-8")).group(1)


# What the page shows, read in one call.
STATE = """
const text = id => document.getElementById(id).textContent;
return {
  alleles: [0, 1, 2, 3].map(i => text('Label2_' + i)),
  cells: [0, 1, 2, 3].map(i => text('Check1_' + i)),
  lists: [0, 1].map(i => document.getElementById('List1_' + i).selectedIndex),
  homozygous: document.getElementById('Option1_0').checked,
  report: document.getElementById('Text1_0').value,
  said: text('Announcer').replace(/\\u00a0$/, ''),
  error: document.getElementById('Error').open ? text('ErrorMessage') : null,
  focus: document.activeElement.id,
  scroll: [scrollX, scrollY],
  hash: location.hash,
};"""


def every_pair():
    """Every ordered pair of groups under both options: (homozygous, father, mother)."""
    for homozygous in (True, False):
        for father in range(4):
            for mother in range(4):
                yield homozygous, father, mother


def cells_of(alleles):
    """The grid's four cells, row by row, from the father's two alleles and the mother's two."""
    a = alleles
    return [genotype(a[0], a[2]), genotype(a[1], a[2]), genotype(a[0], a[3]), genotype(a[1], a[3])]


class Lesson:
    """What every engine's check does with the page in its browser (self.browser): reads its
    state, finds a control, chooses a group by keyboard."""

    def state(self):
        return self.browser.execute_script(STATE)

    def el(self, id):
        return self.browser.find_element(By.ID, id)

    def choose(self, parent, group):
        """By keyboard, as a pupil who sees one group at a time."""
        self.el(f"List1_{parent}").send_keys(Keys.HOME + Keys.DOWN * group)

    def check_policy_older_engine(self, page, open_page):
        """The policy as Safari 15 and Chrome 96 read it, without 'wasm-unsafe-eval': OPEN_PAGE
        opens that copy of PAGE, written beside it, and check_policy holds."""
        older = Path(page).with_name("older-engine.html")
        older.write_bytes(Path(page).read_bytes().replace(b" 'wasm-unsafe-eval'", b""))
        try:
            open_page(older)
            self.check_policy()
        finally:
            older.unlink()

    def check_policy(self):
        """A script put into the page, as an element or as a handler in markup, is refused, and
        the lesson goes on."""
        self.browser.execute_script(INJECT)
        WebDriverWait(self.browser, 5, poll_frequency=0.02).until(
            lambda b: len(b.execute_script("return refused")) >= 2, "no script was refused")
        self.assertEqual(self.browser.execute_script("return typeof injected"), "undefined")
        self.choose(0, 1)
        self.choose(1, 2)
        self.el("Command1_0").click()
        self.assertEqual(self.state()["report"], report(True, 1, 2))


# A script as an element and one as a handler in markup, put into the page as an attacker would.
INJECT = """
window.refused = [];
document.addEventListener('securitypolicyviolation', e => refused.push(e.violatedDirective));
const s = document.createElement('script');
s.textContent = 'window.injected = 1';
document.body.append(s);
document.body.insertAdjacentHTML('beforeend', '<img src="none.png" onerror="window.injected = 2">');"""
