// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/ProgramWindow.h"

#include <QWidget>

class QCheckBox;
class QLabel;
struct Platform;

// The info window: names the program and carries its one setting, the check box that locks
// printing. Modeless beside a trainer window; hiding keeps the setting, the close box discards
// the window and with it the setting.
class InfoWindow : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    // Kontroll1 shows DRUCKMODUSDEAKTIVIERT, the owner's printer-lock flag, and reports each
    // change with druckmodusGeaendert.
    InfoWindow(Platform &platform, bool druckmodusDeaktiviert);

    // Form_Activate: every activation puts the window back in place and refreshes its texts.
    void activated() override;

Q_SIGNALS:
    // The pupil or teacher changed Kontroll1.
    void druckmodusGeaendert(bool deaktiviert);

    // The close box was used: the window is hidden and its owner should let it go (deleteLater),
    // so that the next one starts with the box checked again.
    void discarded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Platform &platform_;
    QLabel *bezeichnung6_ = nullptr;
    QLabel *bezeichnung7_ = nullptr;
    QCheckBox *kontroll1_ = nullptr;
};
