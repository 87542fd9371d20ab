#pragma once

#include "platform/Clock.h"

class SystemClock : public Clock {
public:
    int secondsSinceMidnight() const override;
};
