// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Key preview: a widget sees the key presses and releases meant for itself or any control inside
// it, before they get there, wherever the focus is. The handler gets the event and the control
// it is meant for; it returns true to swallow the key. Keys for other windows, message boxes
// included, pass by. Being a child of the widget, the preview ends with it.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent &key, QWidget &target)>;

    KeyPreview(QWidget &scope, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &scope_;
    Handler handler_;
};
