"""Headless Firefox ESR, driven over WebDriver BiDi, which its remote agent
speaks on a websocket of its own (python3-websocket): no geckodriver. The
page's console errors and exceptions, every request and each tab opened come
as the session's events."""

import base64
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import websocket

from web_browser import Failure, SocketBrowser, wait_until

# A fresh profile each time, kept from calling home and from its first-run
# pages; pop-ups allowed, so that a printout opens its tab, and the PDF
# shown by the browser's own viewer, as a user's Firefox does.
PREFS = {
    "remote.active-protocols": 1,  # WebDriver BiDi only
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False,
    "startup.homepage_welcome_url": "",
    "browser.startup.page": 0,
    "browser.startup.homepage": "about:blank",
    "app.update.disabledForTesting": True,
    "app.normandy.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.healthreport.uploadEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "browser.safebrowsing.update.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "extensions.update.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "browser.newtabpage.enabled": False,
    "browser.tabs.warnOnClose": False,
    "dom.disable_open_during_load": False,
    "pdfjs.disabled": False,
}
# A touch screen: touch events on, and the page told the device has touch
# points (Firefox's own switch for that in tests).
TOUCH_PREFS = {"dom.w3c_touch_events.enabled": 1, "dom.maxtouchpoints.testing.value": 5}

# WebDriver's codes for the named keys.
KEYS = {"Tab": "\ue004", "Enter": "\ue007", "Escape": "\ue00c", "Backspace": "\ue003"}
CONTROL = "\ue009"


class Firefox(SocketBrowser):
    name = "firefox"

    def __init__(self, width=800, height=650, touch=False, mobile=False):
        super().__init__(width, height, touch, mobile)
        self.profile = tempfile.mkdtemp(prefix="sbc-web-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            for name, value in {**PREFS, **(TOUCH_PREFS if touch else {})}.items():
                prefs.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.log = open(os.path.join(self.profile, "output.log"), "w+")
        # In a chroot the kernel gives no user namespace for the content
        # processes' sandbox: Firefox says so and runs them with seccomp alone.
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--remote-debugging-port=0", "--profile", self.profile, "--no-remote"],
            stdout=self.log, stderr=subprocess.STDOUT)
        address = wait_until("Firefox's WebDriver BiDi port", lambda: re.search(
            r"WebDriver BiDi listening on (ws://\S+)", open(self.log.name).read()))
        self.socket = websocket.create_connection(address.group(1) + "/session", timeout=60,
                                                  suppress_origin=True)
        self.next_id = 0
        self.answers, self.events, self.urls = {}, [], []
        self.call("session.new", capabilities={})
        self.call("session.subscribe", events=["log.entryAdded", "network.beforeRequestSent",
                                               "browsingContext.contextCreated"])
        self.page = self.call("browsingContext.getTree", maxDepth=0)["contexts"][0]["context"]
        self.set_viewport()

    def set_viewport(self):
        self.call("browsingContext.setViewport", context=self.page,
                  viewport={"width": self.width, "height": self.height}, devicePixelRatio=1)

    def close(self):
        try:
            self.send("browser.close")
            self.socket.close()
        except (OSError, websocket.WebSocketException):
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)

    # ---- The protocol -------------------------------------------------------

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        return self.next_id

    def call(self, method, **params):
        sent = self.send(method, **params)
        while sent not in self.answers:
            self.receive()
        answer = self.answers.pop(sent)
        if answer["type"] == "error":
            raise Failure(f"{method}: {answer['error']}: {answer.get('message')}")
        return answer["result"]

    def receive(self, timeout=60):
        self.socket.settimeout(timeout)
        message = json.loads(self.socket.recv())
        if message.get("type") == "event":
            self.events.append(message)
            if message["method"] == "network.beforeRequestSent":
                self.urls.append(message["params"]["request"]["url"])
        elif "id" in message:
            self.answers[message["id"]] = message

    # ---- The engine's part of Browser ---------------------------------------

    def faults(self):
        return [f"{entry['type']}: {entry.get('text')}" for entry in
                (event["params"] for event in self.events if event["method"] == "log.entryAdded")
                if entry.get("level") == "error"]

    def requests(self):
        return self.urls

    def evaluate(self, expression, tab=None):
        # The value comes back as JSON text: BiDi's own form of it stops at
        # the first level unless told a depth.
        result = self.call("script.evaluate", target={"context": tab or self.page}, awaitPromise=True,
                           resultOwnership="none", expression=f"Promise.resolve(({expression})).then("
                           "v => JSON.stringify(v === undefined ? null : v))")
        if result["type"] == "exception":
            raise Failure(f"{expression}: {result['exceptionDetails'].get('text')}")
        value = result["result"].get("value")
        return None if value is None else json.loads(value)

    def navigate(self, url):
        self.call("browsingContext.navigate", context=self.page, url=url, wait="none")

    def reload_page(self):
        self.call("browsingContext.reload", context=self.page, wait="none")

    def offline(self, cut=True):
        self.call("emulation.setNetworkConditions", networkConditions={"type": "offline"} if cut else None)

    def tabs(self):
        return {context["context"] for context in self.call("browsingContext.getTree", maxDepth=0)["contexts"]}

    def tab_url(self, tab):
        # The printout's tab holds the browser's own PDF viewer; its address
        # is the tree's.
        return next(context["url"] for context in self.call("browsingContext.getTree", maxDepth=0)["contexts"]
                    if context["context"] == tab)

    def front(self, tab=None):
        self.call("browsingContext.activate", context=tab or self.page)

    def capture(self, tab=None):
        return base64.b64decode(self.call("browsingContext.captureScreenshot", context=tab or self.page)["data"])

    def act(self, *sources):
        self.call("input.performActions", context=self.page, actions=list(sources))

    def key(self, key, ctrl=False):
        value = KEYS.get(key, key)
        keys = [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
        if ctrl:
            keys = [{"type": "keyDown", "value": CONTROL}, *keys, {"type": "keyUp", "value": CONTROL}]
        self.act({"type": "key", "id": "keyboard", "actions": keys})
        self.pump(0.03)

    def pointer(self, kind, x, y, count):
        press = [{"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
        self.act({"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
                  "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)}, *press * count]})
        self.pump(0.1)

    def click(self, x, y, count=1):
        self.pointer("mouse", x, y, count)

    def tap(self, x, y):
        self.pointer("touch", x, y, 1)
