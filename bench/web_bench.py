#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
"""Measures the web page: what it transfers, raw and gzip, the time from
navigation to the first paint of the board against a static page with the
same 50 elements and no WebAssembly, the two loaded in turn, with the cache
off (as the page sees its frame, and as the browser times its first
contentful paint), and the time from navigation until a click on Command1,
made as soon as the board is painted, has been played: on this machine's own
network, on a phone's "Slow 4G" (150 ms round trip, 1.6 Mbit/s) and on a
slower link (400 ms, 400 kbit/s), from a plain server that compresses
nothing. For the page on each link it prints where that time goes: when each
file was asked for and when it had all come (as the browser's Resource Timing
has it; a file fetched twice is listed twice), when the program was handed
to WebAssembly, compiled and started, when its start-up had made the page
ready, and when the click was played. It prints figures; it is no test.

    web_bench.py PAGE-DIR [RUNS]
"""
import gzip
import os
import re
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "ui", "web", "tests"))
from page_test import ChromiumPage as Page, serve  # noqa: E402

# Notes when the board's 50 elements are on the page, and then when the
# frame that shows them has been painted; then clicks Command1 and notes when
# the program has played the click (its first square has changed colour).
# Notes too when the program is handed to WebAssembly and comes back compiled
# and instantiated (its runtime calls main next), and when main has made the
# page ready (the page hides its "loading" line).
WATCH = """
window.bench = {};
for (const name of ['instantiateStreaming', 'instantiate']) {
    const original = self.WebAssembly && WebAssembly[name];
    if (original) WebAssembly[name] = function (...args) {
        bench.handed = bench.handed || performance.now();
        return original.apply(this, args).then((result) => (bench.instantiated = performance.now(), result));
    };
}
new MutationObserver(() => {
    const starting = document.getElementById('starting');
    if (starting && starting.hidden && window.bench.instantiated) bench.ready = bench.ready || performance.now();
}).observe(document, {attributes: true, subtree: true, attributeFilter: ['hidden']});
new MutationObserver((changes, observer) => {
    const board = document.getElementById('board');
    if (!board || board.children.length < 50) return;
    observer.disconnect();
    requestAnimationFrame(() => requestAnimationFrame(() => {
        window.boardPainted = performance.now();
        const slot = document.getElementById('Label1');
        new MutationObserver(() => {
            if (slot.getAttribute('aria-label').endsWith('red piece'))
                window.clickPlayed = window.clickPlayed || performance.now();
        }).observe(slot, {attributes: true, attributeFilter: ['aria-label']});
        document.getElementById('Command1').click();
    }));
}).observe(document, {childList: true, subtree: true});
"""
# name, round trip (ms), bytes a second down and up
LINKS = [("local", 0, -1, -1), ("Slow 4G", 150, 1.6e6 / 8, 750e3 / 8), ("400 ms, 400 kbit/s", 400, 400e3 / 8, 400e3 / 8)]


def main():
    folder, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 21
    files = sorted(f for f in os.listdir(folder))
    raw = packed = 0
    for name in files:
        data = open(os.path.join(folder, name), "rb").read()
        size = len(gzip.compress(data, 9))
        raw, packed = raw + len(data), packed + size
        print(f"  {name:23} {len(data):7} bytes, {size:6} gzip")
    print(f"transfer: {raw} bytes ({raw / 1024:.1f} KiB), {packed} gzip ({packed / 1024:.1f} KiB)")

    with tempfile.TemporaryDirectory() as scratch:
        for name in files:
            shutil.copy(os.path.join(folder, name), scratch)
        server = serve(scratch, [], watch=False)  # the page as a player gets it, not watched by the tests
        base = f"http://127.0.0.1:{server.server_address[1]}/"
        page = Page(base)
        html = open(os.path.join(folder, "index.html")).read()
        # Each script, with the comment before it.
        static = re.sub(r"(<!--(?:(?!-->).)*-->\n)?<script[^>]*>.*?</script>\n", "", html, flags=re.S)
        static = re.sub(r"<link rel=\"preload\"[^\n]*\n", "", static)
        assert "<script" not in static and "preload" not in static, "the static page still loads the program"
        open(os.path.join(scratch, "static.html"), "w").write(static)

        page.driver.execute_cdp_cmd("Network.enable", {})
        page.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        # The network's figures, as a first opening sees them: not the service worker's cache.
        page.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        floors = {}
        for link, latency, down, up in LINKS:
            page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": latency, "downloadThroughput": down, "uploadThroughput": up})
            floors[link] = measure(page, base, runs, link)
        # A repeat visit on the phone's network: the page's own files come
        # from the service worker's cache, once it has kept them; against the
        # static page's first visit (the worker's own fetches of anything else
        # are not slowed down, so a static page loaded now would not be).
        link, latency, down, up = LINKS[1]
        page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": latency, "downloadThroughput": down, "uploadThroughput": up})
        page.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
        page.driver.get(base + "index.html")
        for _ in range(2000):
            if page.js("return !!navigator.serviceWorker.controller"):
                break
            time.sleep(0.01)
        measure(page, base, runs, f"{link}, a repeat visit with the files kept by the service worker", floors[link])
        page.quit()
        server.shutdown()


