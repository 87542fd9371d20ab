// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"

class SystemClock : public Clock {
public:
    int secondsSinceMidnight() const override;
};
