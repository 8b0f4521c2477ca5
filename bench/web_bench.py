#!/usr/bin/python3
"""The browser edition's figures, in headless Chromium, beside the desktop's on the same machine:
the file's size; the time from opening it to the first complete paint; the cost of a whole run,
pauses aside (the engine alone, the page's session making the run, and in the page the run made
and painted on the board at pixel ratio 1 and 2); the pace of whole runs against the sum of their
pauses, also on a slow machine's processor (a classroom's Chromebook: 1280 × 800, pixel ratio 2,
Chromium's main thread throttled 4×), with how late the latest step reached the screen; the heap
in use after 50 runs against after 1; and 100 of the heaviest runs redrawn at pixel ratio 2 and
back at 1, and a burst of ten resizes over 20 of them: the time to the crisp picture, the longest
task and the longest the page went without answering meanwhile, and the heap before and after.
Then the heaviest run made and painted, and 100 of them redrawn at twice the pixels, in Firefox
(Gecko) and in WebKit too. Each figure is the median over REPETITIONS rounds, and each round
measures the browser and the desktop one after the other. Times in milliseconds, memory in MiB.

The throttled pace depends on what else the machine runs: throttling stretches the page's own
work, and the processes beside it stretch it further (a heaviest run measured 1.2 on a quiet
2-core machine, 1.4 to 1.7 while two other processes kept both cores busy).

usage: bench/web_bench.py [REPETITIONS]   (after tools/build-web and the desktop build)
"""

import json
import pathlib
import re
import statistics
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests/web"))
from browser import BUILD, Browser  # noqa: E402
from gecko import Gecko  # noqa: E402
from webkit import WebKit  # noqa: E402

NATIVE = ROOT / "build/bench"
CASES = {"light": [], "heaviest impacts": ["opDopad", "opdc100", "op0"]}
# Every kind of run, for the pace on a slow machine, in an order in which each one's options
# make it from the one before.
KINDS = {"light": [], "photon": ["opFoton"], "impact": ["opDopad"],
         "heaviest impacts": CASES["heaviest impacts"]}
NATIVE_CASES = {"light": "Light", "heaviest impacts": "HeaviestImpacts"}
PAUSES_MS = {"1": 399 * 3, "20": 399 * 60}
WARM_UP_RUNS, TIMED_RUNS = 5, 15

# One run made and painted, read back so that the canvas has really drawn it: at slowdown 0 a
# press of Start makes and paints the whole run before it returns. The canvas only records what
# the script paints and rasterises it when its pixels are needed, here by the read: the time to
# the end of the press and the whole time.
MAKE_AND_PAINT = """
    const board = document.getElementById("board");
    const start = performance.now();
    document.getElementById("cmdStart").click();
    const pressed = performance.now();
    board.getContext("2d").getImageData(0, 0, 1, 1);
    return [pressed - start, performance.now() - start];
"""
# The tasks the page ran for longer than 50 ms, as the Long Tasks API counts them.
WATCH_LONG_TASKS = """
    window.longTasks = [];
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries())
            window.longTasks.push(entry.duration);
    }).observe({ type: "longtask" });
"""
# How late each step of a run reaches the screen: a run's player wakes by setTimeout when the
# next step is due and paints every step due by then, which the screen shows at the next
# animation frame; the step's time is when the player asked to be woken.
WATCH_STEPS = """
    window.stepsLate = [];
    const wait = window.setTimeout;
    window.setTimeout = (work, delay, ...rest) => {
        const due = performance.now() + (delay || 0);
        return wait(() => {
            work(...rest);
            requestAnimationFrame((shown) => window.stepsLate.push(shown - due));
        }, delay);
    };
"""


def choose(browser, case, slowdown):
    for option in CASES[case]:
        browser.driver.find_element("id", option).click()
    browser.hook("setFieldText('nSpomaleni', arguments[0])", slowdown)


def opening_and_first_run(figures):
    """A fresh page: its first complete paint, and the first run, which meets the module's code
    before the browser has optimised it."""
    for case in CASES:
        browser = Browser()
        try:
            browser.open()
            figures.setdefault("opening to the first complete paint", []).append(
                float(browser.run("return document.documentElement.dataset.ready;")))
            choose(browser, case, "0")
            figures.setdefault(f"{case}: the first run in a fresh page, made and painted",
                               []).append(browser.run(MAKE_AND_PAINT)[1])
        finally:
            browser.close()


def warm_runs(figures, ratio):
    browser = Browser(scale=ratio)
    try:
        for case in CASES:
            browser.open()
            choose(browser, case, "0")
            times = [browser.run(MAKE_AND_PAINT) for _ in range(WARM_UP_RUNS + TIMED_RUNS)]
            timed = times[WARM_UP_RUNS:]
            figures.setdefault(f"{case}: made and painted in the page, pixel ratio {ratio}",
                               []).append(statistics.median(whole for _, whole in timed))
            figures.setdefault(f"{case}: of which rasterised after the press, pixel ratio {ratio}",
                               []).append(statistics.median(whole - pressed
                                                            for pressed, whole in timed))
    finally:
        browser.close()


