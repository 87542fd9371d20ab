// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

// The physical key behind a key press, whatever character the keyboard layout, Shift or AltGr
// made of it: the key that carries a digit on the main row is known by where it sits.
namespace NativeKey {

// How the platform numbers keys in QKeyEvent's native scan code and native virtual key. In the
// browser the scan code is the USB HID usage of the key that KeyboardEvent.code names, which the
// program sets itself (Qt's wasm plugin passes no code).
enum class Codes { Unknown, Xkb, Windows, Browser };

// By the name of Qt's platform plugin ("xcb", "wayland", "windows", "wasm", ...).
Codes ofPlatform(QStringView platformName);
Codes ofThisPlatform();

// The digit 0..9 of a main-row key, or nothing for any other key and where the codes are
// unknown. The numeric keypad is not the main row.
std::optional<int> mainRowDigit(Codes codes, quint32 scanCode, quint32 virtualKey);

// The USB HID usage (keyboard page) of a main-row digit key by its KeyboardEvent.code,
// "Digit1".."Digit9", "Digit0"; 0 for every other code.
quint32 hidUsageOfCode(QStringView code);

} // namespace NativeKey
