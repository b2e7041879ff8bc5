"""The web page's checks' harness: the page's folder served on 127.0.0.1,
one browser driven as a user drives it (keys, clicks, taps, the printouts'
tabs), whichever engine: Browser is what the checks use, and each engine's
module (chromium.py, firefox.py, webkit.py) drives its own through its own
protocol. What is read from the page is plain JavaScript, shared here."""

import base64
import functools
import gzip
import http.server
import importlib
import io
import json
import os
import socketserver
import subprocess
import tempfile
import threading
import time

SITE = os.environ.get("SBC_WEB_SITE")  # the page checks' page; other callers name their folder
SCREENSHOTS = os.environ.get("SBC_WEB_SCREENSHOTS", "")
# Each engine's module and its class.
ENGINES = {"chromium": "Chromium", "firefox": "Firefox", "webkit": "WebKit"}


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


# Served as index.html's first script: what goes wrong in the page, kept in
# the tab's session storage (a reload keeps it), for the engines whose
# drivers cannot read the console. console.error is wrapped before the
# program's script binds it for its own errors and aborts. Every resource
# the page asks for is kept too.
RECORDER = b"""<script>(() => {
  const keep = (name, what) => { try {
    const all = JSON.parse(sessionStorage.getItem(name) || '[]');
    all.push(String(what)); sessionStorage.setItem(name, JSON.stringify(all)); } catch (e) {} };
  const told = what => what && what.stack ? (what.stack.includes(String(what)) ? '' : what + ' ') + what.stack
                                           : String(what);
  addEventListener('error', e => keep('sbc-faults', e.error ? told(e.error) : e.message));
  addEventListener('unhandledrejection', e => keep('sbc-faults', 'unhandled rejection: ' + told(e.reason)));
  const error = console.error;
  console.error = (...args) => { keep('sbc-faults', args.join(' ')); error.apply(console, args); };
  new PerformanceObserver(list => list.getEntries().forEach(e => keep('sbc-requests', e.name)))
    .observe({ type: 'resource', buffered: true });
})();</script>
"""


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass

    def send_head(self):
        """With the site compressed, a file's .br or .gz beside it, as a host
        serves it to a browser that takes that encoding. The page's
        index.html goes out with the fault recorder as its first script."""
        path, index = self.translate_path(self.path), os.path.join(self.directory, "index.html")
        takes = self.headers.get("Accept-Encoding", "") if self.server.compressed else ""
        if self.path.split("?")[0] in ("/", "/index.html") and os.path.isfile(index):
            with open(index, "rb") as file:
                page = file.read()
            at = page.find(b"<script")
            page = page[:at] + RECORDER + page[at:] if at >= 0 else page
            encoding = "gzip" if "gzip" in takes else None
            return self.send_body(io.BytesIO(gzip.compress(page) if encoding else page), "text/html", encoding)
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
            if encoding in takes and os.path.isfile(path + suffix):
                return self.send_body(open(path + suffix, "rb"), self.guess_type(path), encoding)
        return super().send_head()

    def send_body(self, body, kind, encoding):
        self.send_response(200)
        self.send_header("Content-Type", kind)
        if encoding:
            self.send_header("Content-Encoding", encoding)
        body.seek(0, io.SEEK_END)
        self.send_header("Content-Length", str(body.tell()))
        body.seek(0)
        self.end_headers()
        return body


READY = "document.body && document.body.dataset.ready"
WINDOWS = ("[...document.getElementById('screen').firstElementChild.shadowRoot.querySelectorAll('.qt-window')]"
           ".filter(w => w.style.display !== 'none')")


