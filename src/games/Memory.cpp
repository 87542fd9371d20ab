#include "games/Memory.h"

#include "platform/Random.h"

namespace {
const QChar frei = QLatin1Char('0');
const QChar imSpiel = QLatin1Char('1');
const QChar gefunden = QLatin1Char('0');
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
    if (kartenImSpiel_.at(k - 1) == gefunden) {
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
        kartenImSpiel_[ersteKarte_ - 1] = gefunden;
        kartenImSpiel_[zweiteKarte_ - 1] = gefunden;
        ersteKarte_ = 0;
        zweiteKarte_ = 0;
    }
    return !kartenImSpiel_.contains(imSpiel);
}

void Memory::spielfeldZuruecksetzen() {
    gemischt_ = false;
}

bool Memory::istOffen(int k) const {
    return istGefunden(k) || (gemischt_ && (k == ersteKarte_ || k == zweiteKarte_));
}

bool Memory::istGefunden(int k) const {
    return gemischt_ && kartenImSpiel_.at(k - 1) == gefunden;
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
    QString plaetze(kartenAnzahl, frei);
    for (int i = 0; i < kartenAnzahl; ++i) {
        int p = 0;
        do {
            p = random_.draw(kartenAnzahl, 1);
        } while (plaetze.at(p - 1) != frei);
        plaetze[p - 1] = paare.at(i);
    }
    kartenFolge_ = plaetze;
    kartenImSpiel_ = QString(kartenAnzahl, imSpiel);
}

void Memory::kartenZudecken() {
    ersteKarte_ = 0;
    zweiteKarte_ = 0;
}
