// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer and clipboard of this build's system: the desktop's through Qt and the print
// system, or the browser's, where a sheet becomes a PDF download.
#ifdef __EMSCRIPTEN__
#include "platform/web/WebClipboard.h"
#include "platform/web/WebPrinter.h"
using SystemPrinter = WebPrinter;
using SystemClipboard = WebClipboard;
#else
#include "platform/desktop/QtClipboard.h"
#include "platform/desktop/QtPrinter.h"
using SystemPrinter = QtPrinter;
using SystemClipboard = QtClipboard;
#endif
