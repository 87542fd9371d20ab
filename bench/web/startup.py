"""Page load to the first window drawn, and the tab's memory, in headless Chromium: the program
against the bare Qt program of bench-site/, alternating, each run in a fresh profile.

    /usr/bin/python3 bench/web/startup.py PROGRAM_URL BARE_URL [RUNS]

Prints the median and the spread of each, and the ratio. The first window counts as drawn when a
screenshot shows a window of its size (everything that is not the page's background) twice in a
row; screenshots are taken as fast as the browser gives them (every 20-40 ms here).
"""

import glob
import io
import os
import statistics
import sys
import tempfile
import time

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-quic", "--window-size=1024,768"]


def renderer_pss():
    """The proportional set size of the page's renderer process, in MiB."""
    best = 0
    for status in glob.glob("/proc/[0-9]*/cmdline"):
        try:
            with open(status, "rb") as f:
                command = f.read().split(b"\0")
            if b"--type=renderer" not in command or not command[0].endswith(b"chromium"):
                continue
            with open(status.replace("cmdline", "smaps_rollup")) as f:
                pss = next(int(line.split()[1]) for line in f if line.startswith("Pss:"))
            best = max(best, pss)
        except (OSError, StopIteration):
            continue
    return best / 1024


def one_run(url):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + ["--user-data-dir=" + tempfile.mkdtemp(prefix="bench-web-")]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.set_page_load_timeout(60)
        began = time.monotonic()
        driver.get(url)
        last = None
        while time.monotonic() - began < 60:
            image = Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
            plain = Image.new("RGB", image.size, image.getpixel((0, 0)))
            box = ImageChops.difference(image, plain).getbbox()
            now = time.monotonic()
            if box and box == last:
                drawn = seen - began
                break
            last, seen = box, now
        else:
            raise SystemExit("no window within 60 s at " + url)
        time.sleep(2)
        return drawn, renderer_pss()
    finally:
        driver.quit()


def main():
    program, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 7
    results = {"program": [], "bare": []}
    for _ in range(runs):
        for name, url in (("program", program), ("bare", bare)):
            results[name].append(one_run(url))
    for name, values in results.items():
        times = sorted(t for t, _ in values)
        print("%-8s first window %.0f ms (median of %d, %.0f..%.0f), tab %.1f MiB"
              % (name, 1000 * statistics.median(times), runs, 1000 * times[0], 1000 * times[-1],
                 statistics.median(m for _, m in values)))
    ratio = statistics.median(t for t, _ in results["program"]) / statistics.median(
        t for t, _ in results["bare"])
    print("ratio    %.2f (goal: at most 1.2)" % ratio)


if __name__ == "__main__":
    main()
