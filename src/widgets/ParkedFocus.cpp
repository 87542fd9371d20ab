// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ParkedFocus.h"

#include <QChildEvent>
#include <QEvent>
#include <QWidget>

namespace {

// The focus policy a parked control had, kept on the control itself.
constexpr char kOwnPolicy[] = "focusPolicyInView";

} // namespace

ParkedFocus::ParkedFocus(QWidget &window) : QObject(&window), window_(window) {
    watch(&window);
}

void ParkedFocus::watch(QWidget *widget) {
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        watch(child);
    }
}

bool ParkedFocus::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child())) {
            watch(child);
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        if (auto *widget = qobject_cast<QWidget *>(watched)) {
            update(widget);
        }
        break;
    default:
        break;
    }
    return false;
}

void ParkedFocus::update(QWidget *widget) {
    // A dialog opened over the window is a window of its own, with its own place on the screen.
    if (widget->window() != &window_) {
        return;
    }
    if (widget != &window_) {
        const QVariant own = widget->property(kOwnPolicy);
        if (!inView(widget)) {
            if (!own.isValid() && widget->focusPolicy() != Qt::NoFocus) {
                widget->setProperty(kOwnPolicy, static_cast<int>(widget->focusPolicy()));
                widget->setFocusPolicy(Qt::NoFocus);
                if (window_.focusWidget() == widget) {
                    widget->clearFocus();
                }
            }
        } else if (own.isValid()) {
            widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(own.toInt()));
            widget->setProperty(kOwnPolicy, QVariant());
            // As on activation, a window without a focus gives it to the first control there is.
            if (window_.focusWidget() == nullptr && (widget->focusPolicy() & Qt::TabFocus) &&
                widget->isVisibleTo(&window_) && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
            }
        }
    }
    // A parent's place decides whether its children can be seen.
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        update(child);
    }
}

bool ParkedFocus::inView(const QWidget *widget) const {
    QRect visible = widget->rect();
    for (const QWidget *w = widget; w != &window_; w = w->parentWidget()) {
        if (w->parentWidget() == nullptr || visible.isEmpty()) {
            return false;
        }
        visible = visible.translated(w->pos()).intersected(w->parentWidget()->rect());
    }
    return !visible.isEmpty();
}
