# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil reaches the memory game as in class: nineteen addition tasks solved, each read from the
window and its result typed digit by digit into the tapped cells; the nineteenth shows the offer
(not the eighteenth), a finger taps it, and the memory game stands centred on the page; two cards
tapped with a finger turn over, and "ENDE" with "Ja" ends on the start window."""

import time

import browser
import program
from selenium.webdriver.common.keys import Keys

RESULT = ["Bezeichnung13", "Bezeichnung12", "Bezeichnung11", "Bezeichnung10"]  # ones first
OFFER = "Bezeichnung28"


def task(trainer, before):
    """The digits of the task shown and their sum, once two readings in a row agree on digits
    other than BEFORE's, the last task's: the page may still show the last task for a moment
    after its box has closed."""
    last, end = None, time.monotonic() + browser.TIMEOUT
    while time.monotonic() < end:
        digits = trainer.digits(["Bezeichnung%d" % n for n in range(1, 7)])
        if digits == last and digits != before and None not in digits:
            return digits, (int("".join(map(str, digits[:3])))
                            + int("".join(map(str, digits[3:]))))
        last = digits
    trainer.page.fail("the task's digits read %s, not two numbers of three digits of a new task"
                      % last)


def colours(picture):
    """The two commonest colours of PICTURE: an offer's background and its text."""
    return tuple(c for _, c in sorted(picture.getcolors(picture.width * picture.height))[-2:])


with browser.road() as page:
    trainer = program.addition_trainer(page)
    # The offer's place: empty, then, from the 50th point on, the number-catch game's offer in
    # colours of its own, and after the 19th task the memory game's in others.
    seen, shown = {colours(trainer.shot(OFFER))}, None
    for solved in range(1, 20):
        shown, total = task(trainer, shown)
        for column, cell in enumerate(RESULT[:len(str(total))]):
            trainer.click(cell, pointer="touch")
            page.press(str(total // 10 ** column % 10))
        if not program.wait_box(page, trainer):
            page.fail("task %d, %d typed, brought no box that it is solved" % (solved, total))
        page.press(Keys.ENTER)
        time.sleep(0.3)
        colour = colours(trainer.shot(OFFER))
        if solved < 19:
            seen.add(colour)
        elif colour in seen:
            page.fail("the memory offer did not come after 19 solved tasks")
    if len(seen) > 2:
        page.fail("the offer's place showed more than the number-catch offer before the 19th "
                  "task: %s" % seen)

    trainer.click(OFFER, pointer="touch")
    memory = program.shown(page, "memo", "the memory game")
    for card in ("Bezeichnung1", "Bezeichnung10"):
        back = memory.shot(card)
        memory.click(card, pointer="touch")
        if not program.changes(lambda: memory.shot(card), back):
            page.fail("the card %s tapped with a finger did not turn over" % card)
    memory.click("Befehl1", pointer="touch")  # "ENDE"
    if not program.wait_box(page, memory):
        page.fail("\"ENDE\" did not ask whether to end the game")
    page.press(Keys.ENTER)
    program.shown(page, "Form0", "the start window after the memory game")
    print("PASS: memory in %s: offered after 19 solved tasks, cards turned by a finger, ended on "
          "the start window" % page.engine)
