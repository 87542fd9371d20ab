// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemServices.h"

#include "platform/web/WebClipboard.h"
#include "platform/web/WebPrinter.h"

SystemServices SystemServices::make() {
    return {std::make_unique<WebPrinter>(), std::make_unique<WebClipboard>()};
}
