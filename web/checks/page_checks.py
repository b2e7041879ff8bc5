"""The web page's checks, one per CTest test: python3 page_checks.py NAME
[ENGINE], in headless Chromium (the default), Firefox ESR or WebKitGTK.
Each opens the page in a fresh browser, does what a user does, and reads
back what the page shows: its windows and their titles, Qt's accessibility
tree in the DOM, the printouts' PDF text. Each ends by checking that no
request went anywhere but the page's own address, and that nothing was
thrown, aborted or logged as an error in the page's console."""

import os
import re
import statistics
import subprocess
import sys
import tempfile

from web_browser import CLIENT_HEIGHT, DESIGN_WIDTH, ENGINES, Failure, Page, Site, launch, pdf_text, words

# The bare Qt page the measures set the page beside.
BARE_SITE = os.environ.get("SBC_WEB_BARE_SITE")

# The first worked example, as typed.
WORKED_EXAMPLE = [("txtOSDD", "125"), ("txtRatedLoad", "2500"), ("txtWeightCar", "3000"),
                  ("txtBufferLoadRat", "10000"), ("txtBufferStroke", "2.5"), ("txtNumOfBufAssys", "2"),
                  ("txtWeightPlunger", "1200"), ("txtNumPlungers", "1"), ("txtLengthPlunger", "10"),
                  ("txtPlungerDiam", "6")]

# What the desktop program prints for the worked example identified as
# "Car 3", line by line.
DESKTOP_REPORT = """\


    Hydraulic Spring Buffer Reaction Calculation Results

    Elevator Identification: Car 3

    Buffer is:               GOOD!!

                             Imperial

    Operating speed in the down direction:   125 FPM
    Rated load:                              2500 Lb
    Weight of the complete car:              3000 Lb
    Load rating of one buffer assembly:      10000 Lb
    Buffer stroke:                           2.5 Inches
    Number of buffer assemblies:             2 

    Is plunger weight carried by car at buffer impact?  Yes

    Weight of one plunger:                   1200 Lb
    Number of plungers:                      1 
    Length of plunger in oil at impact:      10 Feet
    Plunger diameter:                        6 Inches

    Minimum buffer load rating:              17456.42 Lb
    Actual buffer load rating:               20000 Lb
    Maximum buffer load rating:              34912.84 Lb

                             Metric

    Operating speed in the down direction:   0.635 MPS
    Rated load:                              1133.980925 Kg
    Weight of the complete car:              1360.77711 Kg
    Load rating of one buffer assembly:      4535.9237 Kg
    Buffer stroke:                           63.5 Millimeters
    Number of buffer assemblies:             2 

    Is plunger weight carried by car at buffer impact?  Yes

    Weight of one plunger:                   544.310844 Kg
    Number of plungers:                      1 
    Length of plunger in oil at impact:      3.048 Meters
    Plunger diameter:                        152.4 Millimeters

    Minimum buffer load rating:              7918.0989195154 Kg
    Actual buffer load rating:               9071.8474 Kg
    Maximum buffer load rating:              15836.1978390308 Kg


      Another timesaving program from www.example.org
"""


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: saw {seen!r}, wanted {wanted!r}")


CHECKS = {}


# The checks a touch screen needs: WebKitGTK's WebDriver has no touch input.
TOUCH_ENGINES = ("chromium", "firefox")


def check(width=800, height=650, touch=False, engines=tuple(ENGINES)):
    def register(body):
        def run(engine):
            if engine not in engines:
                raise Failure(f"{body.__name__} runs in {', '.join(engines)} only")
            site = Site()
            browser = launch(engine, width, height, touch=touch)
            try:
                page = Page(browser, site, touch)
                body(page)
                page.no_request_elsewhere()
                browser.pump(0.2)
            finally:
                try:
                    faults = browser.faults()
                except Failure as failure:
                    faults = [f"its faults could not be read: {failure}"]
                for fault in faults:
                    print("page:", fault)
                browser.close()
                site.stop()
            if faults:
                raise Failure("the page's console has errors")
        CHECKS[body.__name__] = run
        return body
    return register


