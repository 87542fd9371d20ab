# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser roads' harness: the program's page in Chromium, WebKitGTK or Firefox on the private
X session.

A road is a Python script run with Debian's /usr/bin/python3 (it has Selenium, websockets and PIL)
that ctest starts with this environment (tests/web/CMakeLists.txt sets it; by hand, set it
yourself):

    WEB_ENGINE      chromium, webkit or firefox
    WEB_URL_FILE    a file whose first line is the address of the served site (or WEB_URL itself)
    WEB_SITE        the site's folder, for a road that serves it itself (start_server)
    E2E_SESSION     the session file of tests/e2e/session.sh; no other display is ever used
    E2E_ARTIFACTS   where failure screenshots go
    E2E_TIMEOUT     how long a wait for the page may take, in seconds (default 10)

    with road() as page:
        page.load(page.url, "window.srPageScale !== undefined")
        left, top, right, bottom = page.drawn()    # what the program drew on the page
        page.drag((left + 40, top + 30), (left + 300, top + 200), pointer="touch")
        page.press("7", shift=True)
        text = page.clipboard()
        path = page.download()

By hand, with the private X session and the server that ctest's fixtures would start:

    bash tests/e2e/session.sh start /tmp/s; bash tests/web/server.sh start /tmp/w build/web
    E2E_SESSION=/tmp/s/session.env WEB_URL_FILE=/tmp/w/url WEB_SITE=build/web WEB_ENGINE=webkit \
        /usr/bin/python3 tests/web/test_NAME.py

Selenium drives Chromium and WebKitGTK through their WebDriver programs; Firefox, which Debian
ships without one, is driven over the WebDriver BiDi it speaks itself (firefox.py). The three
browsers run with their windows on the private X server, not headless: there the page copies to
the X clipboard that xclip reads, and a failure screenshot of the screen shows the page even
when it answers no more. The page is VIEWPORT CSS pixels, one per screenshot pixel.

A road that needs what its engine cannot do (CANNOT) ends as skipped (exit 77). A failed check
calls page.fail(why) (or raises): the road prints "FAIL (road): why", keeps a screenshot in
E2E_ARTIFACTS, shows the browser's last output, and exits 1. A road that ran through prints
"PASS: ..." itself. A page whose main thread spins answers no WebDriver call at all, so a
watchdog ends every step that takes longer than WEB_STEP_TIMEOUT seconds (default 30) and every
road that takes longer than WEB_ROAD_TIMEOUT (default 240): it kills the browser and its driver
and fails with "the page stopped answering: <step>".
"""

import contextlib
import ctypes
import glob
import io
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.command import Command
from selenium.webdriver.webkitgtk.service import Service as WebKitGTKService

import firefox

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SKIP = 77  # the roads' SKIP_RETURN_CODE
VIEWPORT = (1024, 768)
TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "10"))
STEP_TIMEOUT = float(os.environ.get("WEB_STEP_TIMEOUT", "30"))
ROAD_TIMEOUT = float(os.environ.get("WEB_ROAD_TIMEOUT", "240"))
NAME = os.path.splitext(os.path.basename(sys.argv[0]))[0]
ARTIFACTS = os.environ.get("E2E_ARTIFACTS") or os.path.join(tempfile.gettempdir(),
                                                            "schriftlich-rechnen-e2e")

# What an engine cannot be made to do here, and why. All draw WebGL, take mouse drags and keys
# with Shift, put copied text on the X clipboard, save downloads and reload from their service
# worker once the server is gone. A finger or a pen a driver cannot send is dispatched from the
# page's script instead (Page.gesture).
CANNOT = {
    "chromium": {},
    "webkit": {"touch": "WebKitWebDriver turns touch pointer actions into mouse events",
               "pen": "WebKitWebDriver turns pen pointer actions into mouse events"},
    "firefox": {"pen": "Firefox's WebDriver BiDi has no pen pointer moves",
                "focus": "Firefox never has the keyboard's focus on the private X server "
                         "(document.hasFocus() stays false, also with focusmanager.testmode) "
                         "and sends the page no focus events",
                "network address": "Firefox runs here with MOZ_DISABLE_NONLOCAL_CONNECTIONS (else "
                                   "it asks DNS for its settings servers again and again), "
                                   "under which any address but the loopback ends it at once"},
}

# One pointer event of a finger or a pen at x, y, dispatched where the driver cannot send it
# (arguments: type, pointer kind, x, y). The browser knows no pointer 7 and refuses to capture
# it, as the program does for a finger: that alone is left out.
DISPATCH = """
    const [type, kind, x, y] = arguments;
    if (!window.srDispatching) {
        window.srDispatching = true;
        for (const name of ["setPointerCapture", "releasePointerCapture"]) {
            const original = Element.prototype[name];
            Element.prototype[name] = function (id) {
                return id === 7 ? undefined : original.call(this, id);
            };
        }
    }
    const down = type !== "pointerup";
    document.elementFromPoint(x, y).dispatchEvent(new PointerEvent(type, {
        bubbles: true, cancelable: true, composed: true, pointerId: 7, pointerType: kind,
        isPrimary: true, clientX: x, clientY: y, button: type === "pointermove" ? -1 : 0,
        buttons: down ? 1 : 0, pressure: down ? 0.5 : 0, width: 8, height: 8 }));"""


class Failed(Exception):
    pass


def private_display():
    """The environment of the fixture's X session; refuses to run without it."""
    session = os.environ.get("E2E_SESSION", "")
    if not os.path.isfile(session):
        sys.exit("FAIL (%s): no private X session (E2E_SESSION=%s); run the road through ctest,"
                 " whose fixture starts one" % (NAME, session))
    values = dict(line.strip().split("=", 1) for line in open(session) if "=" in line)
    try:
        alive = open("/proc/%s/comm" % values["E2E_XVFB_PID"]).read().strip() == "Xvfb"
    except OSError:
        alive = False
    if not alive:
        sys.exit("FAIL (%s): the private X server (%s) is gone" % (NAME, values.get("E2E_DISPLAY")))
    env = dict(os.environ, DISPLAY=values["E2E_DISPLAY"], XDG_RUNTIME_DIR=values["E2E_RUNTIME_DIR"])
    env.pop("WAYLAND_DISPLAY", None)
    return env


