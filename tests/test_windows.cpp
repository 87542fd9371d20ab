// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DoubleClick.h"
#include "app/InfoWindow.h"
#include "app/StartWindow.h"
#include "app/Windows.h"
#include "fakes/TestProgram.h"
#include "games/MemoryWindow.h"
#include "games/NumberCatchWindow.h"
#include "trainer/TrainerWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <map>

namespace {

void sendActivation(QWidget *window) {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
}

// What the window system delivers when the close box is pressed; a hidden window may still get it
// (a double click on the close box, a queued close).
void pressCloseBox(QWidget *window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

// A key pressed on the keyboard: it goes to the control with the focus, or to the window.
void pressKey(QWidget *window, Qt::Key key) {
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, key);
}

// Every control that Tab gives the focus to, going round the active window more than once, with
// where it stood on the window when it had the focus (a key may move it: the start window parks
// its help at any key).
std::map<QWidget *, QRect> tabbedThrough(QWidget *window) {
    QApplication::setActiveWindow(window);
    std::map<QWidget *, QRect> reached;
    const auto rounds = window->findChildren<QWidget *>().size() + 2;
    for (qsizetype i = 0; i < rounds; ++i) {
        if (QWidget *focus = QApplication::focusWidget()) {
            reached.emplace(focus, QRect(focus->mapTo(window, QPoint(0, 0)), focus->size()));
        }
        pressKey(window, Qt::Key_Tab);
    }
    return reached;
}

using ShowWindow = std::function<QWidget *(Windows &)>;

// A mouse press on one of two windows, 1 or 2, at a time (ms) and a screen point.
struct Press {
    int window;
    quint64 time;
    QPoint at;
    Qt::MouseButton button = Qt::LeftButton;
};
using Presses = QList<Press>;

QWidget *trainerWithOpenSheet(Windows &windows) {
    windows.showTrainer(Modul::Addition);
    TrainerWindow *trainer = windows.trainer(Modul::Addition);
    trainer->findChild<QPushButton *>(QStringLiteral("Befehl14"))->click();
    return trainer;
}

} // namespace

Q_DECLARE_METATYPE(ShowWindow)
Q_DECLARE_METATYPE(Presses)

class WindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startShowsOnlyTheStartWindowAndCreatesNothingElse();
    void everyHandOverLeavesExactlyOneMainWindowInFront();
    void trainerKeepsItsStateAcrossVisitsAndDrawsAFreshTask();
    void ownMessageBoxClosingIsNoActivation();
    void returningFromTheInfoWindowActivatesTheTrainer();
    void infoCheckBoxSurvivesHidingButNotTheCloseBox();
    void closingADiscardedInfoWindowAgainLeavesTheNewOne();
    void discardedInfoWindowStillPendingIsFreedWithTheOwner();
    void printRequestCreatesTheInfoWindowHiddenAndLocked();
    void numberCatchStartsFromTheSharedStartValues();
    void quitHidesEveryWindow();
    void tabReachesOnlyControlsInsideTheClientArea_data();
    void tabReachesOnlyControlsInsideTheClientArea();
    void hiddenWorksheetButtonsAreNotPressedByTabAndSpace();
    void boxOverAWindowKeepsItsButtonsInTheFocusChain();
    void laterClicksOfADoubleClickStayOnTheWindowItBeganOn_data();
    void laterClicksOfADoubleClickStayOnTheWindowItBeganOn();
};

void WindowsTest::startShowsOnlyTheStartWindowAndCreatesNothingElse() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    QVERIFY(windows.startWindow() && windows.startWindow()->isVisible());
    QVERIFY(!windows.trainer(Modul::Addition) && !windows.info() && !windows.numberCatch() &&
            !windows.memory());
    QCOMPARE(windows.numberCatchState().restZiffern, QString());
    QCOMPARE(windows.numberCatchState().spielerX, 0);
}

