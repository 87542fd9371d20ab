// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/TestPlatform.h"
#include "trainer/Trainer.h"
#include "vocabulary/Zahlenzeile.h"

#include <QSet>
#include <QTest>

namespace {

int zahl(const Trainer &t, int h, int z, int e) {
    return 100 * t.zelle(h).toInt() + 10 * t.zelle(z).toInt() + t.zelle(e).toInt();
}

// Carries of a column addition, computed with integers column by column: thousands, hundreds,
// tens, as the carry row reads.
QString uebertraege(const QList<int> &summanden) {
    int carry = 0;
    QString result;
    for (int stelle = 1; stelle <= 100; stelle *= 10) {
        int sum = carry;
        for (int s : summanden) {
            sum += (s / stelle) % 10;
        }
        carry = sum / 10;
        result.prepend(QString::number(carry));
    }
    return result;
}

bool istZiffer(const QString &text) {
    return text.size() == 1 && text.at(0).isDigit();
}

} // namespace

class TaskDrawingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnTasksAgreeWithTheArithmetic_data();
    void columnTasksAgreeWithTheArithmetic();
    void subtractionNeverLeavesLessThanTen();
    void mixedWindowDrawsBothKindsWithMatchingOperator();
    void gapTasksBlankThreeNumberDigitsNeverOnesOrThousandsOfTheSum_data();
    void gapTasksBlankThreeNumberDigitsNeverOnesOrThousandsOfTheSum();
    void reseedingWithinOneClockSecondStillGivesNewTasks();
    void thousandsCellsOfMixedAdditionAreReachableExactlyForFourDigitSums();
    void modeButtonsEmptyResultAndCarryCellsAndKeepTheForm();
};

void TaskDrawingTest::columnTasksAgreeWithTheArithmetic_data() {
    QTest::addColumn<int>("modul");
    QTest::addColumn<bool>("mehrfach");
    QTest::newRow("addition single") << 0 << false;
    QTest::newRow("addition multiple") << 0 << true;
    QTest::newRow("subtraction single") << 1 << false;
    QTest::newRow("subtraction multiple") << 1 << true;
    QTest::newRow("mixed single") << 2 << false;
    QTest::newRow("mixed multiple") << 2 << true;
}

void TaskDrawingTest::columnTasksAgreeWithTheArithmetic() {
    QFETCH(int, modul);
    QFETCH(bool, mehrfach);
    TestPlatform p(static_cast<std::uint64_t>(modul * 7 + mehrfach));
    Trainer t(static_cast<Modul>(modul), p.platform, p.navigator);
    bool sawFourDigits = false;
    bool sawCarryTwo = false;
    for (int i = 0; i < 3000; ++i) {
        mehrfach ? t.mehrfachaufgabenWaehlen() : t.einzelaufgabenWaehlen();
        ++p.clock.seconds;
        for (int n : {1, 2, 3, 4, 5, 6, 17, 18, 19}) {
            QVERIFY2(istZiffer(t.zelle(n)), qPrintable(QString::number(n)));
        }
        for (int n = 7; n <= 13; ++n) {
            QVERIFY(t.zelle(n).isEmpty());
        }
        const int a = zahl(t, 1, 2, 3);
        const int b = zahl(t, 4, 5, 6);
        const int c = zahl(t, 19, 18, 17);
        const bool addition = t.rechenart() == Rechenart::Addition;
        const int ergebnis1 = addition ? a + b : a - b;
        const int ergebnis2 = addition ? a + b + c : c - a - b;
        QCOMPARE(t.liste1(), QStringList({zahlenzeile(a), zahlenzeile(b), zahlenzeile(ergebnis1)}));
        QCOMPARE(t.liste2(), QStringList({zahlenzeile(c), zahlenzeile(a), zahlenzeile(b),
                                          zahlenzeile(ergebnis2)}));
        if (addition) {
            QVERIFY(a >= 100 && a <= 999 && b >= 100 && b <= 999 && c >= 100 && c <= 599);
            QCOMPARE(t.behalte1(), uebertraege({a, b}));
            QCOMPARE(t.behalte2(), uebertraege({c, a, b}));
        } else {
            QVERIFY(a >= 500 && a <= 999 && b >= 100 && b <= 499 && c >= 500 && c <= 999);
            QCOMPARE(t.behalte1(), uebertraege({b, ergebnis1}));
            // A single subtraction leaves the unused three-row record possibly negative.
            if (mehrfach) {
                QCOMPARE(t.behalte2(), uebertraege({a, b, ergebnis2}));
            }
        }
        const int relevant = mehrfach ? ergebnis2 : ergebnis1;
        QCOMPARE(t.tausenderSichtbar(), addition && relevant >= 1000);
        QCOMPARE(t.erreichbar(Feld::raster(Raster::kErgebnisTausender)),
                 addition && relevant >= 1000);
        sawFourDigits |= relevant >= 1000;
        sawCarryTwo |= t.behalte2().contains(QLatin1Char('2'));
    }
    if (mehrfach) {
        QVERIFY2(sawCarryTwo, "three rows can carry 2");
    }
    if (modul != 1) {
        QVERIFY(sawFourDigits);
    }
}

