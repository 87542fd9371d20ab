// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// The time to draw a worksheet and build its clipboard text, per module, with the program's own
// generator and clock.
//
//   worksheet [COUNT]
//   prints one line per module: modul=Addition median_us=20.1 p99_us=31.0
#include "Percentile.h"
#include "platform/Random.h"
#include "platform/SystemClock.h"
#include "worksheet/WorksheetText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

} // namespace

int main(int argc, char *argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    SystemClock clock;
    Random random(1);
    const struct {
        Modul modul;
        const char *name;
    } module[] = {{Modul::Addition, "Addition"},
                  {Modul::Subtraktion, "Subtraktion"},
                  {Modul::Gemischt, "Gemischt"}};
    std::size_t textLength = 0;
    for (const auto &[modul, name] : module) {
        std::vector<double> micros;
        micros.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const Steady::time_point start = Steady::now();
            const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
            textLength += static_cast<std::size_t>(WorksheetText::ablageText(lines, modul).size());
            micros.push_back(
                std::chrono::duration<double, std::micro>(Steady::now() - start).count());
        }
        std::printf("modul=%s median_us=%.1f p99_us=%.1f\n", name, percentile(micros, 0.5),
                    percentile(micros, 0.99));
    }
    // The texts' total length keeps the work from being optimised away.
    return textLength > 0 ? 0 : 1;
}
