#include "fakes/TestPlatform.h"
#include "widgets/Twips.h"
#include "worksheet/WorksheetPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Modul)

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
    void viewStartsClosedAtItsDesignPosition_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<int>("left");
        QTest::newRow("addition") << Modul::Addition << 8040;
        QTest::newRow("subtraction") << Modul::Subtraktion << 8040;
        QTest::newRow("mixed") << Modul::Gemischt << 7920;
    }
    void viewStartsClosedAtItsDesignPosition() {
        QFETCH(Modul, modul);
        QFETCH(int, left);
        Trainer trainer(modul);
        QVERIFY(!trainer.panel.isOpen());
        QCOMPARE(trainer.liste5()->geometry(), twipsRect(left, 720, 5895, 4830));
        QCOMPARE(trainer.bild3()->geometry(), twipsRect(left, 0, 5895, 615));
        QCOMPARE(trainer.liste5()->count(), 0);
    }

    void blattOpensTheViewWithANewSheetInFront_data() { modules(); }
    void blattOpensTheViewWithANewSheetInFront() {
        QFETCH(Modul, modul);
        QFETCH(int, lineCount);
        Trainer trainer(modul);
        trainer.panel.blattZeigen();
        QVERIFY(trainer.panel.isOpen());
        QCOMPARE(trainer.liste5()->geometry(), twipsRect(960, 720, 5895, 4830));
        QCOMPARE(trainer.bild3()->geometry(), twipsRect(960, 0, 5895, 615));
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
        QCOMPARE(trainer.liste5()->geometry(), twipsRect(8040, 720, 5895, 4830));
        QCOMPARE(trainer.bild3()->geometry(), twipsRect(8040, 0, 5895, 615));
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

    void panelButtonsHaveTheirCaptionsAndPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Abbruch") << QStringLiteral("Befehl16") << QStringLiteral("Abbruch")
                                 << twipsRect(0, 120, 1095, 495);
        QTest::newRow("Aufgaben drucken")
            << QStringLiteral("Befehl17") << QStringLiteral("Aufgaben drucken")
            << twipsRect(1080, 120, 1815, 495);
        QTest::newRow("Lösungen drucken")
            << QStringLiteral("Befehl18") << QStringLiteral("Lösungen drucken")
            << twipsRect(2880, 120, 1815, 495);
        QTest::newRow("Kopieren") << QStringLiteral("Befehl19") << QStringLiteral("Kopieren")
                                  << twipsRect(4680, 120, 1215, 495);
    }
    void panelButtonsHaveTheirCaptionsAndPlaces() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        Trainer trainer;
        auto *button = trainer.window.findChild<QPushButton *>(name);
        QVERIFY(button != nullptr);
        QCOMPARE(button->parentWidget(), trainer.bild3());
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
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
        const Rechenblatt::Blatt blatt = button == QStringLiteral("Befehl17")
                                             ? Rechenblatt::Blatt::Aufgaben
                                             : Rechenblatt::Blatt::Loesungen;
        QCOMPARE(printed, Rechenblatt::druckZeilen(trainer.listed(), Modul::Addition, blatt));
        QVERIFY(trainer.panel.isOpen());
    }

    void kopierenPutsTheListedSheetOnTheClipboard() {
        Trainer trainer(Modul::Gemischt);
        trainer.panel.blattZeigen();
        trainer.click("Befehl19");
        QCOMPARE(trainer.clipboard.texts,
                 QStringList{Rechenblatt::ablageText(trainer.listed(), Modul::Gemischt)});
        QCOMPARE(trainer.dialogs.last().title, QStringLiteral("Zwischenablage"));
        QCOMPARE(trainer.liste5()->count(), 38);
    }
};

QTEST_MAIN(TestWorksheetPanel)
#include "test_worksheet_panel.moc"
