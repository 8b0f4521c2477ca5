"""The checks a classroom depends on, the same in each engine that its browsers are built on:
Chromium (Chrome, Edge), Gecko (Firefox) and WebKit (Safari). The page opens quietly, keeps the
pace of its runs and makes the desktop's calls, shows every caption whole, draws what Chromium
draws and passes the accessibility audit.

Run one engine's checks with `python3 -m unittest engines_test.Gecko` (or Chromium, WebKit)."""

import tempfile
import unittest

import audit
from browser import Browser
from engine_test import desktop_trace, disagreeing_share, pixels
from gecko import Gecko as GeckoDriver
from webkit import WebKit as WebKitDriver

# The display modes: the option that selects each, and the fields a run then reads.
MODES = {"opSvětlo": "200 15 2 0", "opFoton": "200 15 2 1", "opDopad": "200 15 2 2"}

# The sum of a run's pauses at the start-up slowdown: 399 steps of 3 ms.
PAUSES = 399 * 3

# The labels painted on the board after a run with the start-up selections: each one's design box
# and the lines the desktop sets its caption in. The pattern captions share a box: the photon
# mode shows the one, the others the other. Label1, one pixel high, shows no text at all.
FIXED_LABELS = {
    (96, 8, 361, 25): ["Interferenční obrazec světla nebo fotonu"],
    (208, 280, 217, 57): ["Klepněte na tlačitko", "Start"],
}
SCENE_LABELS = {
    (210, 90, 49, 17): ["Clona"],
    (540, 150, 49, 33): ["Hustota", "fotonů"],
    (120, 310, 33, 25): ["Zdroj"],
    (450, 60, 57, 25): ["Detektor"],
    (220, 250, 17, 17): ["A"],
    (220, 335, 17, 17): ["B"],
}
PATTERN_CAPTIONS = {
    "opFoton": {(620, 60, 121, 33): ["Pravděpodobnostní", "obrazec fotonu"]},
    "opSvětlo": {(620, 60, 97, 33): ["Interferenční", "obrazec světla"]},
}

# Records every text painted on a canvas from now on: where it starts and ends, where its ink
# does, and its baseline, in the canvas's own units (the board's are client-area pixels), as the
# engine's own metrics set it, condensed to the width asked when one is.
RECORD_TEXT = """
    window.paintedText = [];
    if (window.recordingText)
        return;
    window.recordingText = true;
    const fillText = CanvasRenderingContext2D.prototype.fillText;
    CanvasRenderingContext2D.prototype.fillText = function (text, x, y, maxWidth) {
        const metrics = this.measureText(text);
        const width = arguments.length > 3 ? Math.min(metrics.width, maxWidth) : metrics.width;
        const condensed = width / metrics.width;
        const left = this.textAlign === "center" ? x - width / 2 : x;
        window.paintedText.push({text, left, right: left + width, baseline: y,
                                 inkLeft: left - metrics.actualBoundingBoxLeft * condensed,
                                 inkRight: left + metrics.actualBoundingBoxRight * condensed});
        return fillText.apply(this, arguments);
    };
"""

# How far each control's caption reaches beyond its control's inside (its border excepted),
# at either side, in client-area pixels, as the engine has laid it out.
CAPTION_OVERRUNS = """
    const scale = document.getElementById("client").getBoundingClientRect().width / 800;
    const found = [];
    for (const caption of document.querySelectorAll(
             "#client .button, #client .legend, #client .option > .caption")) {
        const range = document.createRange();
        range.selectNodeContents(caption);
        const text = range.getBoundingClientRect();
        const control = caption.closest(".button, .frame, .option");
        const border = parseFloat(getComputedStyle(control.querySelector(".border") || control)
                                  .borderRightWidth) * scale;
        const box = control.getBoundingClientRect();
        found.push([caption.textContent, Math.max(box.left + border - text.left,
                                                  text.right - (box.right - border)) / scale]);
    }
    return found;
"""


