# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A school's network fails: the page, opened once, starts again from the service worker's copy
of its files once the server is gone, and shows the start window as before; its licence and
notices can still be read."""

import browser
import program

with browser.road() as page:
    # A server of its own, which this road stops.
    url, stop = browser.start_server()
    page.load(url)
    program.shown(page, "Form0", "the start window")
    # The service worker has taken the page over once every file is in its cache.
    page.wait("navigator.serviceWorker.controller !== null", "the service worker did not start")
    stop()
    page.reload()
    program.shown(page, "Form0", "the start window without a server")
    for name, words in (("LICENSE.txt", "GNU GENERAL PUBLIC LICENSE"),
                        ("THIRD-PARTY-NOTICES.txt", "Qt's WebAssembly platform plugin")):
        page.js("window.readOffline = null; fetch(arguments[0]).then(function (answer) {"
                " return answer.text(); }).then(function (text) { window.readOffline = text; },"
                " function () { window.readOffline = ''; });", name)
        page.wait("window.readOffline !== null", "reading %s without a server" % name)
        if words not in page.js("return window.readOffline"):
            page.fail("%s cannot be read without a server" % name)
    print("PASS: offline start in %s" % page.engine)
