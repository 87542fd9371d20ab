// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"

// The desktop's clipboard through Qt. The text is read back, so a clipboard that did not take it
// is reported instead of taken for done.
class QtClipboard : public Clipboard {
public:
    Outcome setText(const QString &text) override;
};
