"""A school's network fails: the page, opened once, starts again from the service worker's copy
of its files once the server is gone, and shows the start window as before."""

import browser
import program

with browser.road() as page:
    # A server of its own, which this road stops.
    url, stop = browser.start_server()
    page.load(url)
    program.shown(page, program.START, "the start window")
    # The service worker has taken the page over once every file is in its cache.
    page.wait("navigator.serviceWorker.controller !== null", "the service worker did not start")
    stop()
    page.reload()
    program.shown(page, program.START, "the start window without a server")
    print("PASS: offline start in %s" % page.engine)
