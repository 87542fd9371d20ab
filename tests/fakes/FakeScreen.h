#pragma once

#include "platform/Screen.h"

class FakeScreen : public Screen {
public:
    QSize size() const override { return screenSize; }
    QSize screenSize{1280, 1024};
};
