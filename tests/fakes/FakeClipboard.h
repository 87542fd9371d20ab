// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Keeps every text put on it, unless a test tells it to refuse.
class FakeClipboard : public Clipboard {
public:
    bool setText(const QString &text) override {
        if (refuse) {
            return false;
        }
        texts.append(text);
        return true;
    }

    QStringList texts;
    bool refuse = false;
};
