// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/Memory.h"

#include "platform/Random.h"

namespace {
const QChar kFrei = QLatin1Char('0');
const QChar kImSpiel = QLatin1Char('1');
const QChar kGefunden = QLatin1Char('0');
} // namespace

Memory::Memory(Random &random) : random_(random) {
}

bool Memory::karteGeklickt(int k) {
    if (!gemischt_) {
        kartenMischen();
        gemischt_ = true;
        ersteKarte_ = 0;
        zweiteKarte_ = 0;
    }
    // Cards of a found pair take no clicks, and leave a failed attempt open.
    if (kartenImSpiel_.at(k - 1) == kGefunden) {
        return false;
    }
    if (ersteKarte_ > 0 && zweiteKarte_ > 0) {
        kartenZudecken();
    }
    if (ersteKarte_ == 0) {
        ersteKarte_ = k;
        return false;
    }
    if (zweiteKarte_ == 0) {
        zweiteKarte_ = k;
    }
    if (zweiteKarte_ == ersteKarte_) {
        zweiteKarte_ = 0;
        return false;
    }
    if (wert(ersteKarte_) == wert(zweiteKarte_)) {
        kartenImSpiel_[ersteKarte_ - 1] = kGefunden;
        kartenImSpiel_[zweiteKarte_ - 1] = kGefunden;
        ersteKarte_ = 0;
        zweiteKarte_ = 0;
    }
    return !kartenImSpiel_.contains(kImSpiel);
}

void Memory::spielfeldZuruecksetzen() {
    gemischt_ = false;
}

bool Memory::istOffen(int k) const {
    return istGefunden(k) || (gemischt_ && (k == ersteKarte_ || k == zweiteKarte_));
}

bool Memory::istGefunden(int k) const {
    return gemischt_ && kartenImSpiel_.at(k - 1) == kGefunden;
}

QString Memory::kartenText(int k) const {
    if (kartenFolge_.isEmpty()) {
        return {};
    }
    const int d = wert(k).digitValue();
    return QStringLiteral("%1 + %2").arg(d).arg(10 - d);
}

void Memory::kartenMischen() {
    static const QString paare = QStringLiteral("112233445566778899");
    QString plaetze(kKartenAnzahl, kFrei);
    for (int i = 0; i < kKartenAnzahl; ++i) {
        int p = 0;
        do {
            p = random_.draw(kKartenAnzahl, 1);
        } while (plaetze.at(p - 1) != kFrei);
        plaetze[p - 1] = paare.at(i);
    }
    kartenFolge_ = plaetze;
    kartenImSpiel_ = QString(kKartenAnzahl, kImSpiel);
}

void Memory::kartenZudecken() {
    ersteKarte_ = 0;
    zweiteKarte_ = 0;
}
