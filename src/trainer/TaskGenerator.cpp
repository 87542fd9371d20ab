// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/TaskGenerator.h"

#include "platform/Random.h"
#include "vocabulary/Zahlenzeile.h"

#include <array>

namespace TaskGenerator {

namespace {

int dreistellig(Random &random, int hundredsRange, int hundredsMin) {
    const int h = random.draw(hundredsRange, hundredsMin);
    const int z = random.draw(10);
    const int e = random.draw(10);
    return 100 * h + 10 * z + e;
}

int einerZuerst(Random &random) {
    const int e = random.draw(10);
    const int z = random.draw(10);
    const int h = random.draw(9, 1);
    return 100 * h + 10 * z + e;
}

constexpr std::array<std::array<int, 3>, 10> kMuster{{
    {1, 5, 12},
    {4, 2, 6},
    {3, 1, 11},
    {6, 4, 11},
    {1, 2, 6},
    {1, 5, 3},
    {2, 3, 4},
    {1, 5, 6},
    {6, 2, 1},
    {3, 4, 5},
}};

} // namespace

Operanden additionZiehen(Random &random) {
    Operanden o;
    o.a = dreistellig(random, 9, 1);
    o.b = dreistellig(random, 9, 1);
    o.c = dreistellig(random, 5, 1);
    return o;
}

Operanden subtraktionZiehen(Random &random) {
    Operanden o;
    o.a = dreistellig(random, 5, 5);
    o.b = dreistellig(random, 4, 1);
    o.c = dreistellig(random, 5, 5);
    return o;
}

bool subtraktionPasst(const Operanden &o, bool mehrfachModus) {
    return mehrfachModus ? o.c - o.a - o.b >= 10 : o.a - o.b >= 10;
}

Operanden lueckenZahlenZiehen(Random &random) {
    Operanden o;
    o.a = einerZuerst(random);
    o.b = einerZuerst(random);
    return o;
}

int lueckenMusterZiehen(Random &random) {
    return random.draw(10, 1);
}

const int *lueckenMuster(int k) {
    return kMuster.at(static_cast<std::size_t>(k - 1)).data();
}

QString behalteBerechnen(const QStringList &rows) {
    auto spaltenSumme = [&rows](int k) {
        int sum = 0;
        for (const QString &row : rows) {
            sum += ziffer(row, k);
        }
        return sum;
    };
    const int t1 = spaltenSumme(4) / 10;
    const int t2 = (t1 + spaltenSumme(3)) / 10;
    const int t3 = (t2 + spaltenSumme(2)) / 10;
    return QString::number(t3) + QString::number(t2) + QString::number(t1);
}

} // namespace TaskGenerator
