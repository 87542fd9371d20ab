// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/KeyInput.h"
#include "entry/PressOnce.h"
#include "fakes/TestPlatform.h"
#include "platform/DropDelivery.h"
#include "trainer/Trainer.h"
#include "vocabulary/Zahlenzeile.h"

#include <QKeyEvent>
#include <QTest>

namespace {

const QString kFalsch = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString kRichtig = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");

QString d(int digit) {
    return QString::number(digit);
}

// Solves the column task on screen with direct drops of the recorded result digits.
void loeseSpaltenaufgabe(Trainer &t) {
    const QString zeile = t.mehrfachModus() ? t.liste2().at(3) : t.liste1().at(2);
    for (int k = 1; k <= 4; ++k) {
        if (zeichen(zeile, k) != u' ') {
            t.zifferAufFeld(Feld::raster(9 + k), zeichen(zeile, k));
        }
    }
}

} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void carryOfTheTensFollowsTheOnesColumnAndTheCarryStandingThere();
    void subtractionCarryIsRightOnlyAfterTheResultDigitOfItsColumn();
    void mixedWindowJudgesCarriesByTheKindOfItsTask();
    void wrongDirectDropStandsWhileTheBoxIsOpenThenEmptiesTheCell();
    void rightDropOnAFilledCellEarnsAnotherPoint();
    void browserJudgesADropOnlyOnceItsDragHasEnded();
    void keySymbolJudgesAgainstTheDigitStoredAtSelection();
    void clickOnAFilledCellKeepsTheCurrentSelection();
    void keysAreIgnoredUntilAFieldIsSelected();
    void keysAreIgnoredWhileTheWorksheetCoversTheGrid();
    void aPressIsJudgedOnceUntilAKeyIsReleased();
    void keyMapping_data();
    void keyMapping();
    void digitKeyCountsByThePhysicalKey_data();
    void digitKeyCountsByThePhysicalKey();
    void browserKeyCodesAreTheirHidUsages_data();
    void browserKeyCodesAreTheirHidUsages();
    void wrongKeyKeepsTheSelectionAndKeyWithoutCharacterIsWrong();
    void newTaskModeChangeAndEndeEndTheSelection();
    void fourDigitSumIsSolvedOnlyWithItsThousandsDigit();
    void twoDigitDifferenceIsSolvedWithTheHundredsCellEmpty();
    void congratulationTitlePerWindowAndNextTaskKeepsTheForm_data();
    void congratulationTitlePerWindowAndNextTaskKeepsTheForm();
    void everyFiftiethPointOffersNumberCatch();
    void nineteenthSolvedTaskOffersMemoryAndMarkerClimbsOn();
    void offersAreTakenOneByOne();
    void gapTaskSolvedByItsThreeDigitsWithCarriesLeftBlank();
    void wrongDropOnAGivenDigitMakesAFourthGap();
    void carryGapFieldTakesTheCarryOfTheOnes();
    void subtractionGapShowsTheSumOnTopAndTheDifferenceBelow();
    void fourDigitGapSumShowsItsThousandsButNeverAsGap();
    void gapKeyEntryUsesTheGapKeySymbol();
};

void EntryTest::carryOfTheTensFollowsTheOnesColumnAndTheCarryStandingThere() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {148, 255, 100});
    QCOMPARE(t.uebertragAusRaster(8), u'0'); // 4 + 5 with nothing over the tens yet
    t.zifferAufFeld(Feld::raster(Raster::kUebertragZehner), d(0));
    QCOMPARE(t.fehler(), 1);
    QVERIFY(t.zelle(9).isEmpty());
    t.zifferAufFeld(Feld::raster(Raster::kUebertragZehner), d(1));
    QCOMPARE(t.punkte(), 1);
    QCOMPARE(t.zelle(9), d(1));
    QCOMPARE(t.uebertragAusRaster(8), u'1'); // 4 + 5 + 1 = 10
    t.zifferAufFeld(Feld::raster(Raster::kUebertragHunderter), d(1));
    QCOMPARE(t.punkte(), 2);
    QCOMPARE(t.fehler(), 1);
}

