// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Clipboard;
class Clock;
class Dialogs;
class Printer;
class Random;
class Screen;

// The desktop services every window is handed: real ones in the program, scripted fakes in
// the tests. No window reaches for a global.
struct Platform {
    Dialogs &dialogs;
    Clock &clock;
    Random &random;
    Screen &screen;
    Printer &printer;
    Clipboard &clipboard;
};
