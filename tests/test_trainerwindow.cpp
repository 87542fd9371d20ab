// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/TileMime.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "trainer/TrainerWindow.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

// Delivers a drop of the given data on a widget, as a drag from another window would.
bool drop(QWidget *target, QMimeData *data) {
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        delete data;
        return false;
    }
    QDropEvent dropEvent(QPointF(centre), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropEvent);
    delete data;
    return dropEvent.isAccepted();
}

bool dropTile(QWidget *target, int digit) {
    return drop(target, TileMime::make(QString::number(digit)));
}

template <typename T = QWidget> T *control(QWidget &window, const char *name) {
    return LayoutCheck::control<T>(&window, name);
}

QString text(QWidget &window, const char *name) {
    return control<QLabel>(window, name)->text();
}

} // namespace

class TrainerWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsStandAtTheirTwipPositions_data();
    void controlsStandAtTheirTwipPositions();
    void modesShowAndHideTheSecondHeaderAndTheGapPanel();
    void droppedTileIsJudgedAndShown();
    void wrongDigitIsShownWhileTheErrorBoxIsOpen();
    void foreignDataIsRefusedAndCountsNothing_data();
    void foreignDataIsRefusedAndCountsNothing();
    void clickPutsTheKeySymbolOnTheFieldAndKeysEnterTheDigit();
    void keysOfAHiddenWindowAreNotJudged();
    void wrongKeyIsJudgedOnceWhenItsErrorBoxTookTheActivation();
    void keysAreNotJudgedWhileTheWorksheetCoversTheGrid();
    void digitPressedInTheSameInstantAsAModifierIsJudged();
    void activationSetsTheCaptionAndDrawsANewTask();
    void closeBoxLeavesLikeEnde();
    void helpShowsItsFourLines();
    void offersAreClickedThroughTheirLabels();
};

void TrainerWindowTest::controlsStandAtTheirTwipPositions_data() {
    using LayoutCheck::row;
    LayoutCheck::addColumns();
    QTest::addColumn<int>("modul");
    // The mode buttons the pupil clicks, in this order, in the activated window.
    QTest::addColumn<QByteArrayList>("clicks");
    const QByteArrayList none;
    for (int m = 0; m < 3; ++m) {
        const QByteArray f = "Form" + QByteArray::number(m + 1) + " ";
        row(f + "Ende", "Befehl1", 960, 120, 855, 495) << m << none;
        row(f + "Info", "Befehl12", 6000, 120, 855, 495) << m << none;
        row(f + "tile 9", "Befehl11", 960 + 5400, 4560, 495, 495) << m << none;
        row(f + "ones of the result", "Bezeichnung13", 4800, 3720, 495, 495) << m << none;
        row(f + "carry over the tens", "Bezeichnung9", 4200, 3120, 495, 375) << m << none;
        row(f + "third operand ones", "Bezeichnung17", 4800, 960, 495, 495) << m << none;
        row(f + "header", "Bezeichnung20", 3600, 960, 1695, 495) << m << none;
        row(f + "points", "Bild4", 240, 1920, 495, 495) << m << none;
        row(f + "progress", "Bild1", 7080, 4920, 495, 495) << m << none;
        row(f + "gap panel parked", "Bild6", 960, 6000, 5895, 3735) << m << none;
    }
    row("Form1 operator", "Bezeichnung14", 2400, 2400, 495, 615) << 0 << none;
    row("Form2 operator", "Bezeichnung14", 2400, 2280, 495, 615) << 1 << none;
    row("Form2 parked thousands", "Bezeichnung10", 12120, 6480, 495, 615) << 1 << none;
    row("Form1 number-catch offer", "Bezeichnung26", 960, 5160, 5895, 375) << 0 << none;
    row("Form3 number-catch offer", "Bezeichnung28", 960, 5160, 5895, 375) << 2 << none;
    row("Form3 memory offer", "Bezeichnung29", 960, 5160, 5895, 375) << 2 << none;

    // The worksheet modes move the header aside and bring the gap panel over the grid; single
    // tasks put both back.
    const QByteArrayList mehrfach{"Befehl20"};
    const QByteArrayList luecke{"Befehl20", "Befehl13"};
    const QByteArrayList einzeln{"Befehl20", "Befehl13", "Befehl21"};
    row("Form1 header moves aside for several tasks", "Bezeichnung20", 8040, 960, 1695, 495)
        << 0 << mehrfach;
    row("Form1 gap panel covers the grid for gap tasks", "Bild6", 960, 720, 5895, 3735)
        << 0 << luecke;
    row("Form1 gap panel parks again for single tasks", "Bild6", 960, 6000, 5895, 3735)
        << 0 << einzeln;
    row("Form1 header comes back for single tasks", "Bezeichnung20", 3600, 960, 1695, 495)
        << 0 << einzeln;
}

void TrainerWindowTest::controlsStandAtTheirTwipPositions() {
    QFETCH(int, modul);
    QFETCH(QByteArrayList, clicks);
    TestPlatform p;
    TrainerWindow w(static_cast<Modul>(modul), p.platform, p.navigator);
    if (!clicks.isEmpty()) {
        w.activated();
    }
    for (const QByteArray &button : std::as_const(clicks)) {
        QTest::mouseClick(control<QPushButton>(w, button.constData()), Qt::LeftButton);
    }
    LayoutCheck::compareCurrentRow(&w);
}

