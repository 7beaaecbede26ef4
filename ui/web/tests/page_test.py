#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
"""The web page in a real browser, used as a player would: real mouse clicks
and keys, and the squares' colours read from screenshots.

    page_test.py ENGINE PAGE-DIR SOLVER [CASE...]

ENGINE is chromium, firefox or webkit; PAGE-DIR the built page's folder,
SOLVER the native varnel-solve, which prints a winning game. The page is
served here on 127.0.0.1. Debian's python3-selenium drives Chromium (with
chromedriver) and WebKitGTK (with WebKitWebDriver, in a virtual X display);
puppeteer-core, from npm, drives Firefox ESR; axe-core, from npm too, audits
the page's accessibility. A scenario that needs what an engine's driver cannot
do (touch, a held key, forced colours, JavaScript off, the accessibility tree)
is skipped there, and says so. Each case is played in a browser of its own.
"""
import base64
import collections
import contextlib
import functools
import http.server
import io
import json
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import traceback

import urllib3
from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import NoSuchWindowException, TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection

GREY, GREEN, RED, BLUE = (192, 192, 192), (128, 255, 128), (255, 128, 128), (0, 0, 255)
BLOCKED = "You cannot move the column if the head is red."
SUCCESS = "Amazingly, you have succeeded. Bravo!!"
HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "..", "..", "..")
# Served into the page ahead of its own files: collects what its policy refused.
WATCH = b"""<script src="/test-watch.js"></script>"""
WATCH_SCRIPT = (b"window.violations = []; document.addEventListener('securitypolicyviolation', "
                b"(e) => violations.push(`${e.violatedDirective} ${e.blockedURI}`));")
# A browser that stops answering fails the case, not the whole run by hanging.
RemoteConnection.set_timeout(60)
# The page served from here has no varnel.wasm or no varnel.js, has its
# varnel.wasm only after a while, or has its inline script changed, so that
# its policy refuses it.
NO_WASM, NO_SCRIPT, SLOW_WASM, NO_INLINE = "/without-wasm", "/without-script", "/slow-wasm", "/no-inline"
WASM_HELD = threading.Event()  # the slow page's varnel.wasm is held back until this is set


# A node of the accessibility tree, as a screen reader finds it.
Node = collections.namedtuple("Node", "role name description live focused")


def strip(path):
    """The page's own path, without the folder that the case is served from
    (`/~case/`, where no other case's service worker answers) or the change
    asked for."""
    path = re.sub(r"^/~\w+", "", path)
    for variant in (NO_WASM, NO_SCRIPT, SLOW_WASM, NO_INLINE):
        path = path.removeprefix(variant)
    return path

# The buttons at 96 dots per inch, as the window places them.
BUTTONS = {
    "Command1": (27, 0, 13, 13), "Command2": (40, 0, 13, 13), "Command3": (53, 0, 13, 13),
    "Command4": (67, 0, 13, 13), "Command5": (93, 27, 13, 13), "Command6": (93, 40, 13, 13),
    "Command7": (93, 53, 13, 13), "Command8": (93, 67, 13, 13), "Command9": (67, 93, 13, 13),
    "Command10": (53, 93, 13, 13), "Command11": (40, 93, 13, 13), "Command12": (27, 93, 13, 13),
    "Command13": (0, 67, 13, 13), "Command14": (0, 53, 13, 13), "Command15": (0, 40, 13, 13),
    "Command16": (0, 27, 13, 13), "RESET": (104, 0, 81, 49), "END": (104, 56, 81, 49),
}
EDGES = [13, 27, 40, 53, 67, 80]  # of grid rows and columns 0 to 5
SPOKEN_BUTTONS = ([f"Shift column {n} up" for n in range(1, 5)] + [f"Shift row {n} right" for n in range(1, 5)]
                  + [f"Shift column {n} down" for n in range(4, 0, -1)]
                  + [f"Shift row {n} left" for n in range(4, 0, -1)] + ["Reset the board", "End the game"])


def grid_of(n):
    """Grid row and column of LabelN, numbered row by row without corners."""
    if n <= 4:
        return 0, n
    if n >= 29:
        return 5, n - 28
    return 1 + (n - 5) // 6, (n - 5) % 6


SQUARES = {f"Label{n}": (EDGES[grid_of(n)[1]], EDGES[grid_of(n)[0]], 13, 13) for n in range(1, 33)}
PLAY_CELLS = [n for n in range(1, 33) if 1 <= grid_of(n)[0] <= 4 and 1 <= grid_of(n)[1] <= 4]
START = {n: GREEN if n in PLAY_CELLS else GREY for n in range(1, 33)}


class Failed(Exception):
    pass


class NoAnswer(Exception):
    """firefox.js answered nothing: Firefox or its driver stopped answering."""


# The browser's driver stopped answering: selenium's connection to it timed
# out or broke, or the browser did not answer the driver in time
# (chromedriver's "timeout"), or firefox.js answered nothing. Only these
# play a case again; a wait of the case's own fails with Failed.
DRIVER_GONE = (urllib3.exceptions.HTTPError, ConnectionError, TimeoutError, TimeoutException, NoAnswer)


class Skipped(Exception):
    """The engine's driver cannot do what the scenario needs."""


def check(ok, what):
    if not ok:
        raise Failed(what)


