// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DropDelivery.h"

#include <QTimer>

#include <utility>

DropDelivery::DropDelivery(System system) : system_(system) {
}

void DropDelivery::dropped(QObject &context, std::function<void()> judge) {
    if (system_ != System::Browser) {
        judge();
        return;
    }
    context_ = &context;
    judge_ = std::move(judge);
}

void DropDelivery::dragEnded() {
    auto judge = std::exchange(judge_, {});
    const QPointer<QObject> context = std::exchange(context_, nullptr);
    if (judge && !context.isNull()) {
        // Posted, so it runs from the program's own event loop, after the drag's wait has ended.
        QTimer::singleShot(0, context.data(), std::move(judge));
    }
}
