// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"
#include "platform/DisplayCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(System)

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // An X build refuses to start only when Qt would look for an X or Wayland display and finds
    // neither; a Windows build never does, since a Windows desktop has no DISPLAY at all, and
    // neither does the browser, whose page is its screen.
    void displayIsMissingOnlyOnXWithoutAnyDisplay_data() {
        QTest::addColumn<System>("system");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("missing");
        const System x = System::Linux;
        const System windows = System::Windows;
        QTest::newRow("X, nothing set")
            << x << QByteArray() << QByteArray() << QByteArray() << true;
        QTest::newRow("X, DISPLAY set")
            << x << QByteArray() << QByteArray(":0") << QByteArray() << false;
        QTest::newRow("X, Wayland only")
            << x << QByteArray() << QByteArray() << QByteArray("wayland-0") << false;
        QTest::newRow("X, xcb asked for, no display")
            << x << QByteArray("xcb") << QByteArray() << QByteArray() << true;
        QTest::newRow("X, offscreen asked for")
            << x << QByteArray("offscreen") << QByteArray() << QByteArray() << false;
        QTest::newRow("Windows, nothing set")
            << windows << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("Windows, xcb named by mistake")
            << windows << QByteArray("xcb") << QByteArray() << QByteArray() << false;
        QTest::newRow("browser, nothing set")
            << System::Browser << QByteArray() << QByteArray() << QByteArray() << false;
    }
    void displayIsMissingOnlyOnXWithoutAnyDisplay() {
        QFETCH(System, system);
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, missing);
        const auto view = [](const QByteArray &value) {
            return std::string_view(value.constData(), static_cast<std::size_t>(value.size()));
        };
        const DisplayCheck::Environment environment{view(platform), view(display), view(wayland)};
        QCOMPARE(DisplayCheck::displayMissing(system, environment), missing);
    }

    // Qt's German texts are built into the program, so its dialog buttons read "Ja", "Nein" and
    // "Abbrechen" wherever it runs, whether or not the machine has Qt's translations.
    void qtDialogButtonsSpeakGerman() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        const Program program;
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
