"""A whole lesson on one board: redrawn at a new size once, in slices that never hold the
page, to the picture the same runs make at that size, without keeping what it painted."""

import subprocess
import tempfile
import unittest

from browser import Browser

# The heaviest runs there are: the detector nearest, the holes together, impacts.
HEAVIEST = ["opdc100", "op0", "opDopad"]


def make_runs(browser, runs):
    for option in HEAVIEST:
        browser.driver.find_element("id", option).click()
    browser.hook("setFieldText('nSpomaleni', '0')")
    for _ in range(runs):
        browser.press_start()
        browser.wait_until_idle()


class RedrawTest(unittest.TestCase):
    def test_a_burst_of_resizes_draws_the_board_once_without_holding_the_page(self):
        browser = Browser(800, 600)
        self.addCleanup(browser.close)
        browser.open()
        make_runs(browser, 20)
        browser.run("""
            window.longTasks = [];
            new PerformanceObserver((found) => {
                for (const task of found.getEntries())
                    window.longTasks.push(task.duration);
            }).observe({ type: "longtask" });
        """)
        shown = browser.hook("redrawsShown()")
        # A window edge dragged: ten sizes in a row, then Ctrl+C while the board is redrawn.
        for step in range(10):
            browser.emulate(800 + 48 * (step + 1), 600 + 36 * (step + 1), 1)
        browser.wait_for("window.lumorixTestHook.busy()")
        browser.run("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                    " {key: 'c', ctrlKey: true, bubbles: true}));")
        self.assertIsNone(browser.hook("lastCopy()"), "the copy waits for the board")
        browser.wait_until_idle()
        self.assertEqual(browser.hook("redrawsShown()") - shown, 1, "one redraw for the burst")
        self.assertEqual(browser.hook("boardSize()"), [1280, 960])
        browser.wait_for("window.lumorixTestHook.lastCopy()")
        self.assertEqual(browser.hook("lastCopy()")["size"], [1280, 960],
                         "the copy waited for the board, and is the board as it is shown")
        self.assertEqual([task for task in browser.run("return window.longTasks;") if task > 50],
                         [], "no task held the page longer than 50 ms")

        fresh = Browser(1280, 960)
        self.addCleanup(fresh.close)
        fresh.open()
        make_runs(fresh, 20)
        with tempfile.TemporaryDirectory() as folder:
            browser.board_png(f"{folder}/redrawn.png")
            fresh.board_png(f"{folder}/fresh.png")
            differing = subprocess.run(["compare", "-metric", "AE", f"{folder}/redrawn.png",
                                        f"{folder}/fresh.png", "null:"],
                                       capture_output=True, text=True)
        self.assertEqual(differing.stderr, "0", "the picture of the same runs at that size")

    def test_nothing_of_a_redraw_is_kept_once_it_is_shown(self):
        browser = Browser(800, 600)
        self.addCleanup(browser.close)
        browser.open()
        make_runs(browser, 50)
        before = browser.hook("heapInUse()")
        browser.emulate(1024, 768, 2)
        browser.wait_for("window.lumorixTestHook.busy()")
        browser.wait_until_idle()
        self.assertEqual(browser.hook("boardSize()"), [2048, 1536])
        self.assertLessEqual(browser.hook("heapInUse()") - before, 2 * 1024 * 1024)


if __name__ == "__main__":
    unittest.main()
