# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the page beside a floor page in one run, in headless Chromium from disk:
  size:   the file's bytes, and gzipped (gzip -9), as a web server would send it;
  ready:  from navigation until the form is ready (its program bound to the controls, start-up
          run), and until it is first painted (first contentful paint: the page is written with
          the finished start form, which paints before its program starts), median of
          the loads, the two pages alternating in one browser; on a desktop-sized window, and on
          a phone-sized one (390 x 844) with the CPU slowed four times, as mobile audits slow it
          to stand for the slowest devices pupils have.
The floor page is the same controls in plain HTML, filled as the page fills them, with no program:
the page's own document once ready, its scripts (the program among them) and its policy taken out,
marked ready by one line of script.
A program, not a test. Usage: page.py PAGE.html [LOADS]"""
import gzip
import statistics
import sys
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

page = Path(sys.argv[1]).resolve()
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 15
floor = page.with_name("floor.html")

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=640,560"):
    options.add_argument(flag)
browser = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))

TIMES = """
const ready = performance.getEntriesByName('ready')[0];
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return ready && paint ? [ready.startTime, paint.startTime] : null;"""


def load(path):
    browser.get(path.as_uri())
    return WebDriverWait(browser, 20, poll_frequency=0.01).until(
        lambda b: b.execute_script(TIMES))


try:
    load(page)
    floor.write_text("<!DOCTYPE html>\n" + browser.execute_script("""
        const copy = document.documentElement.cloneNode(true);
        copy.querySelectorAll('script, meta[http-equiv]').forEach(s => s.remove());
        const mark = document.createElement('script');
        mark.textContent = "performance.mark('ready')";
        copy.querySelector('body').append(mark);
        return copy.outerHTML;"""), encoding="utf-8")
    results = {}
    for setting in ("desktop, 640 x 560", "phone, 390 x 844, CPU slowed 4x"):
        if setting.startswith("phone"):
            browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
            browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        # One load of each to warm the browser, not counted.
        load(floor)
        times = results[setting] = {page: [], floor: []}
        for _ in range(loads):
            for path in (page, floor):
                times[path].append(load(path))
finally:
    browser.quit()

data = page.read_bytes()
print(f"page: {page.name}, {len(data)} bytes, {len(gzip.compress(data, 9))} gzipped; "
      f"floor: {floor.stat().st_size} bytes")
for setting, times in results.items():
    print(f"{setting}, median of {loads} loads:")
    print(f"  {'':26} {'page':>10} {'floor':>10} {'ratio':>6}")
    for column, what in enumerate(("until the form is ready", "until first painted")):
        p = statistics.median(t[column] for t in times[page])
        f = statistics.median(t[column] for t in times[floor])
        print(f"  {what:26} {p:7.1f} ms {f:7.1f} ms {p / f:6.2f}")
