# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil on an iPad or a Chromebook: the start window at its size in the middle of the page with
nothing parked beside it; "Plus" opens the addition trainer; digit tiles dragged onto the result
row with the mouse and with a finger are judged, a wrong one with the "Fehler" box that closes
again (the page keeps answering); a digit typed with Shift held counts by its key; "Ende" leaves
a closing page, not a dead one."""

import browser
import program
from selenium.webdriver.common.keys import Keys

CELL = 495
RESULT_Y = 3720
COLUMNS = {"ones": 4800, "tens": 4200, "hundreds": 3600}
TILE_Y = 4560


def tile(digit):
    return 960 + 600 * digit + CELL / 2, TILE_Y + CELL / 2


def find_right(page, trainer, column, enter):
    """Enters 0..9 with ENTER(digit) into the result cell of COLUMN until one is taken. Every
    refused one must bring the "Fehler" box, which Enter closes. The digit taken."""
    empty = trainer.shot(COLUMNS[column], RESULT_Y, CELL, CELL)
    for digit in range(10):
        enter(digit)
        if not program.wait_box(page, trainer):
            if trainer.shot(COLUMNS[column], RESULT_Y, CELL, CELL) == empty:
                page.fail("the %s digit %d brought no box and does not stand in its cell"
                          % (column, digit))
            return digit
        page.press(Keys.ENTER)
        if program.wait_box(page, trainer, 0.3) and program.wait_box(page, trainer, 0.3):
            page.fail("the \"Fehler\" box for %d did not close: the page is stuck" % digit)
    page.fail("every digit 0..9 was refused in the %s column" % column)


with browser.road() as page:
    page.load(page.url)
    start = program.shown(page, program.START, "the start window")
    # "Plus" (Bild1 at 2880,960, 495 x 495).
    start.click(3127, 1207)
    trainer = program.shown(page, program.TRAINER, "the addition trainer")

    def drop(column, touch=False):
        return lambda digit: page.drag(trainer.at(*tile(digit)),
                                       trainer.at(COLUMNS[column] + CELL / 2, RESULT_Y + CELL / 2),
                                       touch=touch)

    find_right(page, trainer, "ones", drop("ones"))
    if "touch" in browser.CANNOT[page.engine]:
        print("NOTE: no finger here: " + browser.CANNOT[page.engine]["touch"])
    else:
        find_right(page, trainer, "tens", drop("tens", touch=True))

    # The hundreds cell clicked once (a refused key keeps it selected), then the digit keys with
    # Shift held: on this keyboard they give "!", "@", "#" ..., and still count as the digits of
    # their keys.
    trainer.click(COLUMNS["hundreds"] + CELL / 2, RESULT_Y + CELL / 2)
    find_right(page, trainer, "hundreds", lambda digit: page.press(str(digit), shift=True))

    # "Ende" (Befehl1 at 960,120, 855 x 495) goes back to the start window; its "Ende" (Bild3 at
    # 960,960) asks with "Nein" as the default: Tab to "Ja", the space bar presses it, and the
    # page says the program has ended.
    trainer.click(1387, 367)
    start = program.shown(page, program.START, "the start window after \"Ende\"")
    start.click(1207, 1207)
    if not program.wait_box(page, start):
        page.fail("\"Ende\" did not ask whether to end the program")
    page.press(Keys.TAB)
    page.press(Keys.SPACE)
    page.wait("!document.getElementById('message').hidden && "
              "document.getElementById('status').textContent.includes('beendet')",
              "\"Ende\" did not leave the closing page")
    print("PASS: trainer in %s: tiles by mouse%s, keys with Shift, closing page"
          % (page.engine, "" if "touch" in browser.CANNOT[page.engine] else " and finger"))
