#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens the built page in Debian's headless Chromium, driven through chromedriver (WebDriver) by
Selenium, from a static server on 127.0.0.1, and checks it against the window's one table: the
layout, the start texts, the names, the tab order and the caption; and results and the reason
for an "Error", Enter, Copy Plain Number and Show Steps (a translation of every sentence) and
what typing into the result box changes, phone screens and touch, the dark scheme, the
separators and texts of a few languages, that Chromium would install it, the offline copy kept
by the service worker, a file:// copy and the page's weight.

Usage: page_test.py PAGE_DIR FORM_TABLE_JSON [--screenshot PNG]
  FORM_TABLE_JSON: the window's table as the build wrote it (build/web/web/form_table.json);
  PNG: the window after a click on Go
"""

import functools
import gzip
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"

# The window's one table, as the build printed it (main() reads it): the caption, the client
# area, the faces and each control's page id, kind, start text, accessible name, place in CSS pixels in
# the client area, font size in points and tab index.
TABLE = {}
# What the browser fetches for the page, each file compressed as a server would send it.
PAGE_FILES = ["index.html", "page.css", "page.js", "translations.js", "morvane.js"]
WEIGHT_LIMIT = 60 * 1024
# Phone screens, width and height: the whole window shows without sideways scrolling, scaled
# below the client area's width, at the layout's pixels from there on; check_phones adds a
# screen as wide as the client area.
PHONES = [(320, 568), (360, 640)]
# Languages: the text of Copy Plain Number, the start of the reason for an "Error", and the
# thousands separator when it is known (otherwise the browser's own, whatever it is).
LANGUAGES = [("de-DE", "Reine Zahl kopieren", "Schritt 24 von 24 berechnet", "."),
             ("de-CH", "Reine Zahl kopieren", "Schritt 24 von 24 berechnet", None),
             ("fr-FR", "Copier le nombre brut", "L’étape 24 sur 24", None),
             ("it-IT", "Copia numero semplice", "Il passaggio 24 di 24", None)]

failures = []
# The longest wait for the page: the module loading, a resize, the clipboard. Usually a fraction
# of a second, many times that when other jobs keep the cores busy.
WAIT_SECONDS = 20


def attempts(pause):
    """Iterations pause seconds apart, for WAIT_SECONDS at most: a loop polling the page."""
    deadline = time.monotonic() + WAIT_SECONDS
    yield
    while time.monotonic() < deadline:
        time.sleep(pause)
        yield


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)
    return condition


class Server:
    """The page directory served over HTTP on 127.0.0.1, on a thread of this process."""

    def __init__(self, directory):
        handler = functools.partial(QuietHandler, directory=directory)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Driver:
    """One headless Chromium session through chromedriver, in the given language."""

    def __init__(self, language):
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--disable-dev-shm-usage", "--window-size=800,600", "--lang=" + language,
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--force-device-scale-factor=1"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        # Chromium keeps its crash reports under the user's configuration folder whatever the
        # profile: a folder of its own keeps the test out of the home folder.
        self.config_home = tempfile.TemporaryDirectory()
        service = Service(CHROMEDRIVER,
                          env=dict(os.environ, XDG_CONFIG_HOME=self.config_home.name))
        self.web = webdriver.Chrome(service=service, options=options)

    def script(self, source, *args):
        return self.web.execute_script(source, *args)

    def cdp(self, command, params):
        return self.web.execute_cdp_cmd(command, params)

    def element(self, element_id):
        return self.web.find_element(By.ID, element_id)

    def click(self, element_id):
        self.element(element_id).click()

    def tap(self, element_id):
        """A finger's tap in the middle of the element."""
        actions = ActionBuilder(self.web, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to(self.element(element_id)).pointer_down().pointer_up()
        actions.perform()

    def open(self, url):
        """Navigates and waits for the module; gives the milliseconds from navigation on."""
        self.web.get(url)
        for _ in attempts(0.05):
            ready = self.script("const m = performance.getEntriesByName('morvane-ready');"
                                "return m.length ? m[0].startTime : null;")
            if ready is not None:
                return ready
        raise RuntimeError("the module never became ready at " + url)

    def type_into(self, element_id, text):
        element = self.element(element_id)
        element.clear()
        if text:
            element.send_keys(text)

    def keys(self, element_id, keys):
        self.element(element_id).send_keys(keys)

    def value(self, element_id):
        return self.script("return document.getElementById(arguments[0]).value;", element_id)

    def active(self):
        return self.script("return document.activeElement.id;")

    def result_after(self, action):
        """The result text once action has changed it (the module answers asynchronously)."""
        self.script("document.getElementById('txtResult').value = '\u2026';")
        action()
        for _ in attempts(0.02):
            text = self.value("txtResult")
            if text != "\u2026":
                return text
        return None

    def go(self, n_text, k_text):
        self.type_into("txtN", n_text)
        self.type_into("txtK", k_text)
        return self.result_after(lambda: self.click("cmdGo"))

    def quit(self):
        self.web.quit()
        self.config_home.cleanup()


def focus_order():
    """The ids of the controls that take the focus, in the table's tab order."""
    focused = [c for c in TABLE["controls"] if c["kind"] in ("textbox", "button")]
    return [c["id"] for c in sorted(focused, key=lambda c: c["tabIndex"])]


def check_layout(driver):
    """Each control where the table puts it in the client area, in CSS pixels, at its font."""
    rects = driver.script("""
        const origin = document.getElementById('frmAmain').getBoundingClientRect();
        const out = {};
        for (const id of ['frmAmain'].concat(arguments[0])) {
          const r = document.getElementById(id).getBoundingClientRect();
          const style = getComputedStyle(document.getElementById(id));
          out[id] = [r.left - origin.left, r.top - origin.top, r.width, r.height,
                     parseFloat(style.fontSize), style.fontFamily];
        }
        return out;""", [c["id"] for c in TABLE["controls"]])
    expected = {"frmAmain": [0, 0] + TABLE["client"]}
    expected.update((c["id"], c["client"]) for c in TABLE["controls"])
    for control, want in expected.items():
        check(rects[control][:4] == want,
              "%s lies at %s, the table says %s" % (control, rects[control][:4], want))
    # The table's faces, first to last, as the browser names a font family.
    faces = ", ".join(json.dumps(face) for face in TABLE["faces"])
    for control in TABLE["controls"]:
        size, family = rects[control["id"]][4:]
        points = control["fontPoints"]
        check(size == points * 96 / 72, "%s has a %spx font, not %spt" % (control["id"], size,
                                                                         points))
        check(family.startswith(faces), "%s has the font %s" % (control["id"], family))


def check_page(driver, url):
    caption = driver.script("return [document.title, document.querySelector('.caption')"
                            ".textContent];")
    check(caption == [TABLE["caption"]] * 2, "the title and caption read %r" % caption)
    check_layout(driver)
    # The start texts, and the names a screen reader gives the boxes and the button.
    for control in (c for c in TABLE["controls"] if c["kind"] != "frame"):
        shown = driver.script("const e = document.getElementById(arguments[0]);"
                              "return e.tagName === 'INPUT' ? e.value : e.textContent;",
                              control["id"])
        check(shown == control["text"], "%s starts as %r, not %r" % (control["id"], shown,
                                                                    control["text"]))
        if control["accessibleName"]:
            name = driver.element(control["id"]).accessible_name
            check(name == control["accessibleName"], "%s is announced as %r, not %r"
                  % (control["id"], name, control["accessibleName"]))
    order = focus_order()
    check(driver.active() == order[0], "the focus is in %s on load" % driver.active())
    for i, control in enumerate(order[:-1]):
        driver.keys(control, Keys.TAB)
        check(driver.active() == order[i + 1],
              "Tab from %s went to %s" % (control, driver.active()))

    for n_text, k_text, want in (("20", "10", " 184,756"), ("49", "24", "Error"),
                                 ("5", "2.5", " 8")):
        got = driver.go(n_text, k_text)
        check(got == want, "Go with %s and %s shows %r, not %r" % (n_text, k_text, got, want))
        # The tooltip: the module's one-line reason after an "Error", none after a count.
        tooltip = driver.script("return document.getElementById('txtResult').getAttribute("
                                "'title');")
        reason = driver.script("return MorvaneModule().then((m) => m.failureReason(arguments[0],"
                               " arguments[1], {decimal: '.', thousands: ','}));", n_text, k_text)
        # Under the window, for touch, and read out: the same reason, shown without hovering.
        line, shown, heard, copy_off = driver.script(
            "const line = document.getElementById('reason');"
            "return [line.textContent, line.checkVisibility(), document.getElementById("
            "'announcement').textContent, document.getElementById('cmdCopyNumber').disabled];")
        if want == "Error":
            check(reason and "\n" not in reason and tooltip == reason == line and shown
                  and reason in heard, "after Error the tooltip is %r, the line under the window"
                  " %r, the live region %r, the reason %r" % (tooltip, line, heard, reason))
        else:
            check(tooltip is None and not shown, "after %r: tooltip %r, line %r" % (got, tooltip,
                                                                                 line))
        check(copy_off == (want == "Error"), "after %r Copy Plain Number is off: %s" % (got,
                                                                                   copy_off))
    check(driver.script("return document.getElementById('announcement').textContent;") == " 8",
          "the live region does not hold the result")

    # Typed into, the result box is no Go's any more: Copy Plain Number follows what it holds,
    # and the reason and Show Steps, which belonged to the Go, are gone.
    driver.go("49", "24")
    for typed, copy_on in ((" 1,234", True), ("Error", False)):
        driver.type_into("txtResult", typed)
        state = driver.script("return [reason.textContent, txtResult.getAttribute('title'),"
                              " cmdCopyNumber.disabled, cmdShowSteps.disabled];")
        check(state == ["", None, not copy_on, True], "typing %r into the result box leaves the "
              "reason, tooltip, Copy off, Steps off at %r" % (typed, state))

    driver.type_into("txtN", "48")
    driver.type_into("txtK", "24")
    for control in ("txtN", "txtK", "txtResult", "cmdGo"):
        got = driver.result_after(lambda: driver.keys(control, Keys.ENTER))
        check(got == " 32,247,603,683,100", "Enter on %s gave %r" % (control, got))
    check_copy_and_steps(driver, url)


def check_copy_and_steps(driver, url):
    """Copy Plain Number puts the number as other programs read it on the clipboard; Show
    Steps opens the last Go's explanation and Escape closes it."""
    driver.cdp("Browser.grantPermissions", {"origin": url.rstrip("/"), "permissions":
                                            ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    driver.click("cmdCopyNumber")
    for _ in attempts(0.02):
        copied = driver.script("return navigator.clipboard.readText();")
        if copied == "32247603683100":
            break
    check(copied == "32247603683100", "Copy Plain Number copied %r" % copied)

    driver.go("5", "2.5")
    driver.type_into("txtK", "3")  # not counted: the steps are the last Go's
    driver.click("cmdShowSteps")
    steps = driver.script("return MorvaneModule().then((m) => m.explainText('5', '2.5',"
                          " {decimal: '.', thousands: ','}));")
    shown = driver.script("return dlgSteps.open && txtSteps.textContent;")
    check(shown == steps, "Show Steps shows %r" % shown)
    # Each sentence has its row of translations, keyed as the module words it.
    lost = driver.script("return MorvaneModule().then((m) => m.englishSentences().filter((e) =>"
                         " !TRANSLATIONS.sentences.some((row) => row[0] === e)));")
    check(lost == [], "no translations of %r" % lost)
    driver.keys("txtSteps", Keys.ESCAPE)
    check(not driver.script("return dlgSteps.open;"), "Escape does not close the steps")


def check_phones(driver):
    """On phone screens the whole window shows without sideways scrolling; a tap on Go counts."""
    client = TABLE["client"][0]
    for width, height in PHONES + [(client, 640)]:
        driver.cdp("Emulation.setDeviceMetricsOverride", {"width": width, "height": height,
                                                          "deviceScaleFactor": 1, "mobile": True})
        # The page fits itself to the new size on its resize event, which comes a frame later:
        # until then it may still show the previous size's scale.
        for _ in attempts(0.02):
            page, window = driver.script("const r = document.querySelector('.window')"
                                         ".getBoundingClientRect(); return [document"
                                         ".documentElement.scrollWidth, [r.left, r.top, r.right,"
                                         " r.bottom]];")
            # Scaled, the window keeps room for its edge, a pixel wide around the client area.
            edge = 1 if width < client else 0
            fits = page <= width and min(window) >= edge and window[2] <= width - edge and \
                window[3] <= height
            if fits and (width < client or window[2] - window[0] >= client):
                break
        check(fits,
              "at %dx%d the page is %d px wide, the window at %s" % (width, height, page, window))
        if width >= client:
            check_layout(driver)
        driver.type_into("txtN", "20")
        driver.type_into("txtK", "10")
        got = driver.result_after(lambda: driver.tap("cmdGo"))
        check(got == " 184,756", "at %d px a tap on Go gave %r" % (width, got))
    driver.cdp("Emulation.clearDeviceMetricsOverride", {})


def luminance(rgb):
    """The relative luminance of an sRGB colour, as WCAG defines it for contrast."""
    linear = [c / 3294.6 if c <= 10.31475 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def check_dark(driver):
    """In a dark scheme the result, a label, the reason and the steps are light on dark, at AA
    contrast."""
    driver.cdp("Emulation.setEmulatedMedia",
               {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
    driver.go("49", "24")
    for control in ("txtResult", "Label1_0", "reason", "stepsTitle", "txtSteps"):
        if control == "stepsTitle":
            driver.click("cmdShowSteps")
        text, ground = driver.script("""
            const rgb = (e) => getComputedStyle(e)[arguments[1]].match(/[\\d.]+/g).map(Number);
            let e = document.getElementById(arguments[0]);
            const text = rgb(e);
            arguments[1] = 'backgroundColor';
            while (rgb(e)[3] === 0) e = e.parentElement;  // transparent: what lies under it
            return [text, rgb(e)];""", control, "color")
        dark, light = sorted((luminance(ground[:3]), luminance(text[:3])))
        check(dark == luminance(ground[:3]) < 0.05 and (light + 0.05) / (dark + 0.05) >= 4.5,
              "in the dark scheme %s is %s on %s" % (control, text, ground))
    driver.keys("txtSteps", Keys.ESCAPE)
    driver.cdp("Emulation.setEmulatedMedia", {"features": []})


def check_caption(driver):
    """The caption's glyphs stand in the middle of its bar, within a pixel."""
    shot = driver.web.find_element(By.CSS_SELECTOR, ".caption").screenshot_as_base64
    height, top, bottom = driver.web.execute_async_script("""
        const [shot, done] = arguments, image = new Image();
        image.onload = () => {
          const canvas = new OffscreenCanvas(image.width, image.height);
          canvas.getContext('2d').drawImage(image, 0, 0);
          const px = canvas.getContext('2d').getImageData(0, 0, image.width, image.height).data;
          const rows = [...Array(image.height).keys()].filter((y) => [...Array(image.width)
            .keys()].some((x) => [0, 1, 2].reduce((off, c) =>  // far from the bar's colour
              off + Math.abs(px[(y * image.width + x) * 4 + c] - px[c]), 0) > 150));
          done([image.height, rows[0], rows[rows.length - 1]]);
        };
        image.src = 'data:image/png;base64,' + shot;""", shot)
    check(abs(top + bottom - height + 1) <= 2,
          "the caption's glyphs fill rows %s to %s of %s" % (top, bottom, height))


def main():
    page_dir = os.path.abspath(sys.argv[1])
    weight = 0
    for name in PAGE_FILES:
        with open(os.path.join(page_dir, name), "rb") as page_file:
            weight += len(gzip.compress(page_file.read(), 9))
    print("page and module: %d bytes compressed" % weight)
    check(weight <= WEIGHT_LIMIT, "the page weighs %d bytes compressed" % weight)

    with open(sys.argv[2], encoding="utf-8") as table:
        TABLE.update(json.load(table))
    screenshot = sys.argv[4] if len(sys.argv) > 4 and sys.argv[3] == "--screenshot" else None
    server = Server(page_dir)
    driver = Driver("en-US")
    try:
        ready = driver.open(server.url)
        print("usable %.0f ms after navigation" % ready)
        check_page(driver, server.url)
        check_phones(driver)
        check_dark(driver)
        check_caption(driver)
        if screenshot:
            driver.go("20", "10")
            driver.script("document.activeElement.blur();")
            driver.web.find_element(By.CSS_SELECTOR, ".window").screenshot(screenshot)

        # Installable, and offline: the service worker serves the page and the module once the
        # server is gone.
        driver.script("return navigator.serviceWorker.ready.then(() => true);")
        driver.open(server.url)  # now under the worker's control
        errors = driver.cdp("Page.getInstallabilityErrors", {})
        check(errors["installabilityErrors"] == [],
              "Chromium would not install the page: %s" % errors["installabilityErrors"])
        server.stop()
        server = None
        driver.open(driver.script("return location.href;"))
        check(driver.go("20", "10") == " 184,756", "the page does not work offline")

        # A copy of the page opened as a file.
        with tempfile.TemporaryDirectory() as copy:
            shutil.copytree(page_dir, copy, dirs_exist_ok=True)
            driver.open("file://" + copy + "/index.html")
            check(driver.go("20", "10") == " 184,756", "a file:// copy of the page does not work")
    finally:
        driver.quit()
        if server:
            server.stop()

    # The browser's language sets the separators, its own whatever they are, and the texts of
    # the controls under the window.
    server = Server(page_dir)
    try:
        for language, copy_text, reason, known in LANGUAGES:
            driver = Driver(language)
            try:
                driver.open(server.url)
                got = driver.go("20", "10")
                group = driver.script("return new Intl.NumberFormat(arguments[0]).formatToParts("
                                      "1234567).find((p) => p.type === 'group').value;", language)
                check(got == " 184" + group + "756" and group == (known or group),
                      "in %s Go shows %r, the browser groups with %r" % (language, got, group))
                driver.go("49", "24")
                texts = driver.script("return [cmdCopyNumber.textContent, reason.textContent];")
                check(texts[0] == copy_text and texts[1].startswith(reason),
                      "in %s Copy Plain Number and the reason read %r" % (language, texts))
            finally:
                driver.quit()
    finally:
        server.stop()

    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
