# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil with a keyboard on a touch screen: an iPad with its keyboard (Safari reports a Mac) and
a Windows touch PC. There Qt focuses a hidden input of its own while a box asks for text, and lets
it go when the box closes. Past the printer password, the print question and the message where
the sheet went, the sheet is closed with a finger, a result cell tapped and a wrong digit typed: it
is judged ("Fehler"); after that box the right digit, typed without a tap, stands in its cell."""

import os

import browser
import program
from selenium.webdriver.common.keys import Keys

ONES = "Bezeichnung13"  # the ones cell of the result; the numbers' are Bezeichnung3 and 6

with browser.road() as page:
    # Qt gives the keys back by moving the focus, which the page must see happen.
    page.require("focus")
    for platform in ("MacIntel", "Win32"):
        url, stop = browser.start_server(browser.device_site(page.workdir, platform))
        what = "on a touch screen reporting %s" % platform
        page.load(url)
        start = program.shown(page, "Form0", "the start window " + what)
        start.click("Bild1", pointer="touch")  # "Plus"
        trainer = program.shown(page, "Form1", "the addition trainer " + what)
        right = (trainer.digit("Bezeichnung3") + trainer.digit("Bezeichnung6")) % 10
        trainer.click("Befehl14", pointer="touch")  # "Blatt"
        trainer.click("Befehl17", "Blatt", pointer="touch")  # "Aufgaben drucken"
        if not program.wait_box(page, trainer):
            page.fail("printing asked for no password " + what)
        page.press("0")
        page.press(Keys.ENTER)
        if not program.wait_box(page, trainer):
            page.fail("the password 0 was refused " + what)
        page.press(Keys.TAB)  # from "Nein", the default, to "Ja"
        page.press(Keys.SPACE)
        page.download()
        if not program.wait_box(page, trainer):
            page.fail("the print question took no keys %s: no message said where the sheet "
                      "went" % what)
        page.press(Keys.ENTER)
        trainer = program.shown(page, "Form1", "the trainer after the download " + what)
        trainer.click("Befehl16", "Blatt", pointer="touch")  # "Abbruch"
        trainer.click(ONES, pointer="touch")
        page.press(str((right + 1) % 10))
        if not program.wait_box(page, trainer):
            page.fail("a wrong digit typed into the tapped cell was not judged %s" % what)
        page.press(Keys.ENTER)
        page.press(str(right))
        shown = trainer.shows(ONES, right)
        if shown != right:
            page.fail("the right digit %d typed after the \"Fehler\" box does not stand in its "
                      "cell %s (it shows %s)" % (right, what, shown))
        stop()
        for name in os.listdir(page.downloads):
            os.remove(os.path.join(page.downloads, name))
    print("PASS: keys in %s on touch screens reporting MacIntel and Win32: past the password, "
          "the print question and its message, after a tap and after a box" % page.engine)
