"""Drives the game's web page in headless Chromium over the DevTools protocol:
serves the site, opens the page, sends keys, reads the console, takes
screenshots. Any uncaught exception or WebGL error in the page is recorded
as a page error."""
import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import sys
import urllib.request

try:
    import websocket
except ImportError:  # Debian's python3-websocket under another Python
    sys.path.append("/usr/lib/python3/dist-packages")
    import websocket

CHROMIUM_FLAGS = [
    "--headless=new", "--use-gl=angle", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
    "--no-sandbox", "--disable-gpu-sandbox", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--window-size=1700,1500",
    "--autoplay-policy=no-user-gesture-required",
]

# DOM key codes of the keys the tests press (SDL in the page reads keyCode).
KEYS = {"Return": ("Enter", "Enter", 13), "Escape": ("Escape", "Escape", 27),
        "Up": ("ArrowUp", "ArrowUp", 38), "Down": ("ArrowDown", "ArrowDown", 40),
        "Left": ("ArrowLeft", "ArrowLeft", 37), "Right": ("ArrowRight", "ArrowRight", 39),
        "d": ("d", "KeyD", 68), "s": ("s", "KeyS", 83), "w": ("w", "KeyW", 87), "a": ("a", "KeyA", 65)}


def webgl_error(text):
    """Chromium's report of a failed WebGL call or a lost context (its
    driver's performance notes are not errors)."""
    return "WebGL: " in text or "CONTEXT_LOST" in text or "GL_INVALID" in text


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Page:
    def __init__(self, site, chromium="chromium"):
        handler = functools.partial(Quiet, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.profile = tempfile.mkdtemp(prefix="larder-web-")
        self.browser = subprocess.Popen(
            [chromium, *CHROMIUM_FLAGS, "--user-data-dir=" + self.profile, "--remote-debugging-port=0",
             "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.time() + 60
        while not (os.path.exists(port_file) and open(port_file).read().count("\n") >= 1):
            if time.time() > deadline or self.browser.poll() is not None:
                raise RuntimeError("Chromium did not start")
            time.sleep(0.1)
        port = open(port_file).read().split()[0]
        targets = json.load(urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port))
        page = next(t for t in targets if t["type"] == "page")
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=120)
        self.next_id = 0
        self.console = []  # (time, text)
        self.errors = []
        for domain in ("Runtime", "Page", "Log"):
            self.call(domain + ".enable")

    def close(self):
        try:
            self.ws.close()
        finally:
            self.browser.terminate()
            try:
                self.browser.wait(10)
            except subprocess.TimeoutExpired:
                self.browser.kill()
            self.server.shutdown()
            shutil.rmtree(self.profile, ignore_errors=True)

    def _event(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append((time.time(), text))
            if webgl_error(text):
                self.errors.append(text)
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.errors.append(details.get("exception", {}).get("description", details.get("text")))
        elif method == "Log.entryAdded":
            entry = params["entry"]
            if webgl_error(entry["text"]) or entry["level"] == "error" and entry.get("source") == "javascript":
                self.errors.append(entry["text"])

    def pump(self, seconds):
        """Reads events for a while."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.ws.settimeout(max(0.01, deadline - time.time()))
            try:
                self._event(json.loads(self.ws.recv()))
            except websocket.WebSocketTimeoutException:
                break

    def call(self, method, **params):
        self.next_id += 1
        self.ws.settimeout(120)
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._event(message)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return result.get("result", {}).get("value")

    def open(self, url=None):
        self.console = []
        self.call("Page.navigate", url=url or self.url)

    def reload(self):
        self.console = []
        self.call("Page.reload", ignoreCache=False)

    def mark(self):
        """A place in the console: wait_for(..., since=mark) looks after it."""
        return len(self.console)

    def wait_for(self, line, seconds=120, since=0):
        """Waits until a console line contains `line`; returns when it came."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            for when, text in self.console[since:]:
                if line in text:
                    return when
            if self.errors:
                raise AssertionError("page error while waiting for %r: %s" % (line, self.errors))
            self.pump(0.2)
        raise AssertionError("no %r in the console after %d s; it shows:\n%s"
                             % (line, seconds, "\n".join(t for _, t in self.console)))

    def key(self, name, down=True, up=True):
        key, code, keycode = KEYS[name]
        common = dict(key=key, code=code, windowsVirtualKeyCode=keycode, nativeVirtualKeyCode=keycode)
        if down:
            self.call("Input.dispatchKeyEvent", type="rawKeyDown", **common)
        if up:
            self.call("Input.dispatchKeyEvent", type="keyUp", **common)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def frames(self):
        return self.evaluate("window.larderFrames") or 0

    def screenshot(self):
        return base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])