def descendants():
    """Every process below this one. This process adopts orphans (below), so a browser whose
    driver was killed is still found here."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                stat = open("/proc/%s/stat" % entry).read()
            except OSError:
                continue
            children.setdefault(int(stat.rsplit(")", 1)[1].split()[1]), []).append(int(entry))
    found, todo = [], [os.getpid()]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def kill_descendants():
    """Kills every process below this one, and waits until they are gone."""
    end = time.monotonic() + 5
    while True:
        left = descendants()
        for pid in left:
            with contextlib.suppress(OSError):
                os.kill(pid, signal.SIGKILL)
        with contextlib.suppress(ChildProcessError):
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        if not left or time.monotonic() > end:
            return
        time.sleep(0.05)


# PR_SET_CHILD_SUBREAPER: the browsers' helper processes come back to us when their parent dies.
ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)


def start_server(folder=None, headers=(), address="127.0.0.1"):
    """Serves FOLDER (default WEB_SITE) on a port of its own at ADDRESS, with HEADERS
    ("NAME: VALUE") in every answer; returns (url, stop). For a road that must see the site go
    away (offline) or change, or come from elsewhere, which the fixture's server must not. The
    server goes on in a process of its own, which this one adopts (above) and so can wait for;
    its errors go to the road's."""
    folder = folder or os.environ["WEB_SITE"]
    serve = os.path.join(REPO, "scripts", "web-serve.py")
    options = [option for header in headers for option in ("--header", header)]
    started = subprocess.run([sys.executable, serve, folder, "--port", "0", "--address", address,
                              "--background", "/dev/stderr", *options],
                             stdout=subprocess.PIPE, text=True, check=True).stdout
    url, pid = started.split()

    def stop():
        os.kill(int(pid), signal.SIGKILL)
        os.waitpid(int(pid), 0)

    return url, stop


