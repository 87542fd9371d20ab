// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/Worksheet.h"

#include "worksheet/WorksheetText.h"

Worksheet::Worksheet(Modul modul, Random &random, const Clock &clock)
    : modul_(modul), random_(random), clock_(clock) {
}

void Worksheet::blattZeigen() {
    ansicht_ = Ansicht::Offen;
    zeilen_ = WorksheetText::rechenblattErstellen(modul_, random_, clock_);
}

void Worksheet::blattSchliessen() {
    ansicht_ = Ansicht::Geschlossen;
    zeilen_.clear();
}
