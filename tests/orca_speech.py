# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca, the screen reader, speaks, for a lesson driven by keyboard: starts Orca with its
debug log read line by line, waits for each expected phrase with a bounded timeout, and never
sleeps long. Shared by the window's lesson and the page's."""
import re
import subprocess
import sys
import time

log = None
orca = None
others = []
heard_upto = 0


def start(debug_log):
    """Starts Orca, writing what it says to debug_log, and waits until it says it is on."""
    global log, orca
    log = debug_log
    orca = subprocess.Popen(["/usr/bin/python3", "-c", LINE_BUFFERED_ORCA, log],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    hear("Orca starts", "Screen reader on")


def stop():
    for p in others + [orca]:
        if p and p.poll() is None:
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


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


def drained(step, after=None, seconds=15):
    """Waits until Orca has taken from its queue every event it was given (and, with after, an
    event whose log line matches it), and its log has then grown no more for half a second, so
    that whatever those events made it say is said; takes all it said as heard. Fails clearly at
    the deadline."""
    global heard_upto
    deadline = time.time() + seconds
    size, since = -1, time.time()
    while True:
        try:
            with open(log, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            text = ""
        # Orca 48 says "Queued" once an event is in its queue; "Queueing", all Orca 43 says, comes
        # before the script is looked up, which can fail and leave the event out of the queue.
        queued = ("EVENT MANAGER: Queued " if "EVENT MANAGER: Queued " in text
                  else "EVENT MANAGER: Queueing")
        taken = (text.count(queued) == text.count("EVENT MANAGER: Dequeued")
                 and (after is None or re.search(after, text)))
        if len(text) != size:
            size, since = len(text), time.time()
        elif taken and time.time() - since >= 0.5:
            break
        if time.time() > deadline:
            fail(f"{step}: Orca did not finish what it was given"
                 + (f" ({after!r} never came)" if after and not re.search(after, text) else ""))
        time.sleep(0.1)
    said = spoken()[heard_upto:]
    heard_upto += len(said)
    print(f"{step}: Orca said " + " / ".join(repr(s) for s in said))
    return said


def refuse(step, said, never):
    for utterance in said:
        for phrase in never:
            if phrase in utterance:
                fail(f"{step}: Orca said {utterance!r}, which it must not say here")


def fail(message):
    print("FAIL: " + message)
    for p in others + [orca]:
        if p:
            p.kill()
    sys.exit(1)


def key(*names):
    """Presses the keys one after another, as fast as a quick pupil does."""
    subprocess.run(["xdotool", "key", *names], check=True)


def literal(text):
    return re.escape(text)


def window_shown(title, focus=False, tries=100):
    """Waits until a window whose title matches TITLE is mapped, and with FOCUS until it has the
    focus, which X refuses a window not yet mapped; False if it never is."""
    for _ in range(tries):
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                capture_output=True, text=True).stdout.split()
        if window and (not focus or subprocess.run(["xdotool", "windowfocus", "--sync", window[0]],
                                                   stderr=subprocess.DEVNULL).returncode == 0):
            return True
        time.sleep(0.1)
    return False


def report_and_reset(report, cleared, chosen):
    """The lesson's end, the same in the window and the page: the report after "Изчисли" with the
    focus kept on it, the reset after "Изчисти", and Tab onto the chosen option."""
    key("Tab")
    hear("the calculate button", "Изчисли " + BUTTON, never=LISTS)
    key("space")
    hear("4. the report", *report, never=LISTS)
    key("Tab")
    hear("the focus stayed on Изчисли", "Изчисти " + BUTTON, never=LISTS)
    key("space")
    hear("5. cleared", cleared, never=LISTS)
    key("Tab")
    hear("the chosen option", chosen, never=LISTS)


def other_option_reset():
    """The reset that choosing the other option makes, and whatever comes late after it, which
    must not name a list either: all Orca says until it has handled every event it was given."""
    hear("5. the other option", literal("Хетерозиготни. Формата е изчистена"), never=LISTS)
    refuse("after the lesson", drained("after the lesson"), LISTS)
    stop()
    others.clear()


def both_orders(lesson, log, orders, passed):
    """The lesson in each order, (Orca first, name), each with a log of its own; then PASSED."""
    for orca_first, name in orders:
        print(f"== {name}")
        lesson(orca_first, log if orca_first else log + ".late")
    print("PASS: " + passed)
