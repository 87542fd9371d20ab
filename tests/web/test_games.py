# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pupil reaches the number-catch game as in class: the right ones digit dropped again and
again, one point each, until the 50th point shows the offer; a finger taps it, the announcement is
confirmed, and the game runs in its window centred on the page: its timer scatters the digits, a
finger moves the speed bar, a finger on the arrow "nach rechts" moves the "+" one column, the
cursor key Left brings it back, Escape and "Ja" end it on the start window."""

import time

import browser
import program
from selenium.webdriver.common.keys import Keys

ONES = "Bezeichnung13"
# The game draws on a grid of its own: a cell is 280 twips square, its text at (280 x column,
# 280 x row) twips of the client area; the "+" starts on column 14, row 9.
CELL, COLUMN, ROW = 280, 14, 9


def cell(game, column, row):
    left, top = game.at(column * CELL, row * CELL)
    right, bottom = game.at((column + 1) * CELL, (row + 1) * CELL)
    return game.page.screenshot().crop((round(left), round(top), round(right), round(bottom)))


with browser.road() as page:
    trainer = program.addition_trainer(page)
    right = (trainer.digit("Bezeichnung3") + trainer.digit("Bezeichnung6")) % 10
    hidden = trainer.shot("Bezeichnung26")
    for point in range(1, 51):
        if point == 50 and trainer.shot("Bezeichnung26").tobytes() != hidden.tobytes():
            page.fail("the number-catch offer was shown before the 50th point")
        page.drag(trainer.middle(program.tile(right)), trainer.middle(ONES))
        time.sleep(0.3)
        if point == 1 and trainer.shows(ONES, right) != right:
            page.fail("the right ones digit %d was not taken" % right)
    if not program.changes(lambda: trainer.shot("Bezeichnung26"), hidden):
        page.fail("the 50th point did not show the number-catch offer")
    if program.box_open(page, trainer):
        page.fail("dropping the right digit again brought a box")

    trainer.click("Bezeichnung26", pointer="touch")
    if not program.wait_box(page, trainer):
        page.fail("tapping the offer brought no announcement")
    page.press(Keys.ENTER)
    game = program.shown(page, "Form4", "the number-catch game")
    # The timer scatters the digits anew on every tick, at most 5 s apart.
    field = game.shot("Spielfeld")
    if not program.changes(lambda: game.shot("Spielfeld"), field, 6.0):
        page.fail("the game's timer scatters no digits")
    beside = cell(game, COLUMN + 1, ROW)
    game.click("Bild4", pointer="touch")  # "nach rechts"
    if not program.changes(lambda: cell(game, COLUMN + 1, ROW), beside):
        page.fail("a finger on \"nach rechts\" did not draw the \"+\" one column further")
    moved = cell(game, COLUMN + 1, ROW)
    page.press(Keys.LEFT)
    if not program.changes(lambda: cell(game, COLUMN + 1, ROW), moved):
        page.fail("the cursor key Left did not take the \"+\" back")
    # A finger on the speed bar's left arrow ("schnell") makes it tick faster.
    x, y, width, height = game.place("HBildlauf1")
    bar = game.shot("HBildlauf1")
    page.click(*game.at(x + height / 2, y + height / 2), pointer="touch")
    if not program.changes(lambda: game.shot("HBildlauf1"), bar):
        page.fail("a finger on the speed bar's arrow \"schnell\" did not move it")

    page.press(Keys.ESCAPE)
    if not program.wait_box(page, game):
        page.fail("Escape did not ask whether to end the game")
    page.press(Keys.ENTER)
    program.shown(page, "Form0", "the start window after the game")
    print("PASS: number catch in %s: offered at 50 points, timer and speed bar, finger and key "
          "move the \"+\", ended on the start window" % page.engine)
