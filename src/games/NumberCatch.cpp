// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/NumberCatch.h"

#include "platform/Random.h"

#include <algorithm>

namespace {
constexpr int kZiffernAnzahl = 10;
constexpr NumberCatch::Cell kStartSpieler{14, 9};
// Digit i (1-based) starts on cell (i + 3, i + 3).
constexpr int kDiagonaleVersatz = 3;
} // namespace

NumberCatch::NumberCatch(NumberCatchState &state, Random &random) : state_(state), random_(random) {
}

void NumberCatch::prepare() {
    state_.spielerX = static_cast<std::int16_t>(kStartSpieler.column);
    state_.spielerY = static_cast<std::int16_t>(kStartSpieler.row);
    for (int i = 1; i <= kZiffernAnzahl; ++i) {
        state_.zifferX[i] = static_cast<std::int16_t>(i + kDiagonaleVersatz);
        state_.zifferY[i] = static_cast<std::int16_t>(i + kDiagonaleVersatz);
    }
    state_.restZiffern = QStringLiteral("0123456789");
    ziffernGezeichnet_ = false;
    spielerGezeichnet_ = false;
}

bool NumberCatch::move(Direction direction) {
    if (isOver()) {
        return false;
    }
    int x = state_.spielerX;
    int y = state_.spielerY;
    switch (direction) {
    case Direction::Left:
        --x;
        break;
    case Direction::Up:
        --y;
        break;
    case Direction::Down:
        ++y;
        break;
    case Direction::Right:
        ++x;
        break;
    }
    state_.spielerX = static_cast<std::int16_t>(std::clamp(x, kErsteSpalte, kLetzteSpalte));
    state_.spielerY = static_cast<std::int16_t>(std::clamp(y, kErsteZeile, kLetzteZeile));
    return spielerSetzen();
}

bool NumberCatch::tick() {
    if (isOver()) {
        return false;
    }
    ziffernVerteilen();
    return spielerSetzen();
}

void NumberCatch::ziffernVerteilen() {
    const int n = static_cast<int>(state_.restZiffern.size());
    for (int i = 1; i <= n; ++i) {
        // Both coordinates are drawn anew until no earlier digit shares the column or the row.
        bool frei = false;
        while (!frei) {
            state_.zifferX[i] = static_cast<std::int16_t>(
                random_.draw(kLetzteSpalte - kErsteSpalte + 1, kErsteSpalte));
            state_.zifferY[i] = static_cast<std::int16_t>(
                random_.draw(kLetzteZeile - kErsteZeile + 1, kErsteZeile));
            frei = true;
            for (int j = 1; j < i && frei; ++j) {
                frei = state_.zifferX[j] != state_.zifferX[i] &&
                       state_.zifferY[j] != state_.zifferY[i];
            }
        }
    }
    ziffernGezeichnet_ = true;
}

bool NumberCatch::spielerSetzen() {
    const int n = static_cast<int>(state_.restZiffern.size());
    const bool gefangen = ziffer(1) == Cell{state_.spielerX, state_.spielerY};
    if (gefangen) {
        for (int i = 1; i < n; ++i) {
            state_.zifferX[i] = state_.zifferX[i + 1];
            state_.zifferY[i] = state_.zifferY[i + 1];
        }
        state_.restZiffern.remove(0, 1);
        ziffernGezeichnet_ = true;
    }
    spielerGezeichnet_ = true;
    return gefangen && isOver();
}

NumberCatch::Cell NumberCatch::ziffer(int i) const {
    return {state_.zifferX[i], state_.zifferY[i]};
}

QList<NumberCatch::DrawnDigit> NumberCatch::drawnDigits() const {
    QList<DrawnDigit> digits;
    if (ziffernGezeichnet_) {
        for (int i = 1; i <= state_.restZiffern.size(); ++i) {
            digits.append({state_.restZiffern.at(i - 1), ziffer(i)});
        }
    }
    return digits;
}

std::optional<NumberCatch::Cell> NumberCatch::drawnPlayer() const {
    if (!spielerGezeichnet_) {
        return std::nullopt;
    }
    return Cell{state_.spielerX, state_.spielerY};
}
