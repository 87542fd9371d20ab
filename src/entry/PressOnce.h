// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>

// A key press is judged once. A press no control takes travels on up to the window, also after
// the error box it brought has closed, and is seen again there. Qt reuses one event object, and
// two keys may be pressed in the same millisecond (Shift or Num Lock with a digit): the key
// itself tells them apart.
class PressOnce {
public:
    struct Press {
        const void *event = nullptr;
        quint64 timestamp = 0;
        int key = 0;
        bool operator==(const Press &) const = default;
    };

    // True the first time a press is seen; false for the same press until a key is released.
    bool first(const Press &press) {
        if (press == last_) {
            return false;
        }
        last_ = press;
        return true;
    }
    void released() { last_.reset(); }

private:
    std::optional<Press> last_;
};
