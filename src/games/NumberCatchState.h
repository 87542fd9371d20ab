// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The shared state of the number-catch game: set by a trainer window just before the game is
// shown, read and changed by the game. Elements 1..n of zifferX/zifferY describe the n digits
// of restZiffern in order; elements beyond n are stale.
struct NumberCatchState {
    std::array<std::int16_t, 21> zifferX{};
    std::array<std::int16_t, 21> zifferY{};
    std::int16_t spielerX = 0;
    std::int16_t spielerY = 0;
    QString restZiffern;
};
