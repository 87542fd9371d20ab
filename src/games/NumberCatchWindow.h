// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/NumberCatch.h"
#include "games/NumberCatchRound.h"
#include "platform/Platform.h"
#include "widgets/ProgramWindow.h"

#include <QWidget>

class CatchField;
class Navigator;
class PictureBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBar;
class Timer;

// The number-catch game "Zahlfange": the pupil steers a "+" with the arrow pictures or the
// cursor keys and catches the jumping digits 0..9 in order. Ends in the start window.
class NumberCatchWindow : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    NumberCatchWindow(Platform &platform, Navigator &navigator, NumberCatchState &state,
                      Timer &timer);

    // A new game: field cleared, start values, the timer running at the pace of the speed bar.
    // The owner calls it right before showing the window.
    void spielStarten();

    void activated() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool keyPreview(const QKeyEvent &key);
    void hBildlauf1Change(int value);
    void anzeigen();

    Platform platform_;
    NumberCatch game_;
    NumberCatchRound runde_;

    QPushButton *befehl1_ = nullptr;
    PictureBox *bild1_ = nullptr;
    QLabel *bezeichnung3_ = nullptr;
    QScrollBar *hBildlauf1_ = nullptr;
    CatchField *feld_ = nullptr;
};