void EntryTest::subtractionCarryIsRightOnlyAfterTheResultDigitOfItsColumn() {
    TestPlatform p;
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 217, 900});
    QCOMPARE(t.liste1().at(2), QStringLiteral(" 235"));
    t.zifferAufFeld(Feld::raster(Raster::kUebertragZehner), d(1)); // 7 + 0 gives "0"
    QCOMPARE(t.fehler(), 1);
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(5));
    t.zifferAufFeld(Feld::raster(Raster::kUebertragZehner), d(1)); // 7 + 5 = 12
    QCOMPARE(t.fehler(), 1);
    QCOMPARE(t.punkte(), 2);
    QCOMPARE(t.zelle(9), d(1));
    QCOMPARE(t.behalte1(), QStringLiteral("001"));
}

void EntryTest::mixedWindowJudgesCarriesByTheKindOfItsTask() {
    TestPlatform p;
    Trainer t(Modul::Gemischt, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 217, 900});
    QCOMPARE(t.uebertragAusRaster(9), u'0'); // adding up: 7 + nothing
    t.spaltenaufgabeZeigen(Rechenart::Addition, {452, 217, 900});
    QCOMPARE(t.uebertragAusRaster(9), u'0'); // 2 + 7
    t.spaltenaufgabeZeigen(Rechenart::Addition, {458, 217, 900});
    QCOMPARE(t.uebertragAusRaster(9), u'1'); // 8 + 7
    t.mehrfachaufgabenWaehlen();
    t.spaltenaufgabeZeigen(Rechenart::Addition, {458, 217, 109});
    QCOMPARE(t.uebertragAusRaster(9), u'2'); // 8 + 7 + 9
}

void EntryTest::wrongDirectDropStandsWhileTheBoxIsOpenThenEmptiesTheCell() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    QString waehrendDerMeldung;
    int fehlerWaehrend = -1;
    p.dialogs.whileOpen = [&](const FakeDialogs::Shown &) {
        waehrendDerMeldung = t.zelle(13);
        fehlerWaehrend = t.fehler();
    };
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(4)); // 3 + 0 = 3
    QCOMPARE(waehrendDerMeldung, d(4));
    QCOMPARE(fehlerWaehrend, 0);
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().text, kFalsch);
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Fehler"));
    QCOMPARE(p.dialogs.last().icon, Dialogs::Icon::None);
    QVERIFY(t.zelle(13).isEmpty());
    QCOMPARE(t.fehler(), 1);
    QCOMPARE(t.punkte(), 0);
}

void EntryTest::rightDropOnAFilledCellEarnsAnotherPoint() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    QCOMPARE(t.punkte(), 2);
    QCOMPARE(t.zelle(13), d(3));
    QCOMPARE(p.dialogs.count(), 0);
}

// The browser cannot open the "Fehler" box inside the drag's wait: the drop waits for the drag
// to end, and is dropped with a field that is gone by then. A desktop judges inside the drop.
void EntryTest::browserJudgesADropOnlyOnceItsDragHasEnded() {
    int judged = 0;
    const auto judge = [&judged] { ++judged; };
    QObject field;
    DropDelivery desktop(System::Linux);
    desktop.dropped(field, judge);
    QCOMPARE(judged, 1);
    DropDelivery browser(System::Browser);
    browser.dropped(field, judge);
    QCoreApplication::processEvents();
    QCOMPARE(judged, 1);
    browser.dragEnded();
    QCOMPARE(judged, 1);
    QTRY_COMPARE(judged, 2);
    // A drag that ends without a drop, or a second end, judges nothing again.
    browser.dragEnded();
    QCoreApplication::processEvents();
    QCOMPARE(judged, 2);
    {
        QObject gone;
        browser.dropped(gone, judge);
    }
    browser.dragEnded();
    QCoreApplication::processEvents();
    QCOMPARE(judged, 2);
}

