// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The colours the program's windows share, named for what they are.
namespace Colors {
inline const QColor kFenster{0xC0, 0xC0, 0xFF};    // background of every window
inline const QColor kTafel{0x80, 0x80, 0xFF};      // cells, panels, face-down cards
inline const QColor kDunkelblau{0x00, 0x00, 0x80}; // digits and operators
inline const QColor kWeiss{0xFF, 0xFF, 0xFF};
inline const QColor kSchwarz{0x00, 0x00, 0x00};
inline const QColor kGruen{0x00, 0x80, 0x00};        // counters and the help box
inline const QColor kHellgrau{0xE0, 0xE0, 0xE0};     // carry cells
inline const QColor kRot{0xFF, 0x00, 0x00};          // carry digits, the digit to catch
inline const QColor kTuerkis{0x00, 0xFF, 0xFF};      // result digits of the column grid
inline const QColor kHelltuerkis{0x80, 0xFF, 0xFF};  // the key symbol
inline const QColor kAngebotGruen{0x00, 0xC0, 0x00}; // the number-catch reward offer
inline const QColor kGelb{0xFF, 0xFF, 0x00};         // the worksheet's lines
inline const QColor kBlau{0x00, 0x00, 0xFF};         // a memory pair found
inline const QColor kHolzBraun{0x80, 0x40, 0x00};    // the start window's board and easel
inline const QColor kSchnurGelb{0xC0, 0xC0, 0x00};   // the start window's string
} // namespace Colors
