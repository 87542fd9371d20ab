// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vocabulary/Modul.h"

#include <QStringList>

class Clock;
class Random;

// The worksheet of a trainer window: its lines and whether it covers the grid. "Blatt" draws a
// new sheet and opens it, "Abbruch" empties and closes it; printing and copying read the lines
// from here, the list only shows them.
class Worksheet {
public:
    // Before the first close the view still stands at its design position.
    enum class Ansicht { Entwurf, Offen, Geschlossen };

    Worksheet(Modul modul, Random &random, const Clock &clock);

    void blattZeigen();
    void blattSchliessen();

    Modul modul() const { return modul_; }
    Ansicht ansicht() const { return ansicht_; }
    bool isOpen() const { return ansicht_ == Ansicht::Offen; }
    const QStringList &zeilen() const { return zeilen_; }

private:
    Modul modul_;
    Random &random_;
    const Clock &clock_;
    Ansicht ansicht_ = Ansicht::Entwurf;
    QStringList zeilen_;
};
