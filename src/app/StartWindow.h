// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/ProgramWindow.h"

#include <QWidget>

class Navigator;
class QPlainTextEdit;
struct Platform;

// The start window: the hub the pupil always comes back to. Five picture buttons end the
// program, show or hide the help text, and open the addition, subtraction and mixed trainers.
class StartWindow : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    StartWindow(Platform &platform, Navigator &navigator);

    // Form_Activate: every return to the start window refills the help box, which parks it.
    void activated() override;

    // The help text exactly as the help box is given it: CR LF after every line.
    static QString hilfetext();
    bool hilfeSichtbar() const { return hilfeSichtbar_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void hilfetextSetzen();
    void hilfeZeigen(bool sichtbar);
    void bild3Click();
    void bild4Click();

    Platform &platform_;
    Navigator &navigator_;
    QPlainTextEdit *text1_ = nullptr;
    // The help box stands at Left 960 while shown and is parked at 6600, beyond the client area.
    bool hilfeSichtbar_ = false;
};
