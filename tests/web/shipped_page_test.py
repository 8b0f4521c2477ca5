"""The page as it ships, which has no hook for the tests: it becomes ready, says nothing on the
console, asks the network for nothing, and a press of Start makes a run."""

import unittest

from browser import Browser
from page_driver import BUILD

SHIPPED = BUILD / "lumorix.html"

# Ready for input, as the page shows it: the board drawn at the screen's pixels, no wait cursor,
# and the keyboard on Start.
IDLE = ("document.getElementById('board').width === 800"
        " && getComputedStyle(document.body).cursor !== 'wait'")
READY = f"{IDLE} && document.activeElement.id === 'cmdStart'"

# How many colours the board shows where the run puts the caption "Detektor", read from a copy so
# that the page's own canvas is never read back.
DETEKTOR_COLOURS = """
    const copy = document.createElement('canvas');
    copy.width = 57;
    copy.height = 25;
    const context = copy.getContext('2d');
    context.drawImage(document.getElementById('board'), 450, 60, 57, 25, 0, 0, 57, 25);
    const pixels = context.getImageData(0, 0, 57, 25).data;
    const colours = new Set();
    for (let i = 0; i < pixels.length; i += 4)
        colours.add(pixels.slice(i, i + 3).join());
    return colours.size;
"""


class ShippedPageTest(unittest.TestCase):
    def test_becomes_ready_quietly_and_start_makes_a_run(self):
        browser = Browser()
        self.addCleanup(browser.close)
        for log in ["browser", "performance"]:
            browser.driver.get_log(log)  # what the browser did before the page
        browser.navigate(SHIPPED.as_uri())
        browser.wait_for(READY)
        self.assertFalse(browser.run("return 'lumorixTestHook' in window;"))
        picture = browser.run("return document.getElementById('board').toDataURL();")
        self.assertEqual(browser.run(DETEKTOR_COLOURS), 1, "no caption before a run")

        browser.press_start()
        self.assertEqual(browser.run("return getComputedStyle(document.body).cursor;"), "wait")
        browser.wait_for(IDLE, timeout=120)
        self.assertNotEqual(browser.run("return document.getElementById('board').toDataURL();"),
                            picture)
        self.assertGreater(browser.run(DETEKTOR_COLOURS), 1, "the caption shows")
        self.assertTrue(browser.run("return document.getElementById('board-description')"
                                    ".textContent.startsWith('Vlevo bodový zdroj světla');"))

        self.assertEqual(browser.driver.get_log("browser"), [])
        self.assertEqual([url for url in browser.requests() if url != SHIPPED.as_uri()], [])


if __name__ == "__main__":
    unittest.main()
