# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil on an iPad or a Chromebook: the start window at its size in the middle of the page with
nothing parked beside it; "Plus" opens the addition trainer; its task is read from the window and
each result digit judged by its sum: a tile dropped with the mouse, a pen and a finger, and a digit
typed with Shift held (it counts by its key), is refused with the "Fehler" box when it is wrong (the
box closes again and the page keeps answering) and stays in its cell when it is right; the last
right digit solves the task and the next one is drawn; "Ende" leaves a closing page, not a dead
one."""

import browser
import program
from selenium.webdriver.common.keys import Keys

# The result cells by column, and the cells of the two numbers (hundreds, tens, ones).
RESULT = {"thousands": "Bezeichnung10", "hundreds": "Bezeichnung11", "tens": "Bezeichnung12",
          "ones": "Bezeichnung13"}
NUMBERS = (("Bezeichnung1", "Bezeichnung2", "Bezeichnung3"),
           ("Bezeichnung4", "Bezeichnung5", "Bezeichnung6"))


def number(trainer, cells):
    digits = [trainer.digit(cell) for cell in cells]
    if None in digits:
        trainer.page.fail("the task's cells %s show %s, not a three-digit number" % (cells, digits))
    return int("".join(map(str, digits)))


def result_digits(trainer):
    return {column: trainer.digit(cell) for column, cell in RESULT.items()}


def close_box(page, trainer, what):
    page.press(Keys.ENTER)
    if program.wait_box(page, trainer, 0.3) and program.wait_box(page, trainer, 0.3):
        page.fail("the box after %s did not close: the page is stuck" % what)


def enter(page, trainer, column, right, put, last=False):
    """Puts a wrong digit and then RIGHT into the result cell of COLUMN with PUT(digit). The wrong
    one must bring the "Fehler" box and leave the cell empty (or selected, under the key symbol,
    for a key); the right one must stand in its cell without a box, or, as the LAST digit of the
    task, bring the box that says it is solved."""
    wrong = (right + 1) % 10
    put(wrong)
    if not program.wait_box(page, trainer):
        page.fail("the wrong %s digit %d (the sum's is %d) brought no \"Fehler\" box"
                  % (column, wrong, right))
    close_box(page, trainer, "the wrong %s digit %d" % (column, wrong))
    if put.dropped and trainer.digit(RESULT[column]) is not None:
        page.fail("the wrong %s digit %d stayed in its cell" % (column, wrong))
    put(right)
    if last:
        if not program.wait_box(page, trainer):
            page.fail("the last right digit %d did not bring the box of a solved task" % right)
        close_box(page, trainer, "the solved task")
        return
    if program.wait_box(page, trainer, 1.0):
        page.fail("the right %s digit %d brought a box" % (column, right))
    shown = trainer.shows(RESULT[column], right)
    if shown != right:
        page.fail("the right %s digit %d shows as %s in its cell" % (column, right, shown))


with browser.road() as page:
    page.load(page.url)
    start = program.shown(page, "Form0", "the start window")
    start.click("Bild1")  # "Plus"
    trainer = program.shown(page, "Form1", "the addition trainer")
    a, b = number(trainer, NUMBERS[0]), number(trainer, NUMBERS[1])
    total = a + b

    def sum_digit(column):
        return total // {"thousands": 1000, "hundreds": 100, "tens": 10, "ones": 1}[column] % 10

    def drop(column, wrong_by, right_by):
        """Drops the wrong digit with the pointer WRONG_BY, the right one with RIGHT_BY."""
        pointers = [wrong_by, right_by]

        def put(digit):
            page.drag(trainer.middle(program.tile(digit)), trainer.middle(RESULT[column]),
                      pointer=pointers.pop(0))
        put.dropped = True
        return put

    def key(column):
        # The cell clicked once (a refused key keeps it selected), then the digit keys with Shift
        # held: on this keyboard they give "!", "@", "#" ..., and still count as their digits.
        trainer.click(RESULT[column])

        def put(digit):
            page.press(str(digit), shift=True)
        put.dropped = False
        return put

    enter(page, trainer, "ones", sum_digit("ones"), drop("ones", "mouse", "pen"))
    enter(page, trainer, "tens", sum_digit("tens"), drop("tens", "touch", "touch"))
    enter(page, trainer, "hundreds", sum_digit("hundreds"), key("hundreds"), last=total < 1000)
    if total >= 1000:
        enter(page, trainer, "thousands", 1, key("thousands"), last=True)
    if set(result_digits(trainer).values()) != {None}:
        page.fail("after %d + %d = %d was solved, the result row still shows %s"
                  % (a, b, total, result_digits(trainer)))

    # "Ende" (Befehl1) goes back to the start window; its "Ende" (Bild3) asks with "Nein" as the
    # default: Tab to "Ja", the space bar presses it, and the page says the program has ended.
    trainer.click("Befehl1")
    start = program.shown(page, "Form0", "the start window after \"Ende\"")
    start.click("Bild3")
    if not program.wait_box(page, start):
        page.fail("\"Ende\" did not ask whether to end the program")
    page.press(Keys.TAB)
    page.press(Keys.SPACE)
    page.wait("!document.getElementById('message').hidden && "
              "document.getElementById('status').textContent.includes('beendet')",
              "\"Ende\" did not leave the closing page")
    dispatched = [kind for kind in ("touch", "pen") if kind in browser.CANNOT[page.engine]]
    print("PASS: trainer in %s: %d + %d = %d by tiles (mouse, pen and finger%s) and keys with "
          "Shift, closing page" % (page.engine, a, b, total, ", %s dispatched by the page's script"
                                   % " and ".join(dispatched) if dispatched else ""))
