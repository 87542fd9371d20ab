#include "platform/SystemClock.h"

#include <chrono>
#include <ctime>

int SystemClock::secondsSinceMidnight() const {
    // localtime_r, unlike QTime::currentTime(), does not look at the time zone file again on
    // every call; a worksheet asks the clock several times while it is drawn.
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}
