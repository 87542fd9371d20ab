// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// What the system around the program asks of it beyond Qt. A desktop asks nothing. The browser
// page is the program's screen: the windows are scaled to fill it, digit keys are stamped with
// the physical key the browser names, the sheets' monospace face is the one Qt brings along,
// and the end of the run leaves a closing page instead of a dead one.
namespace Host {

// Before the QApplication is made.
void prepare();

// After it is made, for as long as the program runs.
void attach();

// Shows one of the program's top-level windows at its own size. The browser would show every
// window but a dialog stretched over the whole page.
void showWindow(QWidget &window);

// A message box has closed: the window it belonged to takes the keyboard again. A desktop's
// window manager does that; the browser build leaves no window active.
void boxClosed(QWidget &box);

// "Ende": the event loop ends on a desktop; the browser shows its closing page.
void endRun();

} // namespace Host
