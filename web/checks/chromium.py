"""Headless Chromium, driven over one DevTools socket with flattened
sessions (python3-websocket). Every target the browser opens (the page, its
service worker, a PDF's tab) is attached, so each request any of them makes
is seen; the page's exceptions and console errors come as its events."""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket

from web_browser import Failure, SocketBrowser, wait_until

# Chromium's sandbox refuses root, and needs a user namespace, which the
# kernel gives no process in a chroot such as the web build's Debian 13 root
# on Debian 12: there it runs without, opening only the page served here.
# The rest keeps it from calling home on its own.
CHROMIUM_FLAGS = [
    "--headless=new", "--disable-gpu", "--remote-debugging-port=0",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--disable-quic", "--no-default-browser-check",
    "--disable-features=Translate,OptimizationHints,MediaRouter",
] + (["--no-sandbox"] if os.geteuid() == 0 or os.environ.get("SBC_IN_WEB_ROOT") else [])


class Chromium(SocketBrowser):
    name = "chromium"

    def __init__(self, width=800, height=650, touch=False, mobile=False):
        super().__init__(width, height, touch, mobile)
        self.profile = tempfile.mkdtemp(prefix="sbc-web-chromium-")
        self.process = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, *os.environ.get("SBC_WEB_CHROMIUM_FLAGS", "").split(),
             f"--user-data-dir={self.profile}", f"--window-size={width},{height}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        wait_until("Chromium's DevTools port", lambda: os.path.exists(port_file)
                   and len(open(port_file).read().split()) >= 2)
        port = open(port_file).read().split()[0]
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/version") as answer:
            endpoint = json.load(answer)["webSocketDebuggerUrl"]
        self.socket = websocket.create_connection(endpoint, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.pending, self.answers = {}, {}
        self.events = []
        self.urls = []        # every URL any target asked for
        self.targets = {}     # session id -> target info
        self.call("Target.setDiscoverTargets", discover=True)
        self.call("Target.setAutoAttach", autoAttach=True, waitForDebuggerOnStart=True, flatten=True)
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.page = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.call("Network.enable", session=self.page)
        self.call("Page.enable", session=self.page)
        self.call("Runtime.enable", session=self.page)
        self.set_viewport()
        if touch:
            self.call("Emulation.setTouchEmulationEnabled", session=self.page, enabled=True, maxTouchPoints=5)

    def set_viewport(self):
        self.call("Emulation.setDeviceMetricsOverride", session=self.page, width=self.width, height=self.height,
                  deviceScaleFactor=1, mobile=self.mobile)

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
            # Its network process may write to the profile a moment after
            # the browser has gone.
            for _ in range(10):
                shutil.rmtree(self.profile, ignore_errors=True)
                if not os.path.exists(self.profile):
                    break
                time.sleep(0.1)

    # ---- The protocol -------------------------------------------------------

    def call(self, method, session=None, **params):
        return self.answer(self.send(method, session, **params))

    def send(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.socket.send(json.dumps(message))
        self.pending[self.next_id] = method
        return self.next_id

    def answer(self, sent):
        while sent not in self.answers:
            self.receive()
        answer, method = self.answers.pop(sent), self.pending.pop(sent)
        if "error" in answer:
            raise Failure(f"{method}: {answer['error']}")
        return answer.get("result", {})

    def receive(self, timeout=None):
        self.socket.settimeout(timeout if timeout is not None else 60)
        message = json.loads(self.socket.recv())
        if "method" in message:
            self.on_event(message)
        elif message.get("id") in self.pending:
            self.answers[message["id"]] = message
        return message

    def on_event(self, event):
        method, params = event["method"], event.get("params", {})
        if method == "Target.attachedToTarget":
            session = params["sessionId"]
            self.targets[session] = params["targetInfo"]
            # Sent without waiting for the answers.
            for method in ("Network.enable", "Runtime.runIfWaitingForDebugger"):
                self.next_id += 1
                self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": {},
                                             "sessionId": session}))
        elif method == "Network.requestWillBeSent":
            self.urls.append(params["request"]["url"])
        self.events.append(event)

    # ---- The engine's part of Browser ---------------------------------------

    def faults(self):
        faults = []
        for event in self.events:
            params = event.get("params", {})
            if event["method"] == "Runtime.exceptionThrown":
                details = params["exceptionDetails"]
                faults.append(details.get("exception", {}).get("description") or details.get("text"))
            elif event["method"] == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                faults.append(" ".join(str(arg.get("value", arg.get("description"))) for arg in params["args"]))
        return faults

    def requests(self):
        return self.urls

    def evaluate(self, expression, tab=None):
        result = self.call("Runtime.evaluate", session=tab or self.page, expression=expression,
                           awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def navigate(self, url):
        self.call("Page.navigate", session=self.page, url=url)

    def reload_page(self):
        self.call("Page.reload", session=self.page)

    def offline(self, cut=True):
        for session in [self.page, *self.targets]:
            try:
                self.call("Network.emulateNetworkConditions", session=session, offline=cut, latency=0,
                          downloadThroughput=-1, uploadThroughput=-1)
            except Failure:
                pass  # a target that has gone

    def tabs(self):
        return {session for session, target in self.targets.items() if target["type"] == "page"} | {self.page}

    def front(self, tab=None):
        self.call("Page.bringToFront", session=tab or self.page)

    def capture(self, tab=None):
        return base64.b64decode(self.call("Page.captureScreenshot", session=tab or self.page, format="png")["data"])

    KEYS = {"Tab": (9, "\t"), "Enter": (13, "\r"), "Escape": (27, ""), "Backspace": (8, "")}

    def key(self, key, ctrl=False):
        code, text = self.KEYS.get(key, (ord(key.upper()) if len(key) == 1 else 0, key))
        if ctrl:
            text = ""
        base = {"key": key, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code, "modifiers": 2 if ctrl else 0}
        if len(key) == 1:
            base["code"] = ("Digit" + key) if key.isdigit() else ("Key" + key.upper()) if key.isalpha() else ""
            if key == ".":
                base.update(code="Period", windowsVirtualKeyCode=190, nativeVirtualKeyCode=190)
            if key == " ":
                base.update(code="Space", windowsVirtualKeyCode=32, nativeVirtualKeyCode=32)
        else:
            base["code"] = key
        self.call("Input.dispatchKeyEvent", session=self.page, type="keyDown" if text else "rawKeyDown",
                  text=text, unmodifiedText=text, **base)
        self.call("Input.dispatchKeyEvent", session=self.page, type="keyUp", **base)
        self.pump(0.03)

    def click(self, x, y, count=1):
        for clicks in range(1, count + 1):
            for kind in ("mousePressed", "mouseReleased"):
                self.call("Input.dispatchMouseEvent", session=self.page, type=kind, x=x, y=y,
                          button="left", clickCount=clicks)
        self.pump(0.1)

    def tap(self, x, y):
        point = [{"x": x, "y": y, "radiusX": 2, "radiusY": 2, "force": 1, "id": 1}]
        self.call("Input.dispatchTouchEvent", session=self.page, type="touchStart", touchPoints=point)
        self.call("Input.dispatchTouchEvent", session=self.page, type="touchEnd", touchPoints=[])
        self.pump(0.1)

    # ---- Only here: emulation and timings -----------------------------------

    def slow_as_a_phone(self):
        """The page as a phone loads it: the CPU slowed 4 times, a 10 Mbit/s
        connection with 40 ms of latency, nothing from the HTTP cache and the
        service worker passed by."""
        self.call("Emulation.setCPUThrottlingRate", session=self.page, rate=4)
        self.call("Network.setCacheDisabled", session=self.page, cacheDisabled=True)
        self.call("Network.setBypassServiceWorker", session=self.page, bypass=True)
        self.call("Network.emulateNetworkConditions", session=self.page, offline=False, latency=40,
                  downloadThroughput=10e6 / 8, uploadThroughput=10e6 / 8)

    def round_trip(self, point, key):
        """Milliseconds from a key's press to the first change of the window's
        pixels at `point` (a twin box), timed inside the page."""
        x, y = point
        watch = self.send("Runtime.evaluate", session=self.page, awaitPromise=True, returnByValue=True,
                          expression=f"""new Promise(done => {{
            const canvas = document.getElementById('screen').firstElementChild.shadowRoot.querySelector('.qt-window canvas');
            const r = canvas.getBoundingClientRect(), k = canvas.width / r.width;
            const cx = Math.round(({x} - r.x) * k), cy = Math.round(({y} - r.y) * k);
            const read = () => canvas.getContext('2d').getImageData(cx - 20, cy - 4, 40, 8).data.join();
            const before = read(); let pressed = 0;
            document.addEventListener('keydown', () => {{ pressed = performance.now(); }},
                                      {{ capture: true, once: true }});
            window.addEventListener('keydown', () => {{ pressed = pressed || performance.now(); }},
                                    {{ capture: true, once: true }});
            const poll = () => pressed && read() !== before ? done(performance.now() - pressed)
                                                              : setTimeout(poll, 1);
            setTimeout(() => done(null), 5000); poll(); }})""")
        self.key(key)
        return self.answer(watch)["result"]["value"]
