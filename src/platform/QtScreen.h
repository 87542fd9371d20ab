// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Screen.h"

class QtScreen : public Screen {
public:
    QRect geometry() const override;
};
