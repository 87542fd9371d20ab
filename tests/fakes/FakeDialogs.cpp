// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeDialogs.h"

Dialogs::Answer FakeDialogs::message(const QString &text, const QString &title, Buttons buttons,
                                     Answer defaultButton, Icon icon) {
    shown.append({text, title, buttons, defaultButton, icon, false, {}});
    if (whileOpen) {
        whileOpen(shown.last());
    }
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

QString FakeDialogs::input(const QString &prompt, const QString &title, const QString &prefilled) {
    shown.append({prompt, title, Buttons::Ok, Answer::Ok, Icon::None, true, prefilled});
    if (whileOpen) {
        whileOpen(shown.last());
    }
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QStringList FakeDialogs::titles() const {
    QStringList result;
    for (const Shown &box : shown) {
        result.append(box.title);
    }
    return result;
}
