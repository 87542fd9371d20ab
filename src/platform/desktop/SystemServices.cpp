// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemServices.h"

#include "platform/desktop/QtClipboard.h"
#include "platform/desktop/QtPrinter.h"

SystemServices SystemServices::make() {
    return {std::make_unique<QtPrinter>(), std::make_unique<QtClipboard>()};
}
