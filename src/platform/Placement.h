// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
class Screen;

// Left = (screen width - window width) / 2, Top = (screen height - window height) / divisor,
// counted from the screen's own top-left corner on the desktop, with the window's outer size
// (frame included where the desktop has drawn one).
void placeOnScreen(QWidget &window, const Screen &screen, int topDivisor = 2);
