# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A tablet turned over: the page goes from an iPad's landscape (1024 x 700 with Safari's bars) to
its portrait (768 x 950) and back, with the start window, a trainer and the trainer's worksheet
view shown. After every turn each window lies wholly on the page, centred to 2 pixels, is drawn
whole (the trainer's task reads as before) and still answers where its controls are drawn."""

import browser
import program

LANDSCAPE, PORTRAIT = (1024, 700), (768, 950)
# The cells of the task's two numbers.
TASK = ["Bezeichnung%d" % n for n in range(1, 7)]


def turn(page, size, name, what):
    """Turns the page to SIZE; the window NAME must then stand centred on it."""
    page.set_viewport(*size)
    page.wait("window.innerWidth === %d && window.innerHeight === %d" % size,
              "the page did not take the size %d x %d" % size)
    return program.shown(page, name, "%s turned to %d x %d" % ((what,) + size))


with browser.road() as page:
    page.set_viewport(*LANDSCAPE)
    page.load(page.url)
    program.shown(page, "Form0", "the start window")
    start = turn(page, PORTRAIT, "Form0", "the start window")
    start.click("Bild1")  # "Plus", where the turned window draws it
    trainer = program.shown(page, "Form1", "the addition trainer opened upright")
    task = [trainer.digit(cell) for cell in TASK]
    trainer = turn(page, LANDSCAPE, "Form1", "the addition trainer")
    # Drawn anew whole on the turned page, not only placed: the task is still there to read.
    turned = [trainer.digit(cell) for cell in TASK]
    if turned != task:
        page.fail("the task's digits %s read %s once the page turned" % (task, turned))
    trainer.click("Befehl14")  # "Blatt"
    trainer = turn(page, PORTRAIT, "Form1", "the trainer with its worksheet view")
    trainer = turn(page, LANDSCAPE, "Form1", "the trainer with its worksheet view")
    print("PASS: turning in %s: each window centred on the page after every turn" % page.engine)
