# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a school's server does. Its IT copies a new build into the program's folder file by file
while pupils load the page: a pupil whose browser keeps the program goes on with the old build,
whole, as long as the folder holds files of both, and takes the new one once the copy is
complete; a pupil who opens the half-copied folder for the first time is told to load the page
again, and no mix of the two builds runs, not even a .wasm of another build that compiles.
Meanwhile a copy of the program in another folder of the same server keeps its files for use
without a network. Every answer carries the Content-Security-Policy that the README names, and
the page starts under it.

The new build is this build's folder with a comment added to its page and its .js, assembled by
the build's own site.cmake from the build's inputs (site-inputs.cmake beside the site); the copy
leaves the .js (and its packed forms) for last."""

import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile

import browser
import program

SITE = os.environ["WEB_SITE"]
MARK = "The second build."


def read(*path):
    with open(os.path.join(*path)) as text:
        return text.read()


def policy():
    """The Content-Security-Policy that the README names."""
    found = re.findall(r"^\s*Content-Security-Policy: (.+)$", read(browser.REPO, "README.md"),
                       re.MULTILINE)
    if len(found) != 1:
        sys.exit("FAIL (%s): the README names no Content-Security-Policy" % browser.NAME)
    return found[0]


def assemble(work):
    """The second build's folder: site.cmake makes it from the build's inputs, but for its page
    and its .js, each with MARK added in a comment. Its packed forms go to the build folder's
    store beside the first build's."""
    page = os.path.join(work, "index.html")
    with open(page, "w") as second:
        second.write(read(browser.REPO, "packaging", "web", "index.html")
                     .replace("<head>\n", "<head>\n<!-- %s -->\n" % MARK, 1))
    script = os.path.join(work, "schriftlich-rechnen.js")
    with open(script, "w") as second:
        second.write(read(SITE, "schriftlich-rechnen.js") + "\n// %s\n" % MARK)
    inputs = os.path.join(work, "site-inputs.cmake")
    with open(inputs, "w") as second:
        second.write(read(os.path.dirname(SITE), "site-inputs.cmake") + "set(PAGE %s)\n" % page
                     + 'list(TRANSFORM FILES REPLACE "[^;]*/schriftlich-rechnen[.]js$" %s)\n'
                     % script)
    folder = os.path.join(work, "second")
    made = subprocess.run(["cmake", "-DSITE=" + folder, "-DINPUTS=" + inputs, "-P",
                           os.path.join(browser.REPO, "packaging", "web", "site.cmake")],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if made.returncode:
        sys.exit("FAIL (%s): site.cmake made no second build:\n%s" % (browser.NAME, made.stdout))
    return folder


def settle(page, promise, what):
    """What the JavaScript expression PROMISE resolves to in the page."""
    page.js("window.settled = null; Promise.resolve().then(function () { return %s; }).then("
            "function (value) { window.settled = {value: value}; },"
            " function (error) { window.settled = {error: String(error)}; });" % promise)
    page.wait("window.settled !== null", what)
    answer = page.js("return window.settled")
    if "error" in answer:
        page.fail("%s: %s" % (what, answer["error"]))
    return answer["value"]


# Asks the browser to look for a new worker, and waits until that try has ended: "activated" when
# a new worker took over, "redundant" when it failed to install, "unchanged" when the folder's
# worker is the one the page has.
UPDATE = """navigator.serviceWorker.getRegistration().then(function (registration) {
  return registration.update().then(function () {
    const worker = registration.installing;
    return worker ? new Promise(function (ended) {
      worker.addEventListener("statechange", function () {
        if (worker.state === "activated" || worker.state === "redundant") {
          ended(worker.state);
        }
      });
    }) : "unchanged";
  });
})"""


def state(page):
    """The caches the page's origin holds, and the page the worker answers with."""
    names = settle(page, "caches.keys()", "the caches were not listed")
    served = settle(page, "fetch('index.html').then(function (answer) { return answer.text(); })",
                    "the page was not served")
    return sorted(names), served


with tempfile.TemporaryDirectory(prefix="web-server-") as work:
    first_page = read(SITE, "index.html")
    second = assemble(work)
    second_page = read(second, "index.html")
    names = sorted(os.listdir(SITE))
    if sorted(os.listdir(second)) != names:
        sys.exit("FAIL (%s): the second build's folder holds other files" % browser.NAME)
    changed = [name for name in names
               if not filecmp.cmp(os.path.join(SITE, name), os.path.join(second, name), False)]
    last = [name for name in changed if name.startswith("schriftlich-rechnen.js")]
    if not {"index.html", "sw.js", "schriftlich-rechnen.js"} <= set(changed):
        sys.exit("FAIL (%s): the second build's page, .js and worker are the first's"
                 % browser.NAME)

    # The server's folders: klasse3, which the IT copies into, klasse4 with a copy of the
    # program, and later neu, a half copy that the browser has not seen before.
    root = os.path.join(work, "root")
    folder = os.path.join(root, "klasse3")
    shutil.copytree(SITE, folder)
    shutil.copytree(SITE, os.path.join(root, "klasse4"))

    def copy(names):
        for name in names:
            shutil.copyfile(os.path.join(second, name), os.path.join(folder, name))

    with browser.road() as page:
        url, stop = browser.start_server(root, ["Content-Security-Policy: " + policy()])
        for where in ("klasse4/", "klasse3/"):
            page.load(url + where)
            program.shown(page, "Form0", "the start window in " + where)
            page.wait("navigator.serviceWorker.controller !== null",
                      "the service worker did not start in " + where)
        before, served = state(page)
        if served != first_page:
            page.fail("the worker answers with another page than the folder's")

        copy([name for name in changed if name not in last])
        shutil.copytree(folder, os.path.join(root, "neu"))
        page.reload()
        program.shown(page, "Form0", "the start window while the folder is half copied")
        attempt = settle(page, UPDATE, "the try of the half-copied folder's worker did not end")
        now, served = state(page)
        if MARK in page.js("return document.documentElement.outerHTML") or served != first_page:
            page.fail("the page of a half-copied folder was taken (its worker: %s)" % attempt)
        if now != before:
            page.fail("the caches changed from %s to %s while the folder was half copied"
                      " (its worker: %s)" % (before, now, attempt))

        program.refused(page, url + "neu/", "a half-copied folder opened for the first time")
        # A folder whose .wasm is another build's that compiles: the page refuses it as it
        # downloads.
        browser.foreign_wasm_site(os.path.join(root, "gemischt"))
        program.refused(page, url + "gemischt/", "a folder with another build's .wasm")

        copy(last)
        page.load(url + "klasse3/")
        program.shown(page, "Form0", "the start window once the copy is complete")
        attempt = settle(page, UPDATE, "the try of the copied folder's worker did not end")
        page.reload()
        program.shown(page, "Form0", "the start window of the second build")
        now, served = state(page)
        if MARK not in page.js("return document.documentElement.outerHTML") \
                or served != second_page:
            page.fail("the second build was not taken once its copy was complete (its worker: %s)"
                      % attempt)
        if len(now) != len(before) or len(set(now) & set(before)) != len(before) - 1:
            page.fail("the caches changed from %s to %s with the second build: not one for one"
                      % (before, now))

        # The other folder's copy of the program still starts without a network.
        stop()
        page.load(url + "klasse4/")
        program.shown(page, "Form0", "the start window of the other folder without a server")
        print("PASS: a half-copied folder in %s" % page.engine)
