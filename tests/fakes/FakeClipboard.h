#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Keeps every text put on it.
class FakeClipboard : public Clipboard {
public:
    bool setText(const QString &text) override {
        texts.append(text);
        return true;
    }

    QStringList texts;
};
