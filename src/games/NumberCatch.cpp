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

NumberCatch::NumberCatch(Modul1 &modul1, Random &random) : modul1_(modul1), random_(random) {
}

void NumberCatch::prepare() {
    modul1_.spielerX = static_cast<std::int16_t>(kStartSpieler.column);
    modul1_.spielerY = static_cast<std::int16_t>(kStartSpieler.row);
    for (int i = 1; i <= kZiffernAnzahl; ++i) {
        modul1_.zifferX[i] = static_cast<std::int16_t>(i + kDiagonaleVersatz);
        modul1_.zifferY[i] = static_cast<std::int16_t>(i + kDiagonaleVersatz);
    }
    modul1_.restZiffern = QStringLiteral("0123456789");
    ziffernGezeichnet_ = false;
    spielerGezeichnet_ = false;
}

bool NumberCatch::move(Direction direction) {
    if (isOver()) {
        return false;
    }
    int x = modul1_.spielerX;
    int y = modul1_.spielerY;
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
    modul1_.spielerX = static_cast<std::int16_t>(std::clamp(x, kErsteSpalte, kLetzteSpalte));
    modul1_.spielerY = static_cast<std::int16_t>(std::clamp(y, kErsteZeile, kLetzteZeile));
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
    const int n = static_cast<int>(modul1_.restZiffern.size());
    for (int i = 1; i <= n; ++i) {
        // Both coordinates are drawn anew until no earlier digit shares the column or the row.
        bool frei = false;
        while (!frei) {
            modul1_.zifferX[i] = static_cast<std::int16_t>(
                random_.draw(kLetzteSpalte - kErsteSpalte + 1, kErsteSpalte));
            modul1_.zifferY[i] = static_cast<std::int16_t>(
                random_.draw(kLetzteZeile - kErsteZeile + 1, kErsteZeile));
            frei = true;
            for (int j = 1; j < i && frei; ++j) {
                frei = modul1_.zifferX[j] != modul1_.zifferX[i] &&
                       modul1_.zifferY[j] != modul1_.zifferY[i];
            }
        }
    }
    ziffernGezeichnet_ = true;
}

bool NumberCatch::spielerSetzen() {
    const int n = static_cast<int>(modul1_.restZiffern.size());
    const bool gefangen = ziffer(1) == Cell{modul1_.spielerX, modul1_.spielerY};
    if (gefangen) {
        for (int i = 1; i < n; ++i) {
            modul1_.zifferX[i] = modul1_.zifferX[i + 1];
            modul1_.zifferY[i] = modul1_.zifferY[i + 1];
        }
        modul1_.restZiffern.remove(0, 1);
        ziffernGezeichnet_ = true;
    }
    spielerGezeichnet_ = true;
    return gefangen && isOver();
}

NumberCatch::Cell NumberCatch::ziffer(int i) const {
    return {modul1_.zifferX[i], modul1_.zifferY[i]};
}

QList<NumberCatch::DrawnDigit> NumberCatch::drawnDigits() const {
    QList<DrawnDigit> digits;
    if (ziffernGezeichnet_) {
        for (int i = 1; i <= modul1_.restZiffern.size(); ++i) {
            digits.append({modul1_.restZiffern.at(i - 1), ziffer(i)});
        }
    }
    return digits;
}

std::optional<NumberCatch::Cell> NumberCatch::drawnPlayer() const {
    if (!spielerGezeichnet_) {
        return std::nullopt;
    }
    return Cell{modul1_.spielerX, modul1_.spielerY};
}
