# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A teacher in the browser, on a page that scales the windows by 1.45: the worksheet list scrolled
by the wheel where the pointer is; the worksheet of the addition trainer copied to the clipboard,
where another program reads it in the worksheet's layout with every sum right; the task sheet, past the
printer lock, downloaded as a PDF that holds every line of the task half; the solution sheet, where
the browser can share files (an iPad, a Chromebook), handed to the share sheet as a PDF that holds
every line of the solution half."""

import base64
import os
import subprocess
import time

import browser
import program
from selenium.webdriver.common.keys import Keys

with browser.road() as page:
    # A page 1.45 times as large as the largest window: the program scales its windows up.
    page.set_viewport(770, 770)
    page.load(page.url)
    start = program.shown(page, "Form0", "the start window")
    start.click("Bild1")  # "Plus"
    trainer = program.shown(page, "Form1", "the addition trainer")
    if abs(trainer.scale - 1.45) > 0.01:
        page.fail("the page is scaled by %g, not by 1.45" % trainer.scale)
    def scroll_bar():
        """The worksheet list's scroll bar, a strip of its right edge: where it stands is how far
        the list is scrolled (a row the list marks meanwhile does not count)."""
        shot = trainer.shot("Liste5", view="Blatt")
        return shot.crop((shot.width * 98 // 100, 0, shot.width, shot.height))

    # "Blatt" opens the worksheet view, with "Aufgaben drucken" (Befehl17) and "Kopieren"
    # (Befehl19) on its panel. It is drawn in the program's next turns: the list is read once its
    # place has changed and then stood still.
    before = listed = scroll_bar()
    trainer.click("Befehl14")
    end = time.monotonic() + 5
    while True:
        time.sleep(0.3)
        shown = scroll_bar()
        if shown.tobytes() != before.tobytes() and shown.tobytes() == listed.tobytes():
            break
        if time.monotonic() > end:
            page.fail("\"Blatt\" drew no worksheet list")
        listed = shown

    # The wheel turned over the list scrolls it down, and back. It is turned near the list's
    # lower right corner, which the wheel's position taken unscaled would put outside the window.
    x, y, width, height = trainer.place("Liste5", "Blatt")
    corner = trainer.at(x + 0.85 * width, y + 0.85 * height)

    def wheel_shows(lines, same):
        """Whether the list, after the wheel turned LINES over it, stands (or, with SAME false,
        no longer stands) where it stood before, within 3 s."""
        page.wheel(*corner, lines)
        end = time.monotonic() + 3
        while time.monotonic() < end:
            if (scroll_bar().tobytes() == listed.tobytes()) == same:
                return True
            time.sleep(0.2)
        return False

    if not wheel_shows(3, False):
        page.fail("the wheel over the worksheet list on a page scaled by 1.45 did not scroll it")
    # Turned back further than down: the list, which began at its top, stops there again
    # whatever a browser makes of a turn.
    if not wheel_shows(-6, True):
        page.fail("the wheel turned back did not scroll the worksheet list back to its top")

    trainer.click("Befehl19", "Blatt")
    if not program.wait_box(page, trainer):
        page.fail("\"Kopieren\" showed no message")
    copied = os.path.join(page.workdir, "clipboard.txt")
    with open(copied, "w") as out:
        out.write(page.clipboard())
    page.press(Keys.ENTER)
    why = browser.worksheet_check("addition_sheet_ok", copied)
    if why:
        page.fail("the copied worksheet is not in its layout: " + why)

    def print_sheet(button):
        """BUTTON of the worksheet view, past the printer lock, which is on at the start and asks
        for the points shown, "0", every time; then "Ja" to the print question."""
        trainer.click(button, "Blatt")
        if not program.wait_box(page, trainer):
            page.fail("printing did not ask for the password")
        page.press("a", control=True)
        page.press("0")
        page.press(Keys.ENTER)
        if not program.wait_box(page, trainer):
            page.fail("the password 0 was refused")
        # "Nein" is the default button of the print question: Tab to "Ja", the space presses it.
        page.press(Keys.TAB)
        page.press(Keys.SPACE)

    print_sheet("Befehl17")  # "Aufgaben drucken"
    pdf = page.download()
    if not program.wait_box(page, trainer):
        page.fail("no message said where the sheet went")
    page.press(Keys.ENTER)
    # A browser that shows its downloads in a bar below the page (WebKit's) makes the page
    # smaller, and the window is centred on it again.
    trainer = program.shown(page, "Form1", "the trainer after the download")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True)
    why = browser.worksheet_check("sheet_is_copy", "Schriftliche Addition (Rechenblatt)", "1",
                                  "37", copied, text=text.stdout)
    if why:
        page.fail("the downloaded task sheet is not the worksheet line by line:\n" + why)

    # A browser that can share files: a stand-in for navigator.share receives what the share
    # sheet would.
    page.js("""
        window.srShared = [];
        navigator.canShare = function (data) { return Array.isArray(data.files); };
        navigator.share = async function (data) {
            for (const file of data.files) {
                let bytes = "";
                for (const byte of new Uint8Array(await file.arrayBuffer())) {
                    bytes += String.fromCharCode(byte);
                }
                window.srShared.push({ name: file.name, type: file.type, data: btoa(bytes) });
            }
        };""")
    print_sheet("Befehl18")  # "Lösungen drucken"
    page.wait("window.srShared.length === 1", "the solution sheet was not shared")
    shared = page.js("return window.srShared[0]")
    if (shared["name"], shared["type"]) != ("Lösungsblatt.pdf", "application/pdf"):
        page.fail("the share sheet got %s (%s), not Lösungsblatt.pdf" % (shared["name"], shared["type"]))
    if not program.wait_box(page, trainer):
        page.fail("no message said the sheet was shared")
    page.press(Keys.ENTER)
    if os.listdir(page.downloads) != [os.path.basename(pdf)]:
        page.fail("the shared sheet was downloaded too: %s" % os.listdir(page.downloads))
    sheet = os.path.join(page.workdir, "shared.pdf")
    with open(sheet, "wb") as out:
        out.write(base64.b64decode(shared["data"]))
    text = subprocess.run(["pdftotext", "-layout", sheet, "-"], capture_output=True, text=True)
    why = browser.worksheet_check("sheet_is_copy", "Schriftliche Addition (Lösungsblatt)", "40",
                                  "76", copied, text=text.stdout)
    if why:
        page.fail("the shared solution sheet is not the worksheet line by line:\n" + why)
    if program.box_open(page, trainer):
        page.fail("a message box stayed open")
    print("PASS: worksheet in %s: copied in its layout, task sheet downloaded as %s, solution "
          "sheet shared" % (page.engine, os.path.basename(pdf)))
