// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtDialogs.h"
#include "widgets/IconPainter.h"

#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

// The real boxes as the program opens them, shown without their modal loop.
class TestDialogs : public QObject {
    Q_OBJECT

    static std::unique_ptr<QDialog> box(bool input, const QString &text, const QString &title) {
        if (input) {
            return QtDialogs::inputBox(text, title, QStringLiteral("Passwort"));
        }
        return QtDialogs::messageBox(text, title, Dialogs::Buttons::YesNo, Dialogs::Answer::No,
                                     Dialogs::Icon::Critical);
    }

private Q_SLOTS:
    void boxesAreWideEnoughForTitleAndFrameButtons_data() {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("password box") << true << QStringLiteral("Kennwort eingeben:")
                                      << QStringLiteral("Druckersperre aufheben");
        QTest::newRow("quit question")
            << false << QStringLiteral("Dieses Programm jetzt beenden?\r\r\r")
            << QStringLiteral("Schriftliche Addition und Subtraktion");
        QTest::newRow("print question")
            << false << QStringLiteral("Das Lösungsblatt jetzt ausdrucken?\r\r")
            << QStringLiteral("Schriftliche Subtraktion");
    }
    void boxesAreWideEnoughForTitleAndFrameButtons() {
        QFETCH(bool, input);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const std::unique_ptr<QDialog> shown = box(input, text, title);
        shown->show();
        const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        // Close, maximise and minimise buttons and the window menu: at least a line height each.
        QVERIFY2(shown->width() >= metrics.horizontalAdvance(title) + 4 * metrics.height(),
                 qPrintable(QStringLiteral("%1 px wide").arg(shown->width())));
    }

    void everyBoxCarriesTheProgramIcon_data() {
        QTest::addColumn<bool>("input");
        QTest::newRow("message box") << false;
        QTest::newRow("input box") << true;
    }
    void everyBoxCarriesTheProgramIcon() {
        QFETCH(bool, input);
        // Opened while no window of the program is active, as after another box has just closed.
        const std::unique_ptr<QDialog> shown =
            box(input, QStringLiteral("Drucken?"), QStringLiteral("Drucken"));
        const QSize size(32, 32);
        QCOMPARE(shown->windowIcon().pixmap(size).toImage(),
                 IconPainter::windowIcon().pixmap(size).toImage());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