void EntryTest::keySymbolJudgesAgainstTheDigitStoredAtSelection() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    t.feldWaehlen(Feld::raster(Raster::kErgebnisZehner));
    QCOMPARE(t.tastenzahl(), d(3));
    QCOMPARE(t.tastenwert(), 3);
    QCOMPARE(t.auswahl(), std::optional<Feld>(Feld::raster(Raster::kErgebnisZehner)));
    t.zifferAufTasten(d(4));
    QCOMPARE(t.fehler(), 1);
    QVERIFY2(t.zelle(12).isEmpty(), "a wrong digit on the key symbol is never written");
    QCOMPARE(t.auswahl(), std::optional<Feld>(Feld::raster(Raster::kErgebnisZehner)));
    t.zifferAufTasten(d(3));
    QCOMPARE(t.zelle(12), d(3));
    QCOMPARE(t.punkte(), 1);
    QVERIFY(!t.auswahl());
    QVERIFY(t.tastenzahl().isEmpty());

    t.feldWaehlen(Feld::raster(Raster::kErgebnisHunderter));
    QVERIFY(t.auswahl());
    const int boxen = p.dialogs.count();
    t.auswahlAufheben();
    QVERIFY(!t.auswahl());
    QCOMPARE(p.dialogs.count(), boxen);
    QCOMPARE(t.punkte(), 1);
    QCOMPARE(t.fehler(), 1);
}

void EntryTest::clickOnAFilledCellKeepsTheCurrentSelection() {
    TestPlatform p;
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {452, 217, 900});
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(5));
    t.feldWaehlen(Feld::raster(Raster::kUebertragHunderter));
    QCOMPARE(t.tastenwert(), 4); // the subtraction window's own code for the hundreds carry
    t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    QCOMPARE(t.auswahl(), std::optional<Feld>(Feld::raster(Raster::kUebertragHunderter)));
    QVERIFY2(!t.erreichbar(Feld::raster(Raster::kErgebnisTausender)),
             "the subtraction window has no thousands cell");
    t.feldWaehlen(Feld::raster(Raster::kErgebnisTausender));
    QCOMPARE(t.auswahl(), std::optional<Feld>(Feld::raster(Raster::kUebertragHunderter)));
}

void EntryTest::keysAreIgnoredUntilAFieldIsSelected() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.aktiviert();
    t.tasteGedrueckt(QChar(u'0'));
    t.tasteGedrueckt(QChar(u'5'));
    t.tasteGedrueckt(std::nullopt);
    QCOMPARE(t.punkte(), 0);
    QCOMPARE(t.fehler(), 0);
    QCOMPARE(p.dialogs.count(), 0);
}

void EntryTest::keysAreIgnoredWhileTheWorksheetCoversTheGrid() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    t.rasterVerdecken(true);
    t.tasteGedrueckt(QChar(u'4'));
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(t.fehler(), 0);
    QCOMPARE(t.punkte(), 0);
    QCOMPARE(t.zelle(Raster::kErgebnisEiner), QString());
    t.rasterVerdecken(false);
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(t.zelle(Raster::kErgebnisEiner), d(3));
    QCOMPARE(t.punkte(), 1);
}

void EntryTest::aPressIsJudgedOnceUntilAKeyIsReleased() {
    PressOnce once;
    const int event = 0;
    const PressOnce::Press zwei{&event, 100, Qt::Key_2};
    QVERIFY(once.first(zwei));
    QVERIFY(!once.first(zwei));
    // The same event object reused: another key, or the same key a moment later, is a new press.
    QVERIFY(once.first({&event, 100, Qt::Key_Shift}));
    QVERIFY(once.first(zwei));
    QVERIFY(once.first({&event, 101, Qt::Key_2}));
    once.released();
    QVERIFY(once.first({&event, 101, Qt::Key_2}));
}

void EntryTest::keyMapping_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("isEntry");
    QTest::addColumn<QString>("character");
    QTest::newRow("main-row 0") << int(Qt::Key_0) << true << QStringLiteral("0");
    QTest::newRow("main-row or keypad 7") << int(Qt::Key_7) << true << QStringLiteral("7");
    QTest::newRow("space") << int(Qt::Key_Space) << true << QStringLiteral(" ");
    QTest::newRow("letter g") << int(Qt::Key_G) << true << QString();
    QTest::newRow("arrow") << int(Qt::Key_Left) << true << QString();
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << true << QString();
    QTest::newRow("F1") << int(Qt::Key_F1) << true << QString();
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << false << QString();
    QTest::newRow("ctrl alone") << int(Qt::Key_Control) << false << QString();
    QTest::newRow("altgr alone") << int(Qt::Key_AltGr) << false << QString();
    QTest::newRow("caps lock") << int(Qt::Key_CapsLock) << false << QString();
    QTest::newRow("num lock") << int(Qt::Key_NumLock) << false << QString();
}

