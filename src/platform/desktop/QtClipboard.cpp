// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

Clipboard::Outcome QtClipboard::setText(const QString &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return Outcome::Refused;
    }
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text ? Outcome::Copied : Outcome::Refused;
}