def measure(page, base, runs, link, floors=None):
    """Prints the medians and returns the static page's, or compares the
    page with `floors` (static pages measured before) without loading it."""
    names = ["index.html"] + ([] if floors else ["static.html"])
    times, paints = {name: [] for name in names}, {name: [] for name in names}  # paints: as the browser times them
    clicks = []
    steps = {}  # each step of the page's loading: its moments, one a run
    for _ in range(runs):
        for name in names:
            page.driver.get(base + name)
            for _ in range(2000):
                painted, played, contentful = page.js(
                    "const paint = performance.getEntriesByName('first-contentful-paint')[0];"
                    "return [window.boardPainted, window.clickPlayed, paint && paint.startTime]")
                if painted and contentful and (played or name == "static.html"):
                    break
                time.sleep(0.005)
            times[name].append(painted)
            paints[name].append(contentful)
            if name == "index.html":
                clicks.append(played)
                for step, moments in page.js(WATERFALL).items():
                    steps.setdefault(step, []).append(moments)
    floors = floors or (statistics.median(times["static.html"]), statistics.median(paints["static.html"]))
    print(f"{link}, medians of {runs}:")
    game = statistics.median(times["index.html"])
    print(f"  first paint of the board: page {game:.1f} ms, static page {floors[0]:.1f} ms, "
          f"ratio {game / floors[0]:.2f}")
    game = statistics.median(paints["index.html"])
    print(f"  first contentful paint, as the browser times it: page {game:.1f} ms, static page {floors[1]:.1f} ms, "
          f"ratio {game / floors[1]:.2f}")
    played = statistics.median(clicks)
    print(f"  a click made at the first paint, played at {played:.1f} ms: {played / floors[1]:.2f} times the static "
          f"page's paint")
    print("  the page's waterfall, in ms from navigation (asked for -> all come):")
    for step, moments in sorted(steps.items(), key=lambda step: statistics.median(m[0] for m in step[1])):
        seen = f" (in {len(moments)} of {runs} runs)" if len(moments) < runs else ""
        print(f"    {step:28} " + " -> ".join(f"{statistics.median(m):6.1f}" for m in zip(*moments)) + seen)
    return floors


# The moments of each step of the page's loading, by its name.
WATERFALL = """
const steps = [['index.html', 0, performance.getEntriesByType('navigation')[0].responseEnd]];
const times = {};
for (const e of performance.getEntriesByType('resource')) {
    const name = e.name.replace(/.*\\//, '');
    times[name] = (times[name] || 0) + 1;
    steps.push([times[name] > 1 ? `${name}, fetch ${times[name]}` : name, e.startTime, e.responseEnd]);
}
const n = performance.getEntriesByType('navigation')[0];
steps.push(['deferred scripts run', n.domInteractive, n.domContentLoadedEventStart]);
steps.push(['wasm handed over, instantiated', bench.handed, bench.instantiated]);
steps.push(['main() until page ready', bench.instantiated, bench.ready]);
steps.push(['board painted, click played', boardPainted, clickPlayed]);
return Object.fromEntries(steps.filter((s) => !s.includes(undefined)).map(([name, ...moments]) => [name, moments]));
"""


if __name__ == "__main__":
    main()
