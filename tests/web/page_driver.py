"""What the page's tests do with a browser, whichever engine it is: open the page from file:// at
a viewport size and pixel ratio, run scripts, click and type as a user does, and read the board,
a screenshot, the console's errors and the requests the page made. Each engine implements the
few primitives at the bottom; everything else is shared."""

import base64
import os
import pathlib
import time

BUILD = pathlib.Path(os.environ.get("LUMORIX_WEB_BUILD",
                                    pathlib.Path(__file__).resolve().parents[2] / "build-web"))
# The page as the tests build it, which can also write a field as no control could.
PAGE = BUILD / "lumorix-test.html"

# Where an element's centre is, in the viewport's CSS pixels, for a pointer to press it.
CENTRE = """
    const r = document.getElementById(arguments[0]).getBoundingClientRect();
    return [r.x + r.width / 2, r.y + r.height / 2];
"""


class PageDriver:
    """One browser with a fresh profile showing the page; close() ends it. An engine's
    constructor takes the viewport's size in CSS pixels, its pixel ratio and the smallest font
    size that its user allows (None: the browser's default)."""

    def open(self):
        """Opens the page afresh, a new program, and waits until it is ready for input."""
        self.navigate(PAGE.as_uri())
        self.wait_for("document.documentElement.dataset.ready")
        return self

    def run(self, script, *arguments):
        """Runs a function body in the page with these arguments and returns what it returns,
        once settled when that is a promise."""
        raise NotImplementedError

    def wait_for(self, condition, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.run(f"return Boolean({condition});"):
                return
            time.sleep(0.02)
        raise TimeoutError(f"the page never came to: {condition}")

    def hook(self, call, *arguments):
        return self.run(f"return window.lumorixTestHook.{call};", *arguments)

    def press_start(self):
        self.click("cmdStart")

    def wait_for_run_end(self, timeout=120):
        self.wait_for("!window.lumorixTestHook.running()", timeout)

    def wait_until_idle(self, timeout=120):
        """Until no run plays and the board is not being redrawn."""
        self.wait_for("!window.lumorixTestHook.busy()", timeout)

    def board_png(self, path):
        """Saves the drawing board, at the page's pixels, as a PNG."""
        data = self.hook("picture()").split(",", 1)[1]
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    # What each engine provides.

    def navigate(self, url):
        raise NotImplementedError

    def resize(self, width, height):
        """Gives the viewport that size in CSS pixels, at the pixel ratio it has."""
        raise NotImplementedError

    def click(self, element_id):
        """Presses and releases the primary button over the element's centre."""
        raise NotImplementedError

    def press(self, key, ctrl=False):
        """Presses and releases a key (a character or a name such as "Enter", "Tab", "Escape",
        "ArrowDown", "F1") on the focused element, with Ctrl held if asked."""
        raise NotImplementedError

    def screenshot(self, path):
        """Saves what the viewport shows, at the screen's pixels, as a PNG."""
        raise NotImplementedError

    def console_errors(self):
        """The console's error messages since the page opened, as texts."""
        raise NotImplementedError

    def requests(self):
        """The URLs the page asked for, beyond the page itself and data:."""
        raise NotImplementedError

    def close(self):
        raise NotImplementedError


# WebDriver's key codes for the key names that the tests press.
WEBDRIVER_KEYS = {
    "Enter": "\ue007", "Tab": "\ue004", "Escape": "\ue00c", "Control": "\ue009",
    "ArrowLeft": "\ue012", "ArrowUp": "\ue013", "ArrowRight": "\ue014", "ArrowDown": "\ue015",
    "Home": "\ue011", "End": "\ue010", "F1": "\ue031", " ": " ",
}


def webdriver_key(key):
    return WEBDRIVER_KEYS.get(key, key)
