// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/NumberCatchRound.h"

#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "vocabulary/Navigator.h"

namespace {
const QString kTitel = QStringLiteral("Zahlfange");
constexpr int kSekunde = 1000;
} // namespace

NumberCatchRound::NumberCatchRound(NumberCatch &game, Timer &timer, Dialogs &dialogs,
                                   Navigator &navigator)
    : game_(game), timer_(timer), dialogs_(dialogs), navigator_(navigator) {
    timer_.setInterval(kSekunde);
    timer_.setEnabled(false);
    timer_.setTickHandler([this] { tick(); });
}

NumberCatchRound::~NumberCatchRound() {
    timer_.setEnabled(false);
    timer_.setTickHandler({});
}

void NumberCatchRound::starten(int tempo) {
    game_.prepare();
    tempoSetzen(tempo);
    timer_.setEnabled(true);
    laeuft_ = true;
}

void NumberCatchRound::tempoSetzen(int tempo) {
    timer_.setInterval(tempo * kSekunde);
}

void NumberCatchRound::bewegen(NumberCatch::Direction direction) {
    nachZug(game_.move(direction));
}

void NumberCatchRound::tick() {
    nachZug(game_.tick());
}

void NumberCatchRound::nachZug(bool geschafft) {
    if (viewUpdate_) {
        viewUpdate_();
    }
    if (!geschafft) {
        return;
    }
    // Stopped before the message: a tick while it is open would find the last cell again.
    timer_.setEnabled(false);
    dialogs_.inform(QStringLiteral("  Das Spiel ist beendet!"), kTitel);
    beenden();
}

void NumberCatchRound::beendenFragen() {
    const Dialogs::Answer answer =
        dialogs_.message(QStringLiteral("  Dieses Spiel jetzt beenden?"), kTitel,
                         Dialogs::Buttons::YesNo, Dialogs::Answer::Yes, Dialogs::Icon::Critical);
    if (answer == Dialogs::Answer::Yes) {
        beenden();
    }
}

void NumberCatchRound::beenden() {
    // A last catch while the end question is open has already ended the round.
    if (!laeuft_) {
        return;
    }
    laeuft_ = false;
    timer_.setInterval(kSekunde);
    timer_.setEnabled(false);
    navigator_.showStartWindow();
}
