// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/NativeKey.h"

#include <QGuiApplication>

namespace NativeKey {

Codes ofPlatform(QStringView platformName) {
    // Qt's Wayland keyboard hands over the XKB keycode and keysym as X11 does, in all its
    // plugins ("wayland", "wayland-egl", ...).
    if (platformName == u"xcb" || platformName.startsWith(u"wayland")) {
        return Codes::Xkb;
    }
    if (platformName == u"windows") {
        return Codes::Windows;
    }
    if (platformName == u"wasm") {
        return Codes::Browser;
    }
    return Codes::Unknown;
}

Codes ofThisPlatform() {
    // Asked while running, not chosen by the build: one Linux build runs on X11, on Wayland and
    // offscreen, and only the first two hand over XKB codes.
    return ofPlatform(QGuiApplication::platformName());
}

namespace {

// The HID usage of the main-row 1; 2..9 and 0 follow it.
constexpr quint32 hidDigitOne = 0x1e;

// Main-row keys 1, 2, ..., 9, 0 lie on consecutive codes starting at `one`.
std::optional<int> onMainRow(quint32 code, quint32 one) {
    if (code < one || code > one + 9) {
        return std::nullopt;
    }
    return static_cast<int>((code - one + 1) % 10);
}

} // namespace

std::optional<int> mainRowDigit(Codes codes, quint32 scanCode, quint32 virtualKey) {
    switch (codes) {
    case Codes::Xkb:
        // The XKB keycode names the key, on every layout; the keysym in the virtual key follows
        // the layout's level and says nothing certain.
        return onMainRow(scanCode, 10);
    case Codes::Windows:
        // Windows names the main-row keys VK_0..VK_9 on the usual layouts, AZERTY included; the
        // set-1 scan codes 0x02..0x0B are the same keys on every layout.
        if (virtualKey >= '0' && virtualKey <= '9') {
            return static_cast<int>(virtualKey - '0');
        }
        return onMainRow(scanCode, 0x02);
    case Codes::Browser:
        return onMainRow(scanCode, hidDigitOne);
    case Codes::Unknown:
        break;
    }
    return std::nullopt;
}

quint32 hidUsageOfCode(QStringView code) {
    if (code.size() != 6 || !code.startsWith(u"Digit") || code[5] < u'0' || code[5] > u'9') {
        return 0;
    }
    const int digit = code[5].digitValue();
    return hidDigitOne + static_cast<quint32>(digit == 0 ? 9 : digit - 1);
}

} // namespace NativeKey