def parse_harness(text, figures, where):
    for line in text.splitlines():
        found = re.match(r"(EngineAlone|PageSession)/(\w+) ([\d.]+) ms", line)
        for case, name in NATIVE_CASES.items():
            if found and found[2] == name:
                figures.setdefault(f"{case}: page_run_bench {found[1]}, {where}", []).append(
                    float(found[3]))


def harness(figures):
    """The same program timing the engine alone and the page's session, in the module and
    natively."""
    browser = Browser()
    try:
        browser.driver.get((BUILD / "bench/page_run_bench.html").as_uri() + "?15")
        browser.wait_for("document.documentElement.dataset.done", timeout=300)
        parse_harness(browser.run("return document.getElementById('output').textContent;"),
                      figures, "in the module")
    finally:
        browser.close()
    native = subprocess.run([NATIVE / "page_run_bench", "15"], capture_output=True, text=True,
                            check=True)
    parse_harness(native.stdout, figures, "native")


def desktop_runs(figures):
    """run_bench's engine alone and its on-screen back end through the fast path."""
    result = subprocess.run(
        [NATIVE / "run_bench", "--benchmark_format=json",
         "--benchmark_filter=^(EngineAlone|FastPath)/(Light|HeaviestImpacts)(/|$)"],
        capture_output=True, text=True, check=True)
    for entry in json.loads(result.stdout)["benchmarks"]:
        name = entry["name"].split("/")[1]
        case = next(case for case, native in NATIVE_CASES.items() if native == name)
        figures.setdefault(f"{case}: run_bench {entry['name']}", []).append(entry["real_time"])


def pace(figures):
    browser = Browser()
    try:
        browser.open()
        for case in CASES:
            for slowdown in PAUSES_MS:
                choose(browser, case, slowdown)
                browser.press_start()
                browser.wait_for_run_end(timeout=120)
                run = browser.hook("lastRun()")
                figures.setdefault(f"{case}: pace at slowdown {slowdown}", []).append(
                    (run["ended"] - run["started"]) / PAUSES_MS[slowdown])
    finally:
        browser.close()


def choose_kind(browser, kind, slowdown):
    for option in KINDS[kind]:
        browser.driver.find_element("id", option).click()
    browser.hook("setFieldText('nSpomaleni', arguments[0])", slowdown)


def throttled_pace(figures):
    """Whole runs of every kind at slowdown 1 on a slow machine's processor, the latest that a
    step reached the screen, and the page's longest task."""
    browser = Browser(width=1280, height=800, scale=2)
    try:
        browser.open()
        browser.driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        browser.run(WATCH_LONG_TASKS + WATCH_STEPS)
        for kind in KINDS:
            choose_kind(browser, kind, "1")
            paces, late, longest = [], [], []
            for _ in range(3):
                browser.run("window.longTasks.length = 0; window.stepsLate.length = 0;")
                browser.press_start()
                browser.wait_for_run_end(timeout=120)
                run = browser.hook("lastRun()")
                paces.append((run["ended"] - run["started"]) / PAUSES_MS["1"])
                late.append(browser.run("return Math.max(0, ...window.stepsLate);"))
                longest.append(browser.run("return Math.max(0, ...window.longTasks);"))
            figures.setdefault(f"{kind}: pace at slowdown 1, 1280 x 800, ratio 2, CPU 4x slower",
                               []).append(statistics.median(paces))
            figures.setdefault(f"{kind}: the latest step shown after its time, same", []).append(
                max(late))
            figures.setdefault(f"{kind}: the longest task meanwhile", []).append(max(longest))
    finally:
        browser.close()


def heap_in_use(browser):
    """The module's heap in use and the page's JavaScript heap, after a garbage collection."""
    browser.driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    script = browser.driver.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"]
    return browser.hook("heapInUse()"), script


# While the board is redrawn: the longest task as the Long Tasks API counts it, and the
# longest the page went without answering a message it sends itself again and again.
WATCH_REDRAW = """
    window.watch = { longest: 0, silent: 0, on: true };
    new PerformanceObserver((list) => {
        for (const entry of list.getEntries())
            window.watch.longest = Math.max(window.watch.longest, entry.duration);
    }).observe({ type: "longtask" });
    const beat = new MessageChannel();
    let last = performance.now();
    beat.port1.onmessage = () => {
        const now = performance.now();
        window.watch.silent = Math.max(window.watch.silent, now - last);
        last = now;
        if (window.watch.on)
            setTimeout(() => beat.port2.postMessage(null), 0);
    };
    beat.port2.postMessage(null);
"""


