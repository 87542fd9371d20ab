# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""A teacher in the browser: the worksheet of the addition trainer copied to the clipboard, where
another program reads it in the worksheet's layout with every sum right; the task sheet, past the
printer lock, downloaded as a PDF that holds every line of the task half."""

import os
import subprocess

import browser
import program
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

with browser.road() as page:
    page.load(page.url)
    start = program.shown(page, "Form0", "the start window")
    start.click("Bild1")  # "Plus"
    trainer = program.shown(page, "Form1", "the addition trainer")
    # "Blatt" opens the worksheet view, with "Aufgaben drucken" (Befehl17) and "Kopieren"
    # (Befehl19) on its panel.
    trainer.click("Befehl14")

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

    # The printer lock is on at the start; its password is the points shown, "0".
    trainer.click("Befehl17", "Blatt")
    if not program.wait_box(page, trainer):
        page.fail("printing did not ask for the password")
    ActionChains(page.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()
    page.press("0")
    page.press(Keys.ENTER)
    if not program.wait_box(page, trainer):
        page.fail("the password 0 was refused")
    # "Nein" is the default button of the print question: Tab to "Ja", the space bar presses it.
    page.press(Keys.TAB)
    page.press(Keys.SPACE)
    pdf = page.download()
    if not program.wait_box(page, trainer):
        page.fail("no message said where the sheet went")
    page.press(Keys.ENTER)
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True)
    why = browser.worksheet_check("sheet_is_copy", "Schriftliche Addition (Rechenblatt)", "1",
                                  "37", copied, text=text.stdout)
    if why:
        page.fail("the downloaded task sheet is not the worksheet line by line:\n" + why)
    if program.box_open(page, trainer):
        page.fail("a message box stayed open")
    print("PASS: worksheet in %s: copied in its layout, task sheet downloaded as %s"
          % (page.engine, os.path.basename(pdf)))
