// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartWindow.h"
#include "fakes/FakeNavigator.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "platform/Placement.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace {

// The help text byte for byte: every line ends with CR LF, empty lines are a CR LF alone.
const QString kHilfetext = QStringLiteral(
    "Mit diesem Programm kann die schriftliche Addition und Subtraktion trainiert werden. Das "
    "Ausdrucken von Übungsblättern ist ebenfalls möglich.\r\n"
    "\r\n"
    "Das Programm besteht aus drei Modulen: Addition, Subtraktion und gemischte Addition und "
    "Subtraktion.\r\n"
    "\r\n"
    "In jedem Modul kann die jeweilige Rechenart in drei Formen geübt werden: Einzelaufgaben, "
    "Mehrfachaufgaben und Lückenaufgaben.\r\n"
    "\r\n"
    "Innerhalb der Übungsreihen gibt es zur Entspannung zwei kleine Belohnungsspiele.\r\n"
    "\r\n"
    "Die Bedienung erfolgt mit der Maus über Drag&Drop der angezeigten Zifferntasten.\r\n"
    "Fehler werden sofort angezeigt und können unmittelbar verbessert werden.\r\n"
    "\r\n"
    "Eine gemischte Maus-Tasten-Bedienung ist ebenso möglich. Dazu klickt man mit der Maus auf ein "
    "Lösungfeld und es erscheint ein Tastensymbol.\r\n"
    "Nun kann die passende Lösungsziffer mit der Tastatur eingegeben werden oder aber per "
    "Drag&Drop.\r\n"
    "\r\n"
    "Der Drucker wird im Infofenster aktiviert bzw. deaktiviert. Wurde das vor dem Druckbefehl "
    "vergessen, so kann man mit einem Kennwort die Sperre aufheben.\r\n"
    "Das Passwort zum Aufheben der Druckersperre entspricht der in diesem Moment angezeigten "
    "Anzahl der richtigen Punkte.\r\n");