class EngineChecks:
    engine = None

    @classmethod
    def setUpClass(cls):
        cls.browser = cls.engine()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def open(self, slowdown=None):
        browser = self.browser.open()
        if slowdown is not None:
            browser.hook("setFieldText('nSpomaleni', arguments[0])", slowdown)
        return browser

    def make_run(self, option):
        self.browser.click(option)
        self.browser.press_start()
        self.browser.wait_until_idle()

    def test_opens_and_runs_without_an_error_or_a_request(self):
        browser = self.open(slowdown="0")
        self.assertEqual(browser.console_errors(), [])
        self.assertEqual(browser.requests(), [])
        self.make_run("opDopad")
        self.assertEqual(browser.console_errors(), [])
        self.assertEqual(browser.requests(), [])

    def test_a_run_in_each_mode_keeps_its_pace_and_makes_the_desktops_calls(self):
        for option, fields in MODES.items():
            with self.subTest(mode=option):
                browser = self.open()
                browser.hook("keepTrace()")
                self.make_run(option)
                run = browser.hook("lastRun()")
                pace = (run["ended"] - run["started"]) / PAUSES
                self.assertTrue(0.99 <= pace <= 1.05, f"a run lasted {pace:.3f}× its pauses")
                self.assertEqual(browser.hook("trace()").splitlines(),
                                 desktop_trace(fields, "1", runs=1).splitlines())

    def test_every_caption_shows_whole_as_the_desktop_sets_it(self):
        # Each size repaints the whole board; at 1024 × 768 the client area is scaled by 1.28.
        browser = self.open(slowdown="0")
        self.addCleanup(browser.resize, 800, 600)
        for option, caption in PATTERN_CAPTIONS.items():
            self.make_run(option)
            for size in [(1024, 768), (800, 600)]:
                with self.subTest(mode=option, size=size):
                    browser.run(RECORD_TEXT)
                    browser.resize(*size)
                    expected = {**FIXED_LABELS, **SCENE_LABELS, **caption}
                    self.check_painted_labels(expected)
                    overruns = browser.run(CAPTION_OVERRUNS)
                    self.assertEqual(len(overruns), 21)
                    for text, overrun in overruns:
                        self.assertLessEqual(overrun, 1, f"the caption {text} is clipped")

    def check_painted_labels(self, expected):
        """Every label shows the lines the desktop sets, each whole within its box (±1 px) and its
        ink within the box, where nothing is cut; a line that the box cannot hold, below it, is
        missing from it."""
        wanted = sum(len(lines) for lines in expected.values())
        self.browser.wait_for(f"window.paintedText.length >= {wanted}")
        self.browser.wait_until_idle()  # the redraw under way, to its last run's labels
        shown = {box: [] for box in expected}
        for line in self.browser.run("return window.paintedText;"):
            middle, baseline = (line["left"] + line["right"]) / 2, line["baseline"]
            for (left, top, width, height), lines in expected.items():
                # A redraw paints the board's earlier runs too, and their labels where they were.
                if (left <= middle <= left + width and top <= baseline <= top + height
                        and line["text"] in lines):
                    shown[(left, top, width, height)].append(line["text"])
                    self.assertGreaterEqual(line["left"], left - 1, line["text"])
                    self.assertLessEqual(line["right"], left + width + 1, line["text"])
                    self.assertGreaterEqual(line["inkLeft"], left - 0.01, line["text"])
                    self.assertLessEqual(line["inkRight"], left + width + 0.01, line["text"])
        for box, lines in expected.items():
            self.assertEqual(shown[box][-len(lines):], lines, f"the label at {box}")

    def test_a_users_minimum_font_size_condenses_the_controls_captions_into_their_boxes(self):
        # Captions of 11 px set at 13 px are wider than several options leave them.
        browser = self.engine(minimum_font_size=13)
        self.addCleanup(browser.close)
        browser.open()
        # Gecko reports the font size asked for; the height of the lines shows the size set.
        self.assertGreaterEqual(browser.run(
            "const range = document.createRange();"
            "range.selectNodeContents(document.querySelector('#opDopad > .caption'));"
            "return range.getBoundingClientRect().height;"), 15, "set at 13 px")
        for text, overrun in browser.run(CAPTION_OVERRUNS):
            self.assertLessEqual(overrun, 1, f"the caption {text} is clipped")

    def test_the_board_agrees_with_chromiums(self):
        # The engines antialias and set text apart: a pixel agrees when one at most a pixel away
        # in the other picture is within a quarter of the colour range of it, and 1 % of the
        # board's pixels may disagree.
        if self.engine is Browser:
            self.skipTest("engine_test compares Chromium's board with the desktop's")
        chromium = Browser()
        self.addCleanup(chromium.close)
        for options in [["opDopad"], ["opFoton", "opVelka", "op05"]]:
            with self.subTest(options=options), tempfile.TemporaryDirectory() as folder:
                for browser, name in [(self.browser, "engine"), (chromium, "chromium")]:
                    browser.open()
                    browser.hook("setFieldText('nSpomaleni', '0')")
                    for option in options:
                        browser.click(option)
                    for _ in range(2):
                        browser.press_start()
                        browser.wait_until_idle()
                    browser.board_png(f"{folder}/{name}.png")
                self.assertLess(disagreeing_share(pixels(f"{folder}/chromium.png"),
                                                  pixels(f"{folder}/engine.png")), 0.01)

    def test_the_page_after_a_run_and_its_help_and_menu_break_no_accessibility_rule(self):
        browser = self.open(slowdown="0")
        self.make_run("opFoton")
        self.assertEqual(audit.violations(browser), [])
        browser.press("F1")
        browser.wait_for("document.getElementById('help').open")
        self.assertEqual(audit.violations(browser), [], "with the help open")
        browser.press("Escape")
        browser.run("document.getElementById('board').dispatchEvent(new MouseEvent('contextmenu',"
                    " {bubbles: true, cancelable: true, clientX: 300, clientY: 200}));")
        browser.wait_for("!document.getElementById('board-menu').hidden")
        self.assertEqual(audit.violations(browser), [], "with the menu open")


class Chromium(EngineChecks, unittest.TestCase):
    engine = Browser


class Gecko(EngineChecks, unittest.TestCase):
    engine = GeckoDriver


class WebKit(EngineChecks, unittest.TestCase):
    engine = WebKitDriver


if __name__ == "__main__":
    unittest.main()
