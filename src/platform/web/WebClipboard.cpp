// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/WebClipboard.h"

#include "platform/web/HostScript.h"

bool WebClipboard::setText(const QString &text) {
    return writeClipboardText(text.toUtf8().constData()) != 0;
}
