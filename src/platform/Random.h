// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

// The program's one uniform generator r in [0, 1). Re-seeding mixes a value into the running
// state and never restarts the sequence, so two re-seeds within the same clock second still
// give different numbers.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Int(r * n) + m
    int draw(int n, int m = 0) { return static_cast<int>(next() * n) + m; }

    void reseed(int secondsSinceMidnight) {
        const auto mixed =
            engine_() ^ (static_cast<std::uint64_t>(secondsSinceMidnight) * 0x9E3779B97F4A7C15ULL);
        engine_.seed(mixed);
    }

private:
    std::mt19937_64 engine_;
};
