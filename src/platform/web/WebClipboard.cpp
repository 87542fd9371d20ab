// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/web/WebClipboard.h"

#include <emscripten.h>

namespace {

// Resolves to 1 once the browser holds the text, 0 where it refused or has no clipboard to give.
// clang-format off
EM_ASYNC_JS(int, writeClipboardText, (const char *text), {
    try {
        await navigator.clipboard.writeText(UTF8ToString(text));
        return 1;
    } catch (error) {
        return 0;
    }
});
// clang-format on

} // namespace

bool WebClipboard::setText(const QString &text) {
    return writeClipboardText(text.toUtf8().constData()) != 0;
}