void WindowsTest::everyHandOverLeavesExactlyOneMainWindowInFront() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Subtraktion);
    QCOMPARE(program.shownMainWindows(), 1);
    QVERIFY(windows.trainer(Modul::Subtraktion)->isVisible());
    windows.showNumberCatch();
    QCOMPARE(program.shownMainWindows(), 1);
    QVERIFY(windows.numberCatch()->isVisible());
    windows.showStartWindow();
    windows.showTrainer(Modul::Gemischt);
    windows.showMemory();
    QCOMPARE(program.shownMainWindows(), 1);
    QVERIFY(windows.memory()->isVisible());
    windows.showInfo();
    QCOMPARE(program.shownMainWindows(), 1);
    QVERIFY2(windows.info()->isVisible(), "the info window stands beside the others");
}

void WindowsTest::trainerKeepsItsStateAcrossVisitsAndDrawsAFreshTask() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Addition);
    TrainerWindow *trainer = windows.trainer(Modul::Addition);
    QCOMPARE(trainer->windowTitle(), QStringLiteral("Schriftliche Addition"));
    Trainer &model = trainer->trainer();
    model.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner),
                        QString(model.erwarteteZiffer(Feld::raster(Raster::kErgebnisEiner))));
    model.mehrfachaufgabenWaehlen();
    const QStringList aufgabe = model.liste2();
    QTest::mouseClick(trainer->findChild<QPushButton *>(QStringLiteral("Befehl1")), Qt::LeftButton);
    QVERIFY(!trainer->isVisible() && windows.startWindow()->isVisible());
    windows.showTrainer(Modul::Addition);
    QCOMPARE(windows.trainer(Modul::Addition), trainer);
    QCOMPARE(model.punkte(), 1);
    QVERIFY(model.mehrfachModus());
    QVERIFY2(model.liste2() != aufgabe, "activation draws a new task");
}

void WindowsTest::ownMessageBoxClosingIsNoActivation() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Gemischt);
    TrainerWindow *trainer = windows.trainer(Modul::Gemischt);
    const QStringList aufgabe = trainer->trainer().liste1();
    // What the window manager sends when a box of the trainer closes.
    sendActivation(trainer);
    QCOMPARE(trainer->trainer().liste1(), aufgabe);
}

void WindowsTest::returningFromTheInfoWindowActivatesTheTrainer() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Addition);
    TrainerWindow *trainer = windows.trainer(Modul::Addition);
    trainer->trainer().lueckenaufgabenWaehlen();
    const QStringList aufgabe = trainer->trainer().liste2();
    windows.showInfo();
    sendActivation(windows.info());
    QCOMPARE(trainer->trainer().liste2(), aufgabe);
    sendActivation(trainer);
    QVERIFY(trainer->trainer().lueckenModus());
    QVERIFY2(trainer->trainer().liste2() != aufgabe, "a new gap task after the info window");
}

void WindowsTest::infoCheckBoxSurvivesHidingButNotTheCloseBox() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Addition);
    windows.showInfo();
    InfoWindow *info = windows.info();
    auto *box = info->findChild<QCheckBox *>(QStringLiteral("Kontroll1"));
    QVERIFY(box->isChecked());
    box->setChecked(false);
    QTest::mouseClick(info->findChild<QWidget *>(QStringLiteral("Bezeichnung1")), Qt::LeftButton);
    QVERIFY(!info->isVisible());
    QVERIFY(!windows.printingLocked());
    windows.showInfo();
    QCOMPARE(windows.info(), info);
    QVERIFY(!box->isChecked());

    QPointer<InfoWindow> closed = info;
    QVERIFY(info->close());
    QVERIFY(!windows.info());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(closed.isNull(), "the close box discards the window");
    QVERIFY(windows.printingLocked());
    windows.showInfo();
    QVERIFY(windows.info()->findChild<QCheckBox *>(QStringLiteral("Kontroll1"))->isChecked());
}

void WindowsTest::closingADiscardedInfoWindowAgainLeavesTheNewOne() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showInfo();
    QPointer<InfoWindow> first = windows.info();
    pressCloseBox(first);
    pressCloseBox(first);
    QVERIFY(!windows.info());

    windows.showInfo();
    InfoWindow *second = windows.info();
    QVERIFY(second && second != first);
    QVERIFY2(!first.isNull(), "the first window waits for the event loop to delete it");
    pressCloseBox(first);
    QCOMPARE(windows.info(), second);
    QVERIFY(second->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(windows.info(), second);
}

