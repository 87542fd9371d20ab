// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "games/NumberCatchState.h"

#include <QChar>
#include <QList>
#include <optional>

class Random;

// The rules of the number-catch game on the shared state: the "+" steps over a field of columns
// 1..24 and rows 3..16, the remaining digits jump to new cells, and only the digit due next is
// caught when the "+" stands on it. It also knows what the field shows: nothing at the start,
// the digits from the first jump or catch on, the "+" from the first move or jump on.
class NumberCatch {
public:
    enum class Direction { Left, Up, Down, Right };

    struct Cell {
        int column;
        int row;
        bool operator==(const Cell &) const = default;
    };

    struct DrawnDigit {
        QChar ziffer;
        Cell cell;
    };

    static constexpr int kErsteSpalte = 1;
    static constexpr int kLetzteSpalte = 24;
    static constexpr int kErsteZeile = 3;
    static constexpr int kLetzteZeile = 16;

    NumberCatch(NumberCatchState &state, Random &random);

    // The start of a game: the "+" at (14, 9), the digits 0..9 on the diagonal (4, 4)..(13, 13),
    // the field empty.
    void prepare();

    // One step of the "+", held inside the field, then the catch test. Returns true when it
    // caught the last digit; does nothing once nothing is left to catch.
    bool move(Direction direction);
    // One jump of all remaining digits, then the catch test. Returns true when it caught the
    // last digit; does nothing once nothing is left to catch.
    bool tick();

    bool isOver() const { return state_.restZiffern.isEmpty(); }
    // The digit to catch next, or an empty text when all are caught.
    QString naechsteZiffer() const { return state_.restZiffern.left(1); }

    QList<DrawnDigit> drawnDigits() const;
    std::optional<Cell> drawnPlayer() const;

private:
    void ziffernVerteilen();
    bool spielerSetzen();
    Cell ziffer(int i) const;

    NumberCatchState &state_;
    Random &random_;
    bool ziffernGezeichnet_ = false;
    bool spielerGezeichnet_ = false;
};
