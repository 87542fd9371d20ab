// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own pictures, drawn as vector shapes so they stay crisp at any scale.
enum class Icon {
    Exit,           // start window: end the program
    Help,           // start window: show or hide the help text
    Addition,       // start window: addition trainer
    Subtraction,    // start window: subtraction trainer
    Mixed,          // start window: mixed trainer
    Decoration,     // start window: picture beside the board
    ProgressMarker, // trainer: the marker that climbs with every solved task
    Goal,           // trainer: the goal at the top of the progress column
    Key,            // trainer: the key symbol on a selected field
    Close,          // info window: hide the window
    ArrowLeft,      // number-catch game: move the "+"
    ArrowUp,
    ArrowDown,
    ArrowRight,
    Program, // the windows' own icon
};
