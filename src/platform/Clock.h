// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The time of day, to seed the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondsSinceMidnight() const = 0;
};
