# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the window by keyboard under Orca and checks, step by step, what Orca speaks: with Orca
turned on before the program opens, and again with Orca turned on after it, as a teacher may open
Morvela for a pupil first. Usage: orca_lesson.py PROGRAM LOG"""
import subprocess
import sys
import tempfile

from orca_speech import FOUR, LISTS, drained, fail, hear, key, literal, others, refuse
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
    # Focus can be set only once the window is mapped: a window found by name alone may not be
    # yet, and X refuses the focus with BadMatch.
    if not orca_speech.window_shown("^morvela.example  ", focus=True):
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
    orca_speech.report_and_reset(
        (literal("При кръвна група родители: A и B вероятност:"),
         literal("A = 18.75%;   B = 18.75%;  AB = 56.25%;  0 = 6.25%")),
        literal("Хомозиготни. Формата е изчистена"), "^Хомозиготни")
    key("Down")
    orca_speech.other_option_reset()


# Morvela first while the session is new: no screen reader has run in it yet, and none has told
# the accessibility bus that one is wanted.
orca_speech.both_orders(lesson, log, ((False, "Morvela, then Orca"), (True, "Orca, then Morvela")),
                        "in both orders, Orca says the picture, each list with its group, the "
                        "alleles and the grid, the report and each reset")
