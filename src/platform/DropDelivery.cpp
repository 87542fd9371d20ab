// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DropDelivery.h"

#include <QPointer>
#include <QTimer>

namespace DropDelivery {

namespace {

// One drag at a time: at most one drop waits for its drag to end.
struct Pending {
    QPointer<QObject> context;
    std::function<void()> judge;
};
Pending pending;

} // namespace

void dropped(QObject &context, std::function<void()> judge, System system) {
    if (system != System::Browser) {
        judge();
        return;
    }
    pending = {&context, std::move(judge)};
}

void dragEnded() {
    if (!pending.judge || pending.context.isNull()) {
        pending = {};
        return;
    }
    // Posted, so it runs from the program's own event loop, after the drag's wait has ended.
    QTimer::singleShot(0, pending.context.data(), std::move(pending.judge));
    pending = {};
}

} // namespace DropDelivery
