// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Timer.h"

#include <QTimer>

// The Timer of the running program, on a QTimer of the user-interface thread.
class QtTimer : public Timer {
public:
    QtTimer();

    void setInterval(int milliseconds) override;
    int interval() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;

private:
    QTimer timer_;
};
