# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the window by keyboard under Orca and checks, step by step, what Orca speaks: with Orca
turned on before the program opens, and again with Orca turned on after it, as a teacher may open
Morvela for a pupil first. Usage: orca_lesson.py PROGRAM LOG"""
import subprocess
import sys
import tempfile
import time

from orca_speech import BUTTON, FOUR, LISTS, drained, fail, hear, key, literal, others, refuse
import orca_speech

program, log = sys.argv[1:3]


def lesson(orca_first, log):
    """The lesson with Orca turned on before the program opens, or after it."""
    orca_speech.heard_upto = 0
    if orca_first:
        orca_speech.start(log)
    # The program's own environment: it offers itself to a screen reader turned on later.
    errors = tempfile.TemporaryFile()
    app = subprocess.Popen([program], stderr=errors)
    others.append(app)
    # Focus can be set only once the window is mapped: a window found by name alone may
    # not be yet, and X refuses the focus with BadMatch.
    for _ in range(100):
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                 "^morvela.example  "], capture_output=True, text=True).stdout.split()
        if window and subprocess.run(["xdotool", "windowfocus", "--sync", window[0]],
                                     stderr=subprocess.DEVNULL).returncode == 0:
            break
        time.sleep(0.1)
    else:
        errors.seek(0)
        fail(f"no window to focus; the program {'is running' if app.poll() is None else 'ended'}"
             f" and said {errors.read().decode(errors='replace')!r}")
    if not orca_first:
        orca_speech.start(log)

    hear("start", literal("Биология - родители и кръвна група"), literal("Пояснения и резултат"),
         "Велимак")
    # Orca turned on over the open window takes in the program first: the first key waits until
    # it has handled all it was given.
    refuse("started", drained("started"), LISTS)
    key("Tab")
    hear("1. the picture", literal("Таблица: кръвни групи на децата според родителите image"),
         never=LISTS)
    key("Tab")
    hear("2. the father's list", literal("Баща кръвна група"), FOUR, r"^0\.", never=LISTS[1:])
    key("Down")
    hear("3. father A", literal("Баща, група A: алели A и A. Решетка на Пънет: A0, A0, A0, A0."),
         never=LISTS)
    key("Tab")
    hear("2. the mother's list", literal("Майка кръвна група"), FOUR, r"^0\.", never=LISTS[:1])
    # Two choices in quick succession: each is announced, and the last is heard.
    key("Down", "Down")
    hear("3. mother B", literal("Майка, група B: алели B и B. Решетка на Пънет: AB, AB, AB, AB."),
         never=LISTS)
    key("Tab")
    hear("the calculate button", "Изчисли " + BUTTON, never=LISTS)
    key("space")
    hear("4. the report", literal("При кръвна група родители: A и B вероятност:"),
         literal("A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%"), never=LISTS)
    key("Tab")
    hear("the focus stayed on Изчисли", "Изчисти " + BUTTON, never=LISTS)
    key("space")
    hear("5. cleared", literal("Хомозиготни. Формата е изчистена"), never=LISTS)
    key("Tab")
    hear("the chosen option", "^Хомозиготни", never=LISTS)
    key("Down")
    hear("5. the other option", literal("Хетерозиготни. Формата е изчистена"), never=LISTS)
    # Whatever comes late after the last reset must not name a list either: all Orca says until it
    # has handled every event it was given.
    refuse("after the lesson", drained("after the lesson"), LISTS)
    orca_speech.stop()
    others.clear()


# Morvela first while the session is new: no screen reader has run in it yet, and none has told
# the accessibility bus that one is wanted.
for orca_first, name in ((False, "Morvela, then Orca"), (True, "Orca, then Morvela")):
    print(f"== {name}")
    lesson(orca_first, log if orca_first else log + ".late")
print("PASS: in both orders, Orca says the picture, each list with its group, the alleles and the "
      "grid, the report and each reset")
