// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/PrintLock.h"

#include "platform/Dialogs.h"
#include "vocabulary/Navigator.h"

PrintLock::PrintLock(Dialogs &dialogs, Navigator &navigator, std::function<QString()> shownPoints)
    : dialogs_(dialogs), navigator_(navigator), shownPoints_(std::move(shownPoints)) {
}

bool PrintLock::druckenErlaubt() {
    if (!navigator_.printingLocked()) {
        return true;
    }
    const QString kennwort =
        dialogs_.input(QStringLiteral("Kennwort eingeben:"),
                       QStringLiteral("Druckersperre aufheben"), QStringLiteral("Passwort"));
    // Exact text: no trimming, no number conversion; a cancelled box gives an empty text, and the
    // points caption is never empty.
    return !kennwort.isEmpty() && kennwort == shownPoints_();
}
