"""Debian's Chromium, headless, driven through chromium-driver, with the page opened from file://.
Shared by the page's tests and benchmarks."""

import json
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from page_driver import BUILD, PAGE  # noqa: F401 (the benchmarks find the build through here)
from selenium_page import SeleniumPage


class Browser(SeleniumPage):
    """One headless Chromium with a fresh profile, closed by close()."""

    def __init__(self, width=800, height=600, scale=1, minimum_font_size=None):
        self.scale = scale
        self.profile = tempfile.mkdtemp(prefix="lumorix-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ["--headless=new", "--no-sandbox", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--no-first-run",
                         "--disable-gpu", f"--user-data-dir={self.profile}",
                         f"--force-device-scale-factor={scale}",
                         f"--window-size={width},{height}"]:
            options.add_argument(argument)
        # Downloads go into the profile, and go with it.
        preferences = {"download.default_directory": self.profile}
        if minimum_font_size:
            preferences["webkit.webprefs.minimum_font_size"] = minimum_font_size
        options.add_experimental_option("prefs", preferences)
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

    def resize(self, width, height):
        self.emulate(width, height, self.scale)

    def open(self):
        self.driver.get_log("performance")  # what the browser's own start page asked for
        return super().open()

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] == "SEVERE"]

    def requests(self):
        """The URLs the page asked for since the last call, beyond the page itself and data:.
        The browser's own pages (chrome:// and chrome-untrusted://, such as a first run's start
        page loading late) are not the page's and never reach the network."""
        asked = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                if (not url.startswith(("data:", "chrome:", "chrome-untrusted:"))
                        and url != PAGE.as_uri()):
                    asked.append(url)
        return asked

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
