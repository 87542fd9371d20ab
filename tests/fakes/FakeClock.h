// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"

// A clock that stands still unless a test moves it: re-seeding within one second must still
// give new numbers.
class FakeClock : public Clock {
public:
    int secondsSinceMidnight() const override { return seconds; }
    int seconds = 36000;
};
