"""Z: the run heard through the page's own Web Audio graph, loud where the pattern is bright and
silent where it is dark."""

import re
import statistics
import unittest

from browser import Browser


class SoundTest(unittest.TestCase):
    def test_a_runs_sound_is_loud_in_bright_steps_and_silent_in_dark_ones(self):
        browser = Browser()
        self.addCleanup(browser.close)
        browser.open()
        browser.driver.find_element("id", "opFoton").click()
        browser.hook("keepTrace()")
        browser.run("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                    " {key: 'z', bubbles: true}));")
        self.assertTrue(browser.hook("soundOn()"))
        browser.press_start()
        browser.wait_until_idle()
        self.assertIn("Zvuk je zapnutý", browser.run(
            "return document.getElementById('board-description').textContent;"))

        # Each step's bar, right of the axis at x = 600, as long as the point is bright.
        bars = [float(length) - 600 for y, length in
                re.findall(r"^drawLine 600 (\d+) ([\d.e+-]+) \1$", browser.hook("trace()"), re.M)]
        self.assertEqual(len(bars), 399)
        # A step lasts 3 ms; its loudness is measured in its second half, after the ramp.
        levels = browser.driver.execute_async_script(
            "window.lumorixTestHook.soundLevels(1.5, 1.2).then(arguments[arguments.length - 1]);")
        heard = [levels[2 * step + 1] for step in range(399)]
        self.assertGreater(statistics.correlation(bars, heard), 0.95)
        brightest = max(heard)
        for bar, level in zip(bars, heard):
            if bar < 0.01 * max(bars):
                self.assertLess(level, 0.05 * brightest, "silent where the pattern is dark")
        self.assertEqual(browser.console_errors(), [])


if __name__ == "__main__":
    unittest.main()
