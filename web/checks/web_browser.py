"""The web page's checks' harness: the page's folder served on 127.0.0.1,
headless Chromium driven through the DevTools protocol (python3-websocket),
and what a user does there: keys, taps, clicks, and the printouts' PDFs.

Every target the browser opens (the page, its service worker, a PDF's tab)
is attached, so each request any of them makes is seen."""

import base64
import functools
import http.server
import json
import os
import shutil
import socketserver
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

SITE = os.environ["SBC_WEB_SITE"]
SCREENSHOTS = os.environ.get("SBC_WEB_SCREENSHOTS", "")

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


class Failure(AssertionError):
    pass


def wait_until(what, probe, timeout=30.0, every=0.05):
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(every)


class Site:
    """The page's folder on an HTTP server of its own, as any static server
    would serve it (.wasm as application/wasm)."""

    def __init__(self, folder=SITE, compressed=False):
        self.folder = folder
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.server.compressed = compressed
        self.server.daemon_threads = True
        self.origin = f"http://127.0.0.1:{self.server.server_address[1]}"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass

    def send_head(self):
        """With the site compressed, a file's .gz beside it, as a host
        serves it to a browser that takes gzip."""
        path = self.translate_path(self.path)
        if not (self.server.compressed and os.path.isfile(path + ".gz")
                and "gzip" in self.headers.get("Accept-Encoding", "")):
            return super().send_head()
        body = open(path + ".gz", "rb")
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(os.fstat(body.fileno()).st_size))
        self.end_headers()
        return body


