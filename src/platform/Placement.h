// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
class Screen;

// Left = (screen width - window width) / 2, Top = (screen height - window height) / divisor,
// counted from the screen's own top-left corner on the desktop, with the window's outer size
// (frame included where the desktop has drawn one).
void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor = 2);

// Places every shown window again once the screen has changed size (a tablet turned over, the
// browser's window resized): each window placed by the rule above as it was placed before, each
// box over the middle of the window it belongs to (of the screen where it has none), kept
// wholly on the screen.
void placeAgain(const Screen &screen);
