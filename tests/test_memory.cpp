// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeNavigator.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "games/Memory.h"
#include "games/MemoryWindow.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int seeds = 500;

// The two card numbers (1..18) of each value 1..9 in a deal.
QList<QList<int>> paare(const QString &kartenFolge) {
    QList<QList<int>> result(10);
    for (int k = 1; k <= kartenFolge.size(); ++k) {
        result[kartenFolge.at(k - 1).digitValue()].append(k);
    }
    return result;
}

// Two cards of different values, the first being card 1.
std::pair<int, int> ungleichesPaar(const QString &kartenFolge) {
    for (int k = 2; k <= kartenFolge.size(); ++k) {
        if (kartenFolge.at(k - 1) != kartenFolge.at(0)) {
            return {1, k};
        }
    }
    return {};
}

struct Game {
    explicit Game(std::uint64_t seed = 1) : random(seed), game(random) {}
    Random random;
    Memory game;
    // Deals with a click on card 1 and clicks it again, leaving card 1 as the open first card.
    QString deal() {
        game.karteGeklickt(1);
        return game.kartenFolge();
    }
};

// The deal a window with this seed makes on its first card click.
QString dealOf(std::uint64_t seed) {
    Game twin(seed);
    return twin.deal();
}

struct Window {
    explicit Window(std::uint64_t seed = 1) : fake(seed), window(fake.platform, navigator) {}
    TestPlatform fake;
    FakeNavigator navigator;
    MemoryWindow window;

    QLabel *karte(int k) {
        return window.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(k));
    }
    void klick(int k) { QTest::mouseClick(karte(k), Qt::LeftButton); }
    QPushButton *befehl(int n) {
        return window.findChild<QPushButton *>(QStringLiteral("Befehl%1").arg(n));
    }
    QStringList texte() {
        QStringList result;
        for (int k = 1; k <= 18; ++k) {
            result.append(karte(k)->text());
        }
        return result;
    }
    QColor farbe(int k) { return karte(k)->palette().color(QPalette::Window); }
};

} // namespace

