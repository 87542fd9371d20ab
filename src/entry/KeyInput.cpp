// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/KeyInput.h"

#include <QKeyEvent>

namespace KeyInput {

Entry fromKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    // X11's group shift, AltGr on some keyboard layouts.
    case Qt::Key_Mode_switch:
    case Qt::Key_unknown:
    case 0:
        return {false, std::nullopt};
    case Qt::Key_Space:
        return {true, QChar(u' ')};
    default:
        break;
    }
    // Keypad digits arrive with the same key codes as the main row, flagged by a modifier.
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return {true, QChar(static_cast<char16_t>(u'0' + (key - Qt::Key_0)))};
    }
    return {true, std::nullopt};
}

Entry fromEvent(const QKeyEvent &event, NativeKey::Codes codes) {
    if (const std::optional<int> digit =
            NativeKey::mainRowDigit(codes, event.nativeScanCode(), event.nativeVirtualKey())) {
        return {true, QChar(static_cast<char16_t>(u'0' + *digit))};
    }
    return fromKey(event.key());
}

} // namespace KeyInput
