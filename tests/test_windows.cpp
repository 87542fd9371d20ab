#include "app/Form0.h"
#include "app/QUVLABEL.h"
#include "app/Windows.h"
#include "fakes/TestProgram.h"
#include "games/Form4.h"
#include "games/memo.h"
#include "trainer/TrainerWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>

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

} // namespace

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
};

void WindowsTest::startShowsOnlyTheStartWindowAndCreatesNothingElse() {
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    QVERIFY(windows.startWindow() && windows.startWindow()->isVisible());
    QVERIFY(!windows.trainer(Modul::Addition) && !windows.info() && !windows.numberCatch() &&
            !windows.memory());
    QCOMPARE(windows.modul1().restZiffern, QString());
    QCOMPARE(windows.modul1().spielerX, 0);
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
    model.feldGezogen(Feld::raster(13), QString(model.erwarteteZiffer(Feld::raster(13))));
    model.befehl20Click();
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
    trainer->trainer().befehl13Click();
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
    QUVLABEL *info = windows.info();
    auto *box = info->findChild<QCheckBox *>(QStringLiteral("Kontroll1"));
    QVERIFY(box->isChecked());
    box->setChecked(false);
    QTest::mouseClick(info->findChild<QWidget *>(QStringLiteral("Bezeichnung1")), Qt::LeftButton);
    QVERIFY(!info->isVisible());
    QVERIFY(!windows.printingLocked());
    windows.showInfo();
    QCOMPARE(windows.info(), info);
    QVERIFY(!box->isChecked());

    QPointer<QUVLABEL> closed = info;
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
    QPointer<QUVLABEL> first = windows.info();
    pressCloseBox(first);
    pressCloseBox(first);
    QVERIFY(!windows.info());

    windows.showInfo();
    QUVLABEL *second = windows.info();
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
    QPointer<QUVLABEL> closed;
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
    const Modul1 &state = windows.modul1();
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

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
