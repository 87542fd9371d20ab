// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// Keeps every text put on it, unless a test tells it how to refuse.
class FakeClipboard : public Clipboard {
public:
    Outcome setText(const QString &text) override {
        if (outcome == Outcome::Copied) {
            texts.append(text);
        }
        return outcome;
    }

    QStringList texts;
    Outcome outcome = Outcome::Copied;
};