class Browser:
    """Headless Chromium with one page, driven over one DevTools socket with
    flattened sessions."""

    def __init__(self, width=800, height=650, touch=False, mobile=False):
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
        self.requests = []    # every URL any target asked for
        self.targets = {}     # session id -> target info
        self.call("Target.setDiscoverTargets", discover=True)
        self.call("Target.setAutoAttach", autoAttach=True, waitForDebuggerOnStart=True, flatten=True)
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.page = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.watch(self.page)
        self.call("Page.enable", session=self.page)
        self.call("Runtime.enable", session=self.page)
        self.width, self.height, self.mobile = width, height, mobile
        self.set_viewport()
        if touch:
            self.call("Emulation.setTouchEmulationEnabled", session=self.page, enabled=True, maxTouchPoints=5)

    def set_viewport(self):
        self.call("Emulation.setDeviceMetricsOverride", session=self.page, width=self.width, height=self.height,
                  deviceScaleFactor=1, mobile=self.mobile)

    def turn(self):
        """The device turned the other way: the viewport's sides swapped."""
        self.width, self.height = self.height, self.width
        self.set_viewport()
        self.pump(0.5)

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
            shutil.rmtree(self.profile, ignore_errors=True)

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
            self.requests.append(params["request"]["url"])
        self.events.append(event)

    def faults(self):
        """What went wrong in any of the browser's targets: uncaught
        exceptions (an abort among them) and errors logged to the console."""
        faults = []
        for event in self.events:
            params = event.get("params", {})
            if event["method"] == "Runtime.exceptionThrown":
                details = params["exceptionDetails"]
                faults.append(details.get("exception", {}).get("description") or details.get("text"))
            elif event["method"] == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                faults.append(" ".join(str(arg.get("value", arg.get("description"))) for arg in params["args"]))
        return faults

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            try:
                self.receive(timeout=max(0.01, end - time.monotonic()))
            except websocket.WebSocketTimeoutException:
                break

    def watch(self, session):
        self.call("Network.enable", session=session)

    def evaluate(self, expression, session=None):
        result = self.call("Runtime.evaluate", session=session or self.page, expression=expression,
                           awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, what, expression, timeout=30.0):
        end = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > end:
                raise Failure(f"timed out waiting for {what}")
            self.pump(0.05)

    # ---- The page -----------------------------------------------------------

    def open(self, url, timeout=60.0):
        self.call("Page.navigate", session=self.page, url=url)
        return float(self.wait_for("the window to be ready", "document.body && document.body.dataset.ready",
                                   timeout))

    def reload(self, timeout=60.0):
        self.call("Page.reload", session=self.page)
        self.pump(0.5)
        return float(self.wait_for("the window to be ready again",
                                   "document.body && document.body.dataset.ready", timeout))

    def slow_as_a_phone(self):
        """The page as a phone loads it: the CPU slowed 4 times, a 10 Mbit/s
        connection with 40 ms of latency, nothing from the HTTP cache and the
        service worker passed by."""
        self.call("Emulation.setCPUThrottlingRate", session=self.page, rate=4)
        self.call("Network.setCacheDisabled", session=self.page, cacheDisabled=True)
        self.call("Network.setBypassServiceWorker", session=self.page, bypass=True)
        self.call("Network.emulateNetworkConditions", session=self.page, offline=False, latency=40,
                  downloadThroughput=10e6 / 8, uploadThroughput=10e6 / 8)

    def offline(self, cut=True):
        for session in [self.page, *self.targets]:
            try:
                self.call("Network.emulateNetworkConditions", session=session, offline=cut, latency=0,
                          downloadThroughput=-1, uploadThroughput=-1)
            except Failure:
                pass  # a target that has gone

    def window_rects(self):
        """Qt's windows on the page, the program's own first, then its open
        boxes: x, y, width, height of each, in CSS pixels."""
        return self.evaluate("[...document.getElementById('screen').firstElementChild.shadowRoot"
                             ".querySelectorAll('.qt-window')].filter(w => w.style.display !== 'none')"
                             ".map(w => w.getBoundingClientRect()).map(r => [r.x, r.y, r.width, r.height])")

    def screenshot(self, name, session=None):
        # A tab behind another (the calculator behind its printout's) may
        # draw no frame to capture: it is brought to the front first, as
        # the user would.
        self.call("Page.bringToFront", session=session or self.page)
        data = self.call("Page.captureScreenshot", session=session or self.page, format="png")["data"]
        if SCREENSHOTS:
            os.makedirs(SCREENSHOTS, exist_ok=True)
            with open(os.path.join(SCREENSHOTS, name + ".png"), "wb") as png:
                png.write(base64.b64decode(data))

    # ---- Input --------------------------------------------------------------

    KEYS = {"Tab": (9, "\t"), "Enter": (13, "\r"), "Escape": (27, ""), "Backspace": (8, "")}

    def key(self, key, modifiers=0):
        code, text = self.KEYS.get(key, (ord(key.upper()) if len(key) == 1 else 0, key))
        if modifiers:
            text = ""
        base = {"key": key, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code, "modifiers": modifiers}
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

    def type(self, text):
        for char in text:
            self.key(char)

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

    # ---- What the page shows --------------------------------------------------

    def enable_screen_reader(self):
        """Qt's accessibility tree in the page's DOM, opted into as a screen
        reader user does, through the page's own button."""
        self.evaluate("""(() => { for (const b of document.getElementById('screen').firstElementChild.shadowRoot
            .querySelectorAll('button')) if (b.innerText === 'Enable Screen Reader') b.click(); })()""")
        self.pump(0.3)

    def page_texts(self):
        """The texts of the accessibility tree's elements, windows' titles included."""
        return self.evaluate("""(() => { const texts = [];
            const walk = node => { for (const e of node.querySelectorAll('*')) {
                if (e.shadowRoot) walk(e.shadowRoot);
                if (e.children.length === 0 && e.textContent.trim()) texts.push(e.textContent.trim()); } };
            walk(document.getElementById('screen').firstElementChild.shadowRoot); return texts; })()""")

    def boxes(self):
        """Each text box in the accessibility tree of the DOM (the screen
        reader switched on): its name and its text."""
        return self.evaluate("""(() => { const boxes = {};
            const walk = node => { for (const e of node.querySelectorAll('*')) {
                if (e.shadowRoot) walk(e.shadowRoot);
                if (e.tagName === 'INPUT' && e.getAttribute('aria-label')) boxes[e.getAttribute('aria-label')] = e.value; } };
            walk(document.getElementById('screen').firstElementChild.shadowRoot); return boxes; })()""")

    def window_count(self):
        return self.evaluate("[...document.getElementById('screen').firstElementChild.shadowRoot"
                             ".querySelectorAll('.qt-window')].filter(w => w.style.display !== 'none').length")

    def new_tab(self, before, timeout=30.0):
        """The first target opened after the sessions in `before`: a printout's tab."""
        def opened():
            self.pump(0.05)
            return next((s for s, t in self.targets.items() if s not in before and t["type"] == "page"), None)
        return wait_until("a new tab", opened, timeout)

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

    def fetch_bytes(self, url):
        """A blob the page made, read back through the page."""
        data = self.evaluate(f"""fetch({json.dumps(url)}).then(r => r.arrayBuffer()).then(b => {{
            let s = ''; const a = new Uint8Array(b);
            for (let i = 0; i < a.length; i += 8192) s += String.fromCharCode(...a.subarray(i, i + 8192));
            return btoa(s); }})""")
        return base64.b64decode(data)


DESIGN_WIDTH, CLIENT_HEIGHT = 618, 532

