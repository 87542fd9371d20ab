#pragma once

#include <QSize>

// The size of the screen the windows centre themselves on, in pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize size() const = 0;
};
