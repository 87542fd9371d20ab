#pragma once

#include "platform/Screen.h"

class QtScreen : public Screen {
public:
    QRect geometry() const override;
};
