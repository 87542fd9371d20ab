// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <emscripten/em_macros.h>

// The functions of host.js, the program's JavaScript in the browser; what each does, and what it
// shares with the page and the tests, is written there.
extern "C" {

void scalePage(double scale);
void announceFrame(int border, int title);
void touchAsMouse();
void wheelInPlace();
void keepKeys();
void rememberKeyCodes();
void lastKeyCode(char *code, int size);
void showClosingPage();
// Returns only once the browser has answered: 1 when it holds the text, 0 when it refused, 2
// when it offers the page no clipboard.
int writeClipboardText(const char *text) EM_IMPORT(__asyncjs__writeClipboardText);
// Returns only once the file has been shared or its download started: how it ended, a
// SheetOffer::Ended.
int offerFile(const char *bytes, int size, const char *name) EM_IMPORT(__asyncjs__offerFile);
}
