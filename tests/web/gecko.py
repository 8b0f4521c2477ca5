"""Debian's Firefox ESR, headless, driven over WebDriver BiDi, which Firefox speaks by itself:
Debian ships no geckodriver. Commands go over one WebSocket; the events it subscribes to (the
console's entries and the page's requests) arrive between the answers and are kept."""

import base64
import json
import pathlib
import re
import shutil
import subprocess
import tempfile
import time

import websocket

from page_driver import CENTRE, PAGE, PageDriver, webdriver_key

# Quiet, predictable defaults for a test profile; Firefox's remote agent already turns off most
# of what would reach the network.
PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.page": 0,
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.disabledForTesting": True,
}


class GeckoError(RuntimeError):
    pass


class Gecko(PageDriver):
    """One headless Firefox with a fresh profile, closed by close()."""


    def __init__(self, width=800, height=600, scale=1, minimum_font_size=None):
        self.profile = pathlib.Path(tempfile.mkdtemp(prefix="lumorix-gecko-"))
        # Downloads go into the profile, and go with it.
        preferences = {**PREFERENCES, "browser.download.folderList": 2,
                       "browser.download.dir": str(self.profile)}
        if minimum_font_size:
            preferences["font.minimum-size.x-western"] = minimum_font_size
        (self.profile / "user.js").write_text("".join(
            f"user_pref({json.dumps(name)}, {json.dumps(value)});\n"
            for name, value in preferences.items()))
        self.output = open(self.profile / "output.txt", "w+")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", str(self.profile),
             "--remote-debugging-port=0"],
            stdout=self.output, stderr=subprocess.STDOUT)
        self.socket = websocket.create_connection(self._listening() + "/session",
                                                  suppress_origin=True, timeout=180)
        self.next_id = 0
        self.events = []
        self.command("session.new", {"capabilities": {}})
        self.command("session.subscribe",
                     {"events": ["log.entryAdded", "network.beforeRequestSent"]})
        self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.scale = scale
        self.resize(width, height)

    def _listening(self, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self.output.seek(0)
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", self.output.read())
            if found:
                return found.group(1)
            if self.process.poll() is not None:
                break
            time.sleep(0.05)
        raise GeckoError("Firefox did not start its WebDriver BiDi server")

    def command(self, method, parameters):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method,
                                     "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("type") == "event":
                self.events.append(message)
            elif message.get("id") == self.next_id:
                if message["type"] == "error":
                    raise GeckoError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]

    def run(self, script, *arguments):
        result = self.command("script.callFunction", {
            "functionDeclaration": f"function () {{ {script}\n}}",
            "arguments": [serialise(argument) for argument in arguments],
            "target": {"context": self.context}, "awaitPromise": True})
        if result["type"] == "exception":
            details = result["exceptionDetails"]
            raise GeckoError(f"the script threw: {details['text']}")
        return deserialise(result["result"])

    def navigate(self, url):
        self.events.clear()
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": url, "wait": "complete"})

    def resize(self, width, height):
        self.command("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height},
            "devicePixelRatio": self.scale})

    def click(self, element_id):
        x, y = self.run(CENTRE, element_id)
        self.command("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                        {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}]})

    def press(self, key, ctrl=False):
        strokes = [{"type": "keyDown", "value": webdriver_key(key)},
                   {"type": "keyUp", "value": webdriver_key(key)}]
        if ctrl:
            control = webdriver_key("Control")
            strokes = ([{"type": "keyDown", "value": control}] + strokes
                       + [{"type": "keyUp", "value": control}])
        self.command("input.performActions", {"context": self.context, "actions": [{
            "type": "key", "id": "keyboard", "actions": strokes}]})

    def screenshot(self, path):
        data = self.command("browsingContext.captureScreenshot", {"context": self.context})
        pathlib.Path(path).write_bytes(base64.b64decode(data["data"]))

    def _events(self, method):
        self.command("session.status", {})  # collects the events that arrived meanwhile
        return [event["params"] for event in self.events if event["method"] == method]

    def console_errors(self):
        return [entry["text"] for entry in self._events("log.entryAdded")
                if entry["level"] == "error"]

    def requests(self):
        asked = [sent["request"]["url"] for sent in self._events("network.beforeRequestSent")]
        return [url for url in asked if not url.startswith("data:") and url != PAGE.as_uri()]

    def close(self):
        try:
            self.command("browser.close", {})
        except (GeckoError, websocket.WebSocketException, OSError):
            pass
        self.socket.close()
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.output.close()
        shutil.rmtree(self.profile, ignore_errors=True)


def serialise(value):
    """A Python value as WebDriver BiDi's local value."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [serialise(item) for item in value]}
    if isinstance(value, dict):
        return {"type": "object", "value": [[key, serialise(item)] for key, item in value.items()]}
    raise TypeError(f"cannot hand {value!r} to the page")


def deserialise(remote):
    """WebDriver BiDi's remote value as a Python value, as Selenium returns it."""
    kind = remote["type"]
    if kind in ("undefined", "null"):
        return None
    if kind in ("string", "boolean"):
        return remote["value"]
    if kind == "number":
        value = remote["value"]
        if isinstance(value, str):  # NaN, -0, Infinity
            return float(value.replace("Infinity", "inf"))
        return value
    if kind in ("array", "set"):
        return [deserialise(item) for item in remote.get("value", [])]
    if kind == "object":
        return {key: deserialise(item) for key, item in remote.get("value", [])}
    raise GeckoError(f"the page returned a {kind}, which the tests do not read")
