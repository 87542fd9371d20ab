// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <Qt>
#include <optional>

// Tells the later clicks of a double (or triple) click from clicks of their own. A click on a
// start-window picture shows the trainer at once, and the second click of a double click then
// lands on the trainer's button under the mouse: presses that follow one another within the
// double-click time and distance belong to the window where the first was pressed, and on any
// other window they do nothing. Times are the events' own (milliseconds), so a window that takes
// long to appear does not turn the second click into a new one.
class DoubleClick {
public:
    DoubleClick(int intervalMs, int distancePx);

    // A press of BUTTON at the screen point AT; WINDOW names the window it lands on. True when
    // the press, and the rest of this click, must be ignored.
    bool ignorePress(const void *window, Qt::MouseButton button, quint64 time, QPoint at);

private:
    struct Press {
        Qt::MouseButton button;
        quint64 time;
        QPoint at;
    };

    int intervalMs_;
    int distancePx_;
    std::optional<Press> last_;
    // Where the presses following one another began.
    const void *firstWindow_ = nullptr;
};
