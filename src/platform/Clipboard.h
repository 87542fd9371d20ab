// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Clipboard {
public:
    // How putting a text on the clipboard ended. A browser gives its clipboard only to pages
    // served over https (or from the machine itself): on any other page it is never offered,
    // and trying again cannot help.
    enum class Outcome { Copied, Refused, NotOffered };

    virtual ~Clipboard() = default;
    // Clears the clipboard and puts the plain text on it.
    virtual Outcome setText(const QString &text) = 0;
};
