// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An answer field of a trainer window: a result or carry cell of the column grid
// (Bezeichnung7..13) or a field of the gap panel (luecke1..13).
struct Feld {
    enum class Art { Raster, Luecke };
    Art art = Art::Raster;
    int nummer = 0;

    static constexpr Feld raster(int bezeichnung) { return {Art::Raster, bezeichnung}; }
    static constexpr Feld luecke(int k) { return {Art::Luecke, k}; }
    bool operator==(const Feld &) const = default;
};

// The cells of the column grid by their Bezeichnung numbers.
namespace Raster {
// The first, second and (in a multiple task) third operand: hundreds, tens, ones.
inline constexpr int kAHunderter = 1;
inline constexpr int kAZehner = 2;
inline constexpr int kAEiner = 3;
inline constexpr int kBHunderter = 4;
inline constexpr int kBZehner = 5;
inline constexpr int kBEiner = 6;
inline constexpr int kCEiner = 17;
inline constexpr int kCZehner = 18;
inline constexpr int kCHunderter = 19;
// The carries into the thousands, hundreds and tens.
inline constexpr int kUebertragTausender = 7;
inline constexpr int kUebertragHunderter = 8;
inline constexpr int kUebertragZehner = 9;
// The result's thousands, hundreds, tens and ones.
inline constexpr int kErgebnisTausender = 10;
inline constexpr int kErgebnisHunderter = 11;
inline constexpr int kErgebnisZehner = 12;
inline constexpr int kErgebnisEiner = 13;
} // namespace Raster
