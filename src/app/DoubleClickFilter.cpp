// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DoubleClickFilter.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

DoubleClickFilter::DoubleClickFilter()
    : rule_(QGuiApplication::styleHints()->mouseDoubleClickInterval(),
            QGuiApplication::styleHints()->mouseDoubleClickDistance()) {
}

bool DoubleClickFilter::eventFilter(QObject *watched, QEvent *event) {
    // Judged where the window system hands the click to a window, before any control sees it.
    if (!watched->isWindowType()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        ignoring_ = rule_.ignorePress(watched, press->button(), press->timestamp(),
                                      press->globalPosition().toPoint());
        return ignoring_;
    }
    case QEvent::MouseButtonDblClick:
        return ignoring_;
    case QEvent::MouseButtonRelease: {
        const bool ignored = ignoring_;
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton) {
            ignoring_ = false;
        }
        return ignored;
    }
    default:
        return false;
    }
}
