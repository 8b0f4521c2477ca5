#!/usr/bin/python3
"""The browser edition's figures, in headless Chromium: the file's size, the time from opening it
to the first complete paint, the time the module takes to make a whole run, the pace of whole
runs against the sum of their pauses, and the module's memory after 50 runs against after 1. Medians of interleaved repetitions.

usage: bench/web_bench.py [REPETITIONS]   (after tools/build-web)
"""

import statistics
import sys
import pathlib

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests/web"))
from browser import Browser, PAGE  # noqa: E402

PAUSES_MS = {"1": 399 * 3, "20": 399 * 60}


def run_once(browser, options, slowdown):
    for option in options:
        browser.driver.find_element("id", option).click()
    browser.hook("setFieldText('nSpomaleni', arguments[0])", slowdown)
    browser.press_start()
    browser.wait_for_run_end(timeout=120)
    run = browser.hook("lastRun()")
    return (run["ended"] - run["started"]) / PAUSES_MS[slowdown], run["made"]


def main():
    repetitions = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    print(f"file: {PAGE.stat().st_size} bytes")
    first_paint, pace, made = [], {}, {}
    for _ in range(repetitions):
        browser = Browser()
        try:
            browser.open()
            first_paint.append(float(browser.run("return document.documentElement.dataset.ready;")))
            for name, options in [("light", ["opSvětlo"]), ("heaviest impacts",
                                                             ["opDopad", "opdc100", "op0"])]:
                for slowdown in ["1", "20"]:
                    ratio, making = run_once(browser, options, slowdown)
                    pace.setdefault((name, slowdown), []).append(ratio)
                    made.setdefault(name, []).append(making)
        finally:
            browser.close()
    print(f"open to first complete paint: {statistics.median(first_paint):.0f} ms")
    for name, times in made.items():
        print(f"making a whole run in the module (engine and display list), {name}: "
              f"{statistics.median(times):.1f} ms")
    for (name, slowdown), ratios in pace.items():
        print(f"pace, {name}, slowdown {slowdown}: {statistics.median(ratios):.4f}")

    browser = Browser()
    try:
        browser.open()
        browser.hook("setFieldText('nSpomaleni', '0')")
        browser.driver.find_element("id", "opDopad").click()
        browser.press_start()
        after_one = browser.hook("memoryBytes()")
        for _ in range(49):
            browser.press_start()
        after_fifty = browser.hook("memoryBytes()")
        print(f"module memory after 1 run: {after_one / 2**20:.2f} MiB, after 50: "
              f"{after_fifty / 2**20:.2f} MiB")
    finally:
        browser.close()


if __name__ == "__main__":
    main()
