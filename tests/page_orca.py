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

from orca_speech import BUTTON, FOUR, LISTS, drained, hear, key, literal, others, refuse
import orca_speech

page, log = sys.argv[1:3]
profile = tempfile.mkdtemp()
# A Bulgarian page in a browser of another language: Chromium would offer to translate it, and
# Orca would read out that offer.
pathlib.Path(profile, "Default").mkdir()
pathlib.Path(profile, "Default", "Preferences").write_text(
    json.dumps({"translate": {"enabled": False}}))
orca_speech.start(log)
others.append(subprocess.Popen(
    ["/usr/bin/chromium", "--force-renderer-accessibility", "--no-sandbox", "--no-first-run",
     "--disable-dev-shm-usage", "--lang=bg", f"--user-data-dir={profile}",
     "--app=" + pathlib.Path(page).resolve().as_uri()],
    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(os.environ)))

# The focus starts in the report box, a text field: Orca turns to its focus mode. Chromium reports
# each list's chosen group as the page loads, the page's program or no, and Orca takes the father's
# for the focus, so it names that list, before or after. Whatever comes of loading is heard out
# before the first key.
hear("start", "Focus mode", seconds=30)
# The page's program puts the focus in the report box once it is ready: heard out when Orca has
# handled that and everything before it.
drained("the page loaded",
        after=r"Dequeued object:state-changed:focused for \[entry: 'Пояснения и резултат'\]")
# The next stop is the table, read as a table.
key("Tab")
hear("1. the table", literal("Таблица: кръвни групи на децата според родителите"),
     "table with 12 rows 5 columns", never=LISTS)
key("Tab")
hear("2. the father's list", literal("Баща кръвна група"), FOUR, r"^0\.", never=LISTS[1:])
key("Down")
hear("3. father A", r"^A\.",
     literal("Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0."), never=LISTS[1:])
key("Tab")
hear("2. the mother's list", literal("Майка кръвна група"), FOUR, r"^0\.", never=LISTS[:1])
key("Down", "Down")
hear("3. mother B", r"^B\.",
     literal("Майка, група B: алели B и B. Решетка на Пънет: AB, AB, AB, AB."),
     never=LISTS[:1])
key("Tab")
hear("the calculate button", "Изчисли " + BUTTON, never=LISTS)
key("space")
hear("4. the report", literal("При кръвна група родители: A и B вероятност:")
     + r"\s+A = 18\.75%;\s+B = 18\.75%;\s+AB = 56\.25%;\s+0 = 6\.25%", never=LISTS)
key("Tab")
hear("the focus stayed on Изчисли", "Изчисти " + BUTTON, never=LISTS)
key("space")
hear("5. cleared", literal("Хомозиготни. Формата е изчистена: двамата родители са с група 0, "
                           "алелите са 0 и 0, отчетът е празен."), never=LISTS)
key("Tab")
hear("the chosen option", "Хомозиготни", never=LISTS)
# On a radio button Orca is in its browse mode, where the arrows read on (past a blank line) and
# Space presses what they reach.
key("Down", "Down")
hear("the other option", "Хетерозиготни not selected radio button", never=LISTS)
key("space")
hear("5. the other option", literal("Хетерозиготни. Формата е изчистена"), never=LISTS)
refuse("after the lesson", drained("after the lesson"), LISTS)
orca_speech.stop()
print("PASS: Orca says, in Chromium, the table, each list with its four groups, each choice, the "
      "report and each reset")
