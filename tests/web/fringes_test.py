"""Why there are fringes, in the page: the point readout over the board, never in its picture,
and the single-letter keys turned off. (A, B, D, P and Ctrl+E themselves are checked in every
engine by engines_test.)"""

import unittest

from browser import Browser

# Whether the point readout's marks show: a canvas over the board with something painted on it.
MARKED = """
    const marks = document.getElementById('point-marks');
    return !marks.hidden && marks.getContext('2d').getImageData(0, 0, marks.width, marks.height)
        .data.some((value, i) => i % 4 === 3 && value > 0);
"""

OPEN_MENU = ("document.getElementById('board').dispatchEvent(new MouseEvent('contextmenu',"
             " {bubbles: true, cancelable: true, clientX: 300, clientY: 200}));")


class FringesTest(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.addCleanup(self.browser.close)
        self.browser.open()
        self.browser.hook("setFieldText('nSpomaleni', '0')")

    def focused(self):
        return self.browser.run("return document.activeElement.id;")

    def test_the_point_readout_stands_over_the_board_never_in_its_picture(self):
        browser = self.browser
        browser.press_start()
        browser.wait_until_idle()
        picture = browser.hook("picture()")
        browser.press("p")
        self.assertTrue(browser.run(MARKED))
        browser.press("c", ctrl=True)
        browser.wait_for("window.lumorixTestHook.lastCopy()")
        self.assertEqual(browser.hook("picture()"), picture, "the board's picture has no marks")
        browser.run("document.getElementById('HScroll1').focus();")
        browser.press("Tab")
        self.assertEqual(self.focused(), "point", "after the window's controls")
        browser.press("Tab")
        self.assertEqual(self.focused(), "cmdStart")

        browser.press("p")
        self.assertFalse(browser.run(MARKED))

    def test_single_letter_keys_turned_off_do_nothing_while_the_menu_still_works(self):
        browser = self.browser

        def choose(caption):
            browser.run(OPEN_MENU)
            browser.driver.find_element(
                "xpath", f"//*[@id='board-menu']/*[span[text()='{caption}']]").click()

        def checked():
            browser.run(OPEN_MENU)
            browser.press("Escape")
            return browser.run("return [...document.querySelectorAll('#board-menu"
                               " [aria-checked=true] .caption')].map((c) => c.textContent);")

        choose("Jednopísmenné zkratky")
        for key in "abdptz":
            browser.press(key)
        self.assertEqual(checked(), [])
        choose("Zakrýt dírku A")
        choose("Zkoumat bod")
        self.assertEqual(self.focused(), "point")
        choose("Jednopísmenné zkratky")
        browser.press("a")
        self.assertEqual(checked(), ["Zkoumat bod", "Jednopísmenné zkratky"])


if __name__ == "__main__":
    unittest.main()