# Centres of the boxes, buttons and the stroke caption, in twips from the
# client area's corner.
AT = {
    "txtID": (3397, 397), "txtOSDD": (5947, 1057), "txtOSDDMet": (7867, 1057), "txtRatedLoad": (5947, 1447),
    "txtWeightCar": (5947, 1822), "txtBufferLoadRat": (5947, 2212), "txtBufferStroke": (5947, 2587),
    "txtNumOfBufAssys": (5947, 2977), "txtWeightPlunger": (5947, 4072), "txtNumPlungers": (5947, 4447),
    "txtLengthPlunger": (5947, 4807), "txtPlungerDiam": (5947, 5182),
    "cmdCompute": (1147, 7507), "cmdClear": (3187, 7507), "Label10": (900, 2587),
    "optImperial": (5977, 547), "optMetric": (7897, 547), "optPlungerYes": (6217, 3637),
    "optPlungerNo": (7117, 3637),
}
# Each Imperial entry's Metric twin, in the column of txtOSDDMet.
AT.update({box + "Met": (AT["txtOSDDMet"][0], y) for box, (x, y) in list(AT.items())
           if box.startswith("txt") and x == AT["txtOSDD"][0]})


def words(lines):
    """Lines without the blank ones, their blank runs as one space:
    pdftotext's layout changes the runs' lengths."""
    return [" ".join(line.split()) for line in lines if line.strip()]


class Page:
    """The calculator's page in a browser, and where its controls are."""

    def __init__(self, browser, site, touch=False):
        self.b, self.site, self.touch = browser, site, touch
        self.ready_ms = browser.open(site.origin + "/")
        self.rect = browser.window_rects()[0]
        self.scale = self.rect[2] / DESIGN_WIDTH
        self.menu_bar = self.rect[3] / self.scale - CLIENT_HEIGHT

    def point(self, name):
        tx, ty = AT[name]
        return (self.rect[0] + tx / 15 * self.scale,
                self.rect[1] + (self.menu_bar + ty / 15) * self.scale)

    def click(self, name, count=1):
        self.b.click(*self.point(name), count=count)

    def enter(self, entries, tap=False):
        for box, text in entries:
            (self.b.tap if tap else self.b.click)(*self.point(box))
            self.b.type(text)

    def windows(self, count):
        """Waits for that many windows; their titles and texts."""
        wait_until(f"{count} window(s) on the page", lambda: (self.b.pump(0.05), self.b.window_count() == count)[1])
        return self.b.page_texts()

    def answer_box(self, key="Enter"):
        self.b.key(key)
        self.windows(1)

    def close_box(self):
        """Taps the top box's close button, in its title bar."""
        x, y = self.b.evaluate(
            "(() => { const w = [...document.getElementById('screen').firstElementChild.shadowRoot"
            ".querySelectorAll('.qt-window')].pop(); const r = [...w.querySelectorAll('.title-bar .action-button')]"
            ".pop().getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
        self.b.tap(x, y)
        self.windows(1)

    def printout(self, shortcut, identification):
        """A print command by its shortcut, the Elevator ID box answered when
        asked; the printout's tab and its PDF."""
        before = set(self.b.targets)
        self.b.key(shortcut, modifiers=2)  # Ctrl
        if identification is not None:
            # The box's text field has the focus: typing goes straight there.
            self.windows(2)
            self.b.type(identification)
            self.answer_box()
        tab = self.b.new_tab(before)
        url = wait_until("the printout in its tab", lambda: (lambda href: href.startswith("blob:") and href)(
            self.b.evaluate("location.href", session=tab)))
        return tab, self.b.fetch_bytes(url)

    def report(self, identification="Car 3"):
        tab, pdf = self.printout("d", identification)
        text, size, fonts = pdf_text(pdf)
        return tab, words(text.splitlines()), size, fonts

    def no_request_elsewhere(self):
        own = (self.site.origin + "/", "blob:" + self.site.origin + "/", "data:", "about:", "chrome:",
               "chrome-extension:", "devtools:")
        elsewhere = [url for url in self.b.requests if not url.startswith(own)]
        if elsewhere:
            raise Failure(f"requests to other addresses: {elsewhere}")


def pdf_text(pdf_bytes):
    """The PDF's pages' text (pdftotext -layout) and its first page's size in points."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "printout.pdf")
        with open(path, "wb") as out:
            out.write(pdf_bytes)
        text = subprocess.run(["pdftotext", "-layout", path, "-"], check=True, capture_output=True,
                              text=True).stdout
        info = subprocess.run(["pdfinfo", path], check=True, capture_output=True, text=True).stdout
        fonts = subprocess.run(["pdffonts", path], check=True, capture_output=True, text=True).stdout
    size = next(line.split(":", 1)[1].strip() for line in info.splitlines() if line.startswith("Page size"))
    return text, size, fonts
