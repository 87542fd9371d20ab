// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every box the code under test opens and answers from a script. An unscripted question
// is answered with its default button, an unscripted input box is cancelled.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Answer defaultButton;
        Icon icon;
        bool isInput = false;
        QString prefilled;
    };

    Answer message(const QString &text, const QString &title, Buttons buttons, Answer defaultButton,
                   Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override;

    void answerNext(Answer answer) { answers.append(answer); }
    void typeNext(const QString &text) { inputs.append(text); }
    void cancelNextInput() { inputs.append(QString()); }

    int count() const { return static_cast<int>(shown.size()); }
    const Shown &last() const { return shown.last(); }
    QStringList titles() const;
    void clear() { shown.clear(); }

    QList<Shown> shown;
    QList<Answer> answers;
    QStringList inputs;
    // Runs while a box is open, before it returns: lets a test look at the state of that moment.
    std::function<void(const Shown &)> whileOpen;
};
