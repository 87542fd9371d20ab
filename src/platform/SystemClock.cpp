// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemClock.h"

#include <chrono>
#include <ctime>

int SystemClock::secondsSinceMidnight() const {
    // The C library's local time, unlike QTime::currentTime(), does not look at the time zone
    // file again on every call; a worksheet asks the clock several times while it is drawn.
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}
