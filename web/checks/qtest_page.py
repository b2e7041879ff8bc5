"""Runs one test program built for the page in headless Chromium, through
Qt's batched test runner (its files beside the program): prints the test's
output and ends with its exit code. Fails too on an abort or an uncaught
exception in the page's console. python3 qtest_page.py PROGRAM.js"""

import os
import sys

from web_browser import Browser, Site, wait_until


def main():
    folder, program = os.path.split(os.path.abspath(sys.argv[1]))
    name = program.removesuffix(".js")
    site, browser = Site(folder), Browser()
    try:
        browser.call("Page.navigate", session=browser.page,
                     url=f"{site.origin}/batchedtestrunner.html?qtestname={name}&qtestoutputformat=txt")
        status = wait_until("the test to end", lambda: (browser.pump(0.2), browser.evaluate(
            "window.qtTestRunner && qtTestRunner.status !== 'Running' && qtTestRunner.status"))[1], timeout=570)
        result = browser.evaluate(f"(() => {{ const r = qtTestRunner.results.get('{name}');"
                                  " return r && {status: r.status, exitCode: r.exitCode, output: r.output.join('\\n')}; })()")
        print((result or {}).get("output") or browser.evaluate("qtTestRunner.errorDetails"))
        faults = browser.faults()
        for fault in faults:
            print("page:", fault)
        print(f"{name}: {status}")
        return 0 if status == "Passed" and not faults else 1
    finally:
        browser.close()
        site.stop()


if __name__ == "__main__":
    sys.exit(main())
