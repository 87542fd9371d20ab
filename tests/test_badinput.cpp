// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Input a pupil or a teacher should never give, given anyway: odd passwords, every key code,
// data dragged in from other programs, windows closed through their frames in every state, and
// printer and clipboard failing through the trainer window.
#include "app/InfoWindow.h"
#include "app/StartWindow.h"
#include "entry/TileMime.h"
#include "fakes/TestProgram.h"
#include "trainer/TrainerWindow.h"
#include "worksheet/WorksheetPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMetaEnum>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <functional>

Q_DECLARE_METATYPE(Modul)

namespace {

using Answer = Dialogs::Answer;

const QString kFalsch = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");

template <typename T = QWidget> T *named(const QWidget *parent, const QString &name) {
    auto *found = parent->findChild<T *>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

void click(const QWidget *window, const QString &name) {
    QTest::mouseClick(named(window, name), Qt::LeftButton);
}

void sendKey(QWidget *target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

// Drags the data onto the control and lets go; true when the control took it.
bool dropOn(QWidget *target, const QMimeData &data) {
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted() || drop.isAccepted();
}

// What another program drags in: text, a link, a file, nothing, or our own format with garbage.
std::unique_ptr<QMimeData> foreignData(const QString &kind) {
    auto data = std::make_unique<QMimeData>();
    std::unique_ptr<QMimeData> tile(TileMime::make(QStringLiteral("3")));
    const QString format = tile->formats().value(0);
    if (kind == QStringLiteral("text")) {
        data->setText(QStringLiteral("3"));
    } else if (kind == QStringLiteral("url")) {
        data->setUrls({QUrl(QStringLiteral("https://example.org/3"))});
    } else if (kind == QStringLiteral("file")) {
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/3"))});
    } else if (kind.startsWith(QStringLiteral("tile "))) {
        data->setData(format, kind.mid(5).toLatin1());
    }
    return data;
}

TrainerWindow &openTrainer(TestProgram &program, Modul modul) {
    program.windows.start();
    program.windows.showTrainer(modul);
    return *program.windows.trainer(modul);
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // --- the password box of the printer lock, through the trainer window's print buttons ---

    void lockedPrintTakesOnlyThePointsShownAsPassword_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("prints");
        QTest::newRow("the points") << QStringLiteral("0") << false << true;
        QTest::newRow("nothing typed") << QString() << false << false;
        QTest::newRow("cancelled") << QString() << true << false;
        QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('0')) << false << false;
        QTest::newRow("the points then 9,999 more")
            << QStringLiteral("0") + QString(9999, QLatin1Char('x')) << false << false;
        QTest::newRow("umlauts") << QStringLiteral("äöüß") << false << false;
        QTest::newRow("fullwidth zero") << QStringLiteral("０") << false << false;
        QTest::newRow("arabic-indic zero") << QStringLiteral("٠") << false << false;
        QTest::newRow("emoji") << QStringLiteral("😀") << false << false;
        QTest::newRow("tab") << QStringLiteral("\t") << false << false;
        QTest::newRow("points and carriage return") << QStringLiteral("0\r") << false << false;
        QTest::newRow("points and line feed") << QStringLiteral("0\n") << false << false;
        QTest::newRow("points and NUL")
            << QString(QStringLiteral("0")) + QChar(u'\0') << false << false;
        QTest::newRow("escape and bell") << QStringLiteral("\x1b\x07") << false << false;
    }
    void lockedPrintTakesOnlyThePointsShownAsPassword() {
        QFETCH(QString, typed);
        QFETCH(bool, cancelled);
        QFETCH(bool, prints);
        for (const char *button : {"Befehl17", "Befehl18"}) {
            TestProgram program;
            TrainerWindow &w = openTrainer(program, Modul::Addition);
            click(&w, QStringLiteral("Befehl14"));
            QVERIFY(program.windows.printingLocked());
            if (cancelled) {
                program.fakes.dialogs.cancelNextInput();
            } else {
                program.fakes.dialogs.typeNext(typed);
            }
            program.fakes.dialogs.answerNext(Answer::Yes);
            program.fakes.dialogs.clear();
            click(&w, QString::fromLatin1(button));
            QCOMPARE(program.fakes.printer.documents.size(), prints ? 1 : 0);
            QVERIFY(program.fakes.dialogs.shown.first().isInput);
            // A refused password explains nothing: the password box is the only box.
            QCOMPARE(program.fakes.dialogs.count(), prints ? 3 : 1);
            QCOMPARE(w.trainer().punkte() + w.trainer().fehler(), 0);
            QVERIFY(w.isVisible() && w.worksheet().isOpen());
        }
    }

    // --- every key code ---

    void everyKeyCodeCountsOnlyWithASelectionAndModifiersAloneNever() {
        // Qt's named keys, all codes of the first 768 characters, and a sample of the rest up
        // to Key_unknown.
        QList<int> keys;
        const QMetaEnum named = QMetaEnum::fromType<Qt::Key>();
        for (int i = 0; i < named.keyCount(); ++i) {
            keys.append(named.value(i));
        }
        for (int code = 0; code < 0x300; ++code) {
            keys.append(code);
        }
        for (int code = 0x300; code < Qt::Key_unknown; code += 0x1fff) {
            keys.append(code);
        }
        keys.append(Qt::Key_unknown);
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        // Pressed alone they type nothing: modifiers, and codes the keyboard could not name.
        const QList<int> silent = {0,
                                   Qt::Key_Shift,
                                   Qt::Key_Control,
                                   Qt::Key_Meta,
                                   Qt::Key_Alt,
                                   Qt::Key_AltGr,
                                   Qt::Key_Super_L,
                                   Qt::Key_Super_R,
                                   Qt::Key_Hyper_L,
                                   Qt::Key_Hyper_R,
                                   Qt::Key_CapsLock,
                                   Qt::Key_NumLock,
                                   Qt::Key_ScrollLock,
                                   Qt::Key_Mode_switch,
                                   Qt::Key_unknown};

        TestPlatform p;
        TrainerWindow w(Modul::Addition, p.platform, p.navigator);
        w.show();
        Trainer &t = w.trainer();
        auto freshTask = [&] {
            t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100}); // ones digit 3
            w.refresh();
        };
        freshTask();
        int points = 0;
        int errors = 0;
        for (bool selected : {false, true}) {
            for (int key : keys) {
                if (selected && !t.auswahl()) {
                    freshTask();
                    t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
                    w.refresh();
                }
                p.dialogs.clear();
                sendKey(&w, key);
                const bool counted = selected && !silent.contains(key);
                const bool right = counted && key == Qt::Key_3;
                points += right ? 1 : 0;
                errors += counted && !right ? 1 : 0;
                if (t.punkte() != points || t.fehler() != errors) {
                    QFAIL(qPrintable(QStringLiteral("key 0x%1 %2: %3 points, %4 errors")
                                         .arg(key, 0, 16)
                                         .arg(selected ? QStringLiteral("with a selection")
                                                       : QStringLiteral("without"))
                                         .arg(t.punkte())
                                         .arg(t.fehler())));
                }
                QCOMPARE(p.dialogs.count(), counted && !right ? 1 : 0);
                QCOMPARE(t.zelle(13), right ? QStringLiteral("3") : QString());
            }
        }
        QVERIFY(errors > 1000);
    }

    void spaceBarOnlyEntersASpaceAndPressesNoButton() {
        TestProgram program;
        TrainerWindow &w = openTrainer(program, Modul::Subtraktion);
        Trainer &t = w.trainer();
        t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 417, 500}); // difference 35
        t.feldWaehlen(Feld::raster(Raster::kErgebnisHunderter));
        w.refresh();
        // The window manager hands the window the focus, as when the pupil clicks into it.
        QApplication::setActiveWindow(&w);
        QWidget *focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &w;
        sendKey(focus, Qt::Key_Space);
        QCOMPARE(t.zelle(11), QStringLiteral(" "));
        QCOMPARE(t.punkte(), 1);
        QVERIFY2(w.isVisible(),
                 qPrintable(QStringLiteral("space pressed %1").arg(focus->objectName())));
        sendKey(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &w,
                Qt::Key_Space);
        QVERIFY(w.isVisible());
        QCOMPARE(program.windows.startWindow()->isVisible(), false);
    }

    // --- data dragged in from other programs ---

    void foreignDropsAreRefusedOnEveryField_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<QString>("kind");
        for (Modul modul : {Modul::Addition, Modul::Subtraktion, Modul::Gemischt}) {
            const QByteArray name = modul == Modul::Addition      ? "addition "
                                    : modul == Modul::Subtraktion ? "subtraction "
                                                                  : "mixed ";
            for (const char *kind : {"text", "url", "file", "empty", "tile 12", "tile x", "tile ",
                                     "tile  ", "tile \xb2", "tile -1"}) {
                QTest::newRow(name + kind) << modul << QString::fromLatin1(kind);
            }
        }
    }
    void foreignDropsAreRefusedOnEveryField() {
        QFETCH(Modul, modul);
        QFETCH(QString, kind);
        TestProgram program;
        TrainerWindow &w = openTrainer(program, modul);
        Trainer &t = w.trainer();
        const std::unique_ptr<QMimeData> data = foreignData(kind);
        auto refusedEverywhere = [&](const QStringList &targets) {
            for (const QString &name : targets) {
                auto *field = named<QLabel>(&w, name);
                const QString before = field->text();
                QVERIFY2(!dropOn(field, *data), qPrintable(name));
                QCOMPARE(field->text(), before);
            }
        };
        QStringList raster;
        for (int n = 7; n <= 13; ++n) {
            raster << QStringLiteral("Bezeichnung%1").arg(n);
        }
        refusedEverywhere(raster);
        t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
        w.refresh();
        QVERIFY(!dropOn(named(&w, QStringLiteral("tasten")), *data));
        QVERIFY(t.auswahl());

        click(&w, QStringLiteral("Befehl13"));
        QStringList gaps;
        for (int k = 1; k <= 13; ++k) {
            gaps << QStringLiteral("luecke%1").arg(k);
        }
        refusedEverywhere(gaps);
        for (int k = 1; k <= 13; ++k) {
            if (t.luecke(k).isEmpty()) {
                t.feldWaehlen(Feld::luecke(k));
            }
        }
        w.refresh();
        QVERIFY(!dropOn(named(&w, QStringLiteral("ltasten")), *data));
        QVERIFY(t.auswahl());
        QCOMPARE(t.punkte() + t.fehler(), 0);
        QCOMPARE(program.fakes.dialogs.count(), 0);
    }

    // --- windows closed through their frames ---

    void closingAWindowThroughItsFrameNeverLeavesTheProgramWithoutAWindow_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("closed");
        QTest::addColumn<QString>("front");
        const QString start = QStringLiteral("Form0");
        const QString quit = QStringLiteral("quit");
        QTest::newRow("start window") << QString() << start << quit;
        QTest::newRow("start window with help") << QStringLiteral("help") << start << quit;
        QTest::newRow("start window beside info")
            << QStringLiteral("info then Ende") << start << quit;
        for (const char *form : {"Form1", "Form2", "Form3"}) {
            const QString f = QString::fromLatin1(form);
            for (const char *state :
                 {"", "gap mode", "multiple", "worksheet", "selection", "info", "offers"}) {
                QTest::newRow(qPrintable(f + QLatin1Char(' ') + QString::fromLatin1(state)))
                    << f + QLatin1Char(' ') + QString::fromLatin1(state) << f << start;
            }
        }
        QTest::newRow("info beside the trainer")
            << QStringLiteral("Form1 info") << QStringLiteral("QUVLABEL")
            << QStringLiteral("Form1");
        QTest::newRow("info beside the start window")
            << QStringLiteral("info then Ende") << QStringLiteral("QUVLABEL") << start;
        QTest::newRow("number catch running")
            << QStringLiteral("number catch") << QStringLiteral("Form4") << start;
        QTest::newRow("number catch moved and ticked")
            << QStringLiteral("number catch played") << QStringLiteral("Form4") << start;
        QTest::newRow("memory fresh")
            << QStringLiteral("memory") << QStringLiteral("memo") << start;
        QTest::newRow("memory with two open cards")
            << QStringLiteral("memory played") << QStringLiteral("memo") << start;
    }
    void closingAWindowThroughItsFrameNeverLeavesTheProgramWithoutAWindow() {
        QFETCH(QString, state);
        QFETCH(QString, closed);
        QFETCH(QString, front);
        TestProgram program;
        TestProgram::RecordingWindows &windows = program.windows;
        windows.start();
        if (state == QStringLiteral("help")) {
            click(windows.startWindow(), QStringLiteral("Bild4"));
        }
        if (state.startsWith(QStringLiteral("info then Ende"))) {
            windows.showTrainer(Modul::Addition);
            click(windows.trainer(Modul::Addition), QStringLiteral("Befehl12"));
            click(windows.trainer(Modul::Addition), QStringLiteral("Befehl1"));
        }
        if (state.startsWith(QStringLiteral("Form"))) {
            const Modul modul = static_cast<Modul>(state.mid(4, 1).toInt() - 1);
            TrainerWindow &w = openTrainer(program, modul);
            const QString detail = state.mid(6);
            if (detail == QStringLiteral("gap mode")) {
                click(&w, QStringLiteral("Befehl13"));
            } else if (detail == QStringLiteral("multiple")) {
                click(&w, QStringLiteral("Befehl20"));
            } else if (detail == QStringLiteral("worksheet")) {
                click(&w, QStringLiteral("Befehl14"));
            } else if (detail == QStringLiteral("selection")) {
                QTest::mouseClick(named(&w, QStringLiteral("Bezeichnung13")), Qt::LeftButton);
                QVERIFY(w.trainer().auswahl());
            } else if (detail == QStringLiteral("info")) {
                click(&w, QStringLiteral("Befehl12"));
            } else if (detail == QStringLiteral("offers")) {
                for (int i = 0; i < 60; ++i) {
                    w.trainer().auswahlAufheben();
                    w.trainer().zifferAufFeld(
                        Feld::raster(Raster::kErgebnisEiner),
                        QString(w.trainer().erwarteteZiffer(Feld::raster(Raster::kErgebnisEiner))));
                }
                w.refresh();
                QVERIFY(w.trainer().zahlfangeAngebot());
            }
        }
        if (state.startsWith(QStringLiteral("number catch"))) {
            windows.showNumberCatch();
            if (state.endsWith(QStringLiteral("played"))) {
                program.timer.fire();
                sendKey(windows.numberCatch(), Qt::Key_Left);
            }
        }
        if (state.startsWith(QStringLiteral("memory"))) {
            windows.showMemory();
            if (state.endsWith(QStringLiteral("played"))) {
                click(windows.memory(), QStringLiteral("Bezeichnung1"));
                click(windows.memory(), QStringLiteral("Bezeichnung2"));
            }
        }
        QWidget *window = nullptr;
        for (QWidget *candidate : QApplication::topLevelWidgets()) {
            if (candidate->objectName() == closed && candidate->isVisible()) {
                window = candidate;
            }
        }
        QVERIFY(window != nullptr && window->isVisible());
        program.fakes.dialogs.clear();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        if (front == QStringLiteral("quit")) {
            QVERIFY(windows.quitRequested);
            QCOMPARE(program.shownMainWindows(), 0);
            QVERIFY(windows.info() == nullptr || !windows.info()->isVisible());
            return;
        }
        QVERIFY(!windows.quitRequested);
        QCOMPARE(program.shownMainWindows(), 1);
        QWidget *shown = nullptr;
        for (QWidget *w : program.mainWindows()) {
            shown = w->isVisible() ? w : shown;
        }
        QCOMPARE(shown->objectName(), front);
        // Leaving asks nothing.
        QCOMPARE(program.fakes.dialogs.count(), 0);
        QVERIFY(!program.timer.isEnabled());
        if (closed == QStringLiteral("QUVLABEL")) {
            QVERIFY(windows.info() == nullptr);
            QVERIFY(windows.printingLocked());
        }
    }

    // --- printer and clipboard failing, through the trainer window ---

    void failingPrinterOrClipboardLeavesTheTrainerAsItWas_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer")
            << QStringLiteral("Befehl17") << static_cast<int>(Printer::Outcome::Kind::SavedToFile)
            << QStringLiteral("Es ist kein Drucker eingerichtet.");
        QTest::newRow("failing print job")
            << QStringLiteral("Befehl18") << static_cast<int>(Printer::Outcome::Kind::Failed)
            << QStringLiteral("konnte nicht gedruckt werden");
        QTest::newRow("refused clipboard")
            << QStringLiteral("Befehl19") << -1 << QStringLiteral("konnten nicht in die Ablage");
    }
    void failingPrinterOrClipboardLeavesTheTrainerAsItWas() {
        QFETCH(QString, button);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        TestProgram program;
        TrainerWindow &w = openTrainer(program, Modul::Gemischt);
        click(&w, QStringLiteral("Befehl12"));
        click(program.windows.info(), QStringLiteral("Kontroll1"));
        QVERIFY(!program.windows.printingLocked());
        click(&w, QStringLiteral("Befehl14"));
        program.fakes.printer.outcome = {static_cast<Printer::Outcome::Kind>(std::max(outcome, 0)),
                                         QStringLiteral("/nowhere")};
        program.fakes.clipboard.outcome = Clipboard::Outcome::Refused;
        program.fakes.dialogs.answerNext(Answer::Yes);
        program.fakes.dialogs.clear();
        const QStringList before = w.trainer().liste1() + w.trainer().liste2();
        click(&w, button);
        QVERIFY(program.fakes.dialogs.last().text.contains(message));
        QCOMPARE(w.trainer().liste1() + w.trainer().liste2(), before);
        QCOMPARE(w.trainer().punkte() + w.trainer().fehler(), 0);
        QVERIFY(w.isVisible() && w.worksheet().isOpen());
        QCOMPARE(program.shownMainWindows(), 1);
    }
};

QTEST_MAIN(TestBadInput)
#include "test_badinput.moc"
