"""The web page's checks, one per CTest test: python3 page_checks.py NAME.
Each opens the page in a fresh headless Chromium, does what a user does,
reads back what the page shows (its windows' titles and Qt's accessibility
tree in the DOM, or the printout's PDF text) and finally checks that no
request went anywhere but the page's own address."""

import re
import sys

from web_browser import Browser, Failure, Site, pdf_text, wait_until

DESIGN_WIDTH, CLIENT_HEIGHT = 618, 532

# Centres of the boxes and buttons, in twips from the client area's corner.
AT = {
    "txtOSDD": (5947, 1057), "txtRatedLoad": (5947, 1447), "txtWeightCar": (5947, 1822),
    "txtBufferLoadRat": (5947, 2212), "txtBufferStroke": (5947, 2587), "txtBufferStrokeMet": (7867, 2587),
    "txtNumOfBufAssys": (5947, 2977), "txtWeightPlunger": (5947, 4072), "txtNumPlungers": (5947, 4447),
    "txtLengthPlunger": (5947, 4807), "txtPlungerDiam": (5947, 5182),
    "cmdCompute": (1147, 7507), "cmdClear": (3187, 7507), "Label10": (900, 2587),
}

# The first worked example, as typed.
WORKED_EXAMPLE = [("txtOSDD", "125"), ("txtRatedLoad", "2500"), ("txtWeightCar", "3000"),
                  ("txtBufferLoadRat", "10000"), ("txtBufferStroke", "2.5"), ("txtNumOfBufAssys", "2"),
                  ("txtWeightPlunger", "1200"), ("txtNumPlungers", "1"), ("txtLengthPlunger", "10"),
                  ("txtPlungerDiam", "6")]

# The report the desktop program prints for the worked example with the
# identification "Car 3" (blank runs as pdftotext shows them, one space).
WORKED_EXAMPLE_REPORT = """\
Hydraulic Spring Buffer Reaction Calculation Results
Elevator Identification: Car 3
Buffer is: GOOD!!
Imperial
Operating speed in the down direction: 125 FPM
Rated load: 2500 Lb
Weight of the complete car: 3000 Lb
Load rating of one buffer assembly: 10000 Lb
Buffer stroke: 2.5 Inches
Number of buffer assemblies: 2
Is plunger weight carried by car at buffer impact? Yes
Weight of one plunger: 1200 Lb
Number of plungers: 1
Length of plunger in oil at impact: 10 Feet
Plunger diameter: 6 Inches
Minimum buffer load rating: 17456.42 Lb
Actual buffer load rating: 20000 Lb
Maximum buffer load rating: 34912.84 Lb
Metric
@METRIC@
Another timesaving program from www.example.org""".splitlines()


class Page:
    """The calculator's page in a browser, and where its controls are."""

    def __init__(self, browser, site):
        self.b, self.site = browser, site
        self.ready_ms = browser.open(site.origin + "/")
        x, y, width, height = browser.screen_rect()
        self.scale = width / DESIGN_WIDTH
        self.menu_bar = height / self.scale - CLIENT_HEIGHT
        self.rect = (x, y, width, height)

    def point(self, name):
        tx, ty = AT[name]
        x, y = self.rect[:2]
        return x + tx / 15 * self.scale, y + (self.menu_bar + ty / 15) * self.scale

    def click(self, name, count=1):
        self.b.click(*self.point(name), count=count)

    def enter(self, entries, tap=False):
        for box, text in entries:
            (self.b.tap if tap else self.b.click)(*self.point(box))
            self.b.type(text)

    def wait_windows(self, count):
        wait_until(f"{count} window(s) on the page", lambda: (self.b.pump(0.05), self.b.window_count() == count)[1])

    def print_data(self, identification):
        """Print Data by its shortcut, the Elevator ID box answered; the
        printout's PDF as the browser's new tab holds it."""
        before = set(self.b.targets)
        self.b.key("d", modifiers=2)  # Ctrl+D
        if identification is not None:
            self.wait_windows(2)
            self.b.type(identification)
            self.b.key("Enter")
        tab = self.b.new_tab(before)
        url = self.b.wait_for("the printout's address", "1", timeout=1) and wait_until(
            "the printout's address", lambda: self.b.evaluate_in(tab, "location.href").startswith("blob:")
            and self.b.evaluate_in(tab, "location.href"))
        return tab, self.b.fetch_bytes(url)

    def no_request_elsewhere(self):
        own = (self.site.origin + "/", "blob:" + self.site.origin + "/", "data:", "about:", "chrome", "devtools:")
        elsewhere = [url for url in self.b.requests if not url.startswith(own)]
        if elsewhere:
            raise Failure(f"requests to other addresses: {elsewhere}")


def report_lines(pdf):
    text, size, fonts = pdf_text(pdf)
    lines = [re.sub(r"\s+", " ", line).strip() for line in text.replace("\f", "\n").splitlines()]
    return [line for line in lines if line], size, fonts


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: saw {seen!r}, wanted {wanted!r}")


def with_page(width=800, height=650, touch=False):
    def run(check):
        def wrapped():
            site = Site()
            browser = Browser(width, height, touch=touch, mobile=touch)
            try:
                page = Page(browser, site)
                check(page)
                page.no_request_elsewhere()
            finally:
                browser.close()
                site.stop()
        CHECKS[check.__name__] = wrapped
        return check
    return run


CHECKS = {}


@with_page()
def worked_example(page):
    expect("the window's width at the design size", round(page.rect[2]), DESIGN_WIDTH)
    if not 15 <= page.menu_bar <= 35:
        raise Failure(f"a menu bar {page.menu_bar} pixels high")
    page.b.screenshot("design-size")
    page.enter(WORKED_EXAMPLE)
    page.click("cmdCompute")
    page.b.screenshot("worked-example")
    tab, pdf = page.print_data("Car 3")
    lines, size, fonts = report_lines(pdf)
    expect("the printout's page", size.startswith("612 x 792 pts"), True)
    expect("the printout's face", "LiberationMono" in fonts, True)
    metric = lines[lines.index("Metric") + 1:-1]
    expected = WORKED_EXAMPLE_REPORT[:WORKED_EXAMPLE_REPORT.index("@METRIC@")] + metric + WORKED_EXAMPLE_REPORT[-1:]
    expect("the printout's lines", lines, expected)
    page.b.screenshot("report-pdf-viewer", session=tab)


CHECKS_DONE = None


def main():
    name = sys.argv[1]
    CHECKS[name]()
    print(f"{name}: passed")


if __name__ == "__main__":
    main()
