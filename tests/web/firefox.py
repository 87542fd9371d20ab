# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Firefox ESR for the browser roads (browser.py), driven over WebDriver BiDi, which it
speaks itself: Debian has no geckodriver. It answers what browser.py asks of Selenium's drivers
under the same names (execute_script, get, refresh, get_screenshot_as_png, save_screenshot, quit),
and takes the W3C action sources that browser.py builds (perform_actions).

Debian's python3-websockets has only the asyncio client: every call runs on one event loop of
this process until its answer has come. No events are asked for, so every message that comes is
the answer to a call; without keep-alive pings nothing happens on the connection between calls.
"""

import asyncio
import base64
import contextlib
import json
import os
import re
import subprocess
import time

import websockets

# The profile. Firefox's remote agent sets what a browser under test needs as it starts (its
# recommended preferences: no updates, no telemetry, no safe-browsing lists); these are the rest:
# no first-run pages and no start page, the page's console in the browser's log, and a download
# saved without a question into the road's folder, a PDF too, which Firefox would otherwise show
# itself. The downloads panel stays shut: it would take the keys from the page. A touch screen,
# as on a touch laptop: the page sees touch events and touch points.
PREFERENCES = {
    "browser.aboutwelcome.enabled": False,
    "browser.startup.page": 0,
    "devtools.console.stdout.content": True,
    "browser.download.folderList": 2,
    "browser.download.useDownloadDir": True,
    "browser.download.always_ask_before_handling_new_types": False,
    "browser.download.alwaysOpenPanel": False,
    "pdfjs.disabled": True,
    "dom.w3c_touch_events.enabled": 1,
    "dom.maxtouchpoints.testing.value": 5,
}


class BiDiError(Exception):
    pass


def local_value(value):
    """VALUE as an argument of script.callFunction."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [local_value(v) for v in value]}
    if isinstance(value, dict):
        return {"type": "object", "value": [[str(k), local_value(v)] for k, v in value.items()]}
    raise BiDiError("a %s cannot be handed to the page" % type(value).__name__)


def python_value(remote):
    """The Python value of a script's result, as Selenium gives it: undefined and null are None."""
    kind, value = remote["type"], remote.get("value")
    if kind in ("undefined", "null"):
        return None
    if kind in ("string", "boolean"):
        return value
    if kind == "number":
        # NaN, -0 and the infinities come as strings.
        return float(value) if isinstance(value, str) else value
    if kind == "bigint":
        return int(value)
    if kind in ("array", "set") and value is not None:
        return [python_value(v) for v in value]
    if kind in ("object", "map") and value is not None:
        return {k if isinstance(k, str) else python_value(k): python_value(v) for k, v in value}
    raise BiDiError("the page returned a %s, which a road cannot read" % kind)


class Firefox:
    def __init__(self, workdir, downloads, log, env):
        """Starts Firefox with a fresh profile in WORKDIR on the display of ENV, its output into
        the file LOG, and opens a session on its only tab."""
        profile = os.path.join(workdir, "profile")
        os.makedirs(profile)
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            for name, value in dict(PREFERENCES, **{"browser.download.dir": downloads}).items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        # Its caches and whatever it keeps beside the profile go to the scratch folder too. It
        # connects to nothing but this machine: without that it still asks DNS again and again for
        # its settings server, which the recommended preferences replace only in a test run.
        env = dict(env, HOME=workdir, XDG_CACHE_HOME=os.path.join(workdir, "cache"),
                   MOZ_CRASHREPORTER_DISABLE="1", MOZ_DISABLE_NONLOCAL_CONNECTIONS="1")
        with open(log, "ab") as output:
            self.process = subprocess.Popen(
                ["/usr/bin/firefox-esr", "--no-remote", "--profile", profile,
                 "--remote-debugging-port=0"],
                stdin=subprocess.DEVNULL, stdout=output, stderr=output, env=env)
        # The port it took is only in its output.
        while True:
            with open(log, errors="replace") as output:
                listening = re.search(r"WebDriver BiDi listening on (ws://\S+)", output.read())
            if listening:
                break
            if self.process.poll() is not None:
                raise BiDiError("Firefox ended (%d) before it listened" % self.process.returncode)
            time.sleep(0.1)
        self.loop = asyncio.new_event_loop()

        async def connect():
            # websockets 10 binds a connection to the loop running when it is made.
            return await websockets.connect(listening.group(1) + "/session", ping_interval=None,
                                            max_size=None)

        self.socket = self.loop.run_until_complete(connect())
        self.next_id = 0
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]

    def call(self, method, **params):
        """Sends the command METHOD; its result, or BiDiError with Firefox's message."""
        self.next_id += 1
        call_id = self.next_id

        async def exchange():
            await self.socket.send(json.dumps({"id": call_id, "method": method, "params": params}))
            while True:
                answer = json.loads(await self.socket.recv())
                if answer.get("id") == call_id:
                    return answer

        try:
            answer = self.loop.run_until_complete(exchange())
        except websockets.ConnectionClosed:
            raise BiDiError("Firefox closed its connection during %s" % method) from None
        if answer["type"] == "error":
            raise BiDiError("%s: %s: %s" % (method, answer["error"], answer["message"]))
        return answer["result"]

    def execute_script(self, script, *args):
        """Runs SCRIPT as the body of a function, as Selenium's execute_script does: ARGS are its
        arguments, what it returns is the result, a promise's once it has settled."""
        done = self.call("script.callFunction", functionDeclaration="function () {\n%s\n}" % script,
                         arguments=[local_value(a) for a in args], awaitPromise=True,
                         target={"context": self.context}, resultOwnership="none")
        if done["type"] == "exception":
            raise BiDiError("the script failed: " + done["exceptionDetails"]["text"])
        return python_value(done["result"])

    def get(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def refresh(self):
        self.call("browsingContext.reload", context=self.context, wait="complete")

    def set_viewport(self, width, height):
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=1)

    def perform_actions(self, sources):
        self.call("input.performActions", context=self.context, actions=sources)

    def get_screenshot_as_png(self):
        """The viewport, as the page has drawn it (Firefox renders it anew, also where the window
        does not show it)."""
        shot = self.call("browsingContext.captureScreenshot", context=self.context)
        return base64.b64decode(shot["data"])

    def save_screenshot(self, path):
        with open(path, "wb") as out:
            out.write(self.get_screenshot_as_png())
        return True

    def quit(self):
        with contextlib.suppress(BiDiError):  # Firefox may be gone before it answers
            self.call("browser.close")
        self.loop.run_until_complete(self.socket.close())
        self.process.wait(10)
