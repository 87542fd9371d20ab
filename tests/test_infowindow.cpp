// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/InfoWindow.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "widgets/ClickableLabel.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestInfoWindow : public QObject {
    Q_OBJECT

    TestPlatform fakes;
    FakeScreen &screen = fakes.screen;
    std::unique_ptr<InfoWindow> info;

    template <class T = QWidget> T *control(const char *name) {
        return LayoutCheck::control<T>(info.get(), name);
    }
    QCheckBox *kontroll1() { return control<QCheckBox>("Kontroll1"); }
    void showActivated() {
        info->show();
        info->activated();
    }

private Q_SLOTS:
    void init() {
        screen.screenGeometry = QRect(0, 0, 1280, 1024);
        info = std::make_unique<InfoWindow>(fakes.platform, true);
    }
    void cleanup() { info.reset(); }

    void windowIsAFixedDialogWithItsCaption() {
        QCOMPARE(info->windowTitle(), QStringLiteral("Programm-Info"));
        QCOMPARE(info->size(), QSize(twips(3510), twips(4005)));
        QCOMPARE(info->minimumSize(), info->maximumSize());
        QVERIFY(info->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(info->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(info->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        using LayoutCheck::row;
        LayoutCheck::addColumns();
        row("Figur1", 120, 120, 3255, 3375);
        row("Bezeichnung5", 120, 240, 3255, 495);
        row("Bezeichnung6", 240, 720, 3015, 975);
        row("Bezeichnung7", 240, 1800, 3015, 495);
        row("Kontroll1", 240, 2400, 3135, 255);
        row("Bezeichnung1", 240, 2880, 2175, 495);
        row("Bild1", 2400, 2880, 855, 495);
        row("Bezeichnung8", 120, 3600, 3255, 255);
    }
    void controlsStandWhereTheLayoutPutsThem() { LayoutCheck::compareCurrentRow(info.get()); }

    void fixedCaptionsAreExact() {
        QCOMPARE(control<QLabel>("Bezeichnung5")->text(), QStringLiteral("Addition / Subtraktion"));
        QCOMPARE(kontroll1()->text(), QStringLiteral("  Druckmodus deaktivieren"));
        QCOMPARE(control<QLabel>("Bezeichnung1")->text(), QStringLiteral("O k a y"));
        QVERIFY(qobject_cast<ClickableLabel *>(control("Bezeichnung1")));
        QCOMPARE(control<PictureBox>("Bild1")->icon(), std::optional<Icon>(Icon::Close));
    }

    void okayIsLargeBoldItalic() {
        const QFont font = control("Bezeichnung1")->font();
        QCOMPARE(font.pointSizeF(), 18.0);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
    }

    void activationSetsTheNoticeAndAuthorLines_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("freeware notice") << QStringLiteral("Bezeichnung6");
        QTest::newRow("author and contact") << QStringLiteral("Bezeichnung7");
    }
    void activationSetsTheNoticeAndAuthorLines() {
        QFETCH(QString, name);
        auto *label = control<QLabel>(name.toLatin1().constData());
        label->clear();
        showActivated();
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(!lines[0].isEmpty() && !lines[1].isEmpty());
        QVERIFY(!label->text().contains(QLatin1Char('\r')));
        QVERIFY(label->text().contains(QStringLiteral("schriftlich-rechnen")));
    }

    // The notice a user of free software is owed: the licence, no warranty, where licence and
    // source are; then a copyright line that leaves the licence's rights standing.
    void noticeNamesTheLicenceAndTheAuthors() {
        showActivated();
        const QStringList lines = control<QLabel>("Bezeichnung6")->text().split(QLatin1Char('\n'));
        for (const char *phrase : {"Freeware", "freie Software", "GNU GPL 3 oder später",
                                   "ohne jede Gewährleistung", "Lizenz und Quelltext"}) {
            QVERIFY2(lines[0].contains(QString::fromUtf8(phrase)), phrase);
        }
        QVERIFY(lines[1].startsWith(QStringLiteral("© ")));
        QVERIFY(!lines[1].contains(QStringLiteral("vorbehalten")));
    }

    void everyTextFitsItsLabel() {
        showActivated();
        LayoutCheck::labelsShowTheirWholeText(info.get());
    }

    void textsNameNoExternalAddress() {
        showActivated();
        for (const char *name : {"Bezeichnung6", "Bezeichnung7", "Bezeichnung8"}) {
            const QString text = control<QLabel>(name)->text();
            QVERIFY2(!text.contains(QLatin1Char('@')), name);
            QVERIFY2(!text.contains(QStringLiteral("http")), name);
            QVERIFY2(!text.contains(QStringLiteral("www.")), name);
        }
    }

    void checkBoxShowsTheOwnersPrintModeFlag() {
        QVERIFY(kontroll1()->isChecked());
        const InfoWindow unlocked(fakes.platform, false);
        QVERIFY(!unlocked.findChild<QCheckBox *>(QStringLiteral("Kontroll1"))->isChecked());
    }

    void checkBoxReportsEachChangeOfTheFlag() {
        QSignalSpy changed(info.get(), &InfoWindow::druckmodusGeaendert);
        kontroll1()->click();
        kontroll1()->click();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toBool(), false);
        QCOMPARE(changed.at(1).at(0).toBool(), true);
    }

    void okayAndPictureHideTheWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("O k a y") << QStringLiteral("Bezeichnung1");
        QTest::newRow("Bild1") << QStringLiteral("Bild1");
    }
    void okayAndPictureHideTheWindow() {
        QFETCH(QString, name);
        QSignalSpy discarded(info.get(), &InfoWindow::discarded);
        showActivated();
        QVERIFY(info->isVisible());
        QTest::mouseClick(control(name.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(!info->isVisible());
        QCOMPARE(discarded.count(), 0);
    }

    void hidingKeepsTheCheckBoxState() {
        showActivated();
        kontroll1()->click();
        QTest::mouseClick(control("Bezeichnung1"), Qt::LeftButton);
        showActivated();
        QVERIFY(!kontroll1()->isChecked());
        QTest::mouseClick(control("Bild1"), Qt::LeftButton);
        showActivated();
        QVERIFY(!kontroll1()->isChecked());
    }

    void closeBoxHidesAndDiscardsTheWindow() {
        QSignalSpy discarded(info.get(), &InfoWindow::discarded);
        showActivated();
        QVERIFY(info->close());
        QVERIFY(!info->isVisible());
        QCOMPARE(discarded.count(), 1);
    }

    void activationPlacesTheWindowInTheUpperQuarter_data() { FakeScreen::addAreaRows(); }
    void activationPlacesTheWindowInTheUpperQuarter() {
        QFETCH(QRect, area);
        screen.screenGeometry = area;
        showActivated();
        const QSize outer = info->frameGeometry().size();
        QCOMPARE(info->frameGeometry().topLeft(),
                 QPoint(area.x() + (area.width() - outer.width()) / 2,
                        area.y() + (area.height() - outer.height()) / 4));
    }

    void everyActivationPutsTheWindowBack() {
        showActivated();
        const QPoint placed = info->pos();
        info->move(placed + QPoint(100, 50));
        info->activated();
        QCOMPARE(info->pos(), placed);
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