void EntryTest::keyMapping() {
    QFETCH(int, key);
    QFETCH(bool, isEntry);
    QFETCH(QString, character);
    const KeyInput::Entry entry = KeyInput::fromKey(key);
    QCOMPARE(entry.isEntry, isEntry);
    QCOMPARE(entry.character ? QString(*entry.character) : QString(), character);
}

void EntryTest::digitKeyCountsByThePhysicalKey_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("virtualKey");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("isEntry");
    QTest::addColumn<QString>("character");
    const QString xcb = QStringLiteral("xcb");
    const QString windows = QStringLiteral("windows");
    // X11: keycodes of the main row 10..19 (1..9, 0), keysyms as the layout gives them.
    QTest::newRow("X11 de Shift+7 is /")
        << xcb << 16u << 0x2fu << int(Qt::Key_Slash) << true << QStringLiteral("7");
    QTest::newRow("X11 de AltGr+7 is {")
        << xcb << 16u << 0x7bu << int(Qt::Key_BraceLeft) << true << QStringLiteral("7");
    QTest::newRow("X11 de Shift+0 is =")
        << xcb << 19u << 0x3du << int(Qt::Key_Equal) << true << QStringLiteral("0");
    QTest::newRow("X11 ch Shift+1 is +")
        << xcb << 10u << 0x2bu << int(Qt::Key_Plus) << true << QStringLiteral("1");
    QTest::newRow("X11 us Shift+9 is (")
        << xcb << 18u << 0x28u << int(Qt::Key_ParenLeft) << true << QStringLiteral("9");
    QTest::newRow("X11 fr 7 alone is è")
        << xcb << 16u << 0xe8u << int(Qt::Key_Egrave) << true << QStringLiteral("7");
    QTest::newRow("X11 fr Shift+7 is 7")
        << xcb << 16u << 0x37u << int(Qt::Key_7) << true << QStringLiteral("7");
    QTest::newRow("X11 be 6 alone is §")
        << xcb << 15u << 0xa7u << int(Qt::Key_section) << true << QStringLiteral("6");
    QTest::newRow("X11 keypad 3") << xcb << 89u << 0xffb3u << int(Qt::Key_3) << true
                                  << QStringLiteral("3");
    QTest::newRow("X11 de ß beside the 0")
        << xcb << 20u << 0xdfu << int(Qt::Key_ssharp) << true << QString();
    QTest::newRow("X11 letter q above the 1")
        << xcb << 24u << 0x71u << int(Qt::Key_Q) << true << QString();
    QTest::newRow("X11 grave before the 1")
        << xcb << 49u << 0x60u << int(Qt::Key_QuoteLeft) << true << QString();
    QTest::newRow("X11 space") << xcb << 65u << 0x20u << int(Qt::Key_Space) << true
                               << QStringLiteral(" ");
    QTest::newRow("X11 backspace")
        << xcb << 22u << 0xff08u << int(Qt::Key_Backspace) << true << QString();
    QTest::newRow("X11 shift alone")
        << xcb << 50u << 0xffe1u << int(Qt::Key_Shift) << false << QString();
    QTest::newRow("X11 without native codes")
        << xcb << 0u << 0u << int(Qt::Key_4) << true << QStringLiteral("4");
    // Windows: virtual keys '0'..'9' and set-1 scan codes 0x02..0x0B on the main row.
    QTest::newRow("Windows de Shift+7 by virtual key")
        << windows << 0u << quint32('7') << int(Qt::Key_Slash) << true << QStringLiteral("7");
    QTest::newRow("Windows fr 0 alone by scan code")
        << windows << 0x0bu << 0u << int(Qt::Key_Agrave) << true << QStringLiteral("0");
    QTest::newRow("Windows keypad 5 (VK_NUMPAD5)")
        << windows << 0x4cu << 0x65u << int(Qt::Key_5) << true << QStringLiteral("5");
    QTest::newRow("Windows letter a")
        << windows << 0x1eu << quint32('A') << int(Qt::Key_A) << true << QString();
    QTest::newRow("Windows right arrow")
        << windows << 0x14du << 0x27u << int(Qt::Key_Right) << true << QString();
    // Qt's Wayland keyboard hands over the XKB keycode (the evdev code + 8) and the keysym, as
    // on X11, whichever of its plugins drew the window.
    const QString wayland = QStringLiteral("wayland");
    QTest::newRow("Wayland de Shift+7 is /")
        << wayland << 16u << 0x2fu << int(Qt::Key_Slash) << true << QStringLiteral("7");
    QTest::newRow("Wayland fr 0 alone is à")
        << wayland << 19u << 0xe0u << int(Qt::Key_Agrave) << true << QStringLiteral("0");
    QTest::newRow("Wayland keypad 3")
        << wayland << 89u << 0xffb3u << int(Qt::Key_3) << true << QStringLiteral("3");
    QTest::newRow("Wayland de ß beside the 0")
        << wayland << 20u << 0xdfu << int(Qt::Key_ssharp) << true << QString();
    QTest::newRow("Wayland EGL ch Shift+1 is +")
        << QStringLiteral("wayland-egl") << 10u << 0x2bu << int(Qt::Key_Plus) << true
        << QStringLiteral("1");
    // The browser: the program stamps the key's KeyboardEvent.code on the event as its HID
    // usage (keyboard page: 0x1E for the 1 .. 0x26 for the 9, 0x27 for the 0), and no scan code
    // where the key is none of the main row's digits.
    const QString wasm = QStringLiteral("wasm");
    QTest::newRow("browser de Shift+7 is /")
        << wasm << 0x24u << 0u << int(Qt::Key_Slash) << true << QStringLiteral("7");
    QTest::newRow("browser fr 0 alone is à")
        << wasm << 0x27u << 0u << int(Qt::Key_Agrave) << true << QStringLiteral("0");
    QTest::newRow("browser keypad 3")
        << wasm << 0u << 0u << int(Qt::Key_3) << true << QStringLiteral("3");
    QTest::newRow("browser de ß beside the 0")
        << wasm << 0u << 0u << int(Qt::Key_ssharp) << true << QString();
    // Where the codes are unknown the character decides.
    QTest::newRow("offscreen, Shift+7 is /")
        << QStringLiteral("offscreen") << 16u << 0x2fu << int(Qt::Key_Slash) << true << QString();
    QTest::newRow("offscreen, 7") << QStringLiteral("offscreen") << 16u << 0x37u << int(Qt::Key_7)
                                  << true << QStringLiteral("7");
}

