// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vocabulary/Navigator.h"

#include <QStringList>

// Records the hand-overs a window asks for, in order ("start", "trainer:Addition", "catch",
// "memory", "info", "quit"), and answers the printer-lock question from a field.
class FakeNavigator : public Navigator {
public:
    void showStartWindow() override { calls.append(QStringLiteral("start")); }
    void showTrainer(Modul modul) override {
        static const char *const names[] = {"Addition", "Subtraktion", "Gemischt"};
        calls.append(QStringLiteral("trainer:") +
                     QString::fromLatin1(names[static_cast<int>(modul)]));
    }
    void showNumberCatch() override { calls.append(QStringLiteral("catch")); }
    void showMemory() override { calls.append(QStringLiteral("memory")); }
    void showInfo() override { calls.append(QStringLiteral("info")); }
    bool printingLocked() override {
        calls.append(QStringLiteral("lock?"));
        return locked;
    }
    void quit() override { calls.append(QStringLiteral("quit")); }

    QStringList calls;
    bool locked = true;
};
