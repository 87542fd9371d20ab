# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's windows on the page, for the browser roads: where they stand and how to reach
their controls by the layout's twips, and whether a message box is open.

The browser build draws every window into one canvas with a frame of its own (a 4-pixel border
and an 18-pixel title bar), scaled by the factor the page names in window.srPageScale.
"""

import time

# The client areas in twips (15 to a pixel): the start window and the addition trainer.
START = (6390, 7485)
TRAINER = (7845, 5700)
BORDER, TITLE = 4, 18


class Window:
    """A window of SIZE twips whose frame's top-left corner is at LEFT, TOP of the page."""

    def __init__(self, page, size, left, top, image):
        self.page, self.size, self.left, self.top = page, size, left, top
        self.scale = page.js("return window.srPageScale")
        # The colour of an active window's title bar: most of the pixels of the title row.
        self.title_row = round(top + self.scale * (BORDER + TITLE / 2))
        row = [image.getpixel((x, self.title_row)) for x in range(round(left), round(left + 100))]
        self.title_colour = max(set(row), key=row.count)

    def outer(self):
        """The frame's width and height in page pixels."""
        return (self.scale * (self.size[0] / 15 + 2 * BORDER),
                self.scale * (self.size[1] / 15 + 3 * BORDER + TITLE))

    def at(self, x, y):
        """The page position of twips X, Y of the client area."""
        return (self.left + self.scale * (BORDER + x / 15),
                self.top + self.scale * (3 * BORDER + TITLE + y / 15))

    def click(self, x, y, touch=False):
        self.page.click(*self.at(x, y), touch=touch)

    def shot(self, x, y, width, height):
        """The picture of a field of the client area, by twips."""
        left, top = self.at(x, y)
        right, bottom = self.at(x + width, y + height)
        return self.page.screenshot().crop((round(left) + 2, round(top) + 2,
                                            round(right) - 2, round(bottom) - 2))


def shown(page, size, what):
    """The window of SIZE twips that the page shows alone, centred, with nothing beside it: a
    control parked outside its client area would widen what is drawn."""
    page.wait("window.srPageScale !== undefined", "the program did not start")
    box = page.drawn()
    window = Window(page, size, box[0], box[1], page.screenshot())
    width, height = window.outer()
    view_width, view_height = page.js("return [window.innerWidth, window.innerHeight]")
    expected = ((view_width - width) / 2, (view_height - height) / 2, width, height)
    found = (box[0], box[1], box[2] - box[0], box[3] - box[1])
    if any(abs(a - b) > 2 for a, b in zip(found, expected)):
        page.fail("%s is drawn at %s (left, top, width, height), not at %s"
                  % (what, found, tuple(round(v) for v in expected)))
    return window


def box_open(page, window):
    """Whether a message box is open over WINDOW: the active title bar is then not its own."""
    image = page.screenshot()
    for y in range(image.height):
        if abs(y - window.title_row) > window.scale * TITLE:
            row = [image.getpixel((x, y)) for x in range(0, image.width, 8)]
            if row.count(window.title_colour) > 8:
                return True
    return False


def wait_box(page, window, seconds=2.0):
    """True as soon as a message box is open over WINDOW, False when none came within SECONDS."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if box_open(page, window):
            return True
        time.sleep(0.2)
    return False
