// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"

// The browser's clipboard (navigator.clipboard), which only a secure page (https, or the
// computer's own address) may write, and only after the pupil's click. The program waits for
// the browser's answer, so a refusal is reported instead of taken for done.
class WebClipboard : public Clipboard {
public:
    Outcome setText(const QString &text) override;
};
