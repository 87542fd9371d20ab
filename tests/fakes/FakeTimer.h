// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Timer.h"

// A timer that ticks only when a test says so, and like a real one only while enabled.
class FakeTimer : public Timer {
public:
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

    // True when the tick was delivered.
    bool fire() {
        if (!enabled_) {
            return false;
        }
        tick();
        return true;
    }

private:
    int interval_ = 1000;
    bool enabled_ = false;
};
