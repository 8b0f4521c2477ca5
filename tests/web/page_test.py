"""The page as it opens: quiet, laid out as designed, its controls writing the fields, reachable
by keyboard and by assistive technology."""

import subprocess
import tempfile
import time
import unittest

from browser import Browser

# Each visible control's box in client-area pixels and its caption.
CONTROLS = {
    "cmdStart": ((536, 8, 73, 33), "Start"),
    "cmdKonec": ((616, 8, 65, 33), "Konec"),
    "HScroll1": ((144, 40, 153, 17), ""),
    "frmnRozteč": ((16, 64, 89, 105), "Rozteč dírek"),
    "frmVzdalenostDetektoru": ((16, 184, 169, 73), "Vzdálenost Detektor-Clona"),
    "frmKmitočet": ((16, 264, 113, 81), "Kmitočet"),
    "frmInterfeSvetloFoton": ((16, 352, 129, 73), "Interfer.obrazce"),
    "opVelka": ((32, 80, 49, 17), "velká"), "op60": ((32, 97, 49, 13), "menší"),
    "op40": ((32, 112, 57, 17), "střední"), "op20": ((32, 128, 57, 13), "malá"),
    "op0": ((32, 144, 49, 17), "0"),
    "opDc200": ((48, 200, 49, 13), "větší"), "opDc150": ((72, 216, 65, 17), "střední"),
    "opdc100": ((104, 232, 65, 17), "menší"),
    "op2": ((24, 280, 57, 17), "vyšší"), "op05": ((40, 296, 57, 17), "vysoký"),
    "op03": ((56, 312, 57, 13), "střední"), "op01": ((72, 328, 49, 13), "menší"),
    "opSvětlo": ((32, 368, 65, 13), "Světla"), "opFoton": ((40, 384, 57, 13), "Fotonu"),
    "opDopad": ((48, 400, 89, 13), "Dopad fotonů"),
}

# What each option writes, and into which field.
WRITES = {
    "opVelka": ("nOdchylka", "40"), "op60": ("nOdchylka", "15"), "op40": ("nOdchylka", "10"),
    "op20": ("nOdchylka", "5"), "op0": ("nOdchylka", "0"),
    "opdc100": ("nVzdalenost", "100"), "opDc150": ("nVzdalenost", "150"),
    "opDc200": ("nVzdalenost", "200"),
    "op05": ("nKmitočet", "0.5"), "op03": ("nKmitočet", "0.3"), "op01": ("nKmitočet", "0.1"),
    "op2": ("nKmitočet", "2"),
    "opFoton": ("nInterference", "1"), "opDopad": ("nInterference", "2"),
    "opSvětlo": ("nInterference", "0"),
}

# The scene labels' design places, where nothing is painted until a run shows them (labZdroj's
# less the column that the title's box covers).
SCENE_LABEL_BOXES = [(16, 8, 49, 17), (128, 64, 49, 33), (312, 40, 97, 33), (8, 32, 121, 33),
                     (64, 8, 32, 25), (464, 8, 57, 25), (216, 88, 17, 17), (256, 64, 17, 17)]


# Classroom screens: CSS pixels, pixel ratio, and whether the browser lays a page out as on a
# phone or a tablet.
SCREENS = {
    "phone": (390, 844, 3, True),
    "tablet": (1024, 768, 2, True),
    "whiteboard": (1920, 1080, 1, False),
    "projector": (3840, 2160, 1, False),
}

# Where the board and Start are, in the screen's pixels, and how the page is laid out.
GEOMETRY = """
    const onScreen = (id) => {
        const r = document.getElementById(id).getBoundingClientRect();
        return [r.x, r.y, r.width, r.height].map((v) => v * devicePixelRatio);
    };
    const page = document.documentElement;
    const board = document.getElementById("board");
    return {
        layout: [innerWidth, innerHeight, page.scrollWidth, page.scrollHeight],
        board: onScreen("board"),
        bitmap: [board.width, board.height],
        start: onScreen("cmdStart"),
    };
"""


