// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayCheck.h"

#include <cstdlib>

namespace DisplayCheck {

bool displayMissing(System system, const Environment &environment) {
    if (system != System::Linux) {
        return false;
    }
    const bool wantsX =
        environment.qpaPlatform.empty() || environment.qpaPlatform.starts_with("xcb");
    return wantsX && environment.display.empty() && environment.waylandDisplay.empty();
}

namespace {

std::string_view variable(const char *name) {
    const char *value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

} // namespace

bool displayMissing() {
    return displayMissing(thisSystem(), {variable("QT_QPA_PLATFORM"), variable("DISPLAY"),
                                         variable("WAYLAND_DISPLAY")});
}

} // namespace DisplayCheck