@check()
def worked_example(page):
    expect("the window's width at the design size", round(page.rect[2]), DESIGN_WIDTH)
    if not 15 <= page.menu_bar <= 35:
        raise Failure(f"a menu bar {page.menu_bar} pixels high")
    page.b.screenshot("design-size")
    page.enter(WORKED_EXAMPLE)
    page.click("cmdCompute")
    page.b.screenshot("worked-example")
    tab, lines, size, fonts = page.report()
    expect("the report's lines", lines, words(DESKTOP_REPORT.splitlines()))
    expect("the report's paper", size, "612 x 792 pts (letter)")
    if "LiberationMono" not in fonts:
        raise Failure(f"the report's faces: {fonts}")
    # The viewer draws the pages a moment after it opens.
    page.b.pump(4.0)
    page.b.screenshot("report-pdf-viewer", tab)


def short_stroke(page, name):
    """A stroke too short for the speed, left by Tab: its message box."""
    page.enter([("txtOSDD", "120"), ("txtBufferStroke", "2")])
    page.b.key("Tab")
    texts = page.windows(2)
    page.b.screenshot(name)
    return texts


@check()
def short_stroke_and_clear_all(page):
    if "Buffer Stroke" not in short_stroke(page, "short-stroke"):
        raise Failure("no Buffer Stroke box")
    page.answer_box()
    # The focus is back in the emptied stroke box: what is typed lands there.
    page.b.type("2.5")
    page.enter(WORKED_EXAMPLE[1:4] + WORKED_EXAMPLE[5:])
    page.click("cmdCompute")
    lines = page.report()[1]
    for line in ("Operating speed in the down direction: 120 FPM", "Buffer stroke: 2.5 Inches",
                 "Buffer stroke: 63.5 Millimeters", "Buffer is: GOOD!!"):
        if line not in lines:
            raise Failure(f"no {line!r} in the report: {lines}")
    page.click("cmdClear")
    # Clear All empties the entries and results and keeps the identification:
    # Print Data does not ask again.
    lines = page.report(None)[1]
    expect("the report's entries after Clear All",
           [line for line in lines if re.match(r"(Operating speed|Rated load|Buffer stroke|Minimum|Elevator)", line)],
           ["Elevator Identification: Car 3", "Operating speed in the down direction: FPM", "Rated load: Lb",
            "Buffer stroke: Inches", "Minimum buffer load rating: Lb", "Operating speed in the down direction: MPS",
            "Rated load: Kg", "Buffer stroke: Millimeters", "Minimum buffer load rating: Kg"])
    # The message's own text, as Qt's accessibility tree puts it in the DOM.
    page.b.enable_screen_reader()
    if "Buffer stroke is too short!" not in short_stroke(page, "short-stroke-again"):
        raise Failure("no message text in the accessibility tree")


@check()
def print_form(page):
    page.enter([("txtID", "Car 5"), ("txtOSDD", "100")])
    tab, pdf = page.printout("f", None)
    with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
        file.write(pdf)
        file.flush()
        images = subprocess.run(["pdfimages", "-list", file.name], check=True, capture_output=True,
                                text=True).stdout.splitlines()[2:]
    expect("the form's images", [row.split()[3:5] for row in images], [[str(DESIGN_WIDTH), str(CLIENT_HEIGHT)]])


def whole_on_page(page, what, rect):
    x, y, width, height = rect
    if x < -0.5 or y < -0.5 or x + width > page.b.width + 0.5 or y + height > page.b.height + 0.5:
        raise Failure(f"{what} {rect} is not whole in {page.b.width} x {page.b.height}")


