# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running window over AT-SPI, as a screen reader does, and checks what it hears. Roles
are compared as AT-SPI's numbers: their names change between versions ("push button" became
"button" in 2.56) while what a screen reader makes of them does not."""
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


def check(app):
    """What is wrong with the tree as it stands: nothing, once the window is all there."""
    heard = {}
    texts = {}
    for node in walk(app):
        heard.setdefault(node.name, []).append((node.getRole(), node.description))
        if node.getRole() == pyatspi.ROLE_TEXT:
            text = node.queryText()
            texts[node.name] = [text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]]

    expected = [
        ("Пояснения и резултат", pyatspi.ROLE_TEXT, None),
        ("Таблица: кръвни групи на децата според родителите", pyatspi.ROLE_IMAGE,
         "Родители A и A: деца A – 93,75 %, 0 – 6,25 %."),
        ("Баща кръвна група", pyatspi.ROLE_LIST, None),
        ("Майка кръвна група", pyatspi.ROLE_LIST, None),
        ("Изчисли", pyatspi.ROLE_PUSH_BUTTON, None),
        ("Изчисти", pyatspi.ROLE_PUSH_BUTTON, None),
        ("Хомозиготни", pyatspi.ROLE_RADIO_BUTTON, None),
        ("Хетерозиготни", pyatspi.ROLE_RADIO_BUTTON, None),
        ("0", pyatspi.ROLE_LABEL, "Първи алел на бащата"),
        ("Решетка на Пънет", pyatspi.ROLE_TABLE, None),
        ("00", pyatspi.ROLE_TABLE_CELL,
         "Решетка на Пънет, ред 1 (първи алел на майката), колона 1 (първи алел на бащата)"),
    ]
    failures = []
    for name, role, description in expected:
        found = heard.get(name, [])
        if not any(r == role and (description is None or (d or "").startswith(description))
                   for r, d in found):
            failures.append(f"{name!r} as {role} {description!r}: heard "
                            + ", ".join(f"{r} {d!r}" for r, d in found))
    if any(role == pyatspi.ROLE_CHECK_BOX for found in heard.values() for role, _ in found):
        failures.append("a check box where nothing can be checked")
    # The grid as a table: each cell under its father's allele and beside its mother's.
    grid = next((node for node in walk(app) if node.getRole() == pyatspi.ROLE_TABLE), None)
    if grid is not None:
        table = grid.queryTable()
        shape = (table.nRows, table.nColumns)
        heads = [table.getColumnHeader(0).description, table.getRowHeader(1).description,
                 table.getAccessibleAt(1, 0).description.split(", ", 1)[-1]]
        if shape != (2, 2) or heads != [
                "Първи алел на бащата", "Втори алел на майката",
                "ред 2 (втори алел на майката), колона 1 (първи алел на бащата)"]:
            failures.append(f"the grid as a table: {shape} {heads}")
    first_line = texts.get("Пояснения и резултат", [""])[0]
    if not first_line.startswith("Велимак, в началото на ХХ век"):
        failures.append(f"the report's first line reads {first_line!r}")
    return failures, sum(len(v) for v in heard.values())


app = find_app("morvela")
# The program registers before its window is all built and laid out: the tree is read again
# until it holds what it must, or the deadline says what it lacked.
deadline = time.time() + 15
failures, count = check(app)
while failures and time.time() < deadline:
    time.sleep(0.2)
    failures, count = check(app)
if failures:
    sys.exit("FAIL: " + "\n      ".join(failures))
print(f"PASS: {count} accessible objects, names and descriptions as expected")
