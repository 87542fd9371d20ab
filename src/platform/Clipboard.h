// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Clears the clipboard and puts the plain text on it; false when the clipboard refused it.
    virtual bool setText(const QString &text) = 0;
};
