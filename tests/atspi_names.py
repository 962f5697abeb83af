# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running window over AT-SPI, as a screen reader does, and checks what it hears."""
import sys
import time

import pyatspi


def find_app(name, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.2)
    sys.exit(f"FAIL: no application {name!r} on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


app = find_app("morvela")
heard = {}
texts = {}
for node in walk(app):
    heard.setdefault(node.name, []).append((node.getRoleName(), node.description))
    if node.getRoleName() == "text":
        text = node.queryText()
        texts[node.name] = [text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]]

expected = [
    ("Пояснения и резултат", "text", None),
    ("Таблица: кръвни групи на децата според родителите", None, "Родители A и A: деца A – 93,75 %, 0 – 6,25 %."),
    ("Баща кръвна група", "list", None),
    ("Майка кръвна група", "list", None),
    ("Изчисли", "push button", None),
    ("Изчисти", "push button", None),
    ("Хомозиготни", "radio button", None),
    ("Хетерозиготни", "radio button", None),
    ("0", "label", "Първи алел на бащата"),
    ("00", "check box", "Решетка на Пънет, ред 1 (първи алел на майката), колона 1 (първи алел на бащата)"),
]
failures = []
for name, role, description in expected:
    found = heard.get(name, [])
    if not any((role is None or r == role) and (description is None or (d or "").startswith(description))
               for r, d in found):
        failures.append(f"{name!r} as {role} {description!r}: heard {found}")
first_line = texts.get("Пояснения и резултат", [""])[0]
if not first_line.startswith("Велимак, в началото на ХХ век"):
    failures.append(f"the report's first line reads {first_line!r}")
if failures:
    sys.exit("FAIL: " + "\n      ".join(failures))
print(f"PASS: {sum(len(v) for v in heard.values())} accessible objects, names and descriptions as expected")