class TestMemory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- the rules ---

    void everyDealHoldsEachValueTwiceAndReachesEveryPlace() {
        QSet<QPair<int, QChar>> placed;
        for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
            const QString deal = dealOf(seed);
            QCOMPARE(deal.size(), 18);
            for (QChar value = QLatin1Char('1'); value <= QLatin1Char('9');
                 value = QChar(value.unicode() + 1)) {
                QVERIFY2(deal.count(value) == 2, qPrintable(deal));
            }
            for (int k = 0; k < 18; ++k) {
                placed.insert({k, deal.at(k)});
            }
        }
        QCOMPARE(placed.size(), 18 * 9);
    }

    void firstClickDealsAndOpensTheClickedCard() {
        Game g;
        QVERIFY(!g.game.gemischt());
        QVERIFY(!g.game.istOffen(7));
        g.game.karteGeklickt(7);
        QVERIFY(g.game.gemischt());
        QCOMPARE(g.game.kartenImSpiel(), QString(18, QLatin1Char('1')));
        QCOMPARE(g.game.ersteKarte(), 7);
        QCOMPARE(g.game.zweiteKarte(), 0);
        for (int k = 1; k <= 18; ++k) {
            QCOMPARE(g.game.istOffen(k), k == 7);
        }
    }

    void cardTextIsTheAdditionMakingTen_data() {
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("text");
        const char *const texts[] = {"1 + 9", "2 + 8", "3 + 7", "4 + 6", "5 + 5",
                                     "6 + 4", "7 + 3", "8 + 2", "9 + 1"};
        for (int d = 1; d <= 9; ++d) {
            QTest::addRow("%d", d) << d << QString::fromLatin1(texts[d - 1]);
        }
    }
    void cardTextIsTheAdditionMakingTen() {
        QFETCH(int, wert);
        QFETCH(QString, text);
        Game g;
        const auto cards = paare(g.deal()).at(wert);
        QCOMPARE(g.game.kartenText(cards.at(0)), text);
        QCOMPARE(g.game.kartenText(cards.at(1)), text);
    }

    void clickingTheOpenFirstCardAgainKeepsItFirst() {
        Game g;
        g.deal();
        g.game.karteGeklickt(1);
        QCOMPARE(g.game.ersteKarte(), 1);
        QCOMPARE(g.game.zweiteKarte(), 0);
        QVERIFY(g.game.istOffen(1));
    }

    void failedPairStaysOpenUntilNextClick() {
        Game g;
        const auto [a, b] = ungleichesPaar(g.deal());
        QVERIFY(!g.game.karteGeklickt(b));
        QVERIFY(g.game.istOffen(a));
        QVERIFY(g.game.istOffen(b));
        QVERIFY(!g.game.istGefunden(a));
        QCOMPARE(g.game.kartenImSpiel(), QString(18, QLatin1Char('1')));
    }

    void thirdClickCoversFailedPairAndOpensClickedCard_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("another card") << 0;
        QTest::newRow("the first of the pair") << 1;
        QTest::newRow("the second of the pair") << 2;
    }
    void thirdClickCoversFailedPairAndOpensClickedCard() {
        QFETCH(int, which);
        Game g;
        const QString deal = g.deal();
        const auto [a, b] = ungleichesPaar(deal);
        g.game.karteGeklickt(b);
        int other = 2;
        while (other == b) {
            ++other;
        }
        const int third = which == 1 ? a : which == 2 ? b : other;
        g.game.karteGeklickt(third);
        QCOMPARE(g.game.ersteKarte(), third);
        QCOMPARE(g.game.zweiteKarte(), 0);
        for (int k = 1; k <= 18; ++k) {
            QCOMPARE(g.game.istOffen(k), k == third);
        }
    }

    void matchingPairIsFoundAndStaysOpen() {
        Game g;
        const QString deal = g.deal();
        const int partner = paare(deal).at(deal.at(0).digitValue()).at(1);
        QVERIFY(!g.game.karteGeklickt(partner));
        QVERIFY(g.game.istGefunden(1));
        QVERIFY(g.game.istGefunden(partner));
        QCOMPARE(g.game.ersteKarte(), 0);
        QCOMPARE(g.game.zweiteKarte(), 0);
        QCOMPARE(g.game.kartenImSpiel().count(QLatin1Char('0')), 2);
    }

    void clickOnFoundCardChangesNothingNotEvenFailedPair() {
        Game g;
        const QString deal = g.deal();
        const auto pairs = paare(deal);
        const int partner = pairs.at(deal.at(0).digitValue()).at(1);
        g.game.karteGeklickt(partner); // card 1 and its partner are found
        int a = 2;
        while (a == partner) {
            ++a;
        }
        int b = a + 1;
        while (b == partner || deal.at(b - 1) == deal.at(a - 1)) {
            ++b;
        }
        g.game.karteGeklickt(a);
        g.game.karteGeklickt(b);
        QVERIFY(!g.game.karteGeklickt(1));
        QVERIFY(!g.game.karteGeklickt(partner));
        QCOMPARE(g.game.ersteKarte(), a);
        QCOMPARE(g.game.zweiteKarte(), b);
        QVERIFY(g.game.istOffen(a) && g.game.istOffen(b));
    }

    void onlyTheNinthPairWins() {
        Game g;
        const auto pairs = paare(dealOf(1)); // dealt by the first click below
        int wins = 0;
        for (int value = 1; value <= 9; ++value) {
            wins += g.game.karteGeklickt(pairs.at(value).at(0)) ? 1 : 0;
            QCOMPARE(wins, 0);
            wins += g.game.karteGeklickt(pairs.at(value).at(1)) ? 1 : 0;
            QCOMPARE(wins, value == 9 ? 1 : 0);
        }
        QCOMPARE(g.game.kartenImSpiel(), QString(18, QLatin1Char('0')));
    }

    void resetTurnsAllCardsDownAndNextClickDealsAnew() {
        Game g;
        const QString first = dealOf(1);
        const auto pairs = paare(first);
        for (int value = 1; value <= 9; ++value) {
            g.game.karteGeklickt(pairs.at(value).at(0));
            g.game.karteGeklickt(pairs.at(value).at(1));
        }
        g.game.spielfeldZuruecksetzen();
        QVERIFY(!g.game.gemischt());
        for (int k = 1; k <= 18; ++k) {
            QVERIFY(!g.game.istOffen(k));
            QVERIFY(!g.game.istGefunden(k));
        }
        g.game.karteGeklickt(4);
        QCOMPARE(g.game.kartenImSpiel(), QString(18, QLatin1Char('1')));
        QCOMPARE(g.game.ersteKarte(), 4);
        QVERIFY(g.game.kartenFolge() != first); // the generator has moved on
    }

    // --- the window ---

    void windowHasFixedSizeCaptionAndControlsAtTheirPlaces_data() {
        using LayoutCheck::row;
        LayoutCheck::addColumns();
        row("Befehl1", 120, 120, 735, 495);
        row("Befehl2", 120, 720, 735, 495);
        row("Figur3", 960, 120, 5415, 5535);
        // Two columns of nine cards, one card every 600 twips.
        for (int k = 1; k <= 18; ++k) {
            const int left = k <= 9 ? 1080 : 3720;
            const int top = 240 + 600 * ((k - 1) % 9);
            row("card " + QByteArray::number(k), "Bezeichnung" + QByteArray::number(k), left, top,
                2535, 495);
        }
    }
    void windowHasFixedSizeCaptionAndControlsAtTheirPlaces() {
        Window w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Memory"));
        QCOMPARE(w.window.minimumSize(), QSize(twips(6540), twips(5805)));
        QCOMPARE(w.window.maximumSize(), w.window.minimumSize());
        LayoutCheck::compareCurrentRow(&w.window);
    }

    void windowCentresOnceAtCreation() {
        TestPlatform fake;
        fake.screen.screenGeometry = QRect(0, 0, 1000, 800);
        FakeNavigator navigator;
        MemoryWindow window(fake.platform, navigator);
        const QRect outer = window.frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint((1000 - outer.width()) / 2, (800 - outer.height()) / 2));
        window.move(10, 20);
        window.activated();
        QCOMPARE(window.pos(), QPoint(10, 20));
    }

    void freshBoardShowsFaceDownCards() {
        Window w;
        QCOMPARE(w.befehl(1)->text(), QStringLiteral("ENDE"));
        QCOMPARE(w.befehl(2)->text(), QStringLiteral("Hilfe"));
        QCOMPARE(w.texte(), QStringList(18, QString()));
        for (int k = 1; k <= 18; ++k) {
            QCOMPARE(w.farbe(k), QColor(QStringLiteral("#8080FF")));
            QVERIFY(!w.karte(k)->font().italic());
            QVERIFY(w.karte(k)->font().bold());
            QCOMPARE(w.karte(k)->font().pointSizeF(), 18.0);
        }
    }

    void helpShowsItsText() {
        Window w;
        QTest::mouseClick(w.befehl(2), Qt::LeftButton);
        QCOMPARE(w.fake.dialogs.count(), 1);
        QCOMPARE(w.fake.dialogs.last().text,
                 QStringLiteral("Immer zwei Felder bilden ein Zahlenpaar, klicke\r"
                                "die Einzelfelder an und suche so Zahlenpaare!"));
        QCOMPARE(w.fake.dialogs.last().title, QStringLiteral("Memory"));
        QCOMPARE(w.fake.dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(w.fake.dialogs.last().icon, Dialogs::Icon::None);
        QVERIFY(w.navigator.calls.isEmpty());
    }

    void clickedCardsShowTextsAndFoundPairTurnsBlueAndItalic() {
        Window w(7);
        const QString deal = dealOf(7);
        const auto [a, b] = ungleichesPaar(deal);
        w.klick(a);
        w.klick(b);
        Game twin(7);
        twin.deal();
        QCOMPARE(w.karte(a)->text(), twin.game.kartenText(a));
        QCOMPARE(w.karte(b)->text(), twin.game.kartenText(b));
        const int partner = paare(deal).at(deal.at(0).digitValue()).at(1);
        w.klick(1);
        w.klick(partner);
        QVERIFY(w.karte(b)->text().isEmpty());
        for (int k : {1, partner}) {
            QCOMPARE(w.karte(k)->text(), twin.game.kartenText(1));
            QCOMPARE(w.farbe(k), QColor(QStringLiteral("#0000FF")));
            QVERIFY(w.karte(k)->font().italic());
        }
        QCOMPARE(w.farbe(b), QColor(QStringLiteral("#8080FF")));
        QVERIFY(!w.karte(b)->font().italic());
    }

    void endeQuestionTextsAndNoKeepsWindow() {
        Window w;
        w.fake.dialogs.answerNext(Dialogs::Answer::No);
        QTest::mouseClick(w.befehl(1), Qt::LeftButton);
        const FakeDialogs::Shown &box = w.fake.dialogs.last();
        QCOMPARE(box.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
        QCOMPARE(box.title, QStringLiteral("Memory"));
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(box.defaultButton, Dialogs::Answer::Yes);
        QCOMPARE(box.icon, Dialogs::Icon::Critical);
        QVERIFY(w.navigator.calls.isEmpty());
    }

    void leavingKeepsTheBoardForTheNextVisit_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("ENDE answered Yes") << false;
        QTest::newRow("close box") << true;
    }
    void leavingKeepsTheBoardForTheNextVisit() {
        QFETCH(bool, byCloseBox);
        Window w(11);
        const QString deal = dealOf(11);
        const auto pairs = paare(deal);
        const int partner = pairs.at(deal.at(0).digitValue()).at(1);
        w.klick(1);
        w.klick(partner);
        const int b = partner == 2 ? 3 : 2;
        w.klick(b); // opens a new attempt beside the found pair
        const QStringList before = w.texte();
        if (byCloseBox) {
            QVERIFY(!w.window.close());
            QCOMPARE(w.fake.dialogs.count(), 0);
        } else {
            w.fake.dialogs.answerNext(Dialogs::Answer::Yes);
            QTest::mouseClick(w.befehl(1), Qt::LeftButton);
        }
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
        QCOMPARE(w.texte(), before);
        // Back again: the open card is still the first of its attempt, on the same deal.
        const auto &pairOfB = pairs.at(deal.at(b - 1).digitValue());
        const int partnerOfB = pairOfB.at(0) == b ? pairOfB.at(1) : pairOfB.at(0);
        w.klick(partnerOfB);
        QCOMPARE(w.farbe(b), QColor(QStringLiteral("#0000FF")));
        QCOMPARE(w.farbe(partnerOfB), QColor(QStringLiteral("#0000FF")));
    }

    void ninthPairCongratulatesResetsAndReturnsToStart() {
        Window w(3);
        const auto pairs = paare(dealOf(3));
        QStringList textsDuringMessage;
        w.fake.dialogs.whileOpen = [&](const FakeDialogs::Shown &) {
            textsDuringMessage = w.texte();
        };
        for (int value = 1; value <= 9; ++value) {
            w.klick(pairs.at(value).at(0));
            w.klick(pairs.at(value).at(1));
            QCOMPARE(w.fake.dialogs.count(), value == 9 ? 1 : 0);
        }
        QCOMPARE(w.fake.dialogs.last().text, QStringLiteral("Prima, du hast es geschafft!\r"));
        QCOMPARE(w.fake.dialogs.last().title, QStringLiteral("Memory"));
        QCOMPARE(w.fake.dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(w.fake.dialogs.last().icon, Dialogs::Icon::None);
        QVERIFY(!textsDuringMessage.contains(QString())); // the whole board is open meanwhile
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
        QCOMPARE(w.texte(), QStringList(18, QString()));
        for (int k = 1; k <= 18; ++k) {
            QCOMPARE(w.farbe(k), QColor(QStringLiteral("#8080FF")));
            QVERIFY(!w.karte(k)->font().italic());
        }
        w.klick(5); // the next visit deals anew and opens the clicked card
        QVERIFY(!w.karte(5)->text().isEmpty());
        QCOMPARE(w.texte().count(QString()), 17);
    }
};

QTEST_MAIN(TestMemory)
#include "test_memory.moc"
