# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The README, doc/ and the teacher's guide against the tree they describe:
  - every relative link leads to a file there, and to a heading or id in it where it names one;
  - every file of the tree written as a path in code (`scripts/web.sh`) is there, and every
    option written right after a script (`scripts/web.sh --benchmark`) is one it takes;
  - every test that CTest knows in BUILD_DIR has its row in doc/testing.md's table of tests;
  - the guide's ten result lines are the ones the program's reports are checked against
    (tests/expected.h), each beside its pair of parents.
Prints one line a fault and "N passed, N failed". Usage: docs.py BUILD_DIR"""
import re
import subprocess
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
DOCS = [TOP / "README.md", *sorted((TOP / "doc").glob("*.md")), TOP / "doc" / "guide.bg.html.in"]
# The folders of the tree whose files the docs name by path; build/ and system paths are not.
FOLDERS = ("scripts", "tests", "bench", "web", "tools", "form", "genetics", "ui", "desktop",
           "cmake", "packaging", "doc", ".ci", ".reuse")
passed = failed = 0


def check(ok, fault):
    global passed, failed
    if ok:
        passed += 1
    else:
        failed += 1
        print("FAIL " + fault)


def anchors(path):
    """The fragments a link may name in a file: a Markdown heading as GitHub makes its anchor,
    or an HTML id."""
    text = path.read_text(encoding="utf-8")
    found = set(re.findall(r'\bid="([^"]+)"', text))
    if path.suffix == ".md":
        text = re.sub(r"```.*?```", "", text, flags=re.S)
        for heading in re.findall(r"^#+\s+(.+?)\s*$", text, flags=re.M):
            slug = re.sub(r"[^\w\- ]", "", heading.lower()).replace(" ", "-")
            found.add(slug)
    return found


def links(path):
    text = path.read_text(encoding="utf-8")
    if path.suffix == ".md":
        text = re.sub(r"```.*?```", "", text, flags=re.S)
        return re.findall(r"\]\(([^)\s]+)\)", text)
    return re.findall(r'\bhref="([^"]+)"', text)


def code_spans(path):
    text = path.read_text(encoding="utf-8")
    if path.suffix == ".md":
        return re.findall(r"```[^\n]*\n(.*?)```", text, flags=re.S) + re.findall(
            r"(?<!`)`([^`\n]+)`(?!`)", re.sub(r"```.*?```", "", text, flags=re.S))
    return [re.sub(r"<[^>]+>", "", c) for c in re.findall(r"<(?:code|pre)>(.*?)</(?:code|pre)>",
                                                          text, flags=re.S)]


for doc in DOCS:
    name = doc.relative_to(TOP)
    for link in links(doc):
        if re.match(r"[a-z]+:", link):
            continue
        target, _, fragment = link.partition("#")
        where = (doc.parent / target).resolve() if target else doc
        check(where.exists(), f"{name}: the link '{link}' leads to no file")
        if fragment and where.is_file():
            check(fragment in anchors(where), f"{name}: the link '{link}' names no heading there")
    for span in code_spans(doc):
        tokens = span.split()
        for i, token in enumerate(tokens):
            path = token.strip("'\"(),;:").removeprefix("./")
            if not path.startswith(tuple(f + "/" for f in FOLDERS)) or "*" in path or "…" in path:
                continue
            path = re.sub(r"[.]$", "", path)
            check((TOP / path).exists(), f"{name}: `{path}` is not in the tree")
            if not (TOP / path).is_file() or not re.search(r"\.(sh|py|cjs)$|^\.ci/", path):
                continue
            source = (TOP / path).read_text(encoding="utf-8")
            for option in tokens[i + 1:]:
                if not option.startswith("--"):
                    break
                option = re.sub(r"[^\w-].*$", "", option)
                check(re.search(r"(?<![\w-])" + re.escape(option) + r"(?![\w-])", source),
                      f"{name}: `{path}` takes no option {option}")

listed = subprocess.run(["ctest", "-N", "--test-dir", sys.argv[1]], capture_output=True,
                        text=True, check=True).stdout
tests = re.findall(r"Test +#\d+: (\S+)", listed)
check(tests, f"CTest lists no test in {sys.argv[1]}")
testing = (TOP / "doc" / "testing.md").read_text(encoding="utf-8")
# The first cell of each row of the table of tests names one test or several.
rows = {name for cell in re.findall(r"^\| (`[^|]+`) \|", testing, flags=re.M)
        for name in re.findall(r"`([^`]+)`", cell)}
for test in tests:
    check(test in rows, f"doc/testing.md has no row for the test {test}")

GROUPS = ["0", "A", "B", "AB"]
expected = {frozenset((GROUPS[int(a)], GROUPS[int(b)])): line for a, b, line in re.findall(
    r'\{ (\d), (\d), "([^"]*)" \}', (TOP / "tests" / "expected.h").read_text(encoding="utf-8"))}
guide = (TOP / "doc" / "guide.bg.html.in").read_text(encoding="utf-8")
written = {frozenset((a, b)): line for a, b, line in re.findall(
    r"<tr><td>(\w+) и (\w+)</td><td><code>([^<]*)</code></td></tr>", guide)}
check(len(expected) == 10 and written == expected,
      f"the guide's result lines differ from tests/expected.h: {set(written.items()) ^ set(expected.items())}")
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
