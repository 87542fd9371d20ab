#include "platform/SystemClock.h"

#include <QTime>

int SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}
