// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vocabulary/Modul.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class Random;

// The worksheet of a trainer window as plain text lines: blocks of six written tasks side by side,
// each task an 8-character cell of every row line of its block, blocks separated by spacer lines
// " ". The module's block plan fixes the kinds of blocks, their order and where the results stand.
class WorksheetText {
public:
    enum class Blatt { Aufgaben, Loesungen };

    // Int(r * n) + m. The sheet asks for every operand through this, so a test can script them.
    using Draw = std::function<int(int n, int m)>;
    using Reseed = std::function<void()>;

    // Draws a fresh sheet; the generator is re-seeded from the clock before each two-operand block.
    static QStringList rechenblattErstellen(Modul modul, Random &random, const Clock &clock);
    static QStringList rechenblattErstellen(Modul modul, const Draw &draw, const Reseed &reseed);

    // Line numbers of the result rows of the module's sheet.
    static QList<int> ergebnisZeilen(Modul modul);
    // The sheet with each result line replaced by a spacer line.
    static QStringList aufgabenZeilen(const QStringList &lines, Modul modul);
    // The printed document: an empty line, the heading, the module's empty lines, the sheet.
    static QStringList druckZeilen(const QStringList &lines, Modul modul, Blatt blatt);
    // The task half, two empty lines, the solution half; every line ends with CR LF.
    static QString ablageText(const QStringList &lines, Modul modul);
};
