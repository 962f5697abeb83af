# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in Chromium under Orca, driven by keyboard as the window's lesson is, checking what
Orca speaks: each list with its four groups, each choice's announcement, the result line after
"Изчисли", and each reset. Usage: page_orca.py PAGE.html LOG"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile

from orca_speech import FOUR, LISTS, drained, fail, hear, key, literal, others
import orca_speech

page, log = sys.argv[1:3]


def lesson(orca_first, log):
    """The lesson with Orca turned on before the page opens, or after it."""
    orca_speech.heard_upto = 0
    profile = tempfile.mkdtemp()
    # A Bulgarian page in a browser of another language: Chromium would offer to translate it,
    # and Orca would read out that offer.
    pathlib.Path(profile, "Default").mkdir()
    pathlib.Path(profile, "Default", "Preferences").write_text(
        json.dumps({"translate": {"enabled": False}}))
    if orca_first:
        orca_speech.start(log)
    others.append(subprocess.Popen(
        ["/usr/bin/chromium", "--force-renderer-accessibility", "--no-sandbox", "--no-first-run",
         "--disable-dev-shm-usage", "--lang=bg", f"--user-data-dir={profile}",
         "--app=" + pathlib.Path(page).resolve().as_uri()],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(os.environ)))
    if not orca_first:
        # Orca turned on once the page's window is there.
        if not orca_speech.window_shown("^morvela.example", tries=300):
            fail("no window of the page")
        orca_speech.start(log)

    # The focus starts in the report box, a text field: Orca turns to its focus mode. Chromium
    # reports each list's chosen group as the page loads, the page's program or no, and Orca takes
    # the father's for the focus, so it names that list, before or after. Whatever comes of
    # loading is heard out before the first key.
    hear("start", "Focus mode", seconds=30)
    # The page's program puts the focus in the report box once it is ready: heard out when Orca
    # has handled that and everything before it. Turned on later, Orca finds it there.
    drained("the page loaded",
            after=r"Dequeued object:state-changed:focused for \[entry: 'Пояснения и резултат'\]"
            if orca_first else None)
    # The next stop is the table, read as a table.
    key("Tab")
    hear("1. the table", literal("Таблица: кръвни групи на децата според родителите"),
         "table with 12 rows 5 columns", never=LISTS)
    key("Tab")
    hear("2. the father's list", literal("Баща кръвна група"), FOUR, r"^0\.", never=LISTS[1:])
    if not orca_first:
        # Turned on over a page already open, Orca 48 says "Focus mode" but keeps its browse
        # mode's arrows, as its log says ("Not using focus mode due to caret nav settings"), and
        # its own key, Insert+A, first takes it to browse mode: pressed twice, the arrows are
        # the list's.
        key("Insert+a")
        hear("browse mode", "^Browse mode", never=LISTS)
        key("Insert+a")
        hear("focus mode", "^Focus mode", never=LISTS)
    key("Down")
    hear("3. father A", r"^A\.",
         literal("Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0."), never=LISTS[1:])
    key("Tab")
    hear("2. the mother's list", literal("Майка кръвна група"), FOUR, r"^0\.", never=LISTS[:1])
    key("Down", "Down")
    hear("3. mother B", r"^B\.",
         literal("Майка, група B: алели B и B. Решетка на Пънет: AB, AB, AB, AB."),
         never=LISTS[:1])
    orca_speech.report_and_reset(
        (literal("При кръвна група родители: A и B вероятност:")
         + r"\s+A = 18\.75%;\s+B = 18\.75%;\s+AB = 56\.25%;\s+0 = 6\.25%",),
        literal("Хомозиготни. Формата е изчистена: двамата родители са с група 0, "
                "алелите са 0 и 0, отчетът е празен."), "Хомозиготни")
    if orca_first:
        # On a radio button Orca is in its browse mode, where the arrows read on (past a blank
        # line) and Space presses what they reach.
        key("Down", "Down")
        hear("the other option", "Хетерозиготни not selected radio button", never=LISTS)
        key("space")
    else:
        # In sticky focus mode the arrows choose, as in the window.
        key("Down")
    orca_speech.other_option_reset()


# Orca first while the session is new. Chromium asks whether the desktop wants accessibility once,
# as it starts: in a session where no screen reader has been on yet, a Chromium opened before Orca
# stays out of its reach until it is opened again, whatever the page does. Once one has been on,
# as on a pupil's desktop that uses Orca, the page opened first is heard as well.
orca_speech.both_orders(lesson, log, ((True, "Orca, then the page"), (False, "the page, then Orca")),
                        "in both orders, Orca says, in Chromium, the table, each list with its "
                        "four groups, each choice, the report and each reset")
