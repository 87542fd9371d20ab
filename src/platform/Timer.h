// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

// A repeating timer: while enabled it calls the tick handler every interval milliseconds.
// Changing the interval of a running timer takes effect at once.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    void setTickHandler(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    void tick() {
        if (handler_) {
            handler_();
        }
    }

private:
    std::function<void()> handler_;
};
