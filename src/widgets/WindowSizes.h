// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

// The client areas, in twips, that more than their own window goes by: the browser build scales
// its page to hold the largest window, and the benchmark's bare program shows a window of the
// start window's size.
namespace WindowSizes {

// The start window, the tallest of the program's windows.
constexpr QSize kStart(6390, 7485);
// The trainers, the widest.
constexpr int kTrainerWidth = 7845;
// The smallest area that holds every window of the program.
constexpr QSize kLargest(kTrainerWidth, kStart.height());

} // namespace WindowSizes
