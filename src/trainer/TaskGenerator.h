// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class Random;

// The random draws of the trainer windows. Seeding is the caller's: each draw here only reads
// numbers from the generator, in the order the tasks are built.
namespace TaskGenerator {

struct Operanden {
    int a = 0; // first operand (middle row of a multiple task)
    int b = 0; // second operand
    int c = 0; // third operand, the top row of a multiple task
};

// a, b: 100..999; c: 100..599.
Operanden additionZiehen(Random &random);
// One draw of a: 500..999, b: 100..499, c: 500..999, not yet checked.
Operanden subtraktionZiehen(Random &random);
// True when the subtraction of the current mode leaves at least 10.
bool subtraktionPasst(const Operanden &o, bool mehrfachModus);

// a and b of a gap task, ones first: a: 100..999, b: 100..999.
Operanden lueckenZahlenZiehen(Random &random);
// The blanking pattern of a gap task, 1..10.
int lueckenMusterZiehen(Random &random);
// The three gap fields (luecke numbers) that pattern k (1..10) empties.
const int *lueckenMuster(int k);

// The expected carry digits over the thousands, hundreds and tens column of a column addition
// of the given rows (Zahlenzeilen): three digit characters, "2" possible with three rows.
QString behalteBerechnen(const QStringList &rows);

} // namespace TaskGenerator
