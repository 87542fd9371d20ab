// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Random;

// The rules of the memory game: eighteen cards form nine pairs of additions that make ten.
// Cards are numbered 1..18; the board persists until it is won or reset.
class Memory {
public:
    static constexpr int kKartenAnzahl = 18;

    explicit Memory(Random &random);

    // The whole reaction to a click on card k (1..18). Returns true when it found the ninth pair.
    bool karteGeklickt(int k);
    // All cards face down; the next click deals anew.
    void spielfeldZuruecksetzen();

    bool gemischt() const { return gemischt_; }
    const QString &kartenFolge() const { return kartenFolge_; }
    const QString &kartenImSpiel() const { return kartenImSpiel_; }
    int ersteKarte() const { return ersteKarte_; }
    int zweiteKarte() const { return zweiteKarte_; }

    bool istOffen(int k) const;
    bool istGefunden(int k) const;
    // What card k shows when face up, e.g. "3 + 7"; empty before the deal.
    QString kartenText(int k) const;

private:
    void kartenMischen();
    void kartenZudecken();
    QChar wert(int k) const { return kartenFolge_.at(k - 1); }

    Random &random_;
    bool gemischt_ = false;
    QString kartenFolge_;
    QString kartenImSpiel_;
    int ersteKarte_ = 0;
    int zweiteKarte_ = 0;
};