void EntryTest::digitKeyCountsByThePhysicalKey() {
    QFETCH(QString, platform);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, virtualKey);
    QFETCH(int, key);
    QFETCH(bool, isEntry);
    QFETCH(QString, character);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, scanCode, virtualKey, 0);
    const KeyInput::Entry entry = KeyInput::fromEvent(event, NativeKey::ofPlatform(platform));
    QCOMPARE(entry.isEntry, isEntry);
    QCOMPARE(entry.character ? QString(*entry.character) : QString(), character);
}

// The keyboard page of the USB HID usage tables, which the browser's key codes are stamped with.
void EntryTest::browserKeyCodesAreTheirHidUsages_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<quint32>("usage");
    QTest::newRow("1") << QStringLiteral("Digit1") << 0x1eu;
    QTest::newRow("7") << QStringLiteral("Digit7") << 0x24u;
    QTest::newRow("9") << QStringLiteral("Digit9") << 0x26u;
    QTest::newRow("0 after the 9") << QStringLiteral("Digit0") << 0x27u;
    QTest::newRow("keypad 3 is no main-row key") << QStringLiteral("Numpad3") << 0u;
    QTest::newRow("letter") << QStringLiteral("KeyA") << 0u;
    QTest::newRow("another script's digit") << QStringLiteral("Digit٣") << 0u;
    QTest::newRow("two digits") << QStringLiteral("Digit10") << 0u;
    QTest::newRow("empty") << QString() << 0u;
}

