// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/System.h"

#include <string_view>

// Whether the program can open a window at all. On Linux Qt needs DISPLAY (or a Wayland
// display, or another platform plugin chosen by QT_QPA_PLATFORM), and its own message for a
// missing one is long and English only. A Windows desktop always has a screen and no DISPLAY.
namespace DisplayCheck {

struct Environment {
    std::string_view qpaPlatform;    // QT_QPA_PLATFORM
    std::string_view display;        // DISPLAY
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
};

bool displayMissing(System system, const Environment &environment);

// The same, read from this process's environment for this build.
bool displayMissing();

// One line in German and English for the terminal.
constexpr std::string_view missingMessage =
    "schriftlich-rechnen: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt). / "
    "No display found (DISPLAY is not set).\n";

} // namespace DisplayCheck