def redrawn(browser, width, height, ratio):
    """The board redrawn at a new size or ratio: the time until the crisp picture is shown,
    the longest task and the longest silence meanwhile, and the heap before and after."""
    heap_before = browser.hook("heapInUse()") / 2**20
    browser.run(WATCH_REDRAW)
    start = time.monotonic()
    browser.emulate(width, height, ratio)
    # A browser tells a page of a new pixel ratio; Chromium's emulation of one does not.
    browser.run("window.dispatchEvent(new Event('resize'));")
    browser.wait_for("window.lumorixTestHook.busy()", timeout=30)
    browser.wait_until_idle(timeout=600)
    took = (time.monotonic() - start) * 1000
    watched = browser.run("window.watch.on = false; return window.watch;")
    return took, watched["longest"], watched["silent"], heap_before, \
        browser.hook("heapInUse()") / 2**20


def redraws(figures, runs=100):
    """A lesson's worth of the heaviest runs on one board, redrawn at pixel ratio 2 and back
    at 1; and a burst of ten resizes, a window edge dragged, over 20 such runs."""
    browser = Browser()
    try:
        browser.open()
        choose(browser, "heaviest impacts", "0")
        for _ in range(runs):
            browser.press_start()
            browser.wait_until_idle()
        for ratio in [2, 1]:
            for name, value in zip(["time to the crisp picture", "longest task",
                                    "longest silence", "module heap before", "module heap after"],
                                   redrawn(browser, 800, 600, ratio)):
                figures.setdefault(f"{runs} heaviest runs redrawn at ratio {ratio}: {name}",
                                   []).append(value)
    finally:
        browser.close()
    browser = Browser()
    try:
        browser.open()
        choose(browser, "heaviest impacts", "0")
        for _ in range(20):
            browser.press_start()
            browser.wait_until_idle()
        browser.run(WATCH_REDRAW)
        shown = browser.hook("redrawsShown()")
        start = time.monotonic()
        for step in range(10):
            browser.emulate(800 + 48 * (step + 1), 600 + 36 * (step + 1), 1)
        browser.wait_for("window.lumorixTestHook.busy()", timeout=30)
        browser.wait_until_idle(timeout=600)
        took = (time.monotonic() - start) * 1000
        watched = browser.run("window.watch.on = false; return window.watch;")
        for name, value in [("time to the crisp picture", took), ("longest task", watched["longest"]),
                            ("longest silence", watched["silent"]),
                            ("redraws shown", browser.hook("redrawsShown()") - shown)]:
            figures.setdefault(f"10 resizes over 20 heaviest runs: {name}", []).append(value)
    finally:
        browser.close()


def heap(figures):
    browser = Browser()
    try:
        browser.open()
        choose(browser, "heaviest impacts", "0")
        browser.press_start()
        after_one = heap_in_use(browser)
        for _ in range(49):
            browser.press_start()
        after_fifty = heap_in_use(browser)
        for kind, one, fifty in zip(["module", "script"], after_one, after_fifty):
            figures.setdefault(f"{kind} heap in use after 1 run", []).append(one / 2**20)
            figures.setdefault(f"{kind} heap in use after 50 runs", []).append(fifty / 2**20)
    finally:
        browser.close()


def other_engines(figures, runs=100):
    """In Firefox and WebKit: the heaviest run made and painted at pixel ratio 1 and 2, and 100
    of them redrawn when the window grows to twice the board's size (ratio 2)."""
    for name, engine in [("Gecko", Gecko), ("WebKit", WebKit)]:
        for ratio in [1, 2]:
            browser = engine(width=1600 // ratio, height=1200 // ratio, scale=ratio)
            try:
                browser.open()
                browser.resize(800, 600)
                browser.wait_until_idle()
                browser.hook("setFieldText('nSpomaleni', '0')")
                for option in CASES["heaviest impacts"]:
                    browser.click(option)
                times = [browser.run(MAKE_AND_PAINT)[1]
                         for _ in range(WARM_UP_RUNS + TIMED_RUNS)]
                figures.setdefault(f"{name}: heaviest impacts made and painted, ratio {ratio}",
                                   []).append(statistics.median(times[WARM_UP_RUNS:]))
                if ratio == 2:
                    continue
                for _ in range(runs):
                    browser.press_start()
                    browser.wait_until_idle()
                start = time.monotonic()
                browser.resize(1600, 1200)
                browser.wait_for("window.lumorixTestHook.busy()", timeout=30)
                browser.wait_until_idle(timeout=600)
                figures.setdefault(f"{name}: {runs} heaviest runs redrawn at ratio 2",
                                   []).append((time.monotonic() - start) * 1000)
            finally:
                browser.close()


def main():
    repetitions = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    figures = {}
    for _ in range(repetitions):
        opening_and_first_run(figures)
        harness(figures)
        desktop_runs(figures)
        for ratio in [1, 2]:
            warm_runs(figures, ratio)
        pace(figures)
        throttled_pace(figures)
        heap(figures)
        redraws(figures)
        other_engines(figures)
    print(f"file: {(BUILD / 'lumorix.html').stat().st_size} bytes")
    for name, values in sorted(figures.items()):
        print(f"{name}: {statistics.median(values):.5g}")


if __name__ == "__main__":
    main()