def fits_and_types(page, name):
    whole_on_page(page, "the window", page.rect)
    width, height = page.rect[2:]
    if abs(width / height - DESIGN_WIDTH / (CLIENT_HEIGHT + page.menu_bar)) > 0.01:
        raise Failure(f"the window {page.rect} is not the design's shape")
    page.b.screenshot(name)
    page.enter([("txtOSDD", "125"), ("txtBufferStroke", "2.5")], tap=True)
    # A double tap on the stroke's caption opens the stroke table, whole.
    page.b.tap(*page.point("Label10"))
    page.b.tap(*page.point("Label10"))
    texts = page.windows(2)
    page.b.screenshot(name + "-stroke-table")
    if "Minimum Spring Buffer Stroke - Imperial" not in texts:
        raise Failure(f"no stroke table: {texts}")
    whole_on_page(page, "the stroke table", page.b.window_rects()[-1])
    page.close_box()
    lines = page.report("Tapped")[1]
    for line in ("Operating speed in the down direction: 125 FPM", "Buffer stroke: 63.5 Millimeters"):
        if line not in lines:
            raise Failure(f"no {line!r} in the report: {lines}")
    # Turned the other way, the window is still whole on the page.
    page.b.turn()
    page.b.screenshot(name + "-turned")
    whole_on_page(page, "the turned window", page.b.window_rects()[0])


@check(768, 1024, touch=True, engines=TOUCH_ENGINES)
def tablet(page):
    fits_and_types(page, "tablet-768x1024")


@check(844, 390, touch=True, engines=TOUCH_ENGINES)
def phone(page):
    if page.scale >= 1:
        raise Failure("the window was not scaled down to the phone's height")
    fits_and_types(page, "phone-844x390")


@check()
def offline(page):
    page.b.wait_for("the service worker to keep the page",
                    "navigator.serviceWorker.controller !== null && caches.keys().then(k => k.length === 1)")
    page.b.offline()
    page.site.stop()
    page.b.reload()
    page.enter(WORKED_EXAMPLE)
    page.click("cmdCompute")
    lines = page.report()[1]
    expect("the report's lines offline", lines, words(DESKTOP_REPORT.splitlines()))


MISSING_ENTRY = "Did you make an entry in all the appropriate fields?"
RESULTS = ("Minimum buffer load rating, LB", "Actual buffer load rating, LB", "Maximum buffer load rating, LB",
           "Minimum buffer load rating, KG", "Actual buffer load rating, KG", "Maximum buffer load rating, KG",
           "Buffer is")


def refused(page, what):
    """Calculate, refused with the missing-entry box; the results empty."""
    page.click("cmdCompute")
    texts = page.windows(2)
    if MISSING_ENTRY not in texts:
        raise Failure(f"{what}: no missing-entry box: {texts}")
    page.answer_box()
    boxes = page.b.boxes()
    expect(f"{what}: the results", [boxes.get(name) for name in RESULTS], [""] * len(RESULTS))


@check()
def missing_entry(page):
    # The boxes' texts as the accessibility tree gives them.
    page.b.enable_screen_reader()
    page.enter(WORKED_EXAMPLE)
    page.click("cmdCompute")
    expect("the verdict", page.b.boxes().get("Buffer is"), "GOOD!!")
    # The car's weight emptied: refused in both unit systems, for both
    # plunger answers.
    page.click("txtWeightCar")
    page.b.key("a", ctrl=True)
    page.b.key("Backspace")
    for units in ("optImperial", "optMetric"):
        for plunger in ("optPlungerYes", "optPlungerNo"):
            page.click(units)
            page.click(plunger)
            refused(page, f"{units}, {plunger}, no car weight")
    # Twice the car and rated load beyond a 32-bit integer.
    page.click("optImperial")
    page.enter([("txtWeightCar", "1100000000")])
    refused(page, "2W out of range")


