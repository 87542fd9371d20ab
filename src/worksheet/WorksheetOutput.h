// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vocabulary/Modul.h"
#include "worksheet/PrintLock.h"
#include "worksheet/WorksheetText.h"

class Clipboard;
class Printer;
struct Platform;

// The worksheet's outputs: the task sheet and the solution sheet on the printer, under the printer
// lock and a question, and both halves on the clipboard. Each says honestly how it went.
class WorksheetOutput {
public:
    WorksheetOutput(Modul modul, const Platform &platform, Navigator &navigator,
                    std::function<QString()> shownPoints);

    void aufgabenDrucken(const QStringList &lines);
    void loesungenDrucken(const QStringList &lines);
    void kopieren(const QStringList &lines);

private:
    void drucken(const QStringList &lines, WorksheetText::Blatt blatt);

    Modul modul_;
    Dialogs &dialogs_;
    Printer &printer_;
    Clipboard &clipboard_;
    PrintLock printLock_;
};