void TaskDrawingTest::subtractionNeverLeavesLessThanTen() {
    TestPlatform p(3);
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    QSet<int> kleinste;
    for (int i = 0; i < 4000; ++i) {
        i % 2 ? t.mehrfachaufgabenWaehlen() : t.einzelaufgabenWaehlen();
        const int ergebnis = zahlWert(t.mehrfachModus() ? t.liste2().at(3) : t.liste1().at(2));
        QVERIFY2(ergebnis >= 10 && ergebnis <= 899, qPrintable(QString::number(ergebnis)));
        QVERIFY(!t.tausenderSichtbar());
        QVERIFY(!t.erreichbar(Feld::raster(Raster::kUebertragTausender)) &&
                !t.erreichbar(Feld::raster(Raster::kErgebnisTausender)));
        if (ergebnis < 100) {
            kleinste.insert(ergebnis);
        }
    }
    QVERIFY2(!kleinste.isEmpty(), "two-digit differences occur");
}

void TaskDrawingTest::mixedWindowDrawsBothKindsWithMatchingOperator() {
    TestPlatform p(5);
    Trainer t(Modul::Gemischt, p.platform, p.navigator);
    int additionen = 0;
    for (int i = 0; i < 400; ++i) {
        i % 3 == 2 ? t.lueckenaufgabenWaehlen() : t.einzelaufgabenWaehlen();
        const bool addition = t.rechenart() == Rechenart::Addition;
        additionen += addition;
        QCOMPARE(t.operatorZeichen(), addition ? QStringLiteral("+") : QStringLiteral("-"));
        QCOMPARE(t.lueckenSubtraktionsLayout(), !addition);
    }
    QVERIFY(additionen > 120 && additionen < 280);
    Trainer plus(Modul::Addition, p.platform, p.navigator);
    Trainer minus(Modul::Subtraktion, p.platform, p.navigator);
    QCOMPARE(plus.operatorZeichen(), QStringLiteral("+"));
    QCOMPARE(minus.operatorZeichen(), QStringLiteral("_"));
}

void TaskDrawingTest::gapTasksBlankThreeNumberDigitsNeverOnesOrThousandsOfTheSum_data() {
    QTest::addColumn<int>("modul");
    QTest::newRow("addition") << 0;
    QTest::newRow("subtraction") << 1;
    QTest::newRow("mixed") << 2;
}

