// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Screen.h"

#include <QTest>

class FakeScreen : public Screen {
public:
    QRect geometry() const override { return screenGeometry; }
    QRect screenGeometry{0, 0, 1280, 1024};

    // Rows of an "area" column: primary screens alone and where a second monitor puts them,
    // right of a laptop, left of the desktop's origin, under a projector.
    static void addAreaRows() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024);
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600);
        QTest::newRow("right of a 1920 monitor") << QRect(1920, 0, 1280, 1024);
        QTest::newRow("left of the origin") << QRect(-1024, 0, 1024, 768);
        QTest::newRow("under a 1080 monitor") << QRect(0, 1080, 1366, 768);
    }
};
