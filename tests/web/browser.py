"""Debian's Chromium, headless, driven through chromium-driver, with the page opened from file://.
Shared by the page's tests and benchmarks."""

import base64
import json
import os
import pathlib
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

BUILD = pathlib.Path(os.environ.get("LUMORIX_WEB_BUILD",
                                    pathlib.Path(__file__).resolve().parents[2] / "build-web"))
# The page as the tests build it, which can also write a field as no control could.
PAGE = BUILD / "lumorix-test.html"


class Browser:
    """One headless Chromium with a fresh profile, closed by close()."""

    def __init__(self, width=800, height=600, scale=1):
        self.profile = tempfile.mkdtemp(prefix="lumorix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ["--headless=new", "--no-sandbox", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--no-first-run",
                         "--disable-gpu", f"--user-data-dir={self.profile}",
                         f"--force-device-scale-factor={scale}",
                         f"--window-size={width},{height}"]:
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(120)
        # The window's outer size includes no frame when headless, but set the inner size exactly.
        self.emulate(width, height, scale)

    def emulate(self, width, height, scale, mobile=False):
        """Makes the page's viewport a screen of that size in CSS pixels and that pixel ratio;
        a mobile one lays the page out as a phone or a tablet does."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})

    def open(self):
        self.driver.get_log("performance")  # what the browser's own start page asked for
        self.driver.get(PAGE.as_uri())
        self.wait_for("document.documentElement.dataset.ready")
        return self

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

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
        self.driver.find_element("id", "cmdStart").click()

    def wait_for_run_end(self, timeout=120):
        self.wait_for("!window.lumorixTestHook.running()", timeout)

    def wait_until_idle(self, timeout=120):
        """Until no run plays and the board is not being drawn afresh."""
        self.wait_for("!window.lumorixTestHook.busy()", timeout)

    def board_png(self, path):
        """Saves the drawing board, at the page's pixels, as a PNG."""
        data = self.hook("picture()").split(",", 1)[1]
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    def console_errors(self):
        return [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def requests(self):
        """The URLs the page asked for since the last call, beyond the page itself and data:.
        The browser's own pages (chrome://, such as a first run's start page loading late) are
        not the page's and never reach the network."""
        asked = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                if not url.startswith(("data:", "chrome:")) and url != PAGE.as_uri():
                    asked.append(url)
        return asked

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