void WindowsTest::discardedInfoWindowStillPendingIsFreedWithTheOwner() {
    QPointer<InfoWindow> closed;
    {
        TestProgram program;
        program.windows.start();
        program.windows.showInfo();
        closed = program.windows.info();
        pressCloseBox(closed);
    }
    QVERIFY2(closed.isNull(), "the discarded window outlived its owner");
}

void WindowsTest::printRequestCreatesTheInfoWindowHiddenAndLocked() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    QVERIFY(windows.printingLocked());
    QVERIFY(windows.info() && !windows.info()->isVisible());
}

void WindowsTest::numberCatchStartsFromTheSharedStartValues() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showNumberCatch();
    const NumberCatchState &state = windows.numberCatchState();
    QCOMPARE(state.restZiffern, QStringLiteral("0123456789"));
    QCOMPARE(state.spielerX, 14);
    QCOMPARE(state.spielerY, 9);
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(state.zifferX.at(static_cast<std::size_t>(i)), i + 3);
        QCOMPARE(state.zifferY.at(static_cast<std::size_t>(i)), i + 3);
    }
    QVERIFY(program.timer.isEnabled());
}

void WindowsTest::quitHidesEveryWindow() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    windows.showTrainer(Modul::Addition);
    windows.showInfo();
    windows.quit();
    QCOMPARE(program.shownMainWindows(), 0);
    QVERIFY(!windows.info()->isVisible());
}

void WindowsTest::tabReachesOnlyControlsInsideTheClientArea_data() {
    QTest::addColumn<ShowWindow>("show");
    QTest::addColumn<QStringList>("mustReach");
    auto trainer = [](Modul modul) {
        return ShowWindow([modul](Windows &w) -> QWidget * {
            w.showTrainer(modul);
            return w.trainer(modul);
        });
    };
    QTest::newRow("start window with the help parked")
        << ShowWindow([](Windows &w) -> QWidget * { return w.startWindow(); }) << QStringList();
    QTest::newRow("start window with the help shown") << ShowWindow([](Windows &w) -> QWidget * {
        QTest::mouseClick(w.startWindow()->findChild<QWidget *>(QStringLiteral("Bild4")),
                          Qt::LeftButton);
        return w.startWindow();
    }) << QStringList{QStringLiteral("Text1")};
    QTest::newRow("addition trainer") << trainer(Modul::Addition) << QStringList();
    QTest::newRow("subtraction trainer") << trainer(Modul::Subtraktion) << QStringList();
    QTest::newRow("mixed trainer") << trainer(Modul::Gemischt) << QStringList();
    QTest::newRow("addition trainer with the sheet open")
        << ShowWindow(trainerWithOpenSheet)
        << QStringList{QStringLiteral("Befehl16"), QStringLiteral("Befehl17"),
                       QStringLiteral("Befehl18"), QStringLiteral("Befehl19")};
    // The games' buttons stand in view (the speed bar hands the focus on to the arrows).
    QTest::newRow("number catch") << ShowWindow([](Windows &w) -> QWidget * {
        w.showNumberCatch();
        return w.numberCatch();
    }) << QStringList{QStringLiteral("Befehl1")};
    QTest::newRow("memory") << ShowWindow([](Windows &w) -> QWidget * {
        w.showMemory();
        return w.memory();
    }) << QStringList{QStringLiteral("Befehl1"), QStringLiteral("Befehl2")};
    QTest::newRow("info window") << ShowWindow([](Windows &w) -> QWidget * {
        w.showInfo();
        return w.info();
    }) << QStringList{QStringLiteral("Kontroll1")};
}

void WindowsTest::tabReachesOnlyControlsInsideTheClientArea() {
    QFETCH(ShowWindow, show);
    QFETCH(QStringList, mustReach);
    TestProgram program;
    program.windows.start();
    QWidget *window = show(program.windows);
    QStringList reachedNames;
    for (const auto &[control, onWindow] : tabbedThrough(window)) {
        QVERIFY2(window->rect().intersects(onWindow),
                 qPrintable(control->objectName() + QStringLiteral(" lies outside the window")));
        reachedNames.append(control->objectName());
    }
    for (const QString &name : mustReach) {
        QVERIFY2(reachedNames.contains(name), qPrintable(name + QStringLiteral(" is not reached")));
    }
}