@check(engines=("chromium",))
def screen_reader(page):
    """Chromium's accessibility tree, as a screen reader reads it: the boxes
    by their captions, with their texts as values."""
    def heard():
        boxes = {}
        for node in page.b.call("Accessibility.getFullAXTree", session=page.b.page)["nodes"]:
            name = node.get("name", {}).get("value")
            if node.get("role", {}).get("value") == "textbox" and name and not node.get("ignored"):
                boxes[name] = node.get("value", {}).get("value", "")
        return boxes

    def hears(wanted):
        page.b.pump(0.3)
        boxes = heard()
        expect("what the screen reader hears", {name: boxes.get(name) for name in wanted}, wanted)

    page.b.call("Accessibility.enable", session=page.b.page)
    page.b.enable_screen_reader()
    speed = {"Operating speed in the down direction, FPM": "125", "Operating speed in the down direction, MPS": "0.635"}
    page.enter(WORKED_EXAMPLE[:1])
    hears(speed)
    page.enter(WORKED_EXAMPLE[1:])
    page.click("cmdCompute")
    hears({**speed, "Minimum buffer load rating, LB": "17456.42", "Buffer is": "GOOD!!"})


def load_ms(site_folder):
    """Loading to the window ready, in a fresh browser each time: the median of three."""
    times = []
    for _ in range(3):
        site, browser = Site(site_folder), launch("chromium")
        try:
            times.append(browser.open(site.origin + "/"))
        finally:
            browser.close()
            site.stop()
    return statistics.median(times)


def phone_load_ms(site_folder):
    """As a phone loads it, served compressed, in a fresh browser each time:
    the first load to the window ready, then the reload from the service
    worker with the network off (the CPU still slowed). Medians of three."""
    first, again = [], []
    for _ in range(3):
        site, browser = Site(site_folder, compressed=True), launch("chromium", mobile=True)
        try:
            browser.slow_as_a_phone()
            first.append(browser.open(site.origin + "/"))
            browser.call("Network.setBypassServiceWorker", session=browser.page, bypass=False)
            browser.wait_for("the service worker to keep the page",
                             "navigator.serviceWorker.controller !== null && caches.keys().then(k => k.length === 1)",
                             timeout=120)
            browser.offline()
            again.append(browser.reload(timeout=120))
        finally:
            browser.close()
            site.stop()
    return statistics.median(first), statistics.median(again)


@check(engines=("chromium",))
def phone_profile(page):
    """A benchmark that prints: a slow machine does not fail it."""
    (page_first, page_again), (bare_first, bare_again) = (phone_load_ms(page.site.folder),
                                                          phone_load_ms(BARE_SITE))
    print(f"as a phone loads it (CPU 4x slower, 10 Mbit/s, 40 ms, compressed): first load to ready {page_first:.0f} ms, "
          f"bare Qt page {bare_first:.0f} ms; offline reload {page_again:.0f} ms, bare Qt page {bare_again:.0f} ms")


def gzipped_bytes(folder):
    """The page's files, each gzipped, as a host sends them: a large file's
    .gz beside it, a small one compressed as it goes out."""
    def sent(name):
        path = os.path.join(folder, name)
        if os.path.isfile(path + ".gz"):
            return os.path.getsize(path + ".gz")
        return len(subprocess.run(["gzip", "-9c", path], check=True, capture_output=True).stdout)
    return sum(sent(name) for name in os.listdir(folder) if not name.endswith((".gz", ".br")))


@check(engines=("chromium",))
def measures(page):
    size, bare_size = gzipped_bytes(page.site.folder), gzipped_bytes(BARE_SITE)
    page_ms, bare_ms = load_ms(page.site.folder), load_ms(BARE_SITE)
    page.click("txtOSDD")
    trips = [trip for trip in (page.b.round_trip(page.point("txtOSDDMet"), digit) for digit in "125")
             if trip is not None] or [float("nan")]
    print(f"download gzipped: {size / 1e6:.2f} MB, bare Qt page {bare_size / 1e6:.2f} MB; load to ready: {page_ms:.0f} ms, bare Qt page {bare_ms:.0f} ms "
          f"({page_ms / bare_ms:.2f}x); keystroke to twin box: {statistics.median(trips):.0f} ms")
    # The page's budget for a phone's connection.
    if size > 4e6:
        raise Failure("the page's download is over 4 MB gzipped")


def main():
    engine = sys.argv[2] if len(sys.argv) > 2 else "chromium"
    CHECKS[sys.argv[1]](engine)
    print(f"{sys.argv[1]} in {engine}: passed")


if __name__ == "__main__":
    main()
