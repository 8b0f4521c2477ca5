"""Input during a run waits for its end; Konec and a fatal error end the program."""

import random
import unittest

from selenium.webdriver.common.keys import Keys

from browser import Browser


class InputTest(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.browser.open()
        self.addCleanup(self.browser.close)

    def field(self, name):
        return self.browser.hook("fieldText(arguments[0])", name)

    def test_a_click_during_a_run_is_handled_when_the_run_has_ended(self):
        browser = self.browser
        browser.hook("setFieldText('nSpomaleni', '20')")  # a run of 24 s
        browser.press_start()
        self.assertTrue(browser.hook("running()"))
        self.assertEqual(browser.run("return getComputedStyle(document.body).cursor;"), "wait")
        browser.driver.find_element("id", "opDopad").click()
        browser.driver.find_element("id", "cmdKonec").click()
        self.assertEqual(self.field("nInterference"), "0")
        self.assertFalse(browser.hook("ended()"))
        browser.wait_for_run_end()
        self.assertEqual(self.field("nInterference"), "2", "the click, after the run")
        self.assertTrue(browser.hook("ended()"), "then Konec, in order")

    def test_konec_ends_the_program_and_offers_to_start_it_again(self):
        browser = self.browser
        browser.driver.find_element("id", "cmdKonec").click()
        self.assertEqual(browser.driver.find_element("id", "ended").text.splitlines(),
                         ["Program Lumorix skončil.", "Spustit znovu"])
        browser.driver.find_element("id", "restart").click()
        browser.wait_for("document.documentElement.dataset.ready")
        self.assertEqual(self.field("nVzdalenost"), "200")

    def test_ctrl_c_copies_the_picture_as_the_board_shows_it(self):
        # The window shows the client area at half its size, on a screen of two pixels a pixel:
        # the copy is the whole 800 × 600 area at the screen's pixels, one for each pixel shown.
        browser = Browser(400, 300, 2)
        self.addCleanup(browser.close)
        browser.open()
        browser.driver.switch_to.active_element.send_keys(Keys.CONTROL, "c")
        browser.wait_for("window.lumorixTestHook.lastCopy()")
        copy = browser.hook("lastCopy()")
        self.assertEqual(copy["size"], [800, 600])
        self.assertGreater(copy["bytes"], 0)

    def test_a_field_that_is_not_a_number_shows_the_fatal_error_and_ends(self):
        browser = self.browser
        browser.hook("setFieldText('nOdchylka', 'Odchylka')")
        browser.press_start()
        browser.wait_for("document.getElementById('fatal-error')")
        dialog = browser.driver.find_element("id", "fatal-error")
        self.assertEqual(dialog.text.splitlines(),
                         ["Lumorix", "Chyba za běhu číslo 13:", "Neshoda typů", "OK"])
        dialog.find_element("tag name", "button").click()
        browser.wait_for("window.lumorixTestHook.ended()")  # the dialog closes in a task of its own
        self.assertEqual(browser.console_errors(), [])


class MonkeyTest(unittest.TestCase):
    """Random clicks and keys over the page, runs included, seeded so that a failure repeats."""

    EVENTS = 300

    def test_the_page_survives_random_input_and_still_answers(self):
        browser = Browser()
        self.addCleanup(browser.close)
        browser.open()
        browser.hook("setFieldText('nSpomaleni', '0')")
        chooser = random.Random(20261209)
        keys = ["Tab", "Enter", " ", "ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", "Home",
                "End", "PageUp", "PageDown", "c", "x"]
        for _ in range(self.EVENTS):
            if chooser.random() < 0.5:
                x, y = chooser.randrange(800), chooser.randrange(600)
                # Konec would end the session; everything else is fair game.
                browser.run("const e = document.elementFromPoint(arguments[0], arguments[1]);"
                            "if (e && !e.closest('#cmdKonec')) e.dispatchEvent(new MouseEvent("
                            "'click', {bubbles: true, clientX: arguments[0], clientY: arguments[1]}));",
                            x, y)
            else:
                key = chooser.choice(keys)
                if key in ("Enter", " ") and browser.run(
                        "return document.activeElement.id;") == "cmdKonec":
                    continue
                browser.run("(document.activeElement || document.body).dispatchEvent(new"
                            " KeyboardEvent('keydown', {key: arguments[0], ctrlKey: arguments[1],"
                            " shiftKey: arguments[2], bubbles: true}));",
                            key, chooser.random() < 0.1, chooser.random() < 0.2)
            if browser.hook("running()"):
                browser.wait_for_run_end()
        self.assertEqual(browser.console_errors(), [])
        self.assertFalse(browser.hook("ended()"))
        self.assertEqual(browser.run("return document.activeElement.closest('#client') !== null;"),
                         True, "the focus is still on a control")
        browser.driver.find_element("id", "op0").click()
        self.assertEqual(browser.hook("fieldText('nOdchylka')"), "0", "the page still answers")


if __name__ == "__main__":
    unittest.main()