void EntryTest::browserKeyCodesAreTheirHidUsages() {
    QFETCH(QString, code);
    QFETCH(quint32, usage);
    QCOMPARE(NativeKey::hidUsageOfCode(code), usage);
}

void EntryTest::wrongKeyKeepsTheSelectionAndKeyWithoutCharacterIsWrong() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
    t.tasteGedrueckt(std::nullopt);
    t.tasteGedrueckt(QChar(u'4'));
    QCOMPARE(t.fehler(), 2);
    QVERIFY(t.auswahl());
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(t.zelle(13), d(3));
    QCOMPARE(t.punkte(), 1);
    QVERIFY(!t.auswahl());
}

void EntryTest::newTaskModeChangeAndEndeEndTheSelection() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    auto waehle = [&t] {
        t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
        t.feldWaehlen(Feld::raster(Raster::kErgebnisEiner));
        QVERIFY(t.auswahl());
    };
    waehle();
    t.aktiviert();
    QVERIFY(!t.auswahl());
    waehle();
    t.mehrfachaufgabenWaehlen();
    QVERIFY(!t.auswahl());
    waehle();
    t.lueckenaufgabenWaehlen();
    QVERIFY(!t.auswahl());
    t.feldWaehlen(Feld::luecke(1));
    t.beenden();
    QVERIFY(!t.auswahl());
    // A later key lands nowhere and counts nothing.
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(t.punkte() + t.fehler(), 0);
}

void EntryTest::fourDigitSumIsSolvedOnlyWithItsThousandsDigit() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {512, 634, 100});
    QCOMPARE(t.liste1().at(2), QStringLiteral("1146"));
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(6));
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisZehner), d(4));
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisHunderter), d(1));
    QCOMPARE(p.dialogs.count(), 0);
    QCOMPARE(t.fortschritt(), Trainer::kFortschrittStart);
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisTausender), d(1));
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().text, kRichtig);
    QCOMPARE(t.fortschritt(), Trainer::kFortschrittStart - 240);
    QVERIFY2(t.zelle(10).isEmpty() && t.zelle(13).isEmpty(), "the next task starts empty");
}

void EntryTest::twoDigitDifferenceIsSolvedWithTheHundredsCellEmpty() {
    TestPlatform p;
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {552, 517, 900});
    QCOMPARE(t.liste1().at(2), QStringLiteral("  35"));
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(5));
    QCOMPARE(p.dialogs.count(), 0);
    t.feldWaehlen(Feld::raster(Raster::kErgebnisZehner));
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Minusaufgabe"));
    QCOMPARE(t.punkte(), 2);
}

void EntryTest::congratulationTitlePerWindowAndNextTaskKeepsTheForm_data() {
    QTest::addColumn<int>("modul");
    QTest::addColumn<QString>("title");
    QTest::newRow("addition") << 0 << QStringLiteral("Plusaufgabe");
    QTest::newRow("subtraction") << 1 << QStringLiteral("Minusaufgabe");
    QTest::newRow("mixed") << 2 << QStringLiteral("Kontrolle");
}

void EntryTest::congratulationTitlePerWindowAndNextTaskKeepsTheForm() {
    QFETCH(int, modul);
    QFETCH(QString, title);
    TestPlatform p(static_cast<std::uint64_t>(modul));
    Trainer t(static_cast<Modul>(modul), p.platform, p.navigator);
    t.mehrfachaufgabenWaehlen();
    const QStringList vorher = t.liste2();
    loeseSpaltenaufgabe(t);
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().title, title);
    QCOMPARE(p.dialogs.last().text, kRichtig);
    QVERIFY(t.mehrfachModus() && !t.lueckenModus());
    QVERIFY(t.liste2() != vorher);
    QCOMPARE(t.fehler(), 0);
}

