"""Debian's WebKitGTK, the engine of Safari, in its MiniBrowser on an Xvfb screen of its own,
driven through webkit2gtk-driver.

The driver reads no console and no network: an automated MiniBrowser browses in an ephemeral
session, where WebKit writes no console message anywhere. So the page is watched from inside
once it has opened: its uncaught errors, rejected promises, refused content and console errors
from then on, and the resources it loaded (a load that the page's policy refuses is an error)."""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.webkitgtk.options import Options
from selenium.webdriver.webkitgtk.service import Service

from page_driver import PAGE
from selenium_page import SeleniumPage

MINI_BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

WATCH = """
    if (window.lumorixDriverErrors)
        return;
    const errors = window.lumorixDriverErrors = [];
    addEventListener("error", (event) => errors.push(`${event.message}`), true);
    addEventListener("unhandledrejection", (event) => errors.push(`${event.reason}`));
    document.addEventListener("securitypolicyviolation",
                              (event) => errors.push(`refused: ${event.blockedURI}`));
    const error = console.error;
    console.error = (...parts) => { errors.push(parts.join(" ")); error.apply(console, parts); };
"""


PR_SET_PDEATHSIG = 1


def end_with_parent():
    """Ends the screen, and with it the browser on it, should the tests die without closing."""
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class WebKit(SeleniumPage):
    """One MiniBrowser window of the given inner size; GTK's whole-number scale gives the pixel
    ratio, so it is 1 or 2. Closed by close()."""


    def __init__(self, width=800, height=600, scale=1, minimum_font_size=None):
        if minimum_font_size:
            # MiniBrowser sets none from its command line, and the driver sets no preferences.
            raise unittest.SkipTest("MiniBrowser takes no minimum font size")
        self.screen = self._start_screen(width * scale + 200, height * scale + 200)
        self.profile = tempfile.mkdtemp(prefix="lumorix-webkit-")
        # Downloads go into the profile, and go with it.
        with open(os.path.join(self.profile, "user-dirs.dirs"), "w") as folders:
            folders.write(f'XDG_DOWNLOAD_DIR="{self.profile}"\n')
        options = Options()
        options.binary_location = MINI_BROWSER
        options.add_argument("--automation")
        # Without a graphics card, WebKit's compositing (GL in software) stalls the page's thread
        # for hundreds of milliseconds at a time, and runs fall behind their pace; a machine
        # without one is not what the tests are about.
        environment = {**os.environ, "DISPLAY": self.display, "GDK_SCALE": str(scale),
                       "WEBKIT_DISABLE_COMPOSITING_MODE": "1",
                       "XDG_CACHE_HOME": self.profile, "XDG_DATA_HOME": self.profile,
                       "XDG_CONFIG_HOME": self.profile}
        self.service = Service("/usr/bin/WebKitWebDriver", env=environment)
        self.service.start()
        self.driver = webdriver.Remote(self.service.service_url, options=options)
        self.driver.set_script_timeout(120)
        self.resize(width, height)

    def resize(self, width, height):
        # The window's header bar takes part of its height, and so does its bar of downloads once
        # there has been one: make the inner size the one asked.
        self.size = (width, height)
        outer = self.driver.get_window_rect()
        inner = self.run("return [innerWidth, innerHeight];")
        frame = (outer["width"] - inner[0], outer["height"] - inner[1])
        self.driver.set_window_rect(0, 0, width + frame[0], height + frame[1])
        self.wait_for(f"innerWidth === {width} && innerHeight === {height}", timeout=10)

    def downloaded(self, name, timeout=30):
        # The download has shown MiniBrowser's bar of downloads, which narrows the page.
        saved = super().downloaded(name, timeout)
        self.resize(*self.size)
        return saved

    def _start_screen(self, width, height):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL,
            preexec_fn=end_with_parent)
        os.close(write)
        with os.fdopen(read) as chosen:
            self.display = ":" + chosen.readline().strip()
        return self.xvfb

    def open(self):
        super().open()
        self.run(WATCH)
        return self

    def screenshot(self, path):
        # The driver's own never answers with compositing off; the screen is the browser's alone.
        # What the page last painted reaches it a frame or so later.
        self.run("return new Promise((done) => requestAnimationFrame(() => setTimeout(done, 100)));")
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)],
                       check=True)

    def console_errors(self):
        return self.run("return window.lumorixDriverErrors || [];")

    def requests(self):
        loaded = self.run("return performance.getEntriesByType('resource').map((e) => e.name);")
        return [url for url in loaded if not url.startswith("data:") and url != PAGE.as_uri()]

    def close(self):
        self.driver.quit()
        self.service.stop()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
