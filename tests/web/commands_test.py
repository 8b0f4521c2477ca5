"""The teacher's commands in the page, as on the desktop: a clean board, the picture saved, the
help and the context menu, by keyboard and for assistive technology, waiting like any input."""

import pathlib
import subprocess
import tempfile
import time
import unittest

from selenium.webdriver.common.keys import Keys

from browser import Browser

MENU = [["Kopírovat obrázek", "Ctrl+C"], ["Uložit obrázek…", "Ctrl+S"],
        ["Uložit data…", "Ctrl+E"], ["Nový obrazec", "Ctrl+N"], ["Celá obrazovka", "F11"],
        ["Nápověda", "F1"], ["Zvuk", "Z"], ["Teorie", "T"], ["Zakrýt dírku A", "A"],
        ["Zakrýt dírku B", "B"], ["Detektor průchodu", "D"], ["Zkoumat bod", "P"],
        ["Jednopísmenné zkratky", ""]]


def press(browser, key, ctrl=False):
    browser.run("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                " {key: arguments[0], ctrlKey: arguments[1], bubbles: true, cancelable: true}));",
                key, ctrl)


def same_pictures(first, second):
    return subprocess.run(["compare", "-metric", "AE", first, second, "null:"],
                          capture_output=True, text=True).stderr == "0"


class CommandsTest(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.addCleanup(self.browser.close)
        self.browser.open()
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def test_ctrl_n_during_a_run_cleans_the_board_after_it_and_the_settings_go_on(self):
        browser = self.browser
        browser.board_png(f"{self.folder.name}/start-up.png")
        browser.driver.find_element("id", "opDopad").click()
        browser.hook("setFieldText('nSpomaleni', '5')")
        browser.press_start()
        press(browser, "n", ctrl=True)
        self.assertTrue(browser.hook("running()"))
        browser.wait_until_idle()
        browser.board_png(f"{self.folder.name}/clean.png")
        self.assertTrue(same_pictures(f"{self.folder.name}/start-up.png",
                                      f"{self.folder.name}/clean.png"), "the start-up picture")
        self.assertEqual(browser.hook("fieldText('nInterference')"), "2")
        self.assertTrue(browser.run("return document.getElementById('board-description')"
                                    ".textContent.startsWith('Zatím prázdná plocha.');"))

    def test_ctrl_s_saves_the_picture_as_shown_under_the_minute_it_was_saved(self):
        browser = self.browser
        browser.driver.execute_cdp_cmd("Browser.setDownloadBehavior", {
            "behavior": "allow", "downloadPath": self.folder.name})
        browser.press_start()
        browser.wait_until_idle()
        press(browser, "s", ctrl=True)
        browser.wait_for("window.lumorixTestHook.lastSave()")
        name = browser.hook("lastSave()")["name"]
        self.assertRegex(name, r"^lumorix-\d{4}-\d\d-\d\d-\d{4}\.png$")
        saved = pathlib.Path(self.folder.name, name)
        deadline = time.monotonic() + 30
        while not saved.exists() and time.monotonic() < deadline:
            time.sleep(0.05)
        browser.board_png(f"{self.folder.name}/shown.png")
        self.assertTrue(same_pictures(str(saved), f"{self.folder.name}/shown.png"))

    def test_the_context_menu_lists_the_commands_and_leads_to_the_help_and_back(self):
        browser = self.browser
        driver = browser.driver
        browser.run("document.getElementById('board').dispatchEvent(new MouseEvent('contextmenu',"
                    " {bubbles: true, cancelable: true, clientX: 300, clientY: 200}));")
        listed = browser.run("return [...document.querySelectorAll('#board-menu [role^=menuitem]')]"
                             ".map((item) => [...item.children].map((part) => part.textContent));")
        self.assertEqual(listed, MENU)
        self.assertEqual(browser.run("return document.activeElement.getAttribute('role');"),
                         "menuitem", "the keyboard is in the menu")
        active = driver.switch_to.active_element
        active.send_keys(Keys.END)
        for _ in range(7):
            driver.switch_to.active_element.send_keys(Keys.ARROW_UP)
        driver.switch_to.active_element.send_keys(Keys.ENTER)
        help_dialog = driver.find_element("id", "help")
        self.assertTrue(help_dialog.is_displayed())
        self.assertIn("Nápověda – Lumorix", help_dialog.text)
        self.assertIn("Ctrl+N", help_dialog.text)
        driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.assertFalse(help_dialog.is_displayed())
        self.assertEqual(browser.run("return document.activeElement.id;"), "cmdStart",
                         "the focus is back where the menu was opened from")

        browser.run("document.getElementById('board').dispatchEvent(new MouseEvent('contextmenu',"
                    " {bubbles: true, cancelable: true, clientX: 300, clientY: 200}));")
        driver.switch_to.active_element.send_keys(Keys.ESCAPE)
        self.assertTrue(browser.run("return document.getElementById('board-menu').hidden;"))
        press(browser, "F1")
        self.assertTrue(help_dialog.is_displayed(), "F1 opens the help too")

    def test_celá_obrazovka_fills_the_screen_and_comes_back(self):
        browser = self.browser
        driver = browser.driver
        for wanted in [True, False]:
            browser.run("document.getElementById('board').dispatchEvent(new MouseEvent("
                        "'contextmenu', {bubbles: true, cancelable: true, clientX: 9, clientY: 9}));")
            item = driver.find_elements("css selector", "#board-menu [role^=menuitem]")[4]
            self.assertEqual(item.get_attribute("aria-checked"), str(not wanted).lower())
            item.click()
            browser.wait_for(f"Boolean(document.fullscreenElement) === {str(wanted).lower()}")

    def test_t_marks_the_formulas_fringes_over_the_board_never_in_its_picture(self):
        browser = self.browser
        marked = ("const theory = document.getElementById('theory');"
                  "if (theory.hidden) return 0;"
                  "const pixels = theory.getContext('2d')"
                  "    .getImageData(0, 0, theory.width, theory.height).data;"
                  "let red = 0;"
                  "for (let i = 0; i < pixels.length; i += 4)"
                  "    red += pixels[i] === 0xc8 && pixels[i + 1] === 0 && pixels[i + 3] === 255;"
                  "return red;")
        browser.press_start()
        browser.wait_until_idle()
        picture = browser.hook("picture()")
        press(browser, "t")
        first = browser.run(marked)
        self.assertGreater(first, 0)
        press(browser, "c", ctrl=True)
        browser.wait_for("window.lumorixTestHook.lastCopy()")
        self.assertEqual(browser.hook("picture()"), picture, "the board's picture has no marks")

        browser.driver.find_element("id", "opDc150").click()
        self.assertNotEqual(browser.run(marked), first, "the marks follow the settings")
        press(browser, "t")
        self.assertEqual(browser.run(marked), 0)


if __name__ == "__main__":
    unittest.main()