void TrainerWindowTest::modesShowAndHideTheSecondHeaderAndTheGapPanel() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.activated();
    QVERIFY(!control(w, "Bezeichnung21")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl20"), Qt::LeftButton);
    QVERIFY(control(w, "Bezeichnung21")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl13"), Qt::LeftButton);
    QVERIFY(control(w, "Bild6")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl21"), Qt::LeftButton);
    QVERIFY(!control(w, "Bezeichnung21")->isVisibleTo(&w));
}

void TrainerWindowTest::droppedTileIsJudgedAndShown() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.refresh();
    QCOMPARE(text(w, "Bezeichnung3"), QStringLiteral("3"));
    QVERIFY(dropTile(control(w, "Bezeichnung13"), 3));
    QCOMPARE(text(w, "Bezeichnung13"), QStringLiteral("3"));
    QCOMPARE(text(w, "Bezeichnung22"), QStringLiteral("1"));
    QVERIFY(dropTile(control(w, "Bezeichnung12"), 9));
    QVERIFY(text(w, "Bezeichnung12").isEmpty());
    QCOMPARE(text(w, "Bezeichnung23"), QStringLiteral("1"));
}

void TrainerWindowTest::wrongDigitIsShownWhileTheErrorBoxIsOpen() {
    TestPlatform p;
    TrainerWindow w(Modul::Subtraktion, p.platform, p.navigator);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 217, 900});
    w.refresh();
    QString shown;
    p.dialogs.whileOpen = [&](const FakeDialogs::Shown &) { shown = text(w, "Bezeichnung13"); };
    dropTile(control(w, "Bezeichnung13"), 7);
    QCOMPARE(shown, QStringLiteral("7"));
    QVERIFY(text(w, "Bezeichnung13").isEmpty());
}

void TrainerWindowTest::foreignDataIsRefusedAndCountsNothing_data() {
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("kind");
    for (const char *target : {"Bezeichnung13", "Bezeichnung8", "tasten"}) {
        QTest::newRow(QByteArray(target) + " plain text") << QByteArray(target) << 0;
        QTest::newRow(QByteArray(target) + " url") << QByteArray(target) << 1;
        QTest::newRow(QByteArray(target) + " file") << QByteArray(target) << 2;
    }
}

void TrainerWindowTest::foreignDataIsRefusedAndCountsNothing() {
    QFETCH(QByteArray, target);
    QFETCH(int, kind);
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.trainer().feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    w.refresh();
    auto *data = new QMimeData;
    if (kind == 0) {
        data->setText(QStringLiteral("3"));
    } else if (kind == 1) {
        data->setUrls({QUrl(QStringLiteral("https://example.org/3"))});
    } else {
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/3"))});
    }
    QVERIFY(!drop(control(w, target.constData()), data));
    QCOMPARE(w.trainer().punkte() + w.trainer().fehler(), 0);
    QCOMPARE(p.dialogs.count(), 0);
}

void TrainerWindowTest::clickPutsTheKeySymbolOnTheFieldAndKeysEnterTheDigit() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.show();
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.refresh();
    QWidget *field = control(w, "Bezeichnung12");
    QTest::mouseClick(field, Qt::LeftButton);
    QWidget *tasten = control(w, "tasten");
    QVERIFY(tasten->isVisible());
    QCOMPARE(tasten->pos(), field->pos());
    QTest::keyClick(&w, Qt::Key_4);
    QCOMPARE(w.trainer().fehler(), 1);
    QVERIFY(tasten->isVisible());
    QTest::keyClick(&w, Qt::Key_Shift);
    QCOMPARE(w.trainer().fehler(), 1);
    QTest::keyClick(&w, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(text(w, "Bezeichnung12"), QStringLiteral("3"));
    QVERIFY(!tasten->isVisible());

    QTest::mouseClick(control(w, "Bezeichnung11"), Qt::LeftButton);
    QVERIFY(dropTile(tasten, 3));
    QCOMPARE(text(w, "Bezeichnung11"), QStringLiteral("3"));
    QCOMPARE(w.trainer().punkte(), 2);
}

void TrainerWindowTest::keysOfAHiddenWindowAreNotJudged() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.trainer().feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    QTest::keyClick(&w, Qt::Key_5);
    QCOMPARE(w.trainer().fehler(), 0);
}

void TrainerWindowTest::wrongKeyIsJudgedOnceWhenItsErrorBoxTookTheActivation() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.show();
    QApplication::setActiveWindow(&w);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.refresh();
    QTest::mouseClick(control(w, "Bezeichnung12"), Qt::LeftButton);
    auto *ende = control<QPushButton>(w, "Befehl1");
    ende->setFocus();
    QCOMPARE(QApplication::focusWidget(), ende);
    // The error box takes the activation; the window gets it back only some time after the box
    // closed, while the key still travels from the focused button up to the window.
    // The key's release goes to the box.
    QWidget box;
    p.dialogs.whileOpen = [&box](const FakeDialogs::Shown &) {
        QApplication::setActiveWindow(nullptr);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
        QApplication::sendEvent(&box, &release);
    };
    QKeyEvent press(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QApplication::sendEvent(ende, &press);
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(w.trainer().fehler(), 1);
}

