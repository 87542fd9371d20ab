// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Dialogs.h"

#include <memory>

class QInputDialog;
class QMessageBox;

// Message and input boxes of Qt, parented to the program's active window. The text handed in
// stays exact; only what is shown turns a lone carriage return into a line break.
class QtDialogs : public Dialogs {
public:
    Answer message(const QString &text, const QString &title, Buttons buttons, Answer defaultButton,
                   Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override;

    // The boxes as message() and input() open them, ready to run: the program's icon, and wide
    // enough for the desktop to show the whole title beside the frame's buttons.
    static std::unique_ptr<QMessageBox> messageBox(const QString &text, const QString &title,
                                                   Buttons buttons, Answer defaultButton,
                                                   Icon icon);
    static std::unique_ptr<QInputDialog> inputBox(const QString &prompt, const QString &title,
                                                  const QString &prefilled);
    // The width a box needs for its title in the desktop's title font, frame buttons included.
    static int titleWidth(const QString &title);

    // The text as a dialog shows it: CR LF and a lone CR each become one line break.
    static QString displayText(const QString &text);
};
