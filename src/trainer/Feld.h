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
