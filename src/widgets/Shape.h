// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <QWidget>

// A line or rectangle of the layout: drawn only, never clicked. Coordinates in twips of the
// parent, so each shape can be held against its table row.
class Shape : public QWidget {
    Q_OBJECT
public:
    static Shape *line(QWidget *parent, const char *name, int x1, int y1, int x2, int y2,
                       const QColor &color, int penWidthPixels);
    static Shape *rectangle(QWidget *parent, const char *name, int left, int top, int width,
                            int height, const QColor &border, int penWidthPixels,
                            const QColor &fill = Qt::transparent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape(QWidget *parent, const char *name);

    QLine line_;
    bool isLine_ = false;
    QColor color_;
    QColor fill_;
    int penWidth_ = 1;
};
