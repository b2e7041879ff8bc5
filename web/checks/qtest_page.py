"""Runs one of the desktop's test programs built for the page in headless
Chromium, on test_page.html beside it: prints the program's output and ends
with its exit code. Fails too on an abort or an uncaught exception or error
in the page's console. python3 qtest_page.py PROGRAM.js [ARGUMENT...]"""

import os
import sys
import urllib.parse

from chromium import Chromium
from web_browser import Site, wait_until


def main():
    folder, program = os.path.split(os.path.abspath(sys.argv[1]))
    name = program.removesuffix(".js")
    query = "&".join(urllib.parse.quote(word) for word in [name, *sys.argv[2:]])
    # A screen the size of a laptop's, for the window and its boxes.
    site, browser = Site(folder), Chromium(1280, 1024)
    try:
        # The page has the focus and the clipboard, as a user's tab has once
        # its first copy is allowed.
        browser.call("Browser.grantPermissions", origin=site.origin,
                     permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        browser.call("Emulation.setFocusEmulationEnabled", session=browser.page, enabled=True)
        browser.call("Page.navigate", session=browser.page, url=f"{site.origin}/test_page.html?{query}")
        code = wait_until("the test program to end", lambda: (browser.pump(0.2), browser.evaluate(
            "window.testExit === undefined ? null : String(window.testExit)"))[1], timeout=570)
        print("\n".join(browser.evaluate("testOutput")))
        faults = browser.faults()
        for fault in faults:
            print("page:", fault)
        print(f"{name}: exit code {code}")
        return 0 if code == "0" and not faults else 1
    finally:
        browser.close()
        site.stop()


if __name__ == "__main__":
    sys.exit(main())
