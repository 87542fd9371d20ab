// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget &scope, Handler handler)
    : QObject(&scope), scope_(scope), handler_(std::move(handler)) {
    // Application-wide, so that controls made later and every level a key travels up to are seen.
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto *target = qobject_cast<QWidget *>(watched);
    // isAncestorOf stops at window boundaries: a message box over the scope is not inside it.
    if (target == nullptr || (target != &scope_ && !scope_.isAncestorOf(target))) {
        return false;
    }
    return handler_(*static_cast<QKeyEvent *>(event), *target);
}
