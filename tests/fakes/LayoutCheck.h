// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <QTest>
#include <QWidget>

// Holding a window's controls against the rows of its layout table.
namespace LayoutCheck {

// The control with this table name; a missing one stops the test run loudly.
template <class T = QWidget> T *control(const QWidget *window, const char *name) {
    T *widget = window->findChild<T *>(QString::fromLatin1(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

// For a _data function: the columns of a layout table; a window whose controls move with its
// module or mode adds its own columns after these ...
inline void addColumns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsGeometry");
}

// ... and one row: Left, Top, Width, Height in twips, under a title that reads as a sentence.
// The extra columns' values follow with <<.
inline QTestData &row(const QByteArray &title, const QByteArray &name, int left, int top, int width,
                      int height) {
    return QTest::newRow(title.constData())
           << QString::fromLatin1(name) << QRect(left, top, width, height);
}

// A row titled by the control's own name.
inline QTestData &row(const char *name, int left, int top, int width, int height) {
    return row(name, name, left, top, width, height);
}

// In the test function: the current row's control stands exactly where its twips put it.
inline void compareCurrentRow(const QWidget *window) {
    QFETCH(QString, name);
    QFETCH(QRect, twipsGeometry);
    const QRect geometry = control(window, name.toLatin1().constData())->geometry();
    const QRect fromTwips = twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                      twipsGeometry.height());
    QCOMPARE(geometry, fromTwips);
}

// Every label of the window shows its whole text: wrapped where the label wraps, no line wider
// and no text taller than the label, in the label's own font.
inline void labelsShowTheirWholeText(const QWidget *window) {
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
        QVERIFY2(room.contains(needed),
                 qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
    }
}

} // namespace LayoutCheck