void TaskDrawingTest::gapTasksBlankThreeNumberDigitsNeverOnesOrThousandsOfTheSum() {
    QFETCH(int, modul);
    TestPlatform p(static_cast<std::uint64_t>(11 + modul));
    Trainer t(static_cast<Modul>(modul), p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    QSet<QString> muster;
    for (int i = 0; i < 3000; ++i) {
        t.aktiviert();
        QVERIFY(t.lueckenModus());
        QVERIFY(t.liste1().isEmpty());
        const QStringList &r = t.liste2();
        QCOMPARE(r.size(), 4);
        const int a = zahlWert(r.at(0));
        const int b = zahlWert(r.at(1));
        QCOMPARE(r.at(3), zahlenzeile(a + b));
        QVERIFY(a >= 100 && a <= 999 && b >= 100 && b <= 999);
        const bool addition = t.rechenart() == Rechenart::Addition;
        if (!addition) {
            QVERIFY(a + b <= 999);
        }
        QCOMPARE(r.at(2), uebertraege({a, b}) + QLatin1Char(' '));
        QStringList leer;
        for (int k = 1; k <= 13; ++k) {
            const QString &text = t.luecke(k);
            if (k >= 7 && k <= 9) {
                QCOMPARE(text, QStringLiteral(" "));
            } else if (text.isEmpty()) {
                leer << QString::number(k);
            } else {
                QCOMPARE(text.at(0), t.erwarteteZiffer(Feld::luecke(k)));
            }
        }
        QCOMPARE(leer.size(), 3);
        QVERIFY(!leer.contains(QStringLiteral("10")) && !leer.contains(QStringLiteral("13")));
        muster.insert(leer.join(QLatin1Char(',')));
        QCOMPARE(t.tausenderLueckeSichtbar(), addition && a + b >= 1000);
        QCOMPARE(t.luecke(13), a + b >= 1000 ? QStringLiteral("1") : QStringLiteral(" "));
    }
    // Patterns 5 and 9 blank the same three fields, so nine distinct sets exist.
    QSet<QString> erwartet;
    for (int k = 1; k <= 10; ++k) {
        QList<int> felder(TaskGenerator::lueckenMuster(k), TaskGenerator::lueckenMuster(k) + 3);
        std::sort(felder.begin(), felder.end());
        QStringList namen;
        for (int f : felder) {
            namen << QString::number(f);
        }
        erwartet.insert(namen.join(QLatin1Char(',')));
    }
    QCOMPARE(erwartet.size(), 9);
    QCOMPARE(muster, erwartet);
}

void TaskDrawingTest::reseedingWithinOneClockSecondStillGivesNewTasks() {
    TestPlatform p(21);
    Trainer t(Modul::Subtraktion, p.platform, p.navigator);
    t.lueckenaufgabenWaehlen();
    QSet<QString> aufgaben;
    for (int i = 0; i < 50; ++i) {
        t.aktiviert();
        aufgaben.insert(t.liste2().join(QLatin1Char('|')));
    }
    QVERIFY2(aufgaben.size() > 45, "the clock stood still, the tasks must not");
}

void TaskDrawingTest::thousandsCellsOfMixedAdditionAreReachableExactlyForFourDigitSums() {
    TestPlatform p(2);
    Trainer t(Modul::Gemischt, p.platform, p.navigator);
    t.spaltenaufgabeZeigen(Rechenart::Addition, {512, 634, 100});
    QVERIFY(t.tausenderSichtbar());
    QVERIFY(t.erreichbar(Feld::raster(Raster::kErgebnisTausender)) &&
            t.erreichbar(Feld::raster(Raster::kUebertragTausender)));
    t.spaltenaufgabeZeigen(Rechenart::Addition, {312, 634, 100});
    QVERIFY(!t.tausenderSichtbar());
    t.spaltenaufgabeZeigen(Rechenart::Subtraktion, {912, 134, 900});
    QVERIFY(!t.tausenderSichtbar());
}

void TaskDrawingTest::modeButtonsEmptyResultAndCarryCellsAndKeepTheForm() {
    TestPlatform p(4);
    Trainer t(Modul::Addition, p.platform, p.navigator);
    t.mehrfachaufgabenWaehlen();
    QVERIFY(t.mehrfachModus());
    t.lueckenaufgabenWaehlen();
    QVERIFY(t.lueckenModus() && t.mehrfachModus());
    t.beenden();
    QVERIFY(!t.lueckenModus());
    QVERIFY2(t.mehrfachModus(), "Ende from a gap task keeps the column mode");
    QCOMPARE(p.navigator.calls, QStringList{QStringLiteral("start")});
    t.aktiviert();
    QVERIFY(!t.lueckenModus());
    t.einzelaufgabenWaehlen();
    QVERIFY(!t.mehrfachModus() && !t.lueckenModus());
}

QTEST_GUILESS_MAIN(TaskDrawingTest)
#include "test_taskdrawing.moc"
