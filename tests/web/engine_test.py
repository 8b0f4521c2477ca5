"""The engine in the page is the desktop's: the same calls, run for run, and the same picture."""

import os
import subprocess
import tempfile
import unittest

from browser import Browser

TOOLS = os.environ.get("LUMORIX_DESKTOP_TOOLS", os.path.join(os.path.dirname(__file__),
                                                             "../../build/tools"))

# Option combinations, each run twice in a fresh page so that the impacts of the second run
# continue the random sequence: the options to click, and the field texts they make.
CASES = [
    ([], "200 15 2 0"),
    (["opFoton", "opDc150", "opVelka", "op05"], "150 40 0.5 1"),
    (["opDopad", "opdc100", "op0"], "100 0 2 2"),
    (["opDopad", "op40", "op01"], "200 10 0.1 2"),
]


def desktop_trace(fields, slowdown, runs=2, options=()):
    """The desktop's calls of runs, with a hole covered or the which-path detector on as the
    options say (--cover A, --which-path)."""
    return subprocess.run([f"{TOOLS}/lumorix-trace", *options, *fields.split(), slowdown,
                           str(runs)], capture_output=True, text=True, check=True).stdout


def desktop_csv(fields, options=()):
    """The pattern's data as the desktop saves it, byte for byte."""
    return subprocess.run([f"{TOOLS}/lumorix-trace", "--csv", *options, *fields.split(), "1"],
                          capture_output=True, check=True).stdout


class EngineTest(unittest.TestCase):
    def run_in_page(self, options, slowdown=None):
        browser = Browser()
        self.addCleanup(browser.close)
        browser.open()
        browser.hook("keepTrace()")
        for option in options:
            browser.driver.find_element("id", option).click()
        if slowdown is not None:
            browser.hook("setFieldText('nSpomaleni', arguments[0])", slowdown)
        for _ in range(2):
            browser.press_start()
            browser.wait_for_run_end()
        return browser

    def test_two_runs_make_the_calls_that_the_desktop_makes(self):
        for options, fields in CASES:
            with self.subTest(fields=fields):
                # No pause, to keep the test short: the engine is the same at any slowdown.
                page = self.run_in_page(options, slowdown="0")
                self.assertEqual(page.hook("trace()").splitlines(),
                                 desktop_trace(fields, "0").splitlines())
        page = self.run_in_page([])
        self.assertEqual(page.hook("trace()").splitlines(),
                         desktop_trace("200 15 2 0", "1").splitlines())

    def test_the_picture_of_two_runs_agrees_with_the_desktops(self):
        # The browser antialiases and the desktop does not, and the fonts are rasterised apart:
        # a desktop pixel agrees when a pixel at most one away in the page's picture is within
        # a quarter of the colour range of it, channel by channel; 2 % of the pixels of the
        # whole 800 × 600 board may disagree. Label1's one row, which no run paints over, is
        # flat colour and agrees exactly.
        for options in [["opDopad"], ["opFoton", "opVelka"], ["opdc100", "op20", "op03"]]:
            with self.subTest(options=options):
                page = self.run_in_page(options, slowdown="0")
                with tempfile.TemporaryDirectory() as folder:
                    page.board_png(f"{folder}/page.png")
                    subprocess.run([f"{TOOLS}/lumorix-picture", f"{folder}/desktop.png", "2",
                                    *options], check=True, capture_output=True)
                    desktop, shown = pixels(f"{folder}/desktop.png"), pixels(f"{folder}/page.png")
                self.assertLess(disagreeing_share(desktop, shown), 0.02)
                self.assertEqual(row(shown, 24, 600, 617), row(desktop, 24, 600, 617))


def pixels(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout


def row(raw, y, left, right, width=800):
    return raw[3 * (y * width + left):3 * (y * width + right)]


def disagreeing_share(desktop, page, width=800, height=600, tolerance=64):
    assert len(desktop) == len(page) == width * height * 3
    disagree = 0
    for y in range(height):
        for x in range(width):
            at = 3 * (y * width + x)
            wanted = desktop[at:at + 3]
            if page[at:at + 3] == wanted:
                continue
            near = False
            for ny in range(max(0, y - 1), min(height, y + 2)):
                for nx in range(max(0, x - 1), min(width, x + 2)):
                    other = 3 * (ny * width + nx)
                    if all(abs(page[other + c] - wanted[c]) <= tolerance for c in range(3)):
                        near = True
                        break
                if near:
                    break
            disagree += not near
    return disagree / (width * height)


if __name__ == "__main__":
    unittest.main()
