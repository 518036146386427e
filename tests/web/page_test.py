#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens the built page in Debian's headless Chromium, driven through chromedriver (WebDriver),
from a static server on 127.0.0.1, and checks it against the window: the layout, the initial
texts, results and the tooltip of an "Error", the tab order, Enter, the German separators, that Chromium would install it,
the offline copy kept by the service worker, a file:// copy and the page's weight.

Usage: page_test.py PAGE_DIR [--screenshot PNG]   (PNG: the window after a click on Go)
"""

import base64
import functools
import gzip
import http.server
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.request

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
TAB, ENTER = "\ue004", "\ue007"

# The window's layout in twips (15 to a pixel): the client area, the frame in it, and the
# controls in the frame, with their font sizes in points.
CLIENT = (5760, 2625)
FRAME = (270, 240, 5235, 2145)
CONTROLS = {
    "Label1_0": ((480, 420, 270, 330), 11.25),
    "txtN": ((900, 360, 615, 420), 11.25),
    "Label1_1": ((510, 1020, 240, 330), 11.25),
    "txtK": ((900, 960, 615, 420), 11.25),
    "cmdGo": ((1680, 360, 3195, 975), 14.25),
    "txtResult": ((330, 1470, 4575, 450), 14.25),
}
FACES = '"Segoe UI", "Open Sans", "Noto Sans", "DejaVu Sans"'
TAB_ORDER = ["txtResult", "cmdGo", "txtK", "txtN"]
NAMES = {"txtN": "N", "txtK": "K", "txtResult": "Result", "cmdGo": "Go"}
# What the browser fetches for the page, each file compressed as a server would send it.
PAGE_FILES = ["index.html", "page.css", "page.js", "morvane.js"]
WEIGHT_LIMIT = 150 * 1024

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


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
    """chromedriver and one headless Chromium session, in the given language."""

    def __init__(self, language):
        self.port = free_port()
        self.process = subprocess.Popen([CHROMEDRIVER, "--port=%d" % self.port],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.base = "http://127.0.0.1:%d" % self.port
        for _ in range(100):
            try:
                if self.call("GET", "/status")["ready"]:
                    break
            except (urllib.error.URLError, ConnectionError):
                time.sleep(0.1)
        options = {
            "binary": CHROMIUM,
            "args": ["--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=800,600", "--lang=" + language,
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--force-device-scale-factor=1"],
            "prefs": {"intl.accept_languages": language},
        }
        capabilities = {"alwaysMatch": {"browserName": "chrome", "goog:chromeOptions": options}}
        self.session = self.call("POST", "/session", {"capabilities": capabilities})["sessionId"]

    def call(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as response:
                return json.load(response)["value"]
        except urllib.error.HTTPError as error:
            raise RuntimeError("WebDriver %s %s: %s" % (method, path, error.read()[:500]))

    def do(self, method, path, body=None):
        return self.call(method, "/session/%s%s" % (self.session, path), body)

    def script(self, source, *args):
        return self.do("POST", "/execute/sync", {"script": source, "args": list(args)})

    def element_at(self, selector):
        found = self.do("POST", "/element", {"using": "css selector", "value": selector})
        return next(iter(found.values()))

    def element(self, element_id):
        return self.element_at("#" + element_id)

    def open(self, url):
        """Navigates and waits for the module; gives the milliseconds from navigation on."""
        self.do("POST", "/url", {"url": url})
        for _ in range(200):
            ready = self.script("const m = performance.getEntriesByName('morvane-ready');"
                                "return m.length ? m[0].startTime : null;")
            if ready is not None:
                return ready
            time.sleep(0.05)
        raise RuntimeError("the module never became ready at " + url)

    def type_into(self, element_id, text):
        element = self.element(element_id)
        self.do("POST", "/element/%s/clear" % element, {})
        if text:
            self.do("POST", "/element/%s/value" % element, {"text": text})

    def keys(self, element_id, keys):
        self.do("POST", "/element/%s/value" % self.element(element_id), {"text": keys})

    def value(self, element_id):
        return self.script("return document.getElementById(arguments[0]).value;", element_id)

    def active(self):
        return self.script("return document.activeElement.id;")

    def result_after(self, action):
        """The result text once action has changed it (the module answers asynchronously)."""
        self.script("document.getElementById('txtResult').value = '\u2026';")
        action()
        for _ in range(100):
            text = self.value("txtResult")
            if text != "\u2026":
                return text
            time.sleep(0.02)
        return None

    def go(self, n_text, k_text):
        self.type_into("txtN", n_text)
        self.type_into("txtK", k_text)
        return self.result_after(lambda: self.do("POST", "/element/%s/click"
                                                 % self.element("cmdGo"), {}))

    def quit(self):
        try:
            self.do("DELETE", "")
        finally:
            self.process.terminate()
            self.process.wait()


def px(twips):
    return twips / 15


def check_layout(driver):
    rects = driver.script("""
        const origin = document.getElementById('frmAmain').getBoundingClientRect();
        const out = {};
        for (const id of ['frmAmain', 'Frame1'].concat(arguments[0])) {
          const r = document.getElementById(id).getBoundingClientRect();
          const style = getComputedStyle(document.getElementById(id));
          out[id] = [r.left - origin.left, r.top - origin.top, r.width, r.height,
                     parseFloat(style.fontSize), style.fontFamily];
        }
        return out;""", list(CONTROLS))
    expected = {"frmAmain": (0, 0) + CLIENT, "Frame1": FRAME}
    for control, (place, _) in CONTROLS.items():
        left, top, width, height = place
        expected[control] = (FRAME[0] + left, FRAME[1] + top, width, height)
    for control, place in expected.items():
        want = [px(v) for v in place]
        check(rects[control][:4] == want,
              "%s lies at %s, the layout says %s" % (control, rects[control][:4], want))
    for control, (_, points) in CONTROLS.items():
        size, family = rects[control][4:]
        check(size == points * 96 / 72, "%s has a %spx font, not %spt" % (control, size, points))
        check(family.startswith(FACES), "%s has the font %s" % (control, family))


def check_page(driver, url):
    check(driver.script("return document.title;") == "MORVANE", "the title is not MORVANE")
    check_layout(driver)
    check([driver.value(i) for i in ("txtN", "txtK", "txtResult")] == ["20", "10", ""],
          "the initial texts are not 20, 10 and empty")
    check(driver.active() == "txtResult", "the focus is not in the result box on load")
    for control, name in NAMES.items():
        label = driver.do("GET", "/element/%s/computedlabel" % driver.element(control))
        check(label == name, "%s is announced as %r, not %r" % (control, label, name))

    for i, control in enumerate(TAB_ORDER[:-1]):
        driver.keys(control, TAB)
        check(driver.active() == TAB_ORDER[i + 1],
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
        if want == "Error":
            check(reason and "\n" not in reason and tooltip == reason,
                  "after Error the tooltip is %r, the reason %r" % (tooltip, reason))
        else:
            check(tooltip is None, "after %r the tooltip is %r" % (got, tooltip))
    check(driver.script("return document.getElementById('announcement').textContent;") == " 8",
          "the live region does not hold the result")

    driver.type_into("txtN", "48")
    driver.type_into("txtK", "24")
    for control in ("txtN", "txtK", "txtResult", "cmdGo"):
        got = driver.result_after(lambda: driver.keys(control, ENTER))
        check(got == " 32,247,603,683,100", "Enter on %s gave %r" % (control, got))


def main():
    page_dir = os.path.abspath(sys.argv[1])
    weight = 0
    for name in PAGE_FILES:
        with open(os.path.join(page_dir, name), "rb") as page_file:
            weight += len(gzip.compress(page_file.read(), 9))
    print("page and module: %d bytes compressed" % weight)
    check(weight <= WEIGHT_LIMIT, "the page weighs %d bytes compressed" % weight)

    screenshot = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--screenshot" else None
    server = Server(page_dir)
    driver = Driver("en-US")
    try:
        ready = driver.open(server.url)
        print("usable %.0f ms after navigation" % ready)
        check_page(driver, server.url)
        if screenshot:
            driver.go("20", "10")
            driver.script("document.activeElement.blur();")
            window = driver.element_at(".window")
            shot = driver.do("GET", "/element/%s/screenshot" % window)
            with open(screenshot, "wb") as out:
                out.write(base64.b64decode(shot))

        # Installable, and offline: the service worker serves the page and the module once the
        # server is gone.
        driver.script("return navigator.serviceWorker.ready.then(() => true);")
        driver.open(server.url)  # now under the worker's control
        errors = driver.do("POST", "/goog/cdp/execute",
                           {"cmd": "Page.getInstallabilityErrors", "params": {}})
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

    # The browser's language sets the separators.
    server = Server(page_dir)
    driver = Driver("de-DE")
    try:
        driver.open(server.url)
        got = driver.go("20", "10")
        check(got == " 184.756", "in German Go shows %r" % got)
    finally:
        driver.quit()
        server.stop()

    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
