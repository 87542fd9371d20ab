// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vocabulary/Modul.h"

// Hand-overs between the program's windows. One owner creates every window on first show and
// implements this; the windows only say where the pupil goes next.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Hides whatever window of the program is in front and shows the one named.
    virtual void showStartWindow() = 0;
    virtual void showTrainer(Modul modul) = 0;
    virtual void showNumberCatch() = 0;
    virtual void showMemory() = 0;

    // The info window, modeless beside the trainer; created first if it does not exist.
    virtual void showInfo() = 0;
    // True while printing is locked: the flag the info window's "Druckmodus deaktivieren" box
    // shows. Creates the info window hidden when it does not exist yet.
    virtual bool printingLocked() = 0;

    // Ends the process at once; nothing is saved.
    virtual void quit() = 0;
};
