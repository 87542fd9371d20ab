# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Page load to the first window drawn, and the tab's memory, in headless Chromium: the program
against the bare Qt program of bench-site/, alternating, each run in a fresh profile.

    /usr/bin/python3 bench/web/startup.py PROGRAM_URL BARE_URL [RUNS [WIDTH,HEIGHT ...]]

Each run loads both on every page size given, in turn (default: an iPad held across, 1024,700,
and upright, 768,950, each with Safari's bars); the program scales its windows to fill the page,
the bare program does not, so at 531,529 both show a window of the same size. Both come from
sites made alike (the same page, packed forms and checks). Qt's wasm compositor puts windows on
the page with WebGL draw calls: the time of the first one, from the start of the navigation
(performance.now() in the page), is when the first window is drawn. Prints the median and the
spread of each, and the ratio; and, much steadier than the whole, the part from the program made
(WebAssembly.instantiate resolved) to its first window: what the program's own start costs.
"""

import glob
import os
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-quic"]


FIRST_DRAW = """
const instantiate = WebAssembly.instantiate;
WebAssembly.instantiate = function () {
    return instantiate.apply(this, arguments).then(function (made) {
        window.srMade = performance.now();
        return made;
    });
};
for (const kind of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
    for (const name of ["drawArrays", "drawElements"]) {
        const draw = kind.prototype[name];
        kind.prototype[name] = function () {
            if (window.srFirstDraw === undefined) {
                window.srFirstDraw = performance.now();
            }
            return draw.apply(this, arguments);
        };
    }
}
"""


def renderer_pss():
    """The proportional set size of the page's renderer process, in MiB."""
    best = 0
    for status in glob.glob("/proc/[0-9]*/cmdline"):
        try:
            # Chromium rewrites its command line as one string.
            with open(status, "rb") as f:
                command = f.read().replace(b"\0", b" ")
            if b"chromium" not in command.split(b" ")[0] or b"--type=renderer" not in command:
                continue
            with open(status.replace("cmdline", "smaps_rollup")) as f:
                pss = next(int(line.split()[1]) for line in f if line.startswith("Pss:"))
            best = max(best, pss)
        except (OSError, StopIteration):
            continue
    return best / 1024


def one_run(url, size):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + ["--window-size=" + size,
                         "--user-data-dir=" + tempfile.mkdtemp(prefix="bench-web-")]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        # The page itself WIDTH x HEIGHT: a headless window of that size gives a page about 143
        # pixels shorter.
        width, height = (int(v) for v in size.split(","))
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        # Before any script of the page runs: the first draw call of either WebGL is noted.
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_DRAW})
        driver.get(url)
        began = time.monotonic()
        while driver.execute_script("return window.srFirstDraw") is None:
            if time.monotonic() - began > 60:
                raise SystemExit("no window within 60 s at " + url)
            time.sleep(0.05)
        made, drawn = (t / 1000 for t in driver.execute_script(
            "return [window.srMade, window.srFirstDraw]"))
        time.sleep(2)
        return drawn, renderer_pss(), drawn - made
    finally:
        driver.quit()


def main():
    program, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    sizes = sys.argv[4:] or ["1024,700", "768,950"]
    results = {(size, name): [] for size in sizes for name in ("program", "bare")}
    for _ in range(runs):
        for size in sizes:
            for name, url in (("program", program), ("bare", bare)):
                results[(size, name)].append(one_run(url, size))
    for size in sizes:
        print("page %s:" % size.replace(",", " x "))
        for name in ("program", "bare"):
            values = results[(size, name)]
            times = sorted(t for t, _, _ in values)
            print("  %-8s first window %.0f ms (median of %d, %.0f..%.0f), of it made to drawn"
                  " %.0f ms, tab %.1f MiB"
                  % (name, 1000 * statistics.median(times), runs, 1000 * times[0],
                     1000 * times[-1], 1000 * statistics.median(o for _, _, o in values),
                     statistics.median(m for _, m, _ in values)))
        ratio = statistics.median(t for t, _, _ in results[(size, "program")]) / \
            statistics.median(t for t, _, _ in results[(size, "bare")])
        print("  ratio    %.2f (goal: at most 1.2)" % ratio)


if __name__ == "__main__":
    main()
