#pragma once

#include "widgets/Twips.h"

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

// For a _data function: the columns of a layout table ...
inline void addColumns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsGeometry");
}

// ... and one row: Left, Top, Width, Height in twips.
inline void row(const char *name, int left, int top, int width, int height) {
    QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
}

// In the test function: the current row's control stands exactly where its twips put it.
inline void compareCurrentRow(const QWidget *window) {
    QFETCH(QString, name);
    QFETCH(QRect, twipsGeometry);
    QCOMPARE(control(window, name.toLatin1().constData())->geometry(),
             twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                       twipsGeometry.height()));
}

} // namespace LayoutCheck
