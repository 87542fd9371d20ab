// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// The screen the windows centre themselves on: its place on the desktop and its size, in pixels.
// Beside another monitor it need not start at 0, 0.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QRect geometry() const = 0;
};