def site_with(workdir, name, script):
    """A copy of WEB_SITE in WORKDIR/NAME whose page runs SCRIPT before anything else: a device or
    a browser the road stands in for. Serve it with start_server()."""
    folder = os.path.join(workdir, name)
    shutil.copytree(os.environ["WEB_SITE"], folder)
    page = os.path.join(folder, "index.html")
    for packed in (page + ".br", page + ".gz"):
        with contextlib.suppress(FileNotFoundError):
            os.remove(packed)
    with open(page) as html:
        text = html.read()
    with open(page, "w") as html:
        html.write(text.replace("<head>", "<head>\n<script>%s</script>" % script, 1))
    return folder


def foreign_wasm_site(folder):
    """FOLDER made a copy of WEB_SITE whose .wasm is another build's: one with a section of its
    own added, which compiles as well as the page's own."""
    shutil.copytree(os.environ["WEB_SITE"], folder)
    wasm = os.path.join(folder, "schriftlich-rechnen.wasm")
    for packed in (wasm + ".br", wasm + ".gz"):
        os.remove(packed)
    with open(wasm, "ab") as binary:
        name, body = b"other", b"another build"
        binary.write(bytes([0, 1 + len(name) + len(body), len(name)]) + name + body)
    return folder


def device_site(workdir, platform, touch_points=5):
    """site_with() for a device whose navigator reports PLATFORM ("MacIntel" for an iPad's Safari,
    "Win32" for Windows) and TOUCH_POINTS, which Qt's wasm plugin reads when it starts."""
    return site_with(workdir, "device-" + platform,
                     'Object.defineProperty(Navigator.prototype, "platform", { get: function () '
                     '{ return "%s"; } }); Object.defineProperty(Navigator.prototype, '
                     '"maxTouchPoints", { get: function () { return %d; } });'
                     % (platform, touch_points))


def worksheet_check(function, *args, text=None):
    """None when FUNCTION of tests/e2e/worksheet.sh (the check every road uses alike) passes for
    ARGS, with TEXT on its standard input; else what it says is wrong."""
    check = subprocess.run(["bash", "-c", 'source "$0"; "$@"',
                            os.path.join(REPO, "tests", "e2e", "worksheet.sh"), function, *args],
                           input=text, capture_output=True, text=True)
    return None if check.returncode == 0 else (check.stdout + check.stderr).strip() or "not a sheet"


