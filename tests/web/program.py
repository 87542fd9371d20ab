# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's windows on the page, for the browser roads: where they stand, how to reach
their controls by name (tests/controls.txt, the table of places the windows make), and whether a
message box is open.

The browser build draws every window into one canvas with a frame of its own (a border and a
title bar, their sizes in window.srFrame), scaled by the factor the page names in
window.srPageScale (src/platform/web/host.js lists what the page, the program and the tests share).

A field's digit is read from its picture (Window.digit): its strokes, cut to their box, are
compared with the digit tiles' own by holes (a 0, 4, 6 and 9 have one, an 8 two, and a 6's lies
lower than a 0's, which Firefox's strokes alone do not tell apart) and then by how
far each stroke lies from the other's, so a thinner or larger face of the same digit still
matches and a 3 is never taken for a 5.
"""

import os
import time

from PIL import Image


def _table():
    """Each (window, control) of tests/controls.txt with its place: left, top, width, height in
    twips of the window's client area."""
    places = {}
    with open(os.path.join(os.path.dirname(__file__), "..", "controls.txt")) as table:
        for line in table:
            if not line.startswith("#"):
                window, control, *place = line.split()
                places.setdefault((window, control), tuple(int(v) for v in place))
    return places


CONTROLS = _table()
# What a field reads as that shows a sign other than a digit.
NO_DIGIT = object()


class Window:
    """The window named NAME (Form0, Form1 ...) whose frame's top-left corner is at LEFT, TOP of
    the page. Its controls go by their names; VIEW "Blatt" names a trainer's open worksheet
    view."""

    def __init__(self, page, name, left, top, image):
        self.page, self.name, self.left, self.top = page, name, left, top
        self.size = self.place(name)[2:]
        self.tiles = None
        self.scale = page.js("return window.srPageScale")
        frame = page.js("return window.srFrame")
        self.border, self.title = frame["border"], frame["title"]
        # The colour of an active window's title bar: most of the pixels of the title row.
        self.title_row = round(top + self.scale * (self.border + self.title / 2))
        row = [image.getpixel((x, self.title_row)) for x in range(round(left), round(left + 100))]
        self.title_colour = max(set(row), key=row.count)

    def place(self, control, view=None):
        """Left, top, width and height in twips of CONTROL, in VIEW if given."""
        window = self.name + ("." + view if view else "")
        if (window, control) not in CONTROLS:
            self.page.fail("tests/controls.txt has no control %s in %s" % (control, window))
        return CONTROLS[(window, control)]

    def outer(self):
        """The frame's width and height in page pixels."""
        return (self.scale * (self.size[0] / 15 + 2 * self.border),
                self.scale * (self.size[1] / 15 + 3 * self.border + self.title))

    def at(self, x, y):
        """The page position of twips X, Y of the client area."""
        return (self.left + self.scale * (self.border + x / 15),
                self.top + self.scale * (2 * self.border + self.title + y / 15))

    def middle(self, control, view=None):
        """The page position of the middle of CONTROL."""
        x, y, width, height = self.place(control, view)
        return self.at(x + width / 2, y + height / 2)

    def click(self, control, view=None, pointer="mouse"):
        self.page.click(*self.middle(control, view), pointer=pointer)

    def digits(self, controls):
        """The digits shown in the fields CONTROLS, read from one screenshot."""
        image = self.page.screenshot()
        return [self.digit(control, image) for control in controls]

    def digit(self, control, image=None):
        """The digit shown in the field CONTROL (in IMAGE, a screenshot taken already), or None
        where it is empty."""
        shown = self._reading(control, image)
        if shown is NO_DIGIT:
            self.page.fail("%s shows a sign that is no digit" % control)
        return shown

    def _reading(self, control, image=None):
        """The digit in the field CONTROL, None where it is empty, NO_DIGIT where it shows another
        sign."""
        strokes = _strokes(self.shot(control, image=image))
        if strokes is None:
            return None
        if self.tiles is None:
            # The tiles 0..9, inside their frames.
            self.tiles = [_strokes(self.shot(tile(d), 0.15)) for d in range(10)]
        fits = [(_distance(strokes[2], known[2]), d)
                for d, known in enumerate(self.tiles) if known[0] == strokes[0]
                and abs(known[1] - strokes[1]) < 0.15]
        if not fits:
            return NO_DIGIT
        return min(fits)[1]

    def shows(self, control, digit, seconds=5.0):
        """What the field CONTROL shows as soon as it is DIGIT, else after SECONDS: a key's or a
        drop's digit is drawn in the program's next turn, and until then a tapped cell may show
        its typing frame, which is no digit."""
        end = time.monotonic() + seconds
        while True:
            image = self.page.screenshot()
            shown = self._reading(control, image)
            if shown == digit or time.monotonic() >= end:
                return self.digit(control, image)
            time.sleep(0.2)

    def shot(self, control, inset=0.0, view=None, image=None):
        """The picture of CONTROL (in VIEW), less INSET of its width and height on each side, cut
        from IMAGE or a new screenshot."""
        x, y, width, height = self.place(control, view)
        left, top = self.at(x + inset * width, y + inset * height)
        right, bottom = self.at(x + (1 - inset) * width, y + (1 - inset) * height)
        return (image or self.page.screenshot()).crop((round(left) + 2, round(top) + 2,
                                                       round(right) - 2, round(bottom) - 2))