void EntryTest::everyFiftiethPointOffersNumberCatch() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {123, 210, 100});
    for (int i = 1; i <= 49; ++i) {
        t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    }
    QVERIFY(!t.zahlfangeAngebot());
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    QCOMPARE(t.punkte(), 50);
    QVERIFY(t.zahlfangeAngebot());
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    QVERIFY2(t.zahlfangeAngebot(), "the offer stays until clicked");
    t.zahlfangeAnnehmen();
    QVERIFY(!t.zahlfangeAngebot());
    QCOMPARE(p.dialogs.last().text, QStringLiteral("Es folgt jetzt eine Belohnung.\r\r"));
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Zahlfange"));
    QCOMPARE(p.navigator.calls.last(), QStringLiteral("catch"));
    for (int i = 52; i <= 99; ++i) {
        t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    }
    QVERIFY(!t.zahlfangeAngebot());
    t.zifferAufFeld(Feld::raster(Raster::kErgebnisEiner), d(3));
    QVERIFY(t.zahlfangeAngebot());
    QCOMPARE(t.fortschritt(), Trainer::kFortschrittStart);
}

void EntryTest::nineteenthSolvedTaskOffersMemoryAndMarkerClimbsOn() {
    TestPlatform p(9);
    Trainer t(Modul::Gemischt, p.platform, p.navigator);
    t.aktiviert();
    for (int i = 1; i <= 18; ++i) {
        loeseSpaltenaufgabe(t);
    }
    QCOMPARE(t.fortschritt(), 4920 - 18 * 240);
    QVERIFY(!t.memoryAngebot());
    loeseSpaltenaufgabe(t);
    QCOMPARE(t.fortschritt(), 360);
    QVERIFY(t.memoryAngebot());
    loeseSpaltenaufgabe(t);
    QCOMPARE(t.fortschritt(), 120);
    QVERIFY(t.memoryAngebot());
    const int punkte = t.punkte();
    t.memoryAnnehmen();
    QVERIFY(!t.memoryAngebot());
    QCOMPARE(t.fortschritt(), Trainer::kFortschrittStart);
    QCOMPARE(t.punkte(), punkte);
    QCOMPARE(p.navigator.calls.last(), QStringLiteral("memory"));
}

void EntryTest::offersAreTakenOneByOne() {
    TestPlatform p(12);
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.aktiviert();
    while (t.fortschritt() > 360 || t.punkte() < 50) {
        loeseSpaltenaufgabe(t);
    }
    QVERIFY(t.zahlfangeAngebot() && t.memoryAngebot());
    t.memoryAnnehmen();
    QVERIFY(t.zahlfangeAngebot() && !t.memoryAngebot());
    t.zahlfangeAnnehmen();
    QVERIFY(!t.zahlfangeAngebot());
    QCOMPARE(t.fortschritt(), Trainer::kFortschrittStart);
}

void EntryTest::gapTaskSolvedByItsThreeDigitsWithCarriesLeftBlank() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    t.lueckenaufgabeZeigen(Rechenart::Addition, 347, 285, 1);
    QCOMPARE(t.liste2(), QStringList({QStringLiteral(" 347"), QStringLiteral(" 285"),
                                      QStringLiteral("011 "), QStringLiteral(" 632")}));
    QVERIFY(t.luecke(1).isEmpty() && t.luecke(5).isEmpty() && t.luecke(12).isEmpty());
    t.zifferAufFeld(Feld::luecke(1), d(7));
    t.zifferAufFeld(Feld::luecke(5), d(8));
    QCOMPARE(p.dialogs.count(), 0);
    const int fortschritt = t.fortschritt();
    t.zifferAufFeld(Feld::luecke(12), d(6));
    QCOMPARE(t.punkte(), 3);
    QCOMPARE(p.dialogs.count(), 1);
    QCOMPARE(p.dialogs.last().text, kRichtig);
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Lückenaufgabe"));
    QCOMPARE(t.fortschritt(), fortschritt - 240);
    QVERIFY(t.lueckenModus());
    QVERIFY(t.liste2().at(0) != QStringLiteral(" 347") ||
            t.liste2().at(1) != QStringLiteral(" 285"));
}

