// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class Dialogs;
class Navigator;

// The printer lock: while the info window's "Druckmodus deaktivieren" box is checked, a print
// goes ahead only when the password typed is exactly the points the trainer window shows.
class PrintLock {
public:
    PrintLock(Dialogs &dialogs, Navigator &navigator, std::function<QString()> shownPoints);

    // Asks for the password when the lock is on; a wrong or cancelled entry ends silently.
    bool druckenErlaubt();

private:
    Dialogs &dialogs_;
    Navigator &navigator_;
    std::function<QString()> shownPoints_;
};