class Page:
    def __init__(self, engine, env, workdir):
        self.engine = engine
        self.env = env
        self.workdir = workdir
        self.downloads = os.path.join(workdir, "downloads")
        self.log = os.path.join(workdir, "browser.log")
        os.makedirs(self.downloads)
        self.url = os.environ.get("WEB_URL") or ""
        if not self.url and os.environ.get("WEB_URL_FILE"):
            self.url = open(os.environ["WEB_URL_FILE"]).readline().strip()
        self.driver = None
        self.step_name = None
        self.step_end = None
        self.road_end = time.monotonic() + ROAD_TIMEOUT
        self.lock = threading.Lock()
        self.ending = threading.Lock()  # held by whoever reports the road's failure
        self.start_seconds = None
        threading.Thread(target=self.watch, daemon=True).start()

    # --- starting the engines

    def start(self):
        with self.step("starting %s" % self.engine, STEP_TIMEOUT * 2):
            started = time.monotonic()
            self.driver = getattr(self, "start_" + self.engine)()
            self.start_seconds = time.monotonic() - started
            self.set_viewport(*VIEWPORT)
        # Screenshots are read as one pixel per CSS pixel.
        ratio = self.js("return window.devicePixelRatio")
        if ratio != 1:
            self.fail("the page has %s device pixels per CSS pixel, not 1" % ratio)

    def start_chromium(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in (
            # As root Chromium refuses its sandbox; WebGL comes from SwiftShader on a machine
            # without a GPU.
            "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
            # No connections to the outside: they are refused here, many at a time.
            "--no-first-run", "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--disable-quic", "--disable-default-apps", "--password-store=basic",
            "--user-data-dir=" + os.path.join(self.workdir, "profile"), "--window-position=0,0",
            # The browser's log holds the page's console.
            "--enable-logging", "--log-file=" + self.log,
        ):
            options.add_argument(flag)
        options.add_experimental_option("prefs", {
            "download.default_directory": self.downloads, "download.prompt_for_download": False,
        })
        service = ChromeService("/usr/bin/chromedriver", env=self.env)
        driver = webdriver.Chrome(service=service, options=options)
        # A touch screen, as Chromebooks have: the page sees the touch API and touch points.
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True,
                                                                     "maxTouchPoints": 5})
        return driver

    def start_webkit(self):
        options = webdriver.WebKitGTKOptions()
        # WebKitGTK's own small browser, which its driver starts (in the library's folder).
        options.binary_location = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")[0]
        options.add_argument("--automation")
        # Its downloads, caches and data go to the scratch folder, not to the user's home: it saves
        # a download without asking, into GLib's download folder (named in user-dirs.dirs).
        config = os.path.join(self.workdir, "config")
        os.makedirs(config)
        with open(os.path.join(config, "user-dirs.dirs"), "w") as dirs:
            dirs.write('XDG_DOWNLOAD_DIR="%s"\n' % self.downloads)
        env = dict(self.env, HOME=self.workdir, XDG_CONFIG_HOME=config,
                   XDG_CACHE_HOME=os.path.join(self.workdir, "cache"),
                   XDG_DATA_HOME=os.path.join(self.workdir, "data"))
        # Selenium's WebKitGTK class takes no environment: its service is started here, and kept
        # (a dropped service stops its driver).
        self.service = WebKitGTKService("/usr/bin/WebKitWebDriver", log_path=self.log, env=env)
        self.service.start()
        return webdriver.Remote(self.service.service_url, options=options)

    def start_firefox(self):
        return firefox.Firefox(self.workdir, self.downloads, self.log, self.env)

    def set_viewport(self, width, height):
        """Makes the page WIDTH x HEIGHT CSS pixels, whatever the browser's frame takes."""
        if self.engine == "firefox":
            with self.step("setting the viewport to %d x %d" % (width, height)):
                self.driver.set_viewport(width, height)
            return
        inner = self.js("return [window.innerWidth, window.innerHeight]")
        rect = self.driver.get_window_rect()
        self.driver.set_window_rect(0, 0, rect["width"] - inner[0] + width,
                                    rect["height"] - inner[1] + height)

    # --- the watchdog

    @contextlib.contextmanager
    def step(self, what, seconds=STEP_TIMEOUT):
        """Runs the block as WHAT under the watchdog, within SECONDS; steps nest."""
        with self.lock:
            outer = self.step_name, self.step_end
            self.step_name, self.step_end = what, time.monotonic() + seconds
        try:
            yield
        finally:
            with self.lock:
                self.step_name, self.step_end = outer

    def watch(self):
        while True:
            time.sleep(0.2)
            with self.lock:
                now = time.monotonic()
                if self.step_end is not None and now > self.step_end:
                    why = "the page stopped answering: %s" % self.step_name
                elif now > self.road_end:
                    why = "the road took longer than %g s" % ROAD_TIMEOUT
                    if self.step_name:
                        why += ", at: " + self.step_name
                else:
                    continue
            if not self.ending.acquire(blocking=False):
                # The road is failing already and its report waits for the page: let it go on.
                kill_descendants()
                return
            # Only the screen can be asked now; then nothing is left running.
            self.report(why, page_answers=False)
            kill_descendants()
            os._exit(1)

    # --- what roads do

    def require(self, ability):
        """Ends the road as skipped on an engine that cannot do ABILITY (a key of CANNOT)."""
        why = CANNOT[self.engine].get(ability)
        if why:
            print("SKIP (%s): no %s here: %s" % (NAME, ability, why))
            sys.exit(SKIP)

    def js(self, script, *args):
        with self.step("running " + script.splitlines()[0][:60]):
            return self.driver.execute_script(script, *args)

    def wait(self, condition, what=None, timeout=TIMEOUT):
        """Waits until the JavaScript expression CONDITION is true; fails after TIMEOUT seconds."""
        end = time.monotonic() + timeout
        while not self.js("return !!(%s)" % condition):
            if time.monotonic() > end:
                self.fail("%s: %s still false after %g s" % (what or "waited", condition, timeout))
            time.sleep(0.1)

    def load(self, url, ready=None, timeout=TIMEOUT):
        """Opens URL, then waits for READY (a JavaScript expression), e.g. that
        window.srPageScale is set, as it is once the program runs."""
        with self.step("loading " + url, max(STEP_TIMEOUT, timeout)):
            self.driver.get(url)
        if ready:
            self.wait(ready, "the page was not ready", timeout)

    def reload(self, ready=None, timeout=TIMEOUT):
        with self.step("reloading", max(STEP_TIMEOUT, timeout)):
            self.driver.refresh()
        if ready:
            self.wait(ready, "the page was not ready after the reload", timeout)

    def screenshot(self):
        """What the page shows now, one pixel per CSS pixel."""
        with self.step("taking a screenshot"):
            png = self.driver.get_screenshot_as_png()
        return Image.open(io.BytesIO(png)).convert("RGB")

    def box(self, image=None, background=None):
        """(left, top, right, bottom) around every pixel that is not the page's background
        (default: the top-left pixel's colour); right and bottom lie just outside. The program
        draws all its windows into one canvas, so this finds what it shows. None when blank."""
        image = image or self.screenshot()
        plain = Image.new("RGB", image.size, background or image.getpixel((0, 0)))
        return ImageChops.difference(image, plain).getbbox()

    def drawn(self, timeout=TIMEOUT, background=None):
        """box() once the page shows something and two screenshots in a row agree on it: WebGL
        content reaches WebKit's screenshots about a second after it was drawn."""
        end = time.monotonic() + timeout
        last = None
        while True:
            box = self.box(background=background)
            if box and box == last:
                return box
            if time.monotonic() > end:
                self.fail("the page showed nothing steady within %g s (last: %s)" % (timeout, box))
            last = box
            time.sleep(0.2)

    # Input goes as W3C WebDriver actions, built here and sent by Selenium or over BiDi: a source
    # (a pointer or the keyboard) with its list of actions, each run after the one before.

    def perform(self, what, source):
        with self.step(what):
            if self.engine == "firefox":
                self.driver.perform_actions([source])
            else:
                self.driver.execute(Command.W3C_ACTIONS, {"actions": [source]})

    @staticmethod
    def move(x, y):
        return {"type": "pointerMove", "duration": 0, "x": int(x), "y": int(y),
                "origin": "viewport"}

    @staticmethod
    def pause(seconds):
        return {"type": "pause", "duration": int(seconds * 1000)}

    def gesture(self, what, points, kind):
        """Presses at the first of POINTS, moves through the others, lets go, with the pointer
        KIND ("mouse", "touch" or "pen"). Where the driver cannot send that kind (CANNOT), the
        page's script dispatches the pointer events a finger or a pen makes, as a hand would: the
        program's own forwarding runs on them as on a device's."""
        if kind != "mouse" and kind in CANNOT[self.engine]:
            for index, (x, y) in enumerate(points):
                self.js(DISPATCH, "pointerdown" if index == 0 else
                        "pointerup" if index == len(points) - 1 else "pointermove",
                        kind, int(x), int(y))
                time.sleep(0.05 if index in (0, len(points) - 2) else 0.02)
            return
        source = {"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
                  "actions": [self.move(*points[0]), {"type": "pointerDown", "button": 0},
                              self.pause(0.05)]}
        for x, y in points[1:-1]:
            source["actions"] += [self.move(x, y), self.pause(0.02)]
        source["actions"] += [self.move(*points[-1]), self.pause(0.05),
                              {"type": "pointerUp", "button": 0}]
        self.perform(what, source)

    def click(self, x, y, pointer="mouse"):
        """A click at X, Y of the page; a tap with POINTER "touch" or "pen"."""
        self.gesture("clicking at %d,%d" % (x, y), [(x, y), (x, y)], pointer)

    def drag(self, start, end, steps=10, pointer="mouse"):
        """Presses at START, moves to END in STEPS small steps as a hand would, lets go."""
        self.gesture("dragging from %s to %s" % (start, end),
                     [start] + [(start[0] + (end[0] - start[0]) * step / steps,
                                 start[1] + (end[1] - start[1]) * step / steps)
                                for step in range(1, steps + 1)], pointer)

    def wheel(self, x, y, lines):
        """Turns the mouse wheel over X, Y of the page by LINES (positive: down the page)."""
        self.perform("turning the wheel at %d,%d" % (x, y), {
            "type": "wheel", "id": "wheel", "actions": [{
                "type": "scroll", "x": int(x), "y": int(y), "deltaX": 0, "deltaY": 40 * lines,
                "duration": 0, "origin": "viewport"}]})

    def press(self, key, shift=False, control=False):
        """One key (a character, or a selenium Keys name such as Keys.ESCAPE), with Shift or
        Control held."""
        keys = [Keys.SHIFT] * shift + [Keys.CONTROL] * control + [key]
        source = {"type": "key", "id": "keyboard",
                  "actions": [{"type": "keyDown", "value": k} for k in keys]
                  + [{"type": "keyUp", "value": k} for k in reversed(keys)]}
        self.perform("pressing %r" % key, source)

    def clipboard(self):
        """The text on the clipboard, as the system's other programs get it."""
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                capture_output=True, text=True, timeout=5)
        if result.returncode:
            self.fail("the clipboard could not be read: " + result.stderr.strip())
        return result.stdout

    def download(self, timeout=TIMEOUT):
        """The path of the downloaded PDF once it is whole; fails when none is within TIMEOUT."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            names = os.listdir(self.downloads)
            # Chromium writes into a hidden file or NAME.crdownload and may set an empty NAME
            # aside first, WebKit writes into NAME.wkdownload, Firefox into NAME.part beside an
            # empty NAME: a PDF is whole once it ends with its end-of-file mark.
            finished = [n for n in names if not n.startswith(".")
                        and not n.endswith((".crdownload", ".wkdownload", ".part"))]
            if finished and len(finished) == len(names):
                path = os.path.join(self.downloads, finished[0])
                with open(path, "rb") as pdf:
                    if pdf.read().rstrip().endswith(b"%%EOF"):
                        return path
            time.sleep(0.1)
        self.fail("no download finished within %g s" % timeout)

    # --- the end

    def report(self, why, page_answers=True):
        print("FAIL (%s): %s" % (NAME, why), file=sys.stderr)
        os.makedirs(ARTIFACTS, exist_ok=True)
        shot = os.path.join(ARTIFACTS, NAME + "-failure.png")
        taken = False
        if page_answers and self.driver:
            with contextlib.suppress(Exception), self.step("taking the failure screenshot", 5):
                taken = self.driver.save_screenshot(shot)
        if not taken:
            subprocess.run(["import", "-window", "root", shot], env=self.env, capture_output=True)
        if os.path.exists(shot):
            print("screenshot: " + shot, file=sys.stderr)
        if os.path.exists(self.log):
            print("--- browser output", file=sys.stderr)
            # Chromium and Firefox complain at length that this machine has no D-Bus.
            with open(self.log, errors="replace") as log:
                lines = [line for line in log
                         if "dbus" not in line.lower() and "d-bus" not in line.lower()]
            sys.stderr.writelines(lines[-50:])

    def fail(self, why):
        raise Failed(why)

    def close(self):
        self.ending.acquire(blocking=False)  # the watchdog only kills from now on
        if self.driver:
            with contextlib.suppress(Exception), self.step("closing the browser", 10):
                self.driver.quit()
        kill_descendants()


@contextlib.contextmanager
def road():
    """The browser of WEB_ENGINE on the private X session, for one road."""
    global NAME
    engine = os.environ.get("WEB_ENGINE", "")
    if engine not in CANNOT:
        sys.exit("FAIL (%s): WEB_ENGINE must be one of %s, not %r"
                 % (NAME, ", ".join(CANNOT), engine))
    NAME = "web_%s_%s" % (engine, NAME)
    env = private_display()
    workdir = tempfile.mkdtemp(prefix="web-road-")
    page = Page(engine, env, workdir)
    try:
        page.start()
        yield page
    except Exception as error:
        # A driver's error says its message, then the driver's own stack.
        message = error.msg if isinstance(error, WebDriverException) else str(error)
        why = message if isinstance(error, Failed) else "%s: %s" % (type(error).__name__, message)
        if page.driver is None:
            why = "%s did not start: %s" % (engine, why)
        if page.ending.acquire(blocking=False):
            page.report(why)
        else:
            # The watchdog killed the browser under this call and ends the road itself.
            threading.Event().wait()
        sys.exit(1)
    finally:
        page.close()
        shutil.rmtree(workdir, ignore_errors=True)