class Browser:
    """A browser with the calculator's page in a tab, as the checks drive it.
    Each engine's class implements the methods below that raise
    NotImplementedError; a tab is whatever handle the engine gives it, and
    None is the calculator's own."""

    name = ""

    def __init__(self, width=800, height=650, touch=False, mobile=False):
        self.width, self.height, self.touch, self.mobile = width, height, touch, mobile

    # ---- The engine's part -----------------------------------------------------

    def navigate(self, url):
        raise NotImplementedError

    def reload_page(self):
        raise NotImplementedError

    def evaluate(self, expression, tab=None):
        """The value of a JavaScript expression, a promise awaited."""
        raise NotImplementedError

    def pump(self, seconds):
        """Lets the page run that long, the protocol's events taken in."""
        time.sleep(seconds)

    def key(self, key, ctrl=False):
        """A key pressed and let go: a character, or Tab, Enter, Escape, Backspace."""
        raise NotImplementedError

    def click(self, x, y, count=1):
        raise NotImplementedError

    def tap(self, x, y):
        raise NotImplementedError

    def capture(self, tab=None):
        """The tab's viewport as PNG bytes."""
        raise NotImplementedError

    def tabs(self):
        """The open tabs."""
        raise NotImplementedError

    def front(self, tab=None):
        """The tab brought to the front, as the user does: a tab behind
        another has its timers slowed and may draw no frame."""
        raise NotImplementedError

    def set_viewport(self):
        raise NotImplementedError

    def offline(self, cut=True):
        """The network cut, where the engine can: the checks stop the server too."""

    def faults(self):
        """Uncaught exceptions (an abort among them) and console errors in the page."""
        raise NotImplementedError

    def requests(self):
        """Every URL the page asked for."""
        raise NotImplementedError

    def close(self):
        raise NotImplementedError

    # ---- Shared ----------------------------------------------------------------

    def open(self, url, timeout=60.0):
        """The page loaded; the page's own time to its window ready, in ms."""
        self.navigate(url)
        return float(self.wait_for("the window to be ready", READY, timeout))

    def reload(self, timeout=60.0):
        self.evaluate("window.sbcBeforeReload = true")
        self.reload_page()
        return float(self.wait_for("the window to be ready again", "!window.sbcBeforeReload && " + READY,
                                   timeout))

    def wait_for(self, what, expression, timeout=30.0):
        """The expression's value once true; one that fails while the page
        is between two documents is asked again."""
        end, fault = time.monotonic() + timeout, None
        while True:
            try:
                value = self.evaluate(expression)
            except Failure as failure:
                value, fault = None, failure
            if value:
                return value
            if time.monotonic() > end:
                raise Failure(f"timed out waiting for {what}" + (f" (last: {fault})" if fault else ""))
            self.pump(0.05)

    def recorded(self, name):
        """What the page's recorder kept under that name (see RECORDER)."""
        return self.evaluate(f"JSON.parse(sessionStorage.getItem('{name}') || '[]')")

    def type(self, text):
        for char in text:
            self.key(char)

    def turn(self):
        """The device turned the other way: the viewport's sides swapped."""
        self.width, self.height = self.height, self.width
        self.set_viewport()
        self.pump(0.5)

    def screenshot(self, name, tab=None):
        self.front(tab)
        data = self.capture(tab)
        if tab is not None:
            self.front()
        if SCREENSHOTS:
            # Chromium's at the top, each other engine's in a folder of its own.
            folder = SCREENSHOTS if self.name == "chromium" else os.path.join(SCREENSHOTS, self.name)
            os.makedirs(folder, exist_ok=True)
            with open(os.path.join(folder, name + ".png"), "wb") as png:
                png.write(data)

    def new_tab(self, before, timeout=30.0):
        """The first tab opened that is not in `before`: a printout's."""
        def opened():
            self.pump(0.05)
            return next(iter(set(self.tabs()) - set(before)), None)
        return wait_until("a new tab", opened, timeout)

    def tab_url(self, tab):
        return self.evaluate("location.href", tab)

    def fetch_bytes(self, url):
        """A blob the page made, read back through the page."""
        data = self.evaluate(f"""fetch({json.dumps(url)}).then(r => r.arrayBuffer()).then(b => {{
            let s = ''; const a = new Uint8Array(b);
            for (let i = 0; i < a.length; i += 8192) s += String.fromCharCode(...a.subarray(i, i + 8192));
            return btoa(s); }})""")
        return base64.b64decode(data)

    def window_rects(self):
        """Qt's windows on the page, the program's own first, then its open
        boxes: x, y, width, height of each, in CSS pixels."""
        return self.evaluate(WINDOWS + ".map(w => w.getBoundingClientRect()).map(r => [r.x, r.y, r.width, r.height])")

    def window_count(self):
        return self.evaluate(WINDOWS + ".length")

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


class SocketBrowser(Browser):
    """An engine driven over one websocket, whose receive(timeout) takes
    one message and handles it."""

    def pump(self, seconds):
        import websocket  # the socket engines' own dependency

        end = time.monotonic() + seconds
        while time.monotonic() < end:
            try:
                self.receive(timeout=max(0.01, end - time.monotonic()))
            except websocket.WebSocketTimeoutException:
                break


def launch(engine, *args, **kwargs):
    """A fresh browser of that engine: chromium, firefox or webkit."""
    if engine not in ENGINES:
        raise Failure(f"no engine {engine!r}: one of {', '.join(ENGINES)}")
    return getattr(importlib.import_module(engine), ENGINES[engine])(*args, **kwargs)


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
        before = self.b.tabs()
        self.b.key(shortcut, ctrl=True)
        if identification is not None:
            # The box's text field has the focus: typing goes straight there.
            self.windows(2)
            self.b.type(identification)
            self.answer_box()
        tab = self.b.new_tab(before)
        url = wait_until("the printout in its tab", lambda: (lambda href: href.startswith("blob:") and href)(
            self.b.tab_url(tab)))
        # Back to the calculator, whose timers run slow behind the printout.
        self.b.front()
        return tab, self.b.fetch_bytes(url)

    def report(self, identification="Car 3"):
        tab, pdf = self.printout("d", identification)
        text, size, fonts = pdf_text(pdf)
        return tab, words(text.splitlines()), size, fonts

    def no_request_elsewhere(self):
        own = (self.site.origin + "/", "blob:" + self.site.origin + "/", "data:", "about:", "chrome:",
               "chrome-extension:", "devtools:", "resource:", "moz-extension:")
        elsewhere = [url for url in self.b.requests() if not url.startswith(own)]
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
