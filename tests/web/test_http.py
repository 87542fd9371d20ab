# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A school's server without https. Pupils open the page at the server's address over plain
http, where the browser gives the page neither a service worker nor hashing of its own: the
program starts all the same (the browser checks the .wasm against the page's hash before it is
compiled), and a .wasm of another build is refused there as well. The site is served on this
machine's network address, which no browser trusts as it trusts 127.0.0.1."""

import os
import subprocess
import sys

import browser
import program


def network_address():
    """An IPv4 address of this machine other than its loopback, or None."""
    found = subprocess.run(["hostname", "-I"], stdout=subprocess.PIPE, text=True).stdout.split()
    return next((address for address in found if "." in address
                 and not address.startswith("127.")), None)


ADDRESS = network_address()
if ADDRESS is None:
    print("SKIP (%s): this machine has no network address but its loopback" % browser.NAME)
    sys.exit(browser.SKIP)

with browser.road() as page:
    page.require("network address")
    url, stop = browser.start_server(address=ADDRESS)
    page.load(url)
    program.shown(page, "Form0", "the start window over plain http")
    if page.js("return window.isSecureContext || 'serviceWorker' in navigator"):
        page.fail("the page at %s counts as secure here: the road shows nothing" % url)
    stop()

    url, stop = browser.start_server(
        browser.foreign_wasm_site(os.path.join(page.workdir, "foreign")), address=ADDRESS)
    program.refused(page, url, "a folder with another build's .wasm over plain http")
    stop()
    print("PASS: plain http in %s: the program starts, another build's .wasm is refused"
          % page.engine)