// What the pupil reads in the box: the same lines, broken where the text breaks them.
QString shownHelp() {
    QString shown = kHilfetext;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestStartWindow : public QObject {
    Q_OBJECT

    TestPlatform fakes;
    FakeDialogs &dialogs = fakes.dialogs;
    FakeScreen &screen = fakes.screen;
    FakeNavigator navigator;
    std::unique_ptr<StartWindow> form;

    template <class T = QWidget> T *control(const char *name) {
        return LayoutCheck::control<T>(form.get(), name);
    }
    QPlainTextEdit *hilfe() { return control<QPlainTextEdit>("Text1"); }
    void click(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    int hilfeLeft() { return hilfe()->x(); }

private Q_SLOTS:
    void init() {
        dialogs = FakeDialogs();
        navigator.calls.clear();
        screen.screenGeometry = QRect(0, 0, 1280, 1024);
        form = std::make_unique<StartWindow>(fakes.platform, navigator);
        form->activated();
    }
    void cleanup() { form.reset(); }

    void windowHasItsCaptionFixedSizeAndBackground() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Schriftliche Additon und Subtraktion"));
        QCOMPARE(form->size(), QSize(twips(6390), twips(7485)));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
        QVERIFY(!form->windowIcon().isNull());
    }

    // Centred when made, and again when the screen turns over (a tablet's page): the window by
    // the same rule, its box over the window's middle.
    void windowIsCentredOnTheScreenWhenCreatedAndTurned_data() { FakeScreen::addAreaRows(); }
    void windowIsCentredOnTheScreenWhenCreatedAndTurned() {
        QFETCH(QRect, area);
        const auto centredOn = [](const QRect &on, const QWidget &window) {
            const QSize outer = window.frameGeometry().size();
            return QPoint(on.x() + (on.width() - outer.width()) / 2,
                          on.y() + (on.height() - outer.height()) / 2);
        };
        screen.screenGeometry = area;
        StartWindow fresh(fakes.platform, navigator);
        fresh.show(); // where it stands once shown, in its frame
        QCOMPARE(fresh.frameGeometry().topLeft(), centredOn(area, fresh));

        QDialog box(&fresh);
        box.resize(300, 120);
        box.show();
        const QRect turned(area.topLeft(), area.size().transposed());
        screen.screenGeometry = turned;
        placeAgain(screen);
        QCOMPARE(fresh.frameGeometry().topLeft(), centredOn(turned, fresh));
        QCOMPARE(box.frameGeometry().topLeft(), centredOn(fresh.frameGeometry(), box));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        using LayoutCheck::row;
        LayoutCheck::addColumns();
        row("Bild3", 960, 960, 495, 495);
        row("Bild4", 1920, 960, 495, 495);
        row("Bild1", 2880, 960, 495, 495);
        row("Bild2", 3840, 960, 495, 495);
        row("Bild6", 4800, 960, 495, 495);
        row("Bild5", 720, 4800, 495, 495);
        row("Bezeichnung1", 840, 1440, 735, 255);
        row("Bezeichnung2", 1800, 1440, 735, 255);
        row("Bezeichnung3", 2760, 1440, 735, 255);
        row("Bezeichnung4", 3720, 1440, 735, 255);
        row("Bezeichnung6", 4440, 1440, 1215, 255);
        row("Bezeichnung7", 2040, 4320, 2295, 255);
        row("Text1", 6600, 2040, 4335, 1695);
        row("Figur1", 240, 360, 5895, 4215);
        row("Figur2", 600, 720, 5175, 3495);
        row("Figur3", 4560, 4200, 735, 255);
    }
    void controlsStandWhereTheLayoutPutsThem() { LayoutCheck::compareCurrentRow(form.get()); }

    void linesReachTheirEndPoints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("Linie1") << QStringLiteral("Linie1") << QPoint(1080, 6960)
                                << QPoint(2040, 4320);
        QTest::newRow("Linie2") << QStringLiteral("Linie2") << QPoint(5280, 6960)
                                << QPoint(4320, 4320);
        QTest::newRow("Linie3") << QStringLiteral("Linie3") << QPoint(1560, 5760)
                                << QPoint(4800, 5760);
        QTest::newRow("Linie4") << QStringLiteral("Linie4") << QPoint(960, 4320)
                                << QPoint(960, 4800);
    }
    void linesReachTheirEndPoints() {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QRect box = control(name.toLatin1().constData())->geometry();
        QVERIFY(box.contains(twipsPoint(from.x(), from.y())));
        QVERIFY(box.contains(twipsPoint(to.x(), to.y())));
    }

    void picturesAreCaptionedBelow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Ende") << QStringLiteral("Bezeichnung1") << QStringLiteral("Ende");
        QTest::newRow("Hilfe") << QStringLiteral("Bezeichnung2") << QStringLiteral("Hilfe");
        QTest::newRow("Plus") << QStringLiteral("Bezeichnung3") << QStringLiteral("Plus");
        QTest::newRow("Minus") << QStringLiteral("Bezeichnung4") << QStringLiteral("Minus");
        QTest::newRow("Gemischt") << QStringLiteral("Bezeichnung6") << QStringLiteral("Gemischt");
    }
    void picturesAreCaptionedBelow() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto *label = control<QLabel>(name.toLatin1().constData());
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
    }

    void helpTextIsExact() {
        QCOMPARE(StartWindow::hilfetext(), kHilfetext);
        QCOMPARE(StartWindow::hilfetext().count(QStringLiteral("\r\n")), 16);
    }

    void helpBoxIsGreenWithAScrollBarAlways() {
        QCOMPARE(hilfe()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(hilfe()->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(hilfe()->palette().color(QPalette::Base), QColor(0x00, 0x80, 0x00));
    }

    void activationFillsTheHelpBoxAndParksIt() {
        QCOMPARE(hilfe()->toPlainText(), shownHelp());
        QCOMPARE(hilfeLeft(), twips(6600));
        QVERIFY(hilfeLeft() >= form->width());
        click("Bild4");
        form->activated();
        QCOMPARE(hilfeLeft(), twips(6600));
        QVERIFY(!form->hilfeSichtbar());
    }

    void helpPictureShowsThenHidesThenShowsFreshFromTheTop() {
        click("Bild4");
        QCOMPARE(hilfeLeft(), twips(960));
        QVERIFY(form->hilfeSichtbar());
        QVERIFY(hilfe()->verticalScrollBar()->maximum() > 0);
        hilfe()->verticalScrollBar()->setValue(hilfe()->verticalScrollBar()->maximum());
        click("Bild4");
        QCOMPARE(hilfeLeft(), twips(6600));
        QVERIFY(!form->hilfeSichtbar());
        hilfe()->setPlainText(QStringLiteral("7"));
        click("Bild4");
        QCOMPARE(hilfeLeft(), twips(960));
        QCOMPARE(hilfe()->toPlainText(), shownHelp());
        QCOMPARE(hilfe()->verticalScrollBar()->value(), 0);
        QCOMPARE(hilfe()->textCursor().position(), 0);
    }

    void anyKeyInTheHelpBoxParksItUntyped_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << int(Qt::Key_A) << QStringLiteral("a");
        QTest::newRow("digit") << int(Qt::Key_7) << QStringLiteral("7");
        QTest::newRow("space") << int(Qt::Key_Space) << QStringLiteral(" ");
        QTest::newRow("return") << int(Qt::Key_Return) << QStringLiteral("\r");
        QTest::newRow("cursor down") << int(Qt::Key_Down) << QString();
        QTest::newRow("page down") << int(Qt::Key_PageDown) << QString();
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << QString();
        QTest::newRow("escape") << int(Qt::Key_Escape) << QString();
    }
    void anyKeyInTheHelpBoxParksItUntyped() {
        QFETCH(int, key);
        QFETCH(QString, text);
        click("Bild4");
        QTextCursor mitten = hilfe()->textCursor();
        mitten.setPosition(200);
        hilfe()->setTextCursor(mitten);
        const int scrolled = hilfe()->verticalScrollBar()->value();
        QTest::sendKeyEvent(QTest::KeyAction::Click, hilfe(), Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(hilfeLeft(), twips(6600));
        QVERIFY(!form->hilfeSichtbar());
        QCOMPARE(hilfe()->toPlainText(), shownHelp());
        QCOMPARE(hilfe()->verticalScrollBar()->value(), scrolled);
        QCOMPARE(hilfe()->textCursor().position(), 200);
    }

    void changingTheHelpTextParksTheBox() {
        click("Bild4");
        hilfe()->insertPlainText(QStringLiteral("x"));
        QCOMPARE(hilfeLeft(), twips(6600));
        QVERIFY(!form->hilfeSichtbar());
    }

    void exitQuestionIsAskedExactly() {
        dialogs.answerNext(Dialogs::Answer::No);
        click("Bild3");
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.last().text, QStringLiteral("Dieses Programm jetzt beenden?\r\r\r"));
        QCOMPARE(dialogs.last().title, QStringLiteral("Schriftliche Addition und Subtraktion"));
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(dialogs.last().defaultButton, Dialogs::Answer::No);
        QCOMPARE(dialogs.last().icon, Dialogs::Icon::Critical);
    }

    void exitQuestionEndsTheProgramOnlyOnYes_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("Ja") << int(Dialogs::Answer::Yes) << QStringList{QStringLiteral("quit")};
        QTest::newRow("Nein") << int(Dialogs::Answer::No) << QStringList{};
    }
    void exitQuestionEndsTheProgramOnlyOnYes() {
        QFETCH(int, answer);
        QFETCH(QStringList, calls);
        click("Bild4");
        dialogs.answerNext(static_cast<Dialogs::Answer>(answer));
        click("Bild3");
        QCOMPARE(navigator.calls, calls);
        // Answering leaves the help as it was.
        QVERIFY(form->hilfeSichtbar());
    }

    void closeBoxEndsTheProgramWithoutAQuestion() {
        form->close();
        QCOMPARE(navigator.calls, QStringList{QStringLiteral("quit")});
        QCOMPARE(dialogs.count(), 0);
    }

    void picturesHandOverToTheirTrainer_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("call");
        QTest::newRow("Plus") << QStringLiteral("Bild1") << QStringLiteral("trainer:Addition");
        QTest::newRow("Minus") << QStringLiteral("Bild2") << QStringLiteral("trainer:Subtraktion");
        QTest::newRow("Gemischt") << QStringLiteral("Bild6") << QStringLiteral("trainer:Gemischt");
    }
    void picturesHandOverToTheirTrainer() {
        QFETCH(QString, picture);
        QFETCH(QString, call);
        click(picture.toLatin1().constData());
        QCOMPARE(navigator.calls, QStringList{call});
        QCOMPARE(dialogs.count(), 0);
    }

    void decorationPictureDoesNothing() {
        click("Bild5");
        QVERIFY(navigator.calls.isEmpty());
        QCOMPARE(dialogs.count(), 0);
        QCOMPARE(control<PictureBox>("Bild5")->icon(), std::optional<Icon>(Icon::Decoration));
    }
};

QTEST_MAIN(TestStartWindow)
#include "test_startwindow.moc"
