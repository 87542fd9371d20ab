// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A top-level window of the program. activated() runs when the window becomes the program's
// active window coming from another of its windows, never when one of its own message boxes
// closes: the window owner tells the two apart.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;
    virtual void activated() = 0;
};