def serve(folder, requests, watch=True, port=0):
    """Serves the folder on 127.0.0.1, the page watched for what its policy
    refuses unless told not to (a page kept for offline play cannot fetch the
    watching script with the server gone)."""
    class Handler(http.server.SimpleHTTPRequestHandler):
        extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

        def log_message(self, *args):
            requests.append(strip(self.path))

        def do_GET(self):
            path = strip(self.path)
            if path == "/test-watch.js":
                return self.reply(WATCH_SCRIPT, "text/javascript")
            if path.endswith("/varnel.wasm") and NO_WASM in self.path or \
               path.endswith("/varnel.js") and NO_SCRIPT in self.path:
                return self.send_error(404)
            if path.endswith("/varnel.wasm") and SLOW_WASM in self.path:
                WASM_HELD.wait(60)
            if watch and path in ("/", "/index.html"):
                with open(f"{folder}/index.html", "rb") as page:
                    html = page.read().replace(b"<head>", b"<head>" + WATCH, 1)
                if NO_INLINE in self.path:
                    html = html.replace(b"<script>", b"<script> ", 1)
                return self.reply(html, "text/html")
            self.path = path
            super().do_GET()

        def reply(self, body, kind):
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Page:
    """What the scenarios do to the page, in whichever engine shows it."""
    engine = None

    @contextlib.contextmanager
    def emulated(self, screen=None, forced_colours=False, javascript=True):
        """A touch screen of that size, forced colours, JavaScript off, for a
        scenario; all as before after it."""
        raise Skipped(f"{self.engine}'s driver emulates no touch screen, forced colours or JavaScript off")
        yield

    def hold_enter(self):
        raise Skipped(f"{self.engine}'s driver sends no key repeat")

    def accessible(self):
        raise Skipped(f"{self.engine}'s driver shows no accessibility tree")

    def app_manifest(self):
        raise Skipped(f"{self.engine}'s driver cannot ask the browser whether it would install the page")

    def with_workers(self):
        pass

    def open(self):
        self.get(self.url)
        self.wait_ready()

    def wait_ready(self, seconds=20):
        self.wait(lambda: self.js("return [typeof VarnelPage == 'object' && VarnelPage.started, document.activeElement.id]"),
                  "the program started, the focus on Command1", lambda seen: seen == [True, "Command1"], seconds)

    def wait(self, read, what, ok=bool, seconds=10):
        """Reads until ok(what it read), and returns that; fails after the
        seconds given, saying what it awaited and what it last read."""
        deadline = time.monotonic() + seconds
        while not ok(value := read()):
            if time.monotonic() > deadline:
                raise Failed(f"{what}; after {seconds} s: {value!r}")
            time.sleep(0.05)
        return value

    def wait_board(self, colours, what, seconds=10):
        """Until the squares numbered in `colours` show those colours on screen."""
        unlike = lambda: ", ".join(f"Label{n} is {colour}, not {colours[n]}" for n, colour in self.board().items()
                                   if n in colours and colour != colours[n])
        self.wait(unlike, what, lambda text: not text, seconds)

    def wait_ended(self, what):
        self.wait(lambda: self.ended() or self.text(), what, lambda seen: seen is True)

    def focus(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def click(self, name):
        left, top, width, height = BUTTONS[name]
        self.click_at(left + width // 2, top + min(height, 104 - top) // 2)

    def pixel(self, x, y, image=None):
        return (image or self.shot()).getpixel((x, y))

    def board(self):
        image = self.shot()
        return {n: image.getpixel((SQUARES[f"Label{n}"][0] + 6, SQUARES[f"Label{n}"][1] + 6)) for n in range(1, 33)}

    def box(self):
        """What the open box shows, or None."""
        return self.js("""
            const box = document.querySelector('.box:not([hidden])');
            const ok = box && box.querySelector('button').getBoundingClientRect();
            return box && {title: box.querySelector('.title').textContent, text: box.querySelector('p').textContent,
                           buttons: [...box.querySelectorAll('button')].map(b => b.textContent),
                           focus: document.activeElement === box.querySelector('button'),
                           ok: [ok.left + ok.width / 2, ok.top + ok.height / 2]};""")

    def wait_for_box(self):
        return self.wait(self.box, "a box")

    def ended(self):
        return self.js("return !document.getElementById('board') && !document.getElementById('ended').hidden")


class SeleniumPage(Page):
    def close(self):
        """Closes the page's tab, as a player does, for a blank one."""
        old = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        new = self.driver.current_window_handle
        self.driver.switch_to.window(old)
        self.driver.close()
        self.driver.switch_to.window(new)

    def get(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def title(self):
        return self.driver.title

    def click_at(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(x, y).click()
        actions.perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def text(self):
        return self.driver.find_element("css selector", "body").text

    def shift_tab(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()

    def shot(self):
        """The viewport as the player sees it, one pixel a CSS pixel."""
        return Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")


class ChromiumPage(SeleniumPage):
    engine = "chromium"

    def __init__(self, url):
        self.url = url
        self.start()

    def start(self, *flags):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.TemporaryDirectory()
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--force-device-scale-factor=1",
                     f"--user-data-dir={self.profile.name}", *flags):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        options.page_load_strategy = "eager"  # the page can be used before its program has loaded
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_window_size(640, 480)

    def quit(self):
        self.driver.quit()
        self.profile.cleanup()

    def errors(self):
        """The errors in the browser's console since the last call."""
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def cdp(self, command, **args):
        return self.driver.execute_cdp_cmd(command, args)

    @contextlib.contextmanager
    def emulated(self, screen=None, forced_colours=False, javascript=True):
        if screen:
            self.screen(*screen)
            self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.cdp("Emulation.setEmulatedMedia", features=[{"name": "forced-colors", "value": "active"}] * forced_colours)
        self.cdp("Emulation.setScriptExecutionDisabled", value=not javascript)
        try:
            yield
        finally:
            self.cdp("Emulation.setScriptExecutionDisabled", value=False)
            self.cdp("Emulation.setEmulatedMedia", features=[])
            self.cdp("Emulation.setTouchEmulationEnabled", enabled=False)
            self.cdp("Emulation.clearDeviceMetricsOverride")

    @contextlib.contextmanager
    def app_window(self):
        """The page as an installed app shows it, in the standalone display
        mode (Blink's number 3 for it), in a window that a script opened and
        so that the page itself could close; all as before after it."""
        self.quit()
        self.start("--blink-settings=displayModeOverride=3")
        try:
            self.js("window.open(arguments[0])", self.url)
            self.driver.switch_to.window(self.driver.window_handles[-1])
            self.wait_ready()
            check(self.js("return matchMedia('(display-mode: standalone)').matches"), "no standalone display mode")
            yield
        finally:
            self.quit()
            self.start()

    def screen(self, width, height):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=True)

    def tap(self, x, y):
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def hold_enter(self):
        for kind, repeat in (("keyDown", False), ("keyDown", True), ("keyUp", False)):
            self.cdp("Input.dispatchKeyEvent", type=kind, key="Enter", code="Enter", windowsVirtualKeyCode=13,
                     text="\r", autoRepeat=repeat)

    def app_manifest(self):
        """The manifest as Chromium read it, and why it would not install the page."""
        return self.cdp("Page.getAppManifest"), self.cdp("Page.getInstallabilityErrors")["installabilityErrors"]

    def accessible(self):
        """Chromium's accessibility tree: each node it exposes, with the live
        region that holds it, if any, and whether it has the focus."""
        nodes = self.cdp("Accessibility.getFullAXTree")["nodes"]
        parents = {n["nodeId"]: n.get("parentId") for n in nodes}
        facts = {n["nodeId"]: {p["name"]: p["value"].get("value") for p in n.get("properties", [])} for n in nodes}
        # Chromium marks a live region's root; what it holds is read out with it.
        live = lambda node: node in facts and (facts[node].get("live") or live(parents[node]))
        value = lambda node, key: node.get(key, {}).get("value")
        return [Node(value(n, "role"), value(n, "name"), value(n, "description"),
                     live(n["nodeId"]) in ("polite", "assertive"), bool(facts[n["nodeId"]].get("focused")))
                for n in nodes if not n.get("ignored")]


class WebKitPage(SeleniumPage):
    """WebKitGTK's MiniBrowser in its own virtual X display, with a profile of its own."""
    engine = "webkit"

    def __init__(self, url):
        self.url = url
        self.profile = tempfile.TemporaryDirectory()
        shown, told = os.pipe()
        self.display = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24",
                                         "-nolisten", "tcp"], pass_fds=(told,))
        os.close(told)
        # Read to the line's end: Xvfb writes the newline apart, and stops if
        # it finds the pipe closed.
        with os.fdopen(shown) as told_number:
            number = told_number.readline().strip()
        check(number and self.display.poll() is None, "Xvfb did not start")
        os.environ.update(DISPLAY=f":{number}", XDG_CACHE_HOME=self.profile.name, XDG_DATA_HOME=self.profile.name,
                          XDG_CONFIG_HOME=self.profile.name, MESA_SHADER_CACHE_DISABLE="true")
        options = webdriver.WebKitGTKOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        # Without service workers: with them, WebKitWebDriver now and then
        # stops answering for good when one starts during a script. So the
        # scenarios here also show the page playing where a browser has them off.
        options.add_argument("--features=-ServiceWorkers")
        # Its load waits for the page's own files only, not for the program:
        # the page can still be used before the program has loaded. Where
        # `get` returned sooner, a new browser now and then never answered a
        # script run while its first page was still loading.
        options.page_load_strategy = "normal"
        self.driver = webdriver.WebKitGTK(options=options)
        # MiniBrowser's toolbar takes 38 px of the window: a viewport of 640 x 442.
        self.driver.set_window_size(640, 480)

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.display.terminate()
            self.display.wait()
            self.profile.cleanup()

    def errors(self):
        return []  # WebKitWebDriver gives no console log

    def with_workers(self):
        raise Skipped("webkit runs here with service workers off")

    def shot(self):
        # WebKit's screenshot shows the last frame painted: wait for the next
        # but one, which shows the page as it is now.
        self.driver.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
        return super().shot()


class FirefoxPage(Page):
    """Firefox ESR, driven by puppeteer-core through firefox.js."""
    engine = "firefox"
    KEYS = {Keys.TAB: "Tab", Keys.ENTER: "Enter", Keys.ESCAPE: "Escape", Keys.SPACE: " "}
    # What Firefox's preferences emulate; it takes them as it starts.
    TOUCH = {"dom.w3c_touch_events.enabled": 1, "dom.maxtouchpoints.testing.value": 5,
             "ui.primaryPointerCapabilities": 1}  # a coarse pointer that cannot hover

    def __init__(self, url):
        self.url = url
        self.start({})

    def start(self, prefs):
        self.profile = tempfile.TemporaryDirectory()
        self.driver = subprocess.Popen(["node", os.path.join(os.path.dirname(__file__), "firefox.js"),
                                        self.profile.name, json.dumps(prefs)],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def send(self, command, *args):
        self.driver.stdin.write(json.dumps({"command": command, "args": list(args)}) + "\n")
        self.driver.stdin.flush()
        # One answer a command, so nothing is left in stdout's buffer between.
        if not select.select([self.driver.stdout], [], [], 60)[0]:
            raise NoAnswer(f"Firefox: {command}: no answer in 60 s")
        line = self.driver.stdout.readline()
        if not line:
            raise NoAnswer(f"Firefox: {command}: firefox.js ended")
        answer = json.loads(line)
        if "error" in answer:
            raise Failed(f"Firefox: {command}: {answer['error']}")
        return answer["value"]

    def quit(self):
        self.driver.stdin.close()
        try:
            self.driver.wait(30)
        except subprocess.TimeoutExpired:  # stopped answering; on SIGTERM puppeteer ends Firefox too
            self.driver.terminate()
            self.driver.wait(30)
        self.profile.cleanup()

    @contextlib.contextmanager
    def emulated(self, screen=None, forced_colours=False, javascript=True):
        self.quit()
        self.start({**(self.TOUCH if screen else {}), **({"ui.useAccessibilityTheme": 1} if forced_colours else {}),
                    **({} if javascript else {"javascript.enabled": False})})
        try:
            if screen:
                self.screen(*screen)
            yield
        finally:
            self.quit()
            self.start({})

    def screen(self, width, height):
        self.send("viewport", width, height)

    def get(self, url):
        self.send("get", url)

    def js(self, script, *args):
        return self.send("js", script, args)

    def title(self):
        return self.send("title")

    def click_at(self, x, y):
        self.send("click", x, y)

    def tap(self, x, y):
        self.send("tap", x, y)

    def keys(self, *keys):
        self.send("press", [self.KEYS[k] for k in keys])

    def text(self):
        return self.send("text")

    def shift_tab(self):
        self.send("press", ["Shift+Tab"])

    def hold_enter(self):
        self.send("hold", "Enter")

    def shot(self):
        return Image.open(io.BytesIO(base64.b64decode(self.send("shot")))).convert("RGB")

    def errors(self):
        return self.send("errors")

    def close(self):
        self.send("close")


ENGINES = {page.engine: page for page in (ChromiumPage, FirefoxPage, WebKitPage)}


def kept_files(folder):
    """The page's files, as its service worker lists them for keeping."""
    return re.search(r"'\./ ([^']*)'\.split", open(f"{folder}/sw.js").read())[1].split()


def expect_box(page, text):
    box = page.wait_for_box()
    check(box["title"] == "varnel", f"box title {box['title']!r}")
    check(box["text"] == text, f"box text {box['text']!r}")
    check(box["buttons"] == ["OK"], f"box buttons {box['buttons']}")
    check(box["focus"], "OK has the focus")


def audit(page, where, off=("target-size",)):
    """axe-core's checks of WCAG 2.2 AA and its best practices: the page fails
    none. Its script goes in through the driver, past the page's policy on
    scripts but under its Trusted Types. Off unless told: target-size, as the
    desktop window's 13-pixel buttons fail it by design (a touch screen scales
    them up, and there it holds)."""
    with open(os.path.join(HERE, "node_modules", "axe-core", "axe.min.js")) as axe:
        source = axe.read()
    found = page.js(source + """;return axe.run(document, {
        runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'],
        rules: Object.fromEntries(arguments[0].map((rule) => [rule, {enabled: false}]))})
        .then((found) => found.violations.map((rule) => `${rule.id} at ${rule.nodes.map((n) => n.target).join(', ')}`))
        """, list(off))
    check(not found, f"{where}, axe finds {'; '.join(found)}")


def layout_and_stacking(page, solver):
    page.open()
    check(page.title() == "Varnel", f"title {page.title()!r}")
    rects = page.js("""return Object.fromEntries([...document.querySelectorAll('#board > *')].map(e => {
        const r = e.getBoundingClientRect(); return [e.id, [r.left, r.top, r.width, r.height]]; }));""")
    expected = {**SQUARES, **BUTTONS}
    check(set(rects) == set(expected), f"controls {sorted(rects)}")
    for name, rect in expected.items():
        check(tuple(rects[name]) == rect, f"{name} at {rects[name]}, expected {rect}")
    order = page.js("return [...document.querySelectorAll('#board > *')].map(e => e.id)")
    check(order[-2:] == ["RESET", "END"] and order[:32] == [f"Label{n}" for n in range(1, 33)], "stacking order")
    captions = page.js("return [...document.querySelectorAll('#board > button')].map(b => b.textContent)")
    check(captions == ["X"] * 16 + ["RESET", "END"], f"captions {captions}")
    line = page.js("return document.getElementById('Command1').getAttribute('aria-description')")
    check(line == "Near slot empty, 4 green, far slot empty", f"Command1's line at the start: {line!r}")

    page.wait_board(START, "the start position on screen")
    image = page.shot()
    for x, y in ((184, 51), (400, 300), (150, 52)):
        check(page.pixel(x, y, image) == BLUE, f"background at ({x}, {y})")
    audit(page, "at the start")

    # Real clicks in the strips where RESET and END cover column 6.
    page.click("Command16")
    page.wait_board({5: RED}, "Command16 pushed out")
    page.click_at(105, 30)
    page.wait_board(START, "the strip over Command5 pressed RESET")
    page.click_at(105, 51)
    page.wait_board({16: RED}, "the band between RESET and END clicks Command6")
    before = page.board()
    for x, y in ((33, 33), (5, 5), (86, 86), (66, 18), (26, 33)):  # squares, empty cells, strips
        page.click_at(x, y)
    check(page.board() == before and not page.box(), "clicks off the buttons do nothing")
    check(page.focus() == "Command6", f"clicks off the buttons moved the focus to {page.focus()}")
    page.click_at(105, 60)
    page.wait_ended("the strip over Command7 pressed END")


def keyboard(page, solver):
    page.open()
    check(not page.js("return [...document.querySelectorAll('[tabindex]')].filter((e) => e.tabIndex > 0).length"),
          "a positive tabindex overrides the document's order")
    order = [f"Command{n}" for n in range(1, 17)] + ["RESET", "END"]
    for i in range(1, 19):
        page.keys(Keys.TAB)
        page.wait(page.focus, f"Tab {i} to {order[i % 18]}", lambda focus: focus == order[i % 18])
    for i in range(17, -1, -1):
        page.shift_tab()
        page.wait(page.focus, f"Shift+Tab to {order[i]}", lambda focus: focus == order[i])
    page.keys(Keys.SPACE)
    page.wait_board({1: RED}, "Space pressed Command1")
    page.keys(Keys.TAB, Keys.ENTER)
    page.wait_board({2: RED}, "Enter pressed Command2")


def held_enter(page, solver):
    """Only the first press of a held Enter clicks, on a button and in a box."""
    page.open()
    page.click("Command1")
    page.wait_board({1: RED}, "Command1 pushed column 1 out")
    page.js("document.getElementById('Command12').focus()")
    page.hold_enter()  # pulls the red piece back into row 1; the repeat would push column 1 out again
    page.wait_board({1: GREY}, "a held Enter pulled the piece back")
    check(page.board()[29] == GREY, "a held Enter's repeat clicked again")
    page.js("document.getElementById('Command1').focus()")
    page.hold_enter()  # opens the box; the repeat would close it
    page.wait(page.box, "a box that a held Enter's repeat left open")


def blocked_box_is_modal(page, solver):
    page.open()
    page.click("Command1")
    page.click("Command12")
    page.wait_board({1: GREY, 6: RED}, "Command1 and Command12 brought a red piece home")
    before = page.board()
    # Whether the box was hidden as each "Nothing moved." came, from one
    # observer's records of both, in the order they were made: then, the box
    # was as its next change found it, or else as it is now.
    page.js("""const box = document.getElementById('box'), told = document.getElementById('changes');
        window.hiddenWhenTold = [];
        const observer = new MutationObserver((records) => records.forEach((record, i) => {
            if (record.target !== told || record.addedNodes[0]?.textContent.trim() !== 'Nothing moved.') return;
            const next = records.slice(i + 1).find((later) => later.target === box);
            hiddenWhenTold.push(next ? next.oldValue !== null : box.hidden);
        }));
        observer.observe(box, {attributeFilter: ['hidden'], attributeOldValue: true});
        observer.observe(told, {childList: true});""")
    for dismiss in ("OK", Keys.ESCAPE, Keys.SPACE, Keys.ENTER):
        page.click("Command1")
        expect_box(page, BLOCKED)
        if dismiss == "OK":
            audit(page, "with a box open")
        page.click("Command5")  # the board takes no click while the box is open
        page.keys(Keys.TAB)
        box = page.box()
        check(box and box["focus"], "the keyboard stays with the box")
        check(page.board() == before, "the board shows, unchanged, while the box is open")
        if dismiss == "OK":
            page.click_at(*box["ok"])
        else:
            page.keys(dismiss)
        page.wait(page.box, f"the box closed by {dismiss!r}", lambda box: not box)
        check(page.focus() == "Command1", f"after the box ({dismiss!r}) the focus is on {page.focus()!r}, not Command1")
        check(page.board() == before, f"the board is unchanged after the box ({dismiss!r})")
    heard = page.js("return hiddenWhenTold")
    check(heard == [True] * 4, f"whether the box was hidden as each dismissal said \"Nothing moved.\": {heard}")

    # A box that cannot open (its words are gone) does not hold the game up.
    # The live region is emptied, so that the words it says next are seen.
    # page.js may report the box it could not fill (Firefox's driver gives an
    # error object logged as "JSHandle@error").
    page.expected_errors = ("TypeError", "JSHandle@error")
    page.js("for (const id of ['box-title', 'box-text']) document.getElementById(id).remove();"
            "document.getElementById('changes').textContent = ''")
    page.click("Command1")
    told = lambda: page.js("return document.getElementById('changes').textContent")
    page.wait(told, "the blocked move ran on without its box", lambda words: words == "Nothing moved.")
    page.click("Command5")
    page.wait_board({10: RED}, "the board takes clicks again")
    page.click("END")
    page.wait_ended("END ends the page after a box that could not open")


def winning_game(page, solver):
    moves = subprocess.run([solver], check=True, capture_output=True, text=True).stdout.split()
    page.open()
    for move in moves[:-1]:
        page.click(move)
    page.wait(lambda: sum(page.board()[n] == RED for n in PLAY_CELLS), "15 red play cells before the last move",
              lambda red: red == 15)
    page.click(moves[-1])
    expect_box(page, SUCCESS)
    page.wait_board(dict.fromkeys(PLAY_CELLS, RED), "the won board behind the box")
    page.keys(Keys.ENTER)
    page.wait_ended("the page ended after the win")
    check(page.js("return document.querySelector('#ended a').getAttribute('href')") == "", "a way to play again")


def end_button(page, solver):
    if page.engine == "chromium":  # the one driver here that shows the page as an installed app
        with page.app_window():
            page.click("END")
            try:
                shown = page.js("return !window.closed && !document.getElementById('ended').hidden")
            except NoSuchWindowException:
                shown = False
            check(shown, "an installed app's window stays open on the end, for the player to close")
    page.open()
    page.click("Command3")
    page.click("END")
    page.wait_ended("END ends the game")
    check(not page.box(), "END ends the game at once, with no box")
    told = page.js("return [document.activeElement.textContent, document.activeElement.getAttribute('aria-label'),"
                   " document.getElementById('changes').textContent]")
    check(told == ["Play again", "Varnel has ended. Play again", ""], f"the end is told as {told}")
    page.click_at(33, 5)
    check(page.ended() and not page.box(), "nothing answers after the end")
    audit(page, "at the end")


def unreadable_square(page, solver):
    page.open()
    page.js("document.getElementById('Label5').remove()")
    page.click("Command16")
    page.expected_errors = ("varnel: Varnel has to stop.",)
    expect_box(page, "Varnel has to stop.\n\nReading the colour of square Label5 failed with error 0: "
                     "the square's element is no longer on the page")
    # The report the player sees is logged too, before its box opens; read
    # here, the log holds nothing else (WebKitWebDriver gives none).
    logged = page.errors()
    check(page.engine == "webkit" or logged and all(page.expected_errors[0] in e for e in logged),
          f"the console has {logged}, not the report")
    check(page.board()[6] == GREEN, "the move stopped before its first write")
    page.keys(Keys.ENTER)
    page.wait_ended("the page ended after its failure")


def start_up_failures(page, solver):
    # The failed fetches (from a file, Chromium's of the manifest too) and the program's abort.
    page.expected_errors = ("varnel.wasm", "varnel.js", "manifest.json", "unsupported MIME type")
    told = lambda: page.js("return document.querySelector('.status:not([hidden])')?.textContent")
    for url, words in ((f"{page.url}{NO_WASM[1:]}/", "Varnel could not start"),
                       (f"{page.url}{NO_SCRIPT[1:]}/", "Varnel could not start"),
                       (f"file://{page.folder}/index.html", "Serve this folder from a web server; it cannot run")):
        page.get(url)
        page.wait(told, f"the page says {words!r}", lambda text: text and text.startswith(words))

    # A host or an extension that refuses the page's inline script: the page
    # plays all the same, and a held Enter moves once, by page.js's own guard.
    page.expected_errors += ("inline script", "script-src")
    page.get(f"{page.url}{NO_INLINE[1:]}/")
    page.wait_ready()
    check(page.js("return violations.some((v) => v.startsWith('script-src'))"), "the inline script was not refused")
    page.js("violations.length = 0")
    try:
        page.hold_enter()
    except Skipped:
        page.keys(Keys.ENTER)  # where the driver sends no key repeat, one press
    # Its repeat would move again, and so say "Nothing moved."
    page.wait(lambda: page.js("return document.getElementById('changes').textContent"),
              "the page moved once, with its inline script refused",
              lambda told: told == "Slot above column 1: red piece. Row 4, column 1: empty.")


def without_javascript(page, solver):
    with page.emulated(javascript=False):
        page.get(page.url)
        # Nothing holds the page's load back until its style sheet is in:
        # the board is painted a while after.
        page.wait_board(START, "the page itself shows the start position")
        page.wait(page.text, "without JavaScript the page says so",
                  lambda told: "Varnel needs JavaScript and WebAssembly" in told)


def clicks_before_start(page, solver):
    """Clicks made before the program is ready are played once each, in
    order; as on the desktop, one made behind a box that an earlier one
    opened is dropped."""
    WASM_HELD.clear()
    try:
        page.get(f"{page.url}{SLOW_WASM[1:]}/")
        page.wait(page.focus, "the page shown, the focus on Command1", lambda focus: focus == "Command1")
        for name in ("Command1", "Command12", "Command1", "Command5"):
            page.click(name)
        check(page.js("return VarnelPage.started") is False, "the program not ready")
    finally:
        WASM_HELD.set()
    expect_box(page, BLOCKED)
    page.keys(Keys.ENTER)
    page.wait(page.box, "the box closed", lambda box: not box)
    page.wait_board({**START, 6: RED}, "the early clicks played in order, the one behind the box dropped")


def tap_at_first_paint(page, solver):
    """On a phone's slow network, a tap made as the board first shows is played once the program is ready."""
    if page.engine != "chromium":
        raise Skipped("only Chromium's driver slows the network down")
    tap = """new MutationObserver((changes, observer) => {
        const button = document.getElementById('Command1');
        if (!button) return;
        observer.disconnect();
        requestAnimationFrame(() => {
            window.tappedEarly = typeof VarnelPage === 'undefined' || !VarnelPage.started;
            button.click();
        });
    }).observe(document, {childList: true, subtree: true});"""
    page.cdp("Network.enable")
    page.cdp("Network.setCacheDisabled", cacheDisabled=True)
    page.cdp("Network.emulateNetworkConditions", offline=False, latency=400, downloadThroughput=50e3,
             uploadThroughput=50e3)
    script = page.cdp("Page.addScriptToEvaluateOnNewDocument", source=tap)["identifier"]
    try:
        page.get(page.url)
        page.wait_ready(30)
        early = page.js("return window.tappedEarly")
    finally:
        page.cdp("Page.removeScriptToEvaluateOnNewDocument", identifier=script)
        page.cdp("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1,
                 uploadThroughput=-1)
        page.cdp("Network.setCacheDisabled", cacheDisabled=False)
    check(early is True, "the tap came after the program was ready: the case tests nothing")
    page.wait_board({1: RED, 24: GREY}, "the tap at first paint was played")


def missing_button(page, solver):
    page.open()
    page.js("document.getElementById('Command2').remove()")
    page.click("Command1")
    page.wait_board({1: RED}, "a move with another button gone")


def phone(page, solver):
    """A 360 x 640 touch screen, then turned on its side."""
    rect = lambda name: page.js(f"const r = document.getElementById('{name}').getBoundingClientRect();"
                                "return [r.left, r.top, r.width, r.height]")

    def tap(name):
        left, top, width, height = rect(name)
        page.tap(left + width / 2, top + height / 2)

    with page.emulated(screen=(360, 640)):
        page.open()
        left, top, width, _ = rect("Command1")
        scale = width / 13
        check(scale * 13 >= 24, f"buttons of {scale * 13:.1f} px")
        # RESET and END lie clear of the column they cover with a mouse.
        touch = {**SQUARES, **BUTTONS, "RESET": (106, 0, 79, 49), "END": (106, 56, 79, 49)}
        for name, expected in touch.items():
            got = [(v - o) / scale for v, o in zip(rect(name), (left - 27 * scale, top, 0, 0))]
            check(all(abs(g - e) < 0.05 for g, e in zip(got, expected)), f"{name} at {got} scaled")
        centre = lambda name: tuple(int(v + d / 2) for v, d in zip(rect(name)[:2], rect(name)[2:]))
        colour = lambda name: page.shot().getpixel(centre(name))
        tap("Command1")  # the button that has the focus at the start
        page.wait(lambda: colour("Label1"), "a tap, a move", lambda seen: seen == RED)
        image = page.shot()
        # The face between the arms of the X, and the edge just above it.
        pressed, other = (image.getpixel((centre(n)[0], int(rect(n)[1]) + 3)) for n in ("Command1", "Command3"))
        check(pressed == other, f"a tapped button looks {pressed}, the others {other}")
        above = image.getpixel((centre("Command1")[0], int(rect("Command1")[1]) - 1))
        check(above == BLUE, f"a tapped button has a ring round it, {above}")
        tap("Command2")
        page.wait(lambda: colour("Label2"), "two taps, two moves", lambda seen: seen == RED)
        tap("Command12")
        tap("Command1")
        page.wait_for_box()
        box = page.js("const r = document.querySelector('.box').getBoundingClientRect();"
                      "const ok = document.querySelector('.box button').getBoundingClientRect();"
                      "return [r.left, r.top, r.right, r.bottom, ok.height]")
        check(box[0] >= 0 and box[1] >= 0 and box[2] <= 360 and box[3] <= 640 and box[4] >= 24, f"the box at {box}")
        page.screen(640, 360)  # the board grows to the new height
        page.wait(lambda: [rect("Command1")[2], rect("END")[1] + rect("END")[3]],
                  "the board grown to the new height: Command1's width, END's bottom",
                  lambda seen: seen[0] > width and seen[1] <= 360)
        audit(page, "in the touch layout, with a box open", off=())


def forced_colours(page, solver):
    with page.emulated(forced_colours=True):
        page.open()
        page.wait_board(START, "the squares keep their colours in forced colours")


def accessibility_tree(page, solver):
    page.open()
    tree = page.accessible()
    buttons = [node.name for node in tree if node.role == "button"]
    squares = [node.name for node in tree if node.role == "image"]
    check(buttons == SPOKEN_BUTTONS, f"buttons {buttons}")
    check(len(squares) == 32, f"{len(squares)} squares")
    for name in squares:
        check(name.endswith(", green piece" if name.startswith("Row ") else ", empty"), f"square {name!r}")

    told = lambda: page.js("return document.querySelector('[aria-live=polite]').textContent")
    said = lambda what, words: page.wait(told, what, lambda seen: seen == words)
    page.click("Command1")
    said("the first move told", "Slot above column 1: red piece. Row 4, column 1: empty.")
    page.click("Command12")
    said("the live region told the pull-in",
         "Slot above column 1: empty. Row 1, column 1: red piece. Row 4, column 1: green piece.")
    tree = page.accessible()
    squares = [node.name for node in tree if node.role == "image"]
    check("Row 1, column 1, red piece" in squares and "Slot above column 1, empty" in squares, "the pull-in")
    lines = {node.name: node.description for node in tree if node.role == "button"}
    check(lines["Shift column 1 up"] == "Near slot empty, red, 3 green, far slot empty",
          f"the line: {lines['Shift column 1 up']!r}")
    page.click("RESET")
    said("RESET told", "Row 1, column 1: green piece. The board is at the start.")
    page.click("RESET")
    first = said("RESET at the start told", "The board is at the start.")
    page.click("RESET")  # the same words again must still change the live region, or they go unsaid
    page.wait(told, "RESET at the start again told the same words anew",
              lambda seen: seen != first and seen.strip() == first)

    page.click("Command1")
    page.click("Command12")
    page.click("Command1")
    page.wait_for_box()
    boxes = [(node.name, node.description) for node in page.accessible() if node.role == "alertdialog"]
    check(boxes == [("varnel", BLOCKED)], f"the box reads {boxes}")

    # At the end a reader finds the words and the way back, and nothing of
    # the game; the words are said once, by the link that has the focus.
    page.keys(Keys.ENTER)
    page.click("END")
    page.wait_ended("END ends the game")
    tree = page.accessible()
    left = [(node.role, node.name) for node in tree if node.role in ("button", "image", "alertdialog", "link")]
    check(left == [("link", "Varnel has ended. Play again")], f"at the end the page holds {left}")
    focused = [(node.role, node.name) for node in tree if node.focused and node.role != "RootWebArea"]
    live = [(node.role, node.name) for node in tree if node.live and "ended" in (node.name or "")]
    check(focused == left and not live, f"the end is said by the focus on {focused} and by live regions in {live}")


def stores_nothing(page, solver):
    page.open()
    page.click("Command1")
    stored = page.js("""return Promise.all([document.cookie, localStorage.length, sessionStorage.length,
        indexedDB.databases().then((all) => all.length),
        caches.keys().then((names) => Promise.all(names.map((name) => caches.open(name).then((cache) => cache.keys()))))
            .then((kept) => kept.flat().map((request) => new URL(request.url).pathname))])""")
    check(stored[:4] == ["", 0, 0, 0], f"stored {stored[:4]}")
    check(all(strip(path) in page.page_files for path in stored[4]), f"caches keep {stored[4]}")


def installable(page, solver):
    page.open()
    manifest, why_not = page.app_manifest()
    check(not why_not, f"Chromium would not install the page: {why_not}")
    check(not manifest["errors"], f"the manifest's errors: {manifest['errors']}")
    icons = json.loads(manifest["data"])["icons"] + [
        {"src": page.js("return document.querySelector('link[rel=apple-touch-icon]').href"),
         "sizes": page.js("return document.querySelector('link[rel=apple-touch-icon]').getAttribute('sizes')")}]
    drawn = page.js("""return Promise.all(arguments[0].map(async (icon) => {
        const image = new Image();
        image.src = new URL(icon.src, document.baseURI);
        await image.decode();
        return `${image.naturalWidth}x${image.naturalHeight}`;
    }))""", icons)
    check(drawn == [icon["sizes"] for icon in icons], f"the icons are {drawn}, said to be {icons}")
    # One drawn for launchers that mask it to a shape is declared so, and
    # only that one: a launcher shows a masked one whole, shrunk in a circle.
    purposes = {icon["src"].rsplit("/", 1)[-1]: icon.get("purpose") for icon in icons[:-1]}
    check(purposes == {"varnel-192.png": "any", "varnel-512.png": "any", "varnel-maskable-512.png": "maskable"},
          f"the icons' purposes: {purposes}")


def offline_and_update(page, solver):
    """Two copies of the page, of two versions, in two folders of one server:
    each opened once, both play with the server gone, the one by a link with
    a query too. After the first copy's files change, its second opening at
    the latest runs the new ones, never a mix, and each copy keeps only its
    own version's files."""
    marks = "return [document.documentElement.dataset.page, document.documentElement.dataset.script]"
    # Whether the app's worker is active, and whether a new one waits or is installing.
    worker = "return navigator.serviceWorker.getRegistration('/app/').then((r) => [!!r.active, !!r.waiting, !!r.installing])"
    page.with_workers()

    def change(folder):
        """The files change on the server; the build's own step gives the worker its new version."""
        with open(f"{folder}/index.html", "r+") as html:
            changed = html.read().replace('<html lang="en">', '<html lang="en" data-page="new">')
            html.seek(0)
            html.write(changed)
        with open(f"{folder}/varnel.js", "a") as script:
            script.write("document.documentElement.dataset.script = 'new';\n")
        subprocess.run(["cmake", f"-DDIR={folder}", f"-DTEMPLATE={SOURCE}/ui/web/sw.js",
                        f"-DFILES={' '.join(kept_files(folder))}",
                        "-P", f"{SOURCE}/cmake/WriteServiceWorker.cmake"], check=True)
        return re.search(r"\$\{ours\}([0-9a-f]+)`", open(f"{folder}/sw.js").read())[1]

    with tempfile.TemporaryDirectory() as root:
        for copy in ("app", "copy"):
            shutil.copytree(page.folder, f"{root}/{copy}")
        copy_version = change(f"{root}/copy")
        with open(f"{root}/index.html", "w") as outside:
            outside.write('<!DOCTYPE html><title>Outside</title><link rel="icon" href="data:,">')
        server = serve(root, [], watch=False)
        port = server.server_address[1]
        base, url = f"http://127.0.0.1:{port}", page.url
        try:
            for copy in ("app", "copy"):
                page.url = f"{base}/{copy}/"
                page.open()
                page.wait(lambda: page.js("return !!navigator.serviceWorker.controller"), f"a worker for {copy}",
                          seconds=20)
            server.shutdown()
            server.server_close()
            page.get("about:blank")
            page.url = f"{base}/copy/?from=share"
            page.open()
            page.click("Command1")
            page.wait_board({1: RED}, "the copy plays offline")
            check(page.js(marks) == ["new", "new"], f"the copy offline ran {page.js(marks)}")
            page.url = f"{base}/app/"
            winning_game(page, solver)

            version = change(f"{root}/app")
            server = serve(root, [], watch=False, port=port)
            page.open()
            check(page.js(marks) in ([None, None], ["new", "new"]), f"the first opening after the change ran {page.js(marks)}")
            # Whenever the browser looks for the new worker itself, it has found and installed it by now.
            page.js("return navigator.serviceWorker.getRegistration('/app/').then((r) => r.update()).then(() => true)")
            page.wait(lambda: page.js(worker), "the new worker installed", lambda seen: not seen[2], 20)
            # The player closes the page: from a page of the server outside
            # the app's folder, the new version is seen to take over. (Going
            # to another page instead would leave the old one in the
            # back-forward cache, where Firefox keeps it, and its worker, alive.)
            page.close()
            page.get(f"{base}/")
            page.wait(lambda: page.js(worker), "the new worker active", lambda seen: seen == [True, False, False], 20)
            page.open()
            check(page.js(marks) == ["new", "new"], f"the second opening after the change ran {page.js(marks)}")
            caches = sorted(page.js("return caches.keys()"))
            check(caches == [f"varnel {base}/app/ {version}", f"varnel {base}/copy/ {copy_version}"], f"caches {caches}")
        finally:
            page.url = url
            server.shutdown()
            server.server_close()


CASES = [layout_and_stacking, keyboard, held_enter, blocked_box_is_modal, winning_game, end_button, unreadable_square,
         start_up_failures, without_javascript, clicks_before_start, tap_at_first_paint, missing_button, phone,
         forced_colours, accessibility_tree, stores_nothing, installable, offline_and_update]


def play(engine, case, root, folder, page_files, solver):
    """Plays one case in a browser of its own, started for it and quit after
    it, on the page served from a folder of its own, where no other case's
    service worker answers."""
    page = ENGINES[engine](f"{root}~{case.__name__}/")
    page.folder, page.page_files, page.expected_errors = folder, page_files, ()
    try:
        case(page, solver)
        violations = page.js("return window.violations || []")
        check(not violations, f"the page's policy refused {violations}")
        errors = [e for e in page.errors() if not any(words in e for words in page.expected_errors)]
        check(not errors, f"errors in the console: {errors}")
    except BaseException:
        with contextlib.suppress(Exception):
            page.quit()
        raise
    page.quit()


def outcome(engine, case, *where):
    """PASS, SKIP or FAIL, with why. Now and then, on a busy machine, a
    browser's driver stops answering: the case is played again, once, in a
    new browser, and the retry told here and in the file that
    $VARNEL_TEST_RETRIES names, where the test command counts them."""
    for attempt in (1, 2):
        try:
            play(engine, case, *where)
            return "PASS", ""
        except Skipped as why:
            return "SKIP", f": {why}"
        except Failed as error:
            return "FAIL", f": {error}"
        except DRIVER_GONE as error:
            if attempt == 2:
                return "FAIL", f": {traceback.format_exc()}"
            retry = f"RETRY {engine} {case.__name__}: {type(error).__name__}: {str(error).partition(chr(10))[0]}"
            print(retry, flush=True)
            if os.environ.get("VARNEL_TEST_RETRIES"):
                with open(os.environ["VARNEL_TEST_RETRIES"], "a") as retries:
                    retries.write(retry + "\n")
        except Exception:
            return "FAIL", f": {traceback.format_exc()}"


def main():
    engine, folder, solver, wanted = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3], sys.argv[4:]
    requests = []
    server = serve(folder, requests)
    root = f"http://127.0.0.1:{server.server_address[1]}/"
    # What the page may ask for: the files its service worker keeps, the worker, the test's watch.
    page_files = {"/", "/sw.js", "/test-watch.js"} | {f"/{file}" for file in kept_files(folder)}
    told = collections.Counter()
    try:
        for case in CASES:
            if not wanted or case.__name__ in wanted:
                verdict, why = outcome(engine, case, root, folder, page_files, solver)
                print(f"{verdict} {case.__name__}{why}", flush=True)
                told[verdict] += 1
    finally:
        server.shutdown()
    others = sorted({r.split("?")[0] for r in requests} - page_files)
    if others:
        print(f"FAIL the page asked for more than its own files: {others}")
        told["FAIL"] += 1
    print(f"web in {engine}: {told['PASS']} passed, {told['FAIL']} failed, {told['SKIP']} skipped")
    return 1 if told["FAIL"] else 0


if __name__ == "__main__":
    sys.exit(main())
