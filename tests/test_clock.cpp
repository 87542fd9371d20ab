// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemClock.h"

#include <QTest>
#include <QTime>

class TestClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The seconds come from the local wall clock, the one a pupil sees, not from UTC.
    void secondsSinceMidnightFollowTheLocalTimeOfDay() {
        const SystemClock clock;
        for (int i = 0; i < 3; ++i) {
            const int before = QTime::currentTime().msecsSinceStartOfDay() / 1000;
            const int seconds = clock.secondsSinceMidnight();
            const int after = QTime::currentTime().msecsSinceStartOfDay() / 1000;
            QVERIFY(seconds >= 0 && seconds < 24 * 3600);
            // Only a midnight between the two readings may break the order.
            if (before <= after) {
                QVERIFY2(
                    before <= seconds && seconds <= after,
                    qPrintable(
                        QStringLiteral("%1 not in %2..%3").arg(seconds).arg(before).arg(after)));
            }
        }
    }

    void localTimeZoneIsHonoured_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC") << QByteArray("UTC0");
        QTest::newRow("five and a half hours east") << QByteArray("IST-5:30");
        QTest::newRow("three hours west") << QByteArray("BRT3");
    }
    void localTimeZoneIsHonoured() {
        QFETCH(QByteArray, zone);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const int expected = QTime::currentTime().msecsSinceStartOfDay() / 1000;
        const int seconds = SystemClock().secondsSinceMidnight();
        qputenv("TZ", saved);
        tzset();
        QVERIFY(qAbs(seconds - expected) <= 1 || qAbs(seconds - expected) >= 24 * 3600 - 1);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
