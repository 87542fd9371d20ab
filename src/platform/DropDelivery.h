// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/System.h"

#include <QPointer>

#include <functional>

// When a dropped digit tile is judged. On a desktop at once, inside the drop. In the browser Qt
// cannot open a second wait (the "Fehler" box) while the drag's own wait runs, so the drop is
// held until the drag has ended. Each digit tile owns one for its drags: one drag of a tile at a
// time, so at most one drop waits.
class DropDelivery {
public:
    explicit DropDelivery(System system = thisSystem());

    // `judge` runs for the drop on `context`, now or after dragEnded(); not at all once
    // `context` is gone.
    void dropped(QObject &context, std::function<void()> judge);

    // The drag is over, dropped or not.
    void dragEnded();

private:
    System system_;
    QPointer<QObject> context_;
    std::function<void()> judge_;
};