void EntryTest::wrongDropOnAGivenDigitMakesAFourthGap() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    t.lueckenaufgabeZeigen(Rechenart::Addition, 347, 285, 1);
    t.zifferAufFeld(Feld::luecke(3), d(3));
    QCOMPARE(t.punkte(), 1);
    QCOMPARE(t.luecke(3), d(3));
    t.zifferAufFeld(Feld::luecke(3), d(5));
    QCOMPARE(t.fehler(), 1);
    QVERIFY(t.luecke(3).isEmpty());
    t.zifferAufFeld(Feld::luecke(1), d(7));
    t.zifferAufFeld(Feld::luecke(5), d(8));
    t.zifferAufFeld(Feld::luecke(12), d(6));
    QCOMPARE(p.dialogs.count(), 1); // only the error so far: the fourth gap is open
    t.feldWaehlen(Feld::luecke(3));
    QCOMPARE(t.auswahl(), std::optional<Feld>(Feld::luecke(3)));
    QCOMPARE(t.tastenwert(), 13);
    t.tasteGedrueckt(QChar(u'3'));
    QCOMPARE(p.dialogs.last().title, QStringLiteral("Lückenaufgabe"));
}

void EntryTest::carryGapFieldTakesTheCarryOfTheOnes() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    t.lueckenaufgabeZeigen(Rechenart::Addition, 347, 285, 1);
    t.feldWaehlen(Feld::luecke(7));
    QVERIFY2(!t.auswahl(), "a blank carry field holds a space and cannot be selected");
    t.zifferAufFeld(Feld::luecke(7), d(0));
    QCOMPARE(t.fehler(), 1);
    QVERIFY(t.luecke(7).isEmpty());
    t.feldWaehlen(Feld::luecke(7));
    QCOMPARE(t.tastenzahl(), d(1));
    t.zifferAufFeld(Feld::luecke(8), d(1));
    QCOMPARE(t.punkte(), 1);
    QCOMPARE(t.luecke(8), d(1));
}

void EntryTest::subtractionGapShowsTheSumOnTopAndTheDifferenceBelow() {
    TestPlatform p;
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    t.lueckenaufgabeZeigen(Rechenart::Subtraktion, 345, 234, 2); // blanks luecke2, 4 and 6
    QVERIFY(t.lueckenSubtraktionsLayout());
    QCOMPARE(t.luecke(12) + t.luecke(11) + t.luecke(10), QStringLiteral("579"));
    QCOMPARE(t.luecke(3) + QLatin1Char('_') + t.luecke(1), QStringLiteral("3_5"));
    QCOMPARE(t.erwarteteZiffer(Feld::luecke(2)), u'4');
    QCOMPARE(t.luecke(13), QStringLiteral(" "));
    QVERIFY(!t.tausenderLueckeSichtbar());
    QCOMPARE(t.operatorZeichen(), QStringLiteral("_"));
}

void EntryTest::fourDigitGapSumShowsItsThousandsButNeverAsGap() {
    TestPlatform p;
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    for (int k = 1; k <= 10; ++k) {
        t.lueckenaufgabeZeigen(Rechenart::Addition, 647, 585, k);
        QCOMPARE(t.luecke(13), d(1));
        QCOMPARE(t.luecke(9), QStringLiteral(" "));
        QVERIFY(t.tausenderLueckeSichtbar());
        QVERIFY(t.erreichbar(Feld::luecke(9)) && t.erreichbar(Feld::luecke(13)));
    }
    t.zifferAufFeld(Feld::luecke(9), d(1));
    QCOMPARE(t.punkte(), 1);
}

void EntryTest::gapKeyEntryUsesTheGapKeySymbol() {
    TestPlatform p;
    Trainer t(Modul::Gemischt, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    t.lueckenaufgabeZeigen(Rechenart::Subtraktion, 345, 234, 2);
    t.feldWaehlen(Feld::luecke(4));
    QCOMPARE(t.tastenzahl(), d(4));
    t.zifferAufTasten(d(4));
    QCOMPARE(t.luecke(4), d(4));
    QVERIFY(!t.auswahl());
    QCOMPARE(t.punkte(), 1);
    QVERIFY2(!t.erreichbar(Feld::raster(Raster::kErgebnisEiner)),
             "the grid is covered in gap mode");
}

QTEST_GUILESS_MAIN(EntryTest)
#include "test_entry.moc"
