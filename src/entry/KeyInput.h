// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/NativeKey.h"

#include <QChar>
#include <Qt>
#include <optional>

class QKeyEvent;

// How a key press reaches digit entry: a modifier pressed alone is no entry at all; a digit of
// the main row or the keypad is that digit; the space bar a space; every other key is an entry
// without a character, which matches no expected digit.
namespace KeyInput {

struct Entry {
    bool isEntry = false;
    std::optional<QChar> character;
};

// Judged by Qt's key code, which follows the layout and Shift.
Entry fromKey(int key);

// A main-row digit key counts by the key itself, so Shift, AltGr or Caps Lock held with it
// changes nothing (on AZERTY the digits lie on Shift); every other key as fromKey().
Entry fromEvent(const QKeyEvent &event, NativeKey::Codes codes);

} // namespace KeyInput
