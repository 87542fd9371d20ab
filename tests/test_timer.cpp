// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtTimer.h"

#include <QTest>

class TestTimer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsDisabledAtOneSecond() {
        QtTimer timer;
        QVERIFY(!timer.isEnabled());
        QCOMPARE(timer.interval(), 1000);
    }

    void reportsIntervalAndEnabledFlag() {
        QtTimer timer;
        timer.setInterval(4000);
        timer.setEnabled(true);
        QCOMPARE(timer.interval(), 4000);
        QVERIFY(timer.isEnabled());
        timer.setEnabled(false);
        QVERIFY(!timer.isEnabled());
    }

    void ticksReachHandlerOnlyWhileEnabled() {
        QtTimer timer;
        int ticks = 0;
        timer.setTickHandler([&ticks] { ++ticks; });
        timer.setInterval(0); // due at once: no waiting in the test
        timer.setEnabled(true);
        QCoreApplication::processEvents();
        QVERIFY(ticks > 0);
        timer.setEnabled(false);
        const int stopped = ticks;
        QCoreApplication::processEvents();
        QCOMPARE(ticks, stopped);
    }
};

QTEST_MAIN(TestTimer)
#include "test_timer.moc"
