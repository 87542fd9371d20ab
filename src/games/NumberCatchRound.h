// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/NumberCatch.h"

#include <functional>

class Dialogs;
class Navigator;
class Timer;

// One round of the number-catch game around its rules: the timer that makes the digits jump at
// the chosen pace, the won message and the way back to the start window. A round ends once,
// however many roads lead there at the same moment.
class NumberCatchRound {
public:
    NumberCatchRound(NumberCatch &game, Timer &timer, Dialogs &dialogs, Navigator &navigator);
    ~NumberCatchRound();
    NumberCatchRound(const NumberCatchRound &) = delete;
    NumberCatchRound &operator=(const NumberCatchRound &) = delete;

    // Called after every move and jump, before any message, so the field shows that moment.
    void setViewUpdate(std::function<void()> update) { viewUpdate_ = std::move(update); }

    // A new game at a pace of one jump every tempo seconds.
    void starten(int tempo);
    void tempoSetzen(int tempo);
    void bewegen(NumberCatch::Direction direction);
    void tick();
    // "ENDE": ends the round when the question is answered Yes.
    void beendenFragen();
    // Ends the round and goes back to the start window; a round already over stays over.
    void beenden();
    bool laeuft() const { return laeuft_; }

private:
    void nachZug(bool geschafft);

    NumberCatch &game_;
    Timer &timer_;
    Dialogs &dialogs_;
    Navigator &navigator_;
    std::function<void()> viewUpdate_;
    bool laeuft_ = false;
};