def field(browser, name):
    return browser.hook("fieldText(arguments[0])", name)


class PageTest(unittest.TestCase):
    def setUp(self):
        self.browser = Browser()
        self.browser.open()

    def tearDown(self):
        self.browser.close()

    def test_opens_quietly_as_designed_and_runs_without_asking_the_network(self):
        browser = self.browser
        self.assertEqual(browser.driver.title, "Lumorix - https://lumorix.example.org")
        self.assertEqual(browser.run("return document.documentElement.lang;"), "cs")
        for name, (box, caption) in CONTROLS.items():
            with self.subTest(control=name):
                found = browser.run(
                    "const e = document.getElementById(arguments[0]); const r ="
                    " e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height,"
                    " (e.querySelector('.legend, .caption') || e).textContent];", name)
                for designed, shown in zip(box, found[:4]):
                    self.assertAlmostEqual(designed, shown, delta=1)
                self.assertEqual(found[4], caption)
        for hidden in ["frmAnimace", "opRychlá", "opPomalejší", "opPomalá", "nVzdalenost",
                       "nOdchylka", "nKmitočet", "nInterference", "nSpomaleni"]:
            self.assertFalse(browser.run("return Boolean(document.getElementById(arguments[0]));",
                                         hidden), hidden)

        with tempfile.NamedTemporaryFile(suffix=".png") as picture:
            browser.board_png(picture.name)
            for left, top, width, height in SCENE_LABEL_BOXES:
                colours = subprocess.run(
                    ["convert", picture.name, "-crop", f"{width}x{height}+{left}+{top}",
                     "-format", "%k", "info:"], capture_output=True, text=True, check=True)
                self.assertEqual(colours.stdout, "1", f"a label shows at {left}, {top}")

        browser.press_start()
        browser.wait_for_run_end()
        self.assertEqual(browser.console_errors(), [])
        self.assertEqual(browser.requests(), [])

    def test_starts_with_the_defaults_and_every_control_writes_its_field(self):
        browser = self.browser
        self.assertEqual([field(browser, name) for name in
                          ["nVzdalenost", "nOdchylka", "nKmitočet", "nInterference", "nSpomaleni"]],
                         ["200", "15", "2", "0", "1"])
        for option, (name, text) in WRITES.items():
            browser.driver.find_element("id", option).click()
            self.assertEqual(field(browser, name), text, option)
            self.assertEqual(browser.run(
                "return document.getElementById(arguments[0]).getAttribute('aria-checked');",
                option), "true")

        slider = browser.driver.find_element("id", "HScroll1")
        slider.click()
        for key, value in [("End", "20"), ("ArrowLeft", "19"), ("Home", "1"), ("ArrowRight", "2")]:
            browser.run("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                        " {key: arguments[0], bubbles: true}));", key)
            self.assertEqual(field(browser, "nSpomaleni"), value, key)
        more = browser.driver.find_element("css selector", "#HScroll1 .more")
        more.click()
        self.assertEqual(field(browser, "nSpomaleni"), "3")

    def test_keyboard_follows_the_design_and_enter_starts_a_run(self):
        browser = self.browser
        order = []
        for _ in range(8):
            order.append(browser.run("return document.activeElement.id;"))
            browser.driver.switch_to.active_element.send_keys("\t")
        self.assertEqual(order, ["cmdStart", "cmdKonec", "opDc200", "op60", "opSvětlo", "op2",
                                 "HScroll1", "cmdStart"])
        browser.run("document.getElementById('opSvětlo').focus();")
        browser.driver.switch_to.active_element.send_keys("\ue015")  # arrow down in the frame
        self.assertEqual(browser.run("return document.activeElement.id;"), "opFoton")
        self.assertEqual(field(browser, "nInterference"), "1")
        browser.run("document.getElementById('cmdStart').focus();")
        browser.driver.switch_to.active_element.send_keys("\ue007")  # Enter
        self.assertTrue(browser.hook("running()"))
        browser.wait_for_run_end()

    def test_assistive_technology_finds_every_control_under_its_czech_name(self):
        browser = self.browser
        browser.driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        found = {}
        for node in nodes:
            role = node.get("role", {}).get("value")
            name = node.get("name", {}).get("value")
            found.setdefault(role, []).append(name)
        self.assertEqual(sorted(found["button"]), ["Konec", "Start"])
        self.assertEqual(found["radiogroup"], ["Rozteč dírek", "Vzdálenost Detektor-Clona",
                                               "Kmitočet", "Interfer.obrazce"])
        self.assertIn("Dopad fotonů", found["radio"])
        self.assertEqual(len(found["radio"]), 15)
        self.assertEqual(found["slider"], ["Zpomalení animace"])
        self.assertEqual(found["image"], ["Obrazec"])
        description = [node.get("description", {}).get("value") for node in nodes
                       if node.get("role", {}).get("value") == "image"][0]
        self.assertTrue(description.startswith("Zatím prázdná plocha."), description)