void WindowsTest::hiddenWorksheetButtonsAreNotPressedByTabAndSpace() {
    TestProgram program;
    program.windows.start();
    program.windows.showTrainer(Modul::Addition);
    QWidget *trainer = program.windows.trainer(Modul::Addition);
    QApplication::setActiveWindow(trainer);
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space}) {
        pressKey(trainer, key);
    }
    QVERIFY(!program.fakes.dialogs.titles().contains(QStringLiteral("Druckersperre aufheben")));
    QVERIFY(program.fakes.clipboard.texts.isEmpty());

    // Open, the sheet's buttons work with the keyboard.
    trainerWithOpenSheet(program.windows);
    auto *aufgaben = trainer->findChild<QPushButton *>(QStringLiteral("Befehl17"));
    for (int i = 0; i < 10 && QApplication::focusWidget() != aufgaben; ++i) {
        pressKey(trainer, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), aufgaben);
    pressKey(trainer, Qt::Key_Space);
    QCOMPARE(program.fakes.dialogs.last().title, QStringLiteral("Druckersperre aufheben"));
}

void WindowsTest::boxOverAWindowKeepsItsButtonsInTheFocusChain() {
    TestProgram program;
    program.windows.start();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("Ja?"),
                    QMessageBox::Yes | QMessageBox::No, program.windows.startWindow());
    box.show();
    // Far from its parent on the screen, as a box may stand on a small screen.
    box.move(3000, 3000);
    for (QAbstractButton *button : box.buttons()) {
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
    }
}

void WindowsTest::laterClicksOfADoubleClickStayOnTheWindowItBeganOn_data() {
    QTest::addColumn<Presses>("presses");
    QTest::addColumn<QList<bool>>("ignored");
    const QPoint p(100, 100);
    // Double-click time 400 ms, distance 5 pixels.
    QTest::newRow("second click on the window the first one opened")
        << Presses{{1, 1000, p}, {2, 1100, p}} << QList<bool>{false, true};
    QTest::newRow("triple click") << Presses{{1, 1000, p}, {2, 1100, p}, {2, 1200, p}}
                                  << QList<bool>{false, true, true};
    QTest::newRow("double click within one window")
        << Presses{{1, 1000, p}, {1, 1100, p}} << QList<bool>{false, false};
    QTest::newRow("second click just within the time")
        << Presses{{1, 1000, p}, {2, 1400, p}} << QList<bool>{false, true};
    QTest::newRow("second click after the time")
        << Presses{{1, 1000, p}, {2, 1401, p}} << QList<bool>{false, false};
    QTest::newRow("second click just within the distance")
        << Presses{{1, 1000, p}, {2, 1100, p + QPoint(3, -2)}} << QList<bool>{false, true};
    QTest::newRow("second click further away")
        << Presses{{1, 1000, p}, {2, 1100, p + QPoint(6, 0)}} << QList<bool>{false, false};
    QTest::newRow("other button") << Presses{{1, 1000, p}, {2, 1100, p, Qt::RightButton}}
                                  << QList<bool>{false, false};
    QTest::newRow("back on the first window")
        << Presses{{1, 1000, p}, {2, 1100, p}, {1, 1200, p}} << QList<bool>{false, true, false};
    QTest::newRow("after a pause the new window is clicked")
        << Presses{{1, 1000, p}, {2, 1100, p}, {2, 1700, p}, {2, 1800, p}}
        << QList<bool>{false, true, false, false};
}

void WindowsTest::laterClicksOfADoubleClickStayOnTheWindowItBeganOn() {
    QFETCH(Presses, presses);
    QFETCH(QList<bool>, ignored);
    DoubleClick rule(400, 5);
    const int windows[] = {0, 1, 2};
    QList<bool> judged;
    for (const Press &press : presses) {
        judged.append(rule.ignorePress(&windows[press.window], press.button, press.time, press.at));
    }
    QCOMPARE(judged, ignored);
}

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
