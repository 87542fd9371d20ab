// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The systems the program is built for. A difference between them that the build decides is
// written as a function of this value, so that every side is tested on any system.
enum class System { Linux, Windows, Browser };

// The system this build is made for: defined in the system's folder of platform/, which the
// build compiles.
System thisSystem();
