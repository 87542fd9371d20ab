// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Modal message and input boxes. Every call returns only when the box has been closed, so the
// procedure that asked goes on in the order of its steps.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Critical, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString &text, const QString &title, Buttons buttons,
                           Answer defaultButton, Icon icon) = 0;
    // The text entered, or an empty text when the box was cancelled.
    virtual QString input(const QString &prompt, const QString &title,
                          const QString &prefilled) = 0;

    // An information message: OK button, no icon.
    void inform(const QString &text, const QString &title) {
        message(text, title, Buttons::Ok, Answer::Ok, Icon::None);
    }
};
