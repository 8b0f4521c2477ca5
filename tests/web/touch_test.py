"""A finger on the page, through Chromium's own touch events: it drags the slider and the point
marker, a cancelled drag commits nothing, and a tap on each kind of control acts once."""

import unittest

from browser import Browser


class TouchTest(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.addCleanup(self.browser.close)
        self.browser.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                            {"enabled": True, "maxTouchPoints": 1})
        self.browser.open()

    def touch(self, kind, x=0, y=0):
        points = [] if kind in ("touchEnd", "touchCancel") else [{"x": x, "y": y}]
        self.browser.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                            {"type": kind, "touchPoints": points})

    def centre(self, selector):
        return self.browser.run("const r = document.querySelector(arguments[0])"
                                ".getBoundingClientRect(); return [r.x + r.width / 2,"
                                " r.y + r.height / 2];", selector)

    def slowdown(self):
        return self.browser.hook("fieldText('nSpomaleni')")

    def tap(self, selector):
        x, y = self.centre(selector)
        self.touch("touchStart", x, y)
        self.touch("touchEnd")

    def test_a_finger_drags_the_thumb_and_a_cancelled_drag_commits_nothing(self):
        x, y = self.centre("#HScroll1 .thumb")
        self.touch("touchStart", x, y)
        for step in range(1, 11):
            self.touch("touchMove", x + 6 * step, y + step % 2)
        self.assertEqual(self.slowdown(), "1", "nothing while the thumb is dragged")
        self.touch("touchEnd")
        dragged = self.slowdown()
        self.assertGreater(int(dragged), 5, "let go, the value shown is committed")

        x, y = self.centre("#HScroll1 .thumb")
        self.touch("touchStart", x, y)
        self.touch("touchMove", x - 40, y)
        self.touch("touchCancel")
        self.assertEqual(self.slowdown(), dragged)
        self.tap("#op0")
        self.assertEqual(self.slowdown(), dragged, "a later tap elsewhere commits nothing either")
        self.assertEqual(self.browser.hook("fieldText('nOdchylka')"), "0")

    def test_a_tap_on_each_kind_of_control_acts_once(self):
        self.tap("#HScroll1 .more")
        self.assertEqual(self.slowdown(), "2", "one step of the slider")
        self.tap("#opDopad")
        self.assertEqual(self.browser.hook("fieldText('nInterference')"), "2")
        self.browser.hook("keepTrace()")
        self.tap("#cmdStart")
        self.browser.wait_until_idle()
        self.assertEqual(self.browser.hook("trace()").count("setScalePixels"), 1, "one run")

    def test_a_finger_drags_the_point_marker_along_the_detector_line(self):
        self.browser.run("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                         " {key: 'p', bubbles: true}));")
        x, y = self.centre("#point")
        self.touch("touchStart", x, y)
        for step in range(1, 11):
            self.touch("touchMove", x + step % 2, y - 10 * step)
        self.touch("touchEnd")
        self.assertIn("řádku 200", self.browser.run(
            "return document.getElementById('point').getAttribute('aria-valuetext');"))


if __name__ == "__main__":
    unittest.main()