void TrainerWindowTest::keysAreNotJudgedWhileTheWorksheetCoversTheGrid() {
    TestPlatform p;
    TrainerWindow w(Modul::Subtraktion, p.platform, p.navigator);
    w.show();
    w.trainer().spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 217, 900});
    QTest::mouseClick(control(w, "Bezeichnung13"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "Befehl14"), Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_5);
    QCOMPARE(w.trainer().punkte() + w.trainer().fehler(), 0);
    QVERIFY(text(w, "Bezeichnung13").isEmpty());
    QTest::mouseClick(control<QPushButton>(w, "Befehl16"), Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_5);
    QCOMPARE(text(w, "Bezeichnung13"), QStringLiteral("5"));
}

void TrainerWindowTest::digitPressedInTheSameInstantAsAModifierIsJudged() {
    TestPlatform p;
    TrainerWindow w(Modul::Addition, p.platform, p.navigator);
    w.show();
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.refresh();
    QTest::mouseClick(control(w, "Bezeichnung12"), Qt::LeftButton);
    // A keyboard helper sends Num Lock and the keypad digit within one millisecond; Qt hands
    // both to the window in the same place in memory.
    std::optional<QKeyEvent> press;
    press.emplace(QEvent::KeyPress, Qt::Key_NumLock, Qt::NoModifier);
    press->setTimestamp(1000);
    QApplication::sendEvent(&w, &*press);
    press.emplace(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier, QStringLiteral("3"));
    press->setTimestamp(1000);
    QApplication::sendEvent(&w, &*press);
    QCOMPARE(text(w, "Bezeichnung12"), QStringLiteral("3"));
}

void TrainerWindowTest::activationSetsTheCaptionAndDrawsANewTask() {
    TestPlatform p;
    TrainerWindow plus(Modul::Addition, p.platform, p.navigator);
    TrainerWindow minus(Modul::Subtraktion, p.platform, p.navigator);
    TrainerWindow gemischt(Modul::Gemischt, p.platform, p.navigator);
    QCOMPARE(plus.windowTitle(), QStringLiteral("Schriftliche Additon"));
    plus.activated();
    minus.activated();
    gemischt.activated();
    QCOMPARE(plus.windowTitle(), QStringLiteral("Schriftliche Addition"));
    QCOMPARE(minus.windowTitle(), QStringLiteral("Schriftliche Subtraktion"));
    QCOMPARE(gemischt.windowTitle(), QStringLiteral("Schriftliche Addition und Subtraktion"));
    QCOMPARE(text(plus, "Bezeichnung1").size(), 1);
    QCOMPARE(plus.size(), QSize(twips(7845), twips(5700)));
    QCOMPARE(minus.size(), QSize(twips(7845), twips(5685)));
    QCOMPARE(gemischt.size(), QSize(twips(7845), twips(5670)));
}

void TrainerWindowTest::closeBoxLeavesLikeEnde() {
    TestPlatform p;
    TrainerWindow w(Modul::Gemischt, p.platform, p.navigator);
    w.show();
    w.trainer().lueckenaufgabenWaehlen();
    QVERIFY(!w.close());
    QCOMPARE(p.navigator.calls, QStringList{QStringLiteral("start")});
    QVERIFY(!w.trainer().lueckenModus());
}

void TrainerWindowTest::helpShowsItsFourLines() {
    TestPlatform p;
    TrainerWindow w(Modul::Subtraktion, p.platform, p.navigator);
    QTest::mouseClick(control<QPushButton>(w, "Befehl15"), Qt::LeftButton);
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Hilfe"));
    QCOMPARE(p.dialogs.last().text,
             QStringLiteral("Schiebe die Ziffern vom unteren Fensterrand\rmit der Maus in das "
                            "gewünschte Lösungsfeld.\rFür jede richtige Zahl gibt es einen Punkt "
                            "und\ralle 50 Punkte gibt es ein Belohnungsspiel.\r"));
    QTest::mouseClick(control<QPushButton>(w, "Befehl12"), Qt::LeftButton);
    QCOMPARE(p.navigator.calls, QStringList{QStringLiteral("info")});
}

void TrainerWindowTest::offersAreClickedThroughTheirLabels() {
    TestPlatform p;
    TrainerWindow w(Modul::Gemischt, p.platform, p.navigator);
    w.show();
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    for (int i = 0; i < 50; ++i) {
        w.trainer().zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), QStringLiteral("3"));
    }
    w.refresh();
    QWidget *offer = control(w, "Bezeichnung28");
    QVERIFY(offer->isVisible());
    QTest::mouseClick(offer, Qt::LeftButton);
    QVERIFY(!offer->isVisible());
    QCOMPARE(p.navigator.calls.last(), QStringLiteral("catch"));
}

QTEST_MAIN(TrainerWindowTest)
#include "test_trainerwindow.moc"