class FitTest(unittest.TestCase):
    def test_the_client_area_fills_each_screen_centred_and_at_its_own_pixels(self):
        browser = Browser()
        self.addCleanup(browser.close)
        for name, (width, height, ratio, mobile) in SCREENS.items():
            with self.subTest(screen=name):
                browser.emulate(width, height, ratio, mobile)
                browser.open()
                found = browser.run(GEOMETRY)
                self.assertEqual(found["layout"], [width, height, width, height],
                                 "laid out as wide as the screen, with nothing to scroll")
                left, top, shown_width, shown_height = found["board"]
                for value in found["board"]:
                    self.assertAlmostEqual(value, round(value), delta=0.01, msg="whole pixels")
                self.assertEqual([round(shown_width), round(shown_height)], found["bitmap"],
                                 "a pixel of the board's bitmap for each pixel of the screen")
                self.assertEqual(round(shown_width) * 3, round(shown_height) * 4)
                right, bottom = width * ratio - left - shown_width, height * ratio - top - shown_height
                self.assertGreaterEqual(min(left, top, right, bottom), 0, "within the screen")
                self.assertLessEqual(abs(left - right), 1, "centred")
                self.assertLessEqual(abs(top - bottom), 1, "centred")
                self.assertTrue(left + right < 8 or top + bottom < 6, "as large as it fits")
                scale = shown_width / 800
                for designed, at, shown in zip((536, 8, 73, 33), (left, top, 0, 0),
                                               found["start"]):
                    self.assertAlmostEqual(at + designed * scale, shown, delta=1,
                                           msg="the controls scaled with the board")

    def test_a_resize_part_way_through_a_run_loses_nothing(self):
        # An impact run of 1.2 s, its window resized from 800 × 600 to a tablet's screen part way:
        # at its end the board shows what the same run shows on the tablet from the start.
        pictures = []
        for resize in [True, False]:
            browser = Browser() if resize else Browser(1024, 768, 2)
            self.addCleanup(browser.close)
            browser.open()
            browser.driver.find_element("id", "opDopad").click()
            browser.press_start()
            if resize:
                time.sleep(0.4)
                browser.emulate(1024, 768, 2)
                self.assertTrue(browser.hook("running()"), "resized while the run was running")
            browser.wait_until_idle()
            pictures.append(tempfile.NamedTemporaryFile(suffix=".png"))
            browser.board_png(pictures[-1].name)
        differing = subprocess.run(["compare", "-metric", "AE", pictures[0].name,
                                    pictures[1].name, "null:"], capture_output=True, text=True)
        self.assertEqual(differing.stderr, "0")


if __name__ == "__main__":
    unittest.main()