def tile(digit):
    """The trainer's tile of DIGIT: Befehl2 for the 0 .. Befehl11 for the 9."""
    return "Befehl%d" % (digit + 2)


def shown(page, name, what):
    """The window NAME that the page shows alone, centred, with nothing beside it: a control
    parked outside its client area would widen what is drawn."""
    page.wait("window.srPageScale !== undefined", "the program did not start")
    box = page.drawn()
    window = Window(page, name, box[0], box[1], page.screenshot())
    width, height = window.outer()
    view_width, view_height = page.js("return [window.innerWidth, window.innerHeight]")
    # Each edge to 2 pixels: on a page scaled by a fraction an edge may bleed into the next row.
    left, top = (view_width - width) / 2, (view_height - height) / 2
    expected = (left, top, left + width, top + height)
    if any(abs(a - b) > 2 for a, b in zip(box, expected)):
        page.fail("%s is drawn at %s (left, top, right, bottom), not at %s"
                  % (what, box, tuple(round(v) for v in expected)))
    return window


def refused(page, url, what):
    """Loads URL, whose files are not one build's (WHAT): the page must ask for a reload and the
    program must not start."""
    page.load(url)
    page.wait("document.getElementById('status').textContent.indexOf('neu laden') >= 0",
              "%s did not ask for a reload" % what)
    if page.js("return window.srPageScale !== undefined"):
        page.fail("the program started from %s" % what)


def addition_trainer(page):
    """Loads the page, and "Plus" on the start window opens the addition trainer."""
    page.load(page.url)
    shown(page, "Form0", "the start window").click("Bild1")
    return shown(page, "Form1", "the addition trainer")


def changes(picture, before, seconds=2.0):
    """Whether PICTURE() (a function that takes a picture) differs from BEFORE within
    SECONDS."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if picture().tobytes() != before.tobytes():
            return True
        time.sleep(0.2)
    return False


def box_open(page, window):
    """Whether a message box is open over WINDOW: the active title bar is then not its own."""
    image = page.screenshot()
    for y in range(image.height):
        if abs(y - window.title_row) > window.scale * window.title:
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


def _strokes(picture):
    """The number of holes, how far down they lie, and a 20 x 28 mask of the strokes of PICTURE
    (what differs from its commonest colour: dark blue on blue, turquoise on blue, black on grey),
    cut to their box; None when nothing differs more than anti-aliasing does."""
    rgb = picture.convert("RGB")
    background = max(rgb.getcolors(rgb.width * rgb.height))[1]
    away = Image.new("L", rgb.size)
    away.putdata([min(255, sum(abs(c - b) for c, b in zip(colour, background)))
                  for colour in rgb.getdata()])
    farthest = away.getextrema()[1]
    if farthest < 96:
        return None
    mask = away.point(lambda v: 255 if v > farthest / 2 else 0)
    mask = mask.crop(mask.getbbox())
    shape = mask.resize((20, 28), Image.BILINEAR).point(lambda v: 255 if v > 127 else 0)
    return _holes(mask) + (shape,)


def _holes(mask):
    """The number of blank regions of MASK that do not reach its edge (a speck aside), and how far
    down their middle lies (0 the top, 1 the bottom; 0.5 without a hole): a 6's hole lies low, a
    9's high, a 0's in the middle."""
    width, height = mask.size
    ink = mask.load()
    seen, holes, rows = set(), 0, []
    for start in ((x, y) for y in range(height) for x in range(width)):
        if ink[start] or start in seen:
            continue
        seen.add(start)
        stack, region, open_ = [start], [], False
        while stack:
            x, y = stack.pop()
            region.append(y)
            open_ = open_ or x in (0, width - 1) or y in (0, height - 1)
            for near in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= near[0] < width and 0 <= near[1] < height and not ink[near] \
                        and near not in seen:
                    seen.add(near)
                    stack.append(near)
        # A speck between the strokes of an anti-aliased hook is no hole.
        if not open_ and len(region) >= 0.02 * width * height:
            holes += 1
            rows += region
    return holes, (sum(rows) / len(rows) / height if rows else 0.5)


def _steps_to_ink(mask):
    """For every point of MASK, the steps to its nearest stroke point (two sweeps each way)."""
    width, height = mask.size
    ink = mask.load()
    far = [[0 if ink[x, y] else width + height for x in range(width)] for y in range(height)]
    for _ in range(2):
        for y in range(height):
            for x in range(width):
                far[y][x] = min(far[y][x], far[y - 1][x] + 1 if y else far[y][x],
                                far[y][x - 1] + 1 if x else far[y][x])
        for y in reversed(range(height)):
            for x in reversed(range(width)):
                far[y][x] = min(far[y][x], far[y + 1][x] + 1 if y < height - 1 else far[y][x],
                                far[y][x + 1] + 1 if x < width - 1 else far[y][x])
    return far


def _distance(a, b):
    """How far the strokes of two masks lie from each other: the squared steps from each stroke
    point of one to the nearest of the other, both ways."""
    total = 0
    for one, other in ((a, b), (b, a)):
        far, ink = _steps_to_ink(other), one.load()
        total += sum(far[y][x] ** 2 for y in range(one.size[1]) for x in range(one.size[0])
                     if ink[x, y])
    return total
