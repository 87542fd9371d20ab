#pragma once

// The time of day, to seed the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int secondsSinceMidnight() const = 0;
};
