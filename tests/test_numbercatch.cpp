// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeNavigator.h"
#include "fakes/FakeTimer.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "games/NumberCatch.h"
#include "games/NumberCatchRound.h"
#include "games/NumberCatchState.h"
#include "games/NumberCatchWindow.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>

using Cell = NumberCatch::Cell;
using Direction = NumberCatch::Direction;

Q_DECLARE_METATYPE(Direction)

namespace {

constexpr int seeds = 400;
const QRgb tinte = QColor(QStringLiteral("#000080")).rgb();

Cell spieler(const NumberCatchState &m) {
    return {m.spielerX, m.spielerY};
}

Cell ziffer(const NumberCatchState &m, int i) {
    return {m.zifferX[i], m.zifferY[i]};
}

void setzeSpieler(NumberCatchState &m, Cell cell) {
    m.spielerX = static_cast<std::int16_t>(cell.column);
    m.spielerY = static_cast<std::int16_t>(cell.row);
}

void setzeZiffer(NumberCatchState &m, int i, Cell cell) {
    m.zifferX[i] = static_cast<std::int16_t>(cell.column);
    m.zifferY[i] = static_cast<std::int16_t>(cell.row);
}

// A fresh game on its own state and generator.
struct Game {
    explicit Game(std::uint64_t seed) : random(seed), game(state, random) { game.prepare(); }
    NumberCatchState state;
    Random random;
    NumberCatch game;
};

// A seed whose first jump of a lone "9" lands it on the "+" at the start cell.
std::uint64_t seedCatchingLoneNineOnFirstJump() {
    for (std::uint64_t seed = 1;; ++seed) {
        Game g(seed);
        g.state.restZiffern = QStringLiteral("9");
        if (g.game.tick()) {
            return seed;
        }
    }
}

// A round on its own fakes, without a window.
struct Round {
    explicit Round(std::uint64_t seed = 1)
        : fake(seed), game(state, fake.random), runde(game, timer, fake.dialogs, navigator) {}
    TestPlatform fake;
    FakeNavigator navigator;
    NumberCatchState state;
    FakeTimer timer;
    NumberCatch game;
    NumberCatchRound runde;
};

// The window with everything it is handed.
struct Window {
    explicit Window(std::uint64_t seed = 1)
        : fake(seed), form(fake.platform, navigator, state, timer) {}
    TestPlatform fake;
    FakeNavigator navigator;
    NumberCatchState state;
    FakeTimer timer;
    NumberCatchWindow form;

    template <typename T> T *child(const char *name) {
        return form.findChild<T *>(QString::fromLatin1(name));
    }
    QString label() { return child<QLabel>("Bezeichnung3")->text(); }
    QWidget *feld() { return child<QWidget>("Spielfeld"); }
    void key(Qt::Key key, QWidget *target = nullptr) {
        QTest::keyClick(target ? target : &form, key);
    }
};

bool hatTinte(const QImage &image, const QRect &area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == tinte) {
                return true;
            }
        }
    }
    return false;
}

// The area of a cell in client-area pixels: 14 x 14 points from (14 x column, 14 x row).
QRect zelle(Cell cell) {
    return {twipsPoint(cell.column * 280, cell.row * 280), QSize(twips(280), twips(280))};
}

} // namespace

class TestNumberCatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- the rules, on plain state ---

    void prepareSetsStartValuesAndEmptyField() {
        NumberCatchState m;
        m.restZiffern = QStringLiteral("7");
        m.zifferX[1] = 20;
        Random random(1);
        NumberCatch game(m, random);
        game.tick();
        game.prepare();
        QCOMPARE(spieler(m), (Cell{14, 9}));
        QCOMPARE(m.restZiffern, QStringLiteral("0123456789"));
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(ziffer(m, i), (Cell{i + 3, i + 3}));
        }
        QVERIFY(game.drawnDigits().isEmpty());
        QVERIFY(!game.drawnPlayer());
    }

    void jumpsPlaceDigitsInDistinctColumnsAndRowsInsideField_data() {
        QTest::addColumn<QString>("rest");
        QTest::newRow("all ten") << QStringLiteral("0123456789");
        QTest::newRow("five left") << QStringLiteral("56789");
        QTest::newRow("two left") << QStringLiteral("89");
    }
    void jumpsPlaceDigitsInDistinctColumnsAndRowsInsideField() {
        QFETCH(QString, rest);
        QSet<int> columns;
        QSet<int> rows;
        for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
            Game g(seed);
            g.state.restZiffern = rest;
            for (int jump = 0; jump < 3 && !g.game.isOver(); ++jump) {
                g.game.tick();
                const int n = static_cast<int>(g.state.restZiffern.size());
                QSet<int> jumpColumns;
                QSet<int> jumpRows;
                for (int i = 1; i <= n; ++i) {
                    const Cell c = ziffer(g.state, i);
                    QVERIFY2(c.column >= 1 && c.column <= 24, qPrintable(QString::number(seed)));
                    QVERIFY2(c.row >= 3 && c.row <= 16, qPrintable(QString::number(seed)));
                    jumpColumns.insert(c.column);
                    jumpRows.insert(c.row);
                }
                QCOMPARE(jumpColumns.size(), n);
                QCOMPARE(jumpRows.size(), n);
                columns.unite(jumpColumns);
                rows.unite(jumpRows);
            }
        }
        // Every column and every row of the field is reached.
        QCOMPARE(columns.size(), 24);
        QCOMPARE(rows.size(), 14);
    }

    void jumpThatDropsDueDigitOnPlayerCatchesItInThatJump() {
        // Where the "0" lands does not depend on the "+"; find a jump that does not catch it.
        std::uint64_t seed = 1;
        Cell landing{};
        for (;; ++seed) {
            Game first(seed);
            first.game.tick();
            if (first.state.restZiffern.startsWith(QLatin1Char('0'))) {
                landing = ziffer(first.state, 1);
                break;
            }
        }
        Game g(seed);
        setzeSpieler(g.state, landing);
        QVERIFY(!g.game.tick());
        QCOMPARE(g.state.restZiffern, QStringLiteral("123456789"));
        QCOMPARE(g.game.naechsteZiffer(), QStringLiteral("1"));
    }

    void jumpThatDropsOtherDigitOnPlayerCatchesNothing() {
        Game first(5);
        first.game.tick();
        QVERIFY(first.state.restZiffern.startsWith(QLatin1Char('0')));
        const Cell landingOfOne = ziffer(first.state, 2);
        Game g(5);
        setzeSpieler(g.state, landingOfOne);
        g.game.tick();
        QCOMPARE(g.state.restZiffern, QStringLiteral("0123456789"));
        QCOMPARE(ziffer(g.state, 2), landingOfOne);
    }

    void moveStepsOneCellHeldInsideField_data() {
        QTest::addColumn<Cell>("from");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<Cell>("to");
        QTest::newRow("left") << Cell{14, 9} << Direction::Left << Cell{13, 9};
        QTest::newRow("right") << Cell{14, 9} << Direction::Right << Cell{15, 9};
        QTest::newRow("up") << Cell{14, 9} << Direction::Up << Cell{14, 8};
        QTest::newRow("down") << Cell{14, 9} << Direction::Down << Cell{14, 10};
        QTest::newRow("left at column 1") << Cell{1, 9} << Direction::Left << Cell{1, 9};
        QTest::newRow("right at column 24") << Cell{24, 9} << Direction::Right << Cell{24, 9};
        QTest::newRow("up at row 3") << Cell{14, 3} << Direction::Up << Cell{14, 3};
        QTest::newRow("down at row 16") << Cell{14, 16} << Direction::Down << Cell{14, 16};
        QTest::newRow("into column 24") << Cell{23, 16} << Direction::Right << Cell{24, 16};
        QTest::newRow("into row 3") << Cell{1, 4} << Direction::Up << Cell{1, 3};
    }
    void moveStepsOneCellHeldInsideField() {
        QFETCH(Cell, from);
        QFETCH(Direction, direction);
        QFETCH(Cell, to);
        Game g(1);
        setzeSpieler(g.state, from);
        g.game.move(direction);
        QCOMPARE(spieler(g.state), to);
        QCOMPARE(g.game.drawnPlayer(), std::optional<Cell>(to));
    }

    void stepAgainstBorderStillRunsCatchTest() {
        Game g(1);
        setzeSpieler(g.state, {1, 3});
        setzeZiffer(g.state, 1, {1, 3});
        g.game.move(Direction::Left);
        QCOMPARE(g.state.restZiffern, QStringLiteral("123456789"));
    }

    void steppingOntoDueDigitCatchesItAndShiftsTheRest() {
        Game g(3);
        g.game.tick();
        QVERIFY(g.state.restZiffern.startsWith(QLatin1Char('0')));
        QList<Cell> before;
        for (int i = 1; i <= 10; ++i) {
            before.append(ziffer(g.state, i));
        }
        const Cell due = before.first();
        const bool fromLeft = due.column > 1;
        setzeSpieler(g.state, {fromLeft ? due.column - 1 : due.column + 1, due.row});
        QVERIFY(!g.game.move(fromLeft ? Direction::Right : Direction::Left));
        QCOMPARE(g.state.restZiffern, QStringLiteral("123456789"));
        QCOMPARE(g.game.naechsteZiffer(), QStringLiteral("1"));
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(ziffer(g.state, i), before.at(i));
        }
    }

    void standingOnDigitNotDueCatchesNothing() {
        Game g(1);
        setzeSpieler(g.state, {6, 5});
        g.game.move(Direction::Left); // onto the undrawn "1" at (5, 5)
        QCOMPARE(spieler(g.state), (Cell{5, 5}));
        QCOMPARE(g.state.restZiffern, QStringLiteral("0123456789"));
        QVERIFY(g.game.drawnDigits().isEmpty());
    }

    void beforeFirstJumpMovingToFourFourCatchesUndrawnZero() {
        Game g(1);
        for (int step = 0; step < 10; ++step) {
            g.game.move(Direction::Left); // passes the undrawn "6" at (9, 9)
        }
        for (int step = 0; step < 4; ++step) {
            g.game.move(Direction::Up);
        }
        QCOMPARE(g.state.restZiffern, QStringLiteral("0123456789"));
        QVERIFY(g.game.drawnDigits().isEmpty());
        QCOMPARE(g.game.drawnPlayer(), std::optional<Cell>(Cell{4, 5}));
        g.game.move(Direction::Up);
        QCOMPARE(spieler(g.state), (Cell{4, 4}));
        QCOMPARE(g.state.restZiffern, QStringLiteral("123456789"));
        // The catch draws the remaining digits where they lie.
        const auto drawn = g.game.drawnDigits();
        QCOMPARE(drawn.size(), 9);
        QCOMPARE(drawn.first().ziffer, QLatin1Char('1'));
        QCOMPARE(drawn.first().cell, (Cell{5, 5}));
    }

    void jumpDrawsDigitsAndPlayer() {
        Game g(1);
        g.game.tick();
        QCOMPARE(g.game.drawnPlayer(), std::optional<Cell>(Cell{14, 9}));
        const auto drawn = g.game.drawnDigits();
        QCOMPARE(drawn.size(), g.state.restZiffern.size());
        for (int i = 0; i < drawn.size(); ++i) {
            QCOMPARE(drawn.at(i).ziffer, g.state.restZiffern.at(i));
            QCOMPARE(drawn.at(i).cell, ziffer(g.state, i + 1));
        }
    }

    void catchingAllTenInOrderReportsTheWinOnlyWithTheTenth() {
        Game g(1);
        QString caught;
        int wins = 0;
        while (!g.game.isOver()) {
            const QString due = g.game.naechsteZiffer();
            const Cell target = ziffer(g.state, 1);
            const Cell at = spieler(g.state);
            const Direction d = at.column < target.column   ? Direction::Right
                                : at.column > target.column ? Direction::Left
                                : at.row < target.row       ? Direction::Down
                                                            : Direction::Up;
            wins += g.game.move(d) ? 1 : 0;
            if (g.game.naechsteZiffer() != due) {
                caught += due;
            }
        }
        QCOMPARE(caught, QStringLiteral("0123456789"));
        QCOMPARE(wins, 1);
        QCOMPARE(g.game.naechsteZiffer(), QString());
    }

    void afterTheLastCatchMovesAndJumpsChangeNothing() {
        Game g(1);
        g.state.restZiffern = QStringLiteral("9");
        setzeZiffer(g.state, 1, {13, 9});
        QVERIFY(g.game.move(Direction::Left));
        const NumberCatchState after = g.state;
        // The stale cell of the caught "9" lies under the "+": nothing may be caught again.
        QVERIFY(!g.game.tick());
        QVERIFY(!g.game.move(Direction::Right));
        QCOMPARE(spieler(g.state), spieler(after));
        QCOMPARE(g.state.zifferX, after.zifferX);
        QCOMPARE(g.state.zifferY, after.zifferY);
        QCOMPARE(g.state.restZiffern, QString());
    }

    // --- the window ---

    void windowHasFixedSizeCaptionAndControlsAtTheirPlaces_data() {
        using LayoutCheck::row;
        LayoutCheck::addColumns();
        row("Befehl1", 120, 120, 735, 495);
        row("Bild1", 1200, 120, 495, 495);
        row("Bild2", 1680, 120, 495, 495);
        row("Bild3", 2160, 120, 495, 495);
        row("Bild4", 2640, 120, 495, 495);
        row("Bezeichnung3", 3480, 120, 375, 495);
        row("Figur1", 4200, 120, 2895, 495);
        row("Bezeichnung1", 4320, 240, 735, 255);
        row("HBildlauf1", 5040, 240, 1095, 255);
        row("Bezeichnung2", 6240, 240, 735, 255);
        row("Figur2", 120, 720, 6975, 4215);
    }
    void windowHasFixedSizeCaptionAndControlsAtTheirPlaces() {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Zahlfange"));
        QCOMPARE(w.form.minimumSize(), QSize(twips(7245), twips(5085)));
        QCOMPARE(w.form.maximumSize(), w.form.minimumSize());
        LayoutCheck::compareCurrentRow(&w.form);
    }

    void windowShowsTextsAndArrowsOfItsTable() {
        Window w;
        QCOMPARE(w.child<QPushButton>("Befehl1")->text(), QStringLiteral("ENDE"));
        QCOMPARE(w.child<QLabel>("Bezeichnung1")->text(), QStringLiteral("schnell"));
        QCOMPARE(w.child<QLabel>("Bezeichnung2")->text(), QStringLiteral("langsam"));
        QCOMPARE(w.label(), QStringLiteral("0"));
        const QLabel *next = w.child<QLabel>("Bezeichnung3");
        QCOMPARE(next->font().pointSizeF(), 24.0);
        QVERIFY(next->font().bold());
        QCOMPARE(next->palette().color(QPalette::WindowText), QColor(QStringLiteral("#FF0000")));
        QVERIFY(next->alignment() & Qt::AlignRight);
        QCOMPARE(w.child<PictureBox>("Bild1")->icon(), std::optional<Icon>(Icon::ArrowLeft));
        QCOMPARE(w.child<PictureBox>("Bild2")->icon(), std::optional<Icon>(Icon::ArrowUp));
        QCOMPARE(w.child<PictureBox>("Bild3")->icon(), std::optional<Icon>(Icon::ArrowDown));
        QCOMPARE(w.child<PictureBox>("Bild4")->icon(), std::optional<Icon>(Icon::ArrowRight));
        const QScrollBar *bar = w.child<QScrollBar>("HBildlauf1");
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 5);
    }

    void startPreparesStateAndRunsTimerAtSpeedOfBar() {
        Window w;
        QVERIFY(!w.timer.isEnabled());
        w.form.spielStarten();
        QCOMPARE(w.state.restZiffern, QStringLiteral("0123456789"));
        QCOMPARE(spieler(w.state), (Cell{14, 9}));
        QVERIFY(w.timer.isEnabled());
        QCOMPARE(w.timer.interval(), w.child<QScrollBar>("HBildlauf1")->value() * 1000);
    }

    void activationCentresWindow() {
        Window w;
        w.fake.screen.screenGeometry = QRect(0, 0, 1000, 800);
        w.form.activated();
        const QRect outer = w.form.frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint((1000 - outer.width()) / 2, (800 - outer.height()) / 2));
    }

    void speedBarSetsIntervalAtOnceAndKeepsItForNextGame_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("schnell") << 1;
        QTest::newRow("middle") << 2;
        QTest::newRow("langsam") << 5;
    }
    void speedBarSetsIntervalAtOnceAndKeepsItForNextGame() {
        QFETCH(int, value);
        Window w;
        w.form.spielStarten();
        auto *bar = w.child<QScrollBar>("HBildlauf1");
        bar->setValue(value);
        QCOMPARE(w.timer.interval(), value * 1000);
        QVERIFY(w.timer.isEnabled());
        QCOMPARE(w.form.focusWidget(), w.child<QWidget>("Bild1"));
        w.key(Qt::Key_Escape);
        QCOMPARE(w.timer.interval(), 1000);
        w.form.spielStarten();
        QCOMPARE(bar->value(), value);
        QCOMPARE(w.timer.interval(), value * 1000);
    }

    void keysAndArrowPicturesMoveThePlayer_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("key");
        QTest::addColumn<Cell>("to");
        QTest::newRow("left") << "Bild1" << int(Qt::Key_Left) << Cell{13, 9};
        QTest::newRow("up") << "Bild2" << int(Qt::Key_Up) << Cell{14, 8};
        QTest::newRow("down") << "Bild3" << int(Qt::Key_Down) << Cell{14, 10};
        QTest::newRow("right") << "Bild4" << int(Qt::Key_Right) << Cell{15, 9};
    }
    void keysAndArrowPicturesMoveThePlayer() {
        QFETCH(QString, picture);
        QFETCH(int, key);
        QFETCH(Cell, to);
        Window byKey;
        byKey.form.spielStarten();
        byKey.key(static_cast<Qt::Key>(key));
        QCOMPARE(spieler(byKey.state), to);
        Window byClick;
        byClick.form.spielStarten();
        QTest::mouseClick(byClick.form.findChild<QWidget *>(picture), Qt::LeftButton);
        QCOMPARE(spieler(byClick.state), to);
    }

    void cursorKeysMoveThePlayerWhileSpeedBarHasFocus() {
        Window w;
        w.form.spielStarten();
        auto *bar = w.child<QScrollBar>("HBildlauf1");
        w.key(Qt::Key_Right, bar);
        w.key(Qt::Key_Up, bar);
        QCOMPARE(spieler(w.state), (Cell{15, 8}));
        QCOMPARE(bar->value(), 3);
    }

    void labelShowsNextDigitAfterCatch() {
        Window w;
        w.form.spielStarten();
        setzeZiffer(w.state, 1, {13, 9});
        w.key(Qt::Key_Left);
        QCOMPARE(w.label(), QStringLiteral("1"));
    }

    void fieldIsEmptyBeforeFirstTickAndPaintsFromState() {
        Window w;
        w.form.spielStarten();
        const QRect field = w.feld()->geometry();
        QVERIFY(!hatTinte(w.form.grab().toImage(), field));
        QVERIFY(w.timer.fire());
        QImage image = w.form.grab().toImage();
        QVERIFY(hatTinte(image, zelle(spieler(w.state))));
        for (int i = 1; i <= w.state.restZiffern.size(); ++i) {
            QVERIFY(hatTinte(image, zelle(ziffer(w.state, i))));
        }
        // A caught digit leaves the field: its cell is blank once the "+" has moved on.
        w.form.spielStarten();
        for (int step = 0; step < 10; ++step) {
            w.key(Qt::Key_Left);
        }
        for (int step = 0; step < 5; ++step) {
            w.key(Qt::Key_Up);
        }
        QCOMPARE(w.label(), QStringLiteral("1"));
        w.key(Qt::Key_Down);
        image = w.form.grab().toImage();
        QVERIFY(!hatTinte(image, zelle({4, 4})));
        QVERIFY(hatTinte(image, zelle({4, 5})));
        QVERIFY(hatTinte(image, zelle({5, 5})));
    }

    void fieldTellsScreenReaderWhatItShows() {
        Window w;
        w.form.spielStarten();
        QCOMPARE(w.feld()->accessibleDescription(), QStringLiteral("Fange die 0."));
        w.key(Qt::Key_Left);
        QCOMPARE(w.feld()->accessibleDescription(),
                 QStringLiteral("Fange die 0. Das Plus steht in Spalte 13, Zeile 9."));
        w.timer.fire();
        const QString text = w.feld()->accessibleDescription();
        QVERIFY2(text.contains(QStringLiteral("Ziffern: 0 in Spalte %1, Zeile %2; 1 in")
                                   .arg(w.state.zifferX[1])
                                   .arg(w.state.zifferY[1])),
                 qPrintable(text));
    }

    // --- the round: timer, messages and the way back ---

    void roundStopsItsTimerBeforeTheWonMessageAndEndsOnce() {
        Round r;
        r.runde.starten(2);
        QVERIFY(r.timer.isEnabled());
        QCOMPARE(r.timer.interval(), 2000);
        r.state.restZiffern = QStringLiteral("9");
        setzeZiffer(r.state, 1, {15, 9});
        bool timerRanDuringMessage = true;
        r.fake.dialogs.whileOpen = [&](const FakeDialogs::Shown &) {
            timerRanDuringMessage = r.timer.isEnabled();
            r.timer.fire();
            r.runde.beenden(); // the close box while the message is open
        };
        r.runde.bewegen(Direction::Right);
        QVERIFY(!timerRanDuringMessage);
        QCOMPARE(r.fake.dialogs.count(), 1);
        QCOMPARE(r.fake.dialogs.last().text, QStringLiteral("  Das Spiel ist beendet!"));
        QCOMPARE(r.navigator.calls, QStringList{QStringLiteral("start")});
        QVERIFY(!r.runde.laeuft());
        QVERIFY(!r.timer.isEnabled());
        QCOMPARE(r.timer.interval(), 1000);
    }

    void roundWonDuringTheEndQuestionEndsOnce() {
        Round r(seedCatchingLoneNineOnFirstJump());
        r.runde.starten(3);
        r.state.restZiffern = QStringLiteral("9");
        r.fake.dialogs.whileOpen = [&](const FakeDialogs::Shown &box) {
            if (box.buttons == Dialogs::Buttons::YesNo) {
                r.timer.fire();
            }
        };
        r.fake.dialogs.answerNext(Dialogs::Answer::Yes);
        r.runde.beendenFragen();
        QCOMPARE(r.fake.dialogs.count(), 2);
        QCOMPARE(r.navigator.calls, QStringList{QStringLiteral("start")});
        QVERIFY(!r.runde.laeuft());
    }

    void catchingNineEndsGameWithOneMessageAndReturnsToStart() {
        Window w;
        w.form.spielStarten();
        w.state.restZiffern = QStringLiteral("9");
        setzeZiffer(w.state, 1, {15, 9});
        bool timerRanDuringMessage = true;
        QString labelDuringMessage;
        w.fake.dialogs.whileOpen = [&](const FakeDialogs::Shown &) {
            timerRanDuringMessage = w.timer.isEnabled();
            labelDuringMessage = w.label();
            w.timer.fire();
        };
        QTest::mouseClick(w.child<QWidget>("Bild4"), Qt::LeftButton);
        QCOMPARE(w.fake.dialogs.count(), 1);
        QCOMPARE(w.fake.dialogs.last().text, QStringLiteral("  Das Spiel ist beendet!"));
        QCOMPARE(w.fake.dialogs.last().title, QStringLiteral("Zahlfange"));
        QCOMPARE(w.fake.dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(w.fake.dialogs.last().icon, Dialogs::Icon::None);
        QVERIFY(!timerRanDuringMessage);
        QCOMPARE(labelDuringMessage, QString());
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
        QVERIFY(!w.timer.isEnabled());
        QCOMPARE(w.timer.interval(), 1000);

        w.timer.setEnabled(true); // even a stray tick finds nothing left
        w.timer.fire();
        w.key(Qt::Key_Left);
        w.key(Qt::Key_Right);
        QCOMPARE(w.fake.dialogs.count(), 1);
        QCOMPARE(w.navigator.calls.size(), 1);
    }

    void escapeAnsweredNoKeepsGameRunning() {
        Window w;
        w.form.spielStarten();
        w.child<QScrollBar>("HBildlauf1")->setValue(2);
        w.timer.fire();
        const NumberCatchState before = w.state;
        w.fake.dialogs.answerNext(Dialogs::Answer::No);
        w.key(Qt::Key_Escape);
        const FakeDialogs::Shown &box = w.fake.dialogs.last();
        QCOMPARE(box.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
        QCOMPARE(box.title, QStringLiteral("Zahlfange"));
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(box.defaultButton, Dialogs::Answer::Yes);
        QCOMPARE(box.icon, Dialogs::Icon::Critical);
        QCOMPARE(w.state.restZiffern, before.restZiffern);
        QCOMPARE(w.state.zifferX, before.zifferX);
        QCOMPARE(w.state.zifferY, before.zifferY);
        QVERIFY(w.timer.isEnabled());
        QCOMPARE(w.timer.interval(), 2000);
        QVERIFY(w.navigator.calls.isEmpty());
    }

    void endeAnsweredYesEndsGame_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("ENDE button") << false;
        QTest::newRow("Escape") << true;
    }
    void endeAnsweredYesEndsGame() {
        QFETCH(bool, byEscape);
        Window w;
        w.form.spielStarten();
        w.child<QScrollBar>("HBildlauf1")->setValue(4);
        w.fake.dialogs.answerNext(Dialogs::Answer::Yes);
        if (byEscape) {
            w.key(Qt::Key_Escape);
        } else {
            QTest::mouseClick(w.child<QPushButton>("Befehl1"), Qt::LeftButton);
        }
        QCOMPARE(w.fake.dialogs.count(), 1);
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
        QVERIFY(!w.timer.isEnabled());
        QCOMPARE(w.timer.interval(), 1000);
    }

    void closeBoxEndsGameWithoutQuestion() {
        Window w;
        w.form.spielStarten();
        QVERIFY(!w.form.close());
        QCOMPARE(w.fake.dialogs.count(), 0);
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
        QVERIFY(!w.timer.isEnabled());
    }

    void lastCatchWhileEndQuestionIsOpenEndsGameOnce() {
        Window w(seedCatchingLoneNineOnFirstJump());
        w.form.spielStarten();
        w.state.restZiffern = QStringLiteral("9");
        w.fake.dialogs.whileOpen = [&](const FakeDialogs::Shown &box) {
            if (box.buttons == Dialogs::Buttons::YesNo) {
                w.timer.fire();
            }
        };
        w.fake.dialogs.answerNext(Dialogs::Answer::Yes);
        w.key(Qt::Key_Escape);
        QCOMPARE(w.fake.dialogs.titles(), QStringList(2, QStringLiteral("Zahlfange")));
        QCOMPARE(w.fake.dialogs.last().text, QStringLiteral("  Das Spiel ist beendet!"));
        QCOMPARE(w.navigator.calls, QStringList{QStringLiteral("start")});
    }
};

QTEST_MAIN(TestNumberCatch)
#include "test_numbercatch.moc"
