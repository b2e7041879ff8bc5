"""WebKitGTK's MiniBrowser, driven by WebKitWebDriver through Selenium, on
an X server of its own (Xvfb): WebKitGTK has no headless mode. The driver
cannot read the console nor see requests: the page's recorder
(web_browser.RECORDER) keeps its faults and the resources it loaded, and
every request for another machine goes to a proxy here that keeps its
address and refuses it."""

import http.server
import os
import shutil
import socketserver
import subprocess
import threading

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options
from selenium.webdriver.webkitgtk.service import Service

from web_browser import Browser, Failure

MINIBROWSER = next((path for path in (f"/usr/lib/x86_64-linux-gnu/webkit{api}/MiniBrowser"
                                      for api in ("2gtk-4.1", "2gtk-4.0", "gtk-6.0")) if os.path.exists(path)),
                   "MiniBrowser")


class Refuser(http.server.BaseHTTPRequestHandler):
    """The browser's HTTP proxy: each address asked for is kept, and refused."""

    def log_message(self, *args):
        pass

    def refuse(self):
        self.server.urls.append(self.path if self.command != "CONNECT" else "https://" + self.path)
        self.send_error(502)

    do_GET = do_HEAD = do_POST = do_PUT = do_DELETE = do_OPTIONS = do_CONNECT = refuse


KEYS = {"Tab": Keys.TAB, "Enter": Keys.ENTER, "Escape": Keys.ESCAPE, "Backspace": Keys.BACKSPACE}


class WebKit(Browser):
    name = "webkit"

    def __init__(self, width=800, height=650, touch=False, mobile=False):
        if touch:
            raise Failure("WebKitGTK's WebDriver has no touch input: its touch pointer clicks with the mouse")
        super().__init__(width, height, touch, mobile)
        self.urls = []
        self.proxy = socketserver.ThreadingTCPServer(("127.0.0.1", 0), Refuser)
        self.proxy.daemon_threads = True
        self.proxy.urls = []
        threading.Thread(target=self.proxy.serve_forever, daemon=True).start()
        # The first free display, which Xvfb writes to the pipe once it listens.
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as answer:
            display = answer.readline().strip()
        try:
            options = Options()
            options.binary_location = MINIBROWSER
            # MiniBrowser runs its web processes without bubblewrap's sandbox
            # unless told --enable-sandbox, which would need the user
            # namespaces a chroot does not give. The page's own address
            # passes the proxy by; the WebDriver proxy capability would
            # pass HTTPS by too.
            options.add_argument("--automation")
            options.add_argument(f"--proxy=http://127.0.0.1:{self.proxy.server_address[1]}")
            options.add_argument("--ignore-host=127.0.0.1")
            # A path, or Selenium would look for a driver to download.
            driver = shutil.which("WebKitWebDriver") or "/usr/bin/WebKitWebDriver"
            # WebKitGTK takes the page's language from LANG, which is C in
            # the checks' environment: it is given the language the other
            # engines default to, as a user's browser has one.
            service = Service(executable_path=driver, log_output=subprocess.DEVNULL,
                              env={**os.environ, "DISPLAY": ":" + display, "LANG": "en_US.UTF-8"})
            self.driver = webdriver.WebKitGTK(options=options, service=service)
        except BaseException:
            self.stop()
            raise
        self.page = self.driver.current_window_handle
        self.set_viewport()

    def set_viewport(self):
        """The window sized so that its page, inside MiniBrowser's own bars,
        has the viewport's size."""
        self.driver.set_window_rect(0, 0, self.width, self.height)
        inner = self.evaluate("[innerWidth, innerHeight]")
        self.driver.set_window_rect(0, 0, 2 * self.width - inner[0], 2 * self.height - inner[1])

    def stop(self):
        self.proxy.shutdown()
        self.proxy.server_close()
        self.xvfb.terminate()
        self.xvfb.wait()

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.stop()

    # ---- The engine's part of Browser ---------------------------------------

    def faults(self):
        self.front()
        return self.recorded("sbc-faults")

    def requests(self):
        self.front()
        return self.urls + self.proxy.urls + self.recorded("sbc-requests")

    def evaluate(self, expression, tab=None):
        if tab is not None:
            self.front(tab)
        try:
            return self.driver.execute_script(f"return ({expression});")
        except WebDriverException as error:
            raise Failure(f"{expression}: {error.msg or type(error).__name__}") from None
        finally:
            if tab is not None:
                self.front()

    def navigate(self, url):
        self.urls.append(url)
        self.driver.get(url)

    def reload_page(self):
        self.driver.refresh()

    def tabs(self):
        return set(self.driver.window_handles)

    def tab_url(self, tab):
        self.front(tab)
        try:
            return self.driver.current_url
        finally:
            self.front()

    def front(self, tab=None):
        if self.driver.current_window_handle != (tab or self.page):
            self.driver.switch_to.window(tab or self.page)

    def capture(self, tab=None):
        return self.driver.get_screenshot_as_png()

    def key(self, key, ctrl=False):
        actions = ActionChains(self.driver)
        if ctrl:
            actions.key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL)
        else:
            actions.send_keys(KEYS.get(key, key))
        actions.perform()
        self.pump(0.03)

    def click(self, x, y, count=1):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y))
        for _ in range(count):
            actions.pointer_action.click()
        actions.perform()
        self.pump(0.1)

    def tap(self, x, y):
        raise Failure("WebKitGTK's WebDriver has no touch input")
