// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/Memory.h"
#include "platform/Platform.h"
#include "widgets/ProgramWindow.h"

#include <QWidget>
#include <array>

class ClickableLabel;
class Navigator;

// The memory game "Memory": eighteen cards, nine pairs of additions that make ten. Keeps its
// board while hidden; ends in the start window.
class MemoryWindow : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    MemoryWindow(Platform &platform, Navigator &navigator);

    void activated() override;

    // The board, for tests and tools.
    const Memory &spiel() const { return game_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void bezeichnungClick(int k);
    void befehl1Click();
    void befehl2Click();
    void memoryGeschafft();
    void anzeigen();

    Platform platform_;
    Navigator &navigator_;
    Memory game_;
    std::array<ClickableLabel *, Memory::kKartenAnzahl> karten_{};
};
