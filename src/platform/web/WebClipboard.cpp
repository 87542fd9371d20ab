// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/WebClipboard.h"

#include "platform/web/HostScript.h"

Clipboard::Outcome WebClipboard::setText(const QString &text) {
    switch (writeClipboardText(text.toUtf8().constData())) {
    case 1:
        return Outcome::Copied;
    case 2:
        return Outcome::NotOffered;
    default:
        return Outcome::Refused;
    }
}
