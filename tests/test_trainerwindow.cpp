#include "entry/TileMime.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "trainer/Form1.h"
#include "trainer/Form2.h"
#include "trainer/Form3.h"
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
    void modesMoveHeaderAndGapPanel();
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
    QTest::addColumn<int>("modul");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("twipsGeometry");
    for (int m = 0; m < 3; ++m) {
        const QByteArray f = "Form" + QByteArray::number(m + 1) + " ";
        QTest::newRow(f + "Ende") << m << QByteArray("Befehl1") << QRect(960, 120, 855, 495);
        QTest::newRow(f + "Info") << m << QByteArray("Befehl12") << QRect(6000, 120, 855, 495);
        QTest::newRow(f + "tile 9")
            << m << QByteArray("Befehl11") << QRect(960 + 5400, 4560, 495, 495);
        QTest::newRow(f + "ones of the result")
            << m << QByteArray("Bezeichnung13") << QRect(4800, 3720, 495, 495);
        QTest::newRow(f + "carry over the tens")
            << m << QByteArray("Bezeichnung9") << QRect(4200, 3120, 495, 375);
        QTest::newRow(f + "third operand ones")
            << m << QByteArray("Bezeichnung17") << QRect(4800, 960, 495, 495);
        QTest::newRow(f + "header")
            << m << QByteArray("Bezeichnung20") << QRect(3600, 960, 1695, 495);
        QTest::newRow(f + "points") << m << QByteArray("Bild4") << QRect(240, 1920, 495, 495);
        QTest::newRow(f + "progress") << m << QByteArray("Bild1") << QRect(7080, 4920, 495, 495);
        QTest::newRow(f + "gap panel parked")
            << m << QByteArray("Bild6") << QRect(960, 6000, 5895, 3735);
    }
    QTest::newRow("Form1 operator")
        << 0 << QByteArray("Bezeichnung14") << QRect(2400, 2400, 495, 615);
    QTest::newRow("Form2 operator")
        << 1 << QByteArray("Bezeichnung14") << QRect(2400, 2280, 495, 615);
    QTest::newRow("Form2 parked thousands")
        << 1 << QByteArray("Bezeichnung10") << QRect(12120, 6480, 495, 615);
    QTest::newRow("Form1 number-catch offer")
        << 0 << QByteArray("Bezeichnung26") << QRect(960, 5160, 5895, 375);
    QTest::newRow("Form3 number-catch offer")
        << 2 << QByteArray("Bezeichnung28") << QRect(960, 5160, 5895, 375);
    QTest::newRow("Form3 memory offer")
        << 2 << QByteArray("Bezeichnung29") << QRect(960, 5160, 5895, 375);
}

void TrainerWindowTest::controlsStandAtTheirTwipPositions() {
    QFETCH(int, modul);
    QFETCH(QByteArray, name);
    QFETCH(QRect, twipsGeometry);
    TestPlatform p;
    TrainerWindow w(static_cast<Modul>(modul), p.platform, p.navigator);
    const QRect r = twipsGeometry;
    QCOMPARE(control(w, name.constData())->geometry(),
             twipsRect(r.x(), r.y(), r.width(), r.height()));
}

void TrainerWindowTest::modesMoveHeaderAndGapPanel() {
    TestPlatform p;
    Form1 w(p.platform, p.navigator);
    w.activated();
    QVERIFY(!control(w, "Bezeichnung21")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl20"), Qt::LeftButton);
    QCOMPARE(control(w, "Bezeichnung20")->x(), twips(8040));
    QVERIFY(control(w, "Bezeichnung21")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl13"), Qt::LeftButton);
    QCOMPARE(control(w, "Bild6")->pos(), twipsPoint(960, 720));
    QVERIFY(control(w, "Bild6")->isVisibleTo(&w));
    QTest::mouseClick(control<QPushButton>(w, "Befehl21"), Qt::LeftButton);
    QCOMPARE(control(w, "Bild6")->y(), twips(6000));
    QCOMPARE(control(w, "Bezeichnung20")->x(), twips(3600));
    QVERIFY(!control(w, "Bezeichnung21")->isVisibleTo(&w));
}

void TrainerWindowTest::droppedTileIsJudgedAndShown() {
    TestPlatform p;
    Form1 w(p.platform, p.navigator);
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
    Form2 w(p.platform, p.navigator);
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
    Form1 w(p.platform, p.navigator);
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
    Form1 w(p.platform, p.navigator);
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
    Form1 w(p.platform, p.navigator);
    w.trainer().spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    w.trainer().feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    QTest::keyClick(&w, Qt::Key_5);
    QCOMPARE(w.trainer().fehler(), 0);
}

void TrainerWindowTest::wrongKeyIsJudgedOnceWhenItsErrorBoxTookTheActivation() {
    TestPlatform p;
    Form1 w(p.platform, p.navigator);
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
    Form2 w(p.platform, p.navigator);
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
    Form1 w(p.platform, p.navigator);
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
    Form1 plus(p.platform, p.navigator);
    Form2 minus(p.platform, p.navigator);
    Form3 gemischt(p.platform, p.navigator);
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
    Form3 w(p.platform, p.navigator);
    w.show();
    w.trainer().lueckenaufgabenWaehlen();
    QVERIFY(!w.close());
    QCOMPARE(p.navigator.calls, QStringList{QStringLiteral("start")});
    QVERIFY(!w.trainer().lueckenModus());
}

void TrainerWindowTest::helpShowsItsFourLines() {
    TestPlatform p;
    Form2 w(p.platform, p.navigator);
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
    Form3 w(p.platform, p.navigator);
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
