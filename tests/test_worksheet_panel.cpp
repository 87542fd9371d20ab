// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "widgets/Twips.h"
#include "worksheet/WorksheetPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Where the pupil has taken the worksheet view before the layout is looked at.
enum class Road { Fresh, Opened, ClosedAgain };

Q_DECLARE_METATYPE(Modul)
Q_DECLARE_METATYPE(Road)

namespace {

// A stand-in trainer window with one control of its own in the task area.
struct Trainer : TestPlatform {
    explicit Trainer(Modul modul = Modul::Addition)
        : ownControl(new QLabel(QStringLiteral("7"), &window)),
          panel(&window, modul, platform, navigator, [this] { return points; }) {
        window.resize(twips(7845), twips(5700));
        ownControl->setGeometry(twipsRect(3600, 1680, 495, 495));
        ownControl->raise();
    }

    QListWidget *liste5() const {
        return window.findChild<QListWidget *>(QStringLiteral("Liste5"));
    }
    QWidget *bild3() const { return window.findChild<QWidget *>(QStringLiteral("Bild3")); }
    void click(const char *name) const {
        window.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }
    QStringList listed() const {
        QStringList lines;
        for (int i = 0; i < liste5()->count(); ++i) {
            lines.append(liste5()->item(i)->text());
        }
        return lines;
    }

    QString points = QStringLiteral("0");
    QWidget window;
    QLabel *ownControl;
    WorksheetPanel panel;
};

void modules() {
    QTest::addColumn<Modul>("modul");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("addition") << Modul::Addition << 37;
    QTest::newRow("subtraction") << Modul::Subtraktion << 37;
    QTest::newRow("mixed") << Modul::Gemischt << 38;
}

} // namespace

class TestWorksheetPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsStandWhereTheLayoutPutsThem_data() {
        using LayoutCheck::row;
        LayoutCheck::addColumns();
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<Road>("road");
        // The list and its button row share one left edge and move together.
        const auto view = [](const QByteArray &title, Modul modul, Road road, int left) {
            row(title + ", the list", "Liste5", left, 720, 5895, 4830) << modul << road;
            row(title + ", the button row", "Bild3", left, 0, 5895, 615) << modul << road;
        };
        struct Design {
            QByteArray name;
            Modul modul;
            int left; // while closed, before the first sheet
        };
        const QList<Design> designs{{"addition", Modul::Addition, 8040},
                                    {"subtraction", Modul::Subtraktion, 8040},
                                    {"mixed", Modul::Gemischt, 7920}};
        for (const Design &d : designs) {
            view(d.name + " starts closed at its design place", d.modul, Road::Fresh, d.left);
            view(d.name + " opens over the grid", d.modul, Road::Opened, 960);
            view(d.name + " closes to the right of the window", d.modul, Road::ClosedAgain, 8040);
        }
        // Inside the button row, so the twips count from its corner; one row of equal height.
        const auto button = [](const QByteArray &caption, const char *name, int left, int width) {
            row("button row: " + caption, name, left, 120, width, 495)
                << Modul::Addition << Road::Fresh;
        };
        button("Abbruch", "Befehl16", 0, 1095);
        button("Aufgaben drucken", "Befehl17", 1080, 1815);
        button("Lösungen drucken", "Befehl18", 2880, 1815);
        button("Kopieren", "Befehl19", 4680, 1215);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(Modul, modul);
        QFETCH(Road, road);
        Trainer trainer(modul);
        if (road != Road::Fresh) {
            trainer.panel.blattZeigen();
        }
        if (road == Road::ClosedAgain) {
            trainer.click("Befehl16");
        }
        LayoutCheck::compareCurrentRow(&trainer.window);
    }

    void viewStartsClosedAndEmpty_data() { modules(); }
    void viewStartsClosedAndEmpty() {
        QFETCH(Modul, modul);
        Trainer trainer(modul);
        QVERIFY(!trainer.panel.isOpen());
        QCOMPARE(trainer.liste5()->count(), 0);
    }

    void blattOpensTheViewWithANewSheetInFront_data() { modules(); }
    void blattOpensTheViewWithANewSheetInFront() {
        QFETCH(Modul, modul);
        QFETCH(int, lineCount);
        Trainer trainer(modul);
        trainer.panel.blattZeigen();
        QVERIFY(trainer.panel.isOpen());
        QCOMPARE(trainer.liste5()->count(), lineCount);
        QWidget *atOwnControl = trainer.window.childAt(trainer.ownControl->geometry().center());
        QVERIFY(atOwnControl == trainer.liste5() || trainer.liste5()->isAncestorOf(atOwnControl));
        QWidget *atButtonRow = trainer.window.childAt(twipsPoint(5400, 300));
        QVERIFY(trainer.bild3()->isAncestorOf(atButtonRow));
    }

    void abbruchClosesTheViewAndEmptiesTheList_data() { modules(); }
    void abbruchClosesTheViewAndEmptiesTheList() {
        QFETCH(Modul, modul);
        Trainer trainer(modul);
        trainer.panel.blattZeigen();
        trainer.click("Befehl16");
        QVERIFY(!trainer.panel.isOpen());
        QCOMPARE(trainer.liste5()->count(), 0);
    }

    void everyBlattReplacesTheSheet_data() { modules(); }
    void everyBlattReplacesTheSheet() {
        QFETCH(Modul, modul);
        QFETCH(int, lineCount);
        Trainer trainer(modul);
        trainer.panel.blattZeigen();
        const QStringList first = trainer.listed();
        trainer.panel.blattZeigen();
        QCOMPARE(trainer.liste5()->count(), lineCount);
        QVERIFY(trainer.listed() != first);
        trainer.click("Befehl16");
        trainer.panel.blattZeigen();
        QCOMPARE(trainer.liste5()->count(), lineCount);
    }

    void viewLeavesTheTrainersControlsAsTheyWere() {
        Trainer trainer;
        trainer.window.show();
        const QRect before = trainer.ownControl->geometry();
        trainer.panel.blattZeigen();
        trainer.click("Befehl16");
        QCOMPARE(trainer.ownControl->geometry(), before);
        QVERIFY(trainer.ownControl->isVisible());
        QVERIFY(trainer.ownControl->isEnabled());
        QCOMPARE(trainer.ownControl->text(), QStringLiteral("7"));
    }

    void panelButtonsSitInTheButtonRowWithTheirCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Abbruch") << QStringLiteral("Befehl16") << QStringLiteral("Abbruch");
        QTest::newRow("Aufgaben drucken")
            << QStringLiteral("Befehl17") << QStringLiteral("Aufgaben drucken");
        QTest::newRow("Lösungen drucken")
            << QStringLiteral("Befehl18") << QStringLiteral("Lösungen drucken");
        QTest::newRow("Kopieren") << QStringLiteral("Befehl19") << QStringLiteral("Kopieren");
    }
    void panelButtonsSitInTheButtonRowWithTheirCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Trainer trainer;
        auto *button = trainer.window.findChild<QPushButton *>(name);
        QVERIFY(button != nullptr);
        QCOMPARE(button->parentWidget(), trainer.bild3());
        QCOMPARE(button->text(), caption);
    }

    void listShowsYellowCourierBoldOnBlue() {
        Trainer trainer;
        const QFont font = trainer.liste5()->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSizeF(), 9.75);
        QVERIFY(font.bold());
        QCOMPARE(trainer.liste5()->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(trainer.liste5()->palette().color(QPalette::Base), QColor(0x80, 0x80, 0xFF));
        QCOMPARE(trainer.bild3()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    }

    void listShowsWholeRowsWithoutEllipsisOrScrollBar() {
        Trainer trainer;
        QCOMPARE(trainer.liste5()->textElideMode(), Qt::ElideNone);
        QCOMPARE(trainer.liste5()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void printButtonsPrintTheListedSheet_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::newRow("tasks") << QStringLiteral("Befehl17")
                               << QStringLiteral("Schriftliche Addition (Rechenblatt)");
        QTest::newRow("solutions")
            << QStringLiteral("Befehl18") << QStringLiteral("Schriftliche Addition (Lösungsblatt)");
    }
    void printButtonsPrintTheListedSheet() {
        QFETCH(QString, button);
        QFETCH(QString, heading);
        Trainer trainer;
        trainer.points = QStringLiteral("12");
        trainer.panel.blattZeigen();
        trainer.dialogs.typeNext(QStringLiteral("12"));
        trainer.dialogs.answerNext(Dialogs::Answer::Yes);
        trainer.click(button.toLatin1().constData());
        QCOMPARE(trainer.printer.documents.size(), 1);
        const QStringList printed = trainer.printer.documents.first().lines;
        QCOMPARE(printed[1], heading);
        const WorksheetText::Blatt blatt = button == QStringLiteral("Befehl17")
                                               ? WorksheetText::Blatt::Aufgaben
                                               : WorksheetText::Blatt::Loesungen;
        QCOMPARE(printed, WorksheetText::druckZeilen(trainer.listed(), Modul::Addition, blatt));
        QVERIFY(trainer.panel.isOpen());
    }

    void kopierenPutsTheListedSheetOnTheClipboard() {
        Trainer trainer(Modul::Gemischt);
        trainer.panel.blattZeigen();
        trainer.click("Befehl19");
        QCOMPARE(trainer.clipboard.texts,
                 QStringList{WorksheetText::ablageText(trainer.listed(), Modul::Gemischt)});
        QCOMPARE(trainer.dialogs.last().title, QStringLiteral("Zwischenablage"));
        QCOMPARE(trainer.liste5()->count(), 38);
    }
};

QTEST_MAIN(TestWorksheetPanel)
#include "test_worksheet_panel.moc"
