// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Keeps a window's parked controls out of the keyboard focus. The windows park what they do not
// need outside the client area, where Qt still counts it as visible: Tab would reach it there and
// a space would press a button nobody sees. A control is parked when no part of it lies inside
// its window; while parked it takes no focus, and it gets its own focus policy back when it is
// moved into view. Controls added later are watched as well.
class ParkedFocus : public QObject {
    Q_OBJECT
public:
    explicit ParkedFocus(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    void update(QWidget *widget);
    bool inView(const QWidget *widget) const;

    QWidget &window_;
};
