#pragma once

#include "platform/Dialogs.h"

// Message and input boxes of Qt, parented to the program's active window. The text handed in
// stays exact; only what is shown turns a lone carriage return into a line break.
class QtDialogs : public Dialogs {
public:
    Answer message(const QString &text, const QString &title, Buttons buttons, Answer defaultButton,
                   Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override;

    // The text as a dialog shows it: CR LF and a lone CR each become one line break.
    static QString displayText(const QString &text);
};
