# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the window by keyboard under Orca and checks, step by step, what Orca speaks: it reads
Orca's debug log, waits for each expected phrase with a bounded timeout, and never sleeps long.
Usage: orca_lesson.py PROGRAM LOG"""
import os
import re
import subprocess
import sys
import time

program, log = sys.argv[1:3]
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
# Orca writes its debug log through a block buffer; open it line by line instead, so that each
# phrase can be read as soon as it is said.
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
log = sys.argv[1]
real_open = builtins.open
def open_log_by_line(file, mode="r", *args, **kwargs):
    if file == log and not args:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)
builtins.open = open_log_by_line
sys.argv = ["orca", "--replace", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""
orca = subprocess.Popen(["/usr/bin/python3", "-c", LINE_BUFFERED_ORCA, log],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = None
heard_upto = 0


def spoken():
    try:
        with open(log, encoding="utf-8", errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'", f.read())
    except FileNotFoundError:
        return []


# A push button, as AT-SPI names the role: "push button" up to 2.46, "button" from 2.56 on.
BUTTON = r"(?:push )?button"
# A list's caption belongs to the moments the pupil moves onto that list, and to no other: said
# after a report or a reset, it would mean the reader was carried off the button pressed.
LISTS = ("Баща кръвна група", "Майка кръвна група")
# Each list's size, all four groups, though the list shows only one of them at a time.
FOUR = r"(?i:list with 4 items)"


def hear(step, *phrases, never=(), seconds=15):
    """Waits until Orca has said each phrase (a regular expression), in this order, since the last
    step, and fails if anything said on the way contains one of the phrases in never."""
    global heard_upto
    deadline = time.time() + seconds
    while True:
        said = spoken()[heard_upto:]
        text = "\n".join(said)
        at = 0
        for phrase in phrases:
            found = re.compile(phrase, re.MULTILINE).search(text, at)
            if not found:
                break
            at = found.end()
        else:
            utterances = text[:at].count("\n") + 1
            heard_upto += utterances
            print(f"{step}: Orca said " + " / ".join(repr(s) for s in said[:utterances]))
            refuse(step, said[:utterances], never)
            return
        if time.time() > deadline:
            fail(f"{step}: Orca did not say {phrases!r}; it said {said!r}")
        time.sleep(0.1)


def refuse(step, said, never):
    for utterance in said:
        for phrase in never:
            if phrase in utterance:
                fail(f"{step}: Orca said {utterance!r}, which it must not say here")


def fail(message):
    print("FAIL: " + message)
    for p in (app, orca):
        if p:
            p.kill()
    sys.exit(1)


def key(*names):
    """Presses the keys one after another, as fast as a quick pupil does."""
    subprocess.run(["xdotool", "key", *names], check=True)


hear("Orca starts", "Screen reader on")
app = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
window = ""
for _ in range(100):
    window = subprocess.run(["xdotool", "search", "--name", "^morvela.example  "],
                            capture_output=True, text=True).stdout.split()
    if window:
        break
    time.sleep(0.1)
if not window:
    fail("no window")
subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)


def literal(text):
    return re.escape(text)


hear("start", literal("Биология - родители и кръвна група"), literal("Пояснения и резултат"),
     "Велимак")
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
# Whatever comes late after the last reset must not name a list either.
time.sleep(1.5)
refuse("after the lesson", spoken()[heard_upto:], LISTS)
print("after the lesson: Orca said " + " / ".join(repr(s) for s in spoken()[heard_upto:]))

app.terminate()
orca.terminate()
app.wait(5)
print("PASS: Orca says the picture, each list with its group, the alleles and the grid, the "
      "report and each reset")
