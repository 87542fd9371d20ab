// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/Trainer.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "vocabulary/Navigator.h"
#include "vocabulary/Zahlenzeile.h"

namespace {

const QString kFalsch = QStringLiteral("Das ist leider falsch, rechne nochmal.\r\r");
const QString kRichtig = QStringLiteral("Die Aufgabe wurde richtig gelöst.\r\r");
const QString kHilfe = QStringLiteral("Schiebe die Ziffern vom unteren Fensterrand\r"
                                      "mit der Maus in das gewünschte Lösungsfeld.\r"
                                      "Für jede richtige Zahl gibt es einen Punkt und\r"
                                      "alle 50 Punkte gibt es ein Belohnungsspiel.\r");

using namespace Raster;

// Grid cells by column, ones first: first, second and third operand, result, and the carry
// cell that receives the carry out of the column.
constexpr int kA[3] = {kAEiner, kAZehner, kAHunderter};
constexpr int kB[3] = {kBEiner, kBZehner, kBHunderter};
constexpr int kC[3] = {kCEiner, kCZehner, kCHunderter};
constexpr int kErgebnis[3] = {kErgebnisEiner, kErgebnisZehner, kErgebnisHunderter};
constexpr int kUebertrag[3] = {kUebertragZehner, kUebertragHunderter, kUebertragTausender};

// Field codes kept in tastenwert: index = code, value = Bezeichnung number.
constexpr int kCodesAddition[8] = {0,
                                   kErgebnisTausender,
                                   kErgebnisHunderter,
                                   kErgebnisZehner,
                                   kErgebnisEiner,
                                   kUebertragZehner,
                                   kUebertragHunderter,
                                   kUebertragTausender};
constexpr int kCodesSubtraktion[6] = {
    0, kErgebnisHunderter, kErgebnisZehner, kErgebnisEiner, kUebertragHunderter, kUebertragZehner};

QString digit(int value) {
    return QString::number(value);
}

} // namespace

Trainer::Trainer(Modul modul, Platform &platform, Navigator &navigator)
    : modul_(modul), platform_(platform), navigator_(navigator),
      rechenart_(modul == Modul::Subtraktion ? Rechenart::Subtraktion : Rechenart::Addition) {
}

void Trainer::aktiviert() {
    neueAufgabe();
}

void Trainer::beenden() {
    lueckenModus_ = false;
    auswahlBeenden();
    navigator_.showStartWindow();
}

void Trainer::einzelaufgabenWaehlen() {
    lueckenModus_ = false;
    mehrfachModus_ = false;
    neueAufgabe();
}

void Trainer::mehrfachaufgabenWaehlen() {
    lueckenModus_ = false;
    mehrfachModus_ = true;
    neueAufgabe();
}

void Trainer::lueckenaufgabenWaehlen() {
    lueckenModus_ = true;
    neueAufgabe();
}

void Trainer::hilfeZeigen() {
    zeigeMeldung(kHilfe, QStringLiteral("Hilfe"));
}

void Trainer::infoZeigen() {
    navigator_.showInfo();
}

void Trainer::seed() {
    platform_.random.reseed(platform_.clock.secondsSinceMidnight());
}

void Trainer::neueAufgabe() {
    Rechenart art = rechenart_;
    if (modul_ == Modul::Gemischt) {
        seed();
        art = platform_.random.draw(2) == 0 ? Rechenart::Addition : Rechenart::Subtraktion;
    }
    if (lueckenModus_) {
        neueLueckenaufgabe(art);
    } else {
        neueSpaltenaufgabe(art);
    }
}

void Trainer::neueSpaltenaufgabe(Rechenart art) {
    seed();
    TaskGenerator::Operanden o;
    if (art == Rechenart::Addition) {
        o = TaskGenerator::additionZiehen(platform_.random);
    } else {
        do {
            o = TaskGenerator::subtraktionZiehen(platform_.random);
        } while (!TaskGenerator::subtraktionPasst(o, mehrfachModus_));
    }
    spaltenaufgabeZeigen(art, o);
}

void Trainer::spaltenaufgabeZeigen(Rechenart art, const TaskGenerator::Operanden &o) {
    auswahlBeenden();
    rechenart_ = art;
    rasterLeeren();
    const int zahlen[3] = {o.a, o.b, o.c};
    const int *zeilen[3] = {kA, kB, kC};
    for (int zeile = 0; zeile < 3; ++zeile) {
        int rest = zahlen[zeile];
        for (int spalte = 0; spalte < 3; ++spalte, rest /= 10) {
            zellen_.at(static_cast<std::size_t>(zeilen[zeile][spalte])) = digit(rest % 10);
        }
    }
    if (art == Rechenart::Addition) {
        liste1_ = {zahlenzeile(o.a), zahlenzeile(o.b), zahlenzeile(o.a + o.b)};
        liste2_ = {zahlenzeile(o.c), zahlenzeile(o.a), zahlenzeile(o.b),
                   zahlenzeile(o.a + o.b + o.c)};
        behalte1_ = TaskGenerator::behalteBerechnen(liste1_.mid(0, 2));
        behalte2_ = TaskGenerator::behalteBerechnen(liste2_.mid(0, 3));
    } else {
        liste1_ = {zahlenzeile(o.a), zahlenzeile(o.b), zahlenzeile(o.a - o.b)};
        liste2_ = {zahlenzeile(o.c), zahlenzeile(o.a), zahlenzeile(o.b),
                   zahlenzeile(o.c - o.a - o.b)};
        behalte1_ = TaskGenerator::behalteBerechnen(liste1_.mid(1, 2));
        behalte2_ = TaskGenerator::behalteBerechnen(liste2_.mid(1, 3));
    }
    tausenderSichtbar_ = art == Rechenart::Addition && zeichen(ergebnisZeile(), 1) != u' ';
}

void Trainer::rasterLeeren() {
    for (int n = kAHunderter; n <= kErgebnisEiner; ++n) {
        zellen_.at(static_cast<std::size_t>(n)).clear();
    }
}

void Trainer::neueLueckenaufgabe(Rechenart art) {
    TaskGenerator::Operanden o;
    do {
        seed();
        o = TaskGenerator::lueckenZahlenZiehen(platform_.random);
    } while (art == Rechenart::Subtraktion && o.a + o.b > 999);
    seed();
    lueckenaufgabeZeigen(art, o.a, o.b, TaskGenerator::lueckenMusterZiehen(platform_.random));
}

void Trainer::lueckenaufgabeZeigen(Rechenart art, int a, int b, int k) {
    auswahlBeenden();
    rechenart_ = art;
    if (modul_ == Modul::Addition) {
        behalte1_.clear();
        behalte2_.clear();
    }
    liste1_.clear();
    const QString summe = zahlenzeile(a + b);
    for (int spalte = 0; spalte < 3; ++spalte) {
        luecken_.at(static_cast<std::size_t>(1 + spalte)) = zeichen(zahlenzeile(a), 4 - spalte);
        luecken_.at(static_cast<std::size_t>(4 + spalte)) = zeichen(zahlenzeile(b), 4 - spalte);
    }
    for (int stelle = 0; stelle < 4; ++stelle) {
        luecken_.at(static_cast<std::size_t>(10 + stelle)) = zeichen(summe, 4 - stelle);
    }
    // Carries over the tens, hundreds and thousands, column by column.
    int uebertrag = 0;
    QString uebertraege;
    for (int spalte = 0; spalte < 3; ++spalte) {
        const int s =
            ziffer(zahlenzeile(a), 4 - spalte) + ziffer(zahlenzeile(b), 4 - spalte) + uebertrag;
        uebertrag = s >= 10 ? 1 : 0;
        uebertraege.prepend(digit(uebertrag));
        luecken_.at(static_cast<std::size_t>(7 + spalte)) = QStringLiteral(" ");
    }
    liste2_ = {zahlenzeile(a), zahlenzeile(b), uebertraege + QLatin1Char(' '), summe};
    for (int i = 0; i < 3; ++i) {
        luecken_.at(static_cast<std::size_t>(TaskGenerator::lueckenMuster(k)[i])).clear();
    }
    tausenderLueckeSichtbar_ = art == Rechenart::Addition && a + b >= 1000;
}

QString Trainer::operatorZeichen() const {
    if (modul_ == Modul::Subtraktion) {
        return QStringLiteral("_");
    }
    return rechenart_ == Rechenart::Addition ? QStringLiteral("+") : QStringLiteral("-");
}

QString Trainer::ergebnisZeile() const {
    return mehrfachModus_ ? liste2_.value(3) : liste1_.value(2);
}

const QString &Trainer::behalteZeile() const {
    return mehrfachModus_ ? behalte2_ : behalte1_;
}

int Trainer::feldcode(Feld feld) const {
    if (feld.art == Feld::Art::Luecke) {
        return feld.nummer >= 1 && feld.nummer <= 13 ? 10 + feld.nummer : 0;
    }
    if (modul_ == Modul::Subtraktion) {
        for (int code = 1; code < 6; ++code) {
            if (kCodesSubtraktion[code] == feld.nummer) {
                return code;
            }
        }
        return 0;
    }
    for (int code = 1; code < 8; ++code) {
        if (kCodesAddition[code] == feld.nummer) {
            return code;
        }
    }
    return 0;
}

std::optional<Feld> Trainer::auswahl() const {
    if (tastenzahl_.isEmpty()) {
        return std::nullopt;
    }
    if (tastenwert_ > 10) {
        return Feld::luecke(tastenwert_ - 10);
    }
    return Feld::raster(modul_ == Modul::Subtraktion ? kCodesSubtraktion[tastenwert_]
                                                     : kCodesAddition[tastenwert_]);
}

bool Trainer::erreichbar(Feld feld) const {
    if (feldcode(feld) == 0) {
        return false;
    }
    if (feld.art == Feld::Art::Luecke) {
        const bool tausender = feld.nummer == 9 || feld.nummer == 13;
        return lueckenModus_ && (!tausender || tausenderLueckeSichtbar_);
    }
    const bool tausender = feld.nummer == kUebertragTausender || feld.nummer == kErgebnisTausender;
    return !lueckenModus_ && (!tausender || tausenderSichtbar_);
}

QChar Trainer::erwarteteZiffer(Feld feld) const {
    const int n = feld.nummer;
    if (feld.art == Feld::Art::Raster) {
        // The result line and the carry line hold the thousands at position 1.
        return n >= kErgebnisTausender ? zeichen(ergebnisZeile(), n - kErgebnisTausender + 1)
                                       : zeichen(behalteZeile(), n - kUebertragTausender + 1);
    }
    if (n <= 6) {
        return zeichen(liste2_.value((n - 1) / 3), 4 - (n - 1) % 3);
    }
    return n <= 9 ? zeichen(liste2_.value(2), 10 - n) : zeichen(liste2_.value(3), 14 - n);
}

QChar Trainer::uebertragAusRaster(int bezeichnung) const {
    int spalte = 0;
    while (spalte < 2 && kUebertrag[spalte] != bezeichnung) {
        ++spalte;
    }
    auto wert = [this](int n) { return zahlWert(zelle(n)); };
    int s = 0;
    if (rechenart_ == Rechenart::Addition) {
        s = wert(kA[spalte]) + wert(kB[spalte]) + (mehrfachModus_ ? wert(kC[spalte]) : 0);
    } else {
        // Subtraction is worked by adding up from the subtrahends to the minuend.
        s = wert(kB[spalte]) + wert(kErgebnis[spalte]) + (mehrfachModus_ ? wert(kA[spalte]) : 0);
    }
    if (spalte > 0) {
        s += wert(kUebertrag[spalte - 1]);
    }
    return QChar(u'0' + (s / 10) % 10);
}

QString &Trainer::text(Feld feld) {
    return feld.art == Feld::Art::Luecke ? luecken_.at(static_cast<std::size_t>(feld.nummer))
                                         : zellen_.at(static_cast<std::size_t>(feld.nummer));
}

void Trainer::feldWaehlen(Feld feld) {
    if (!erreichbar(feld) || !text(feld).isEmpty()) {
        return;
    }
    tastenzahl_ = erwarteteZiffer(feld);
    tastenwert_ = feldcode(feld);
}

void Trainer::zifferAufFeld(Feld feld, const QString &ziffer) {
    if (!erreichbar(feld)) {
        return;
    }
    text(feld) = ziffer;
    const bool uebertragsZelle = feld.art == Feld::Art::Raster && feld.nummer <= kUebertragZehner;
    const QChar erwartet =
        uebertragsZelle ? uebertragAusRaster(feld.nummer) : erwarteteZiffer(feld);
    if (ziffer != QString(erwartet)) {
        fehlerMelden();
        text(feld).clear();
    } else {
        punktZaehlen();
    }
    if (feld.art == Feld::Art::Luecke) {
        lueckenaufgabePruefen();
    } else {
        aufgabePruefen();
    }
}

void Trainer::auswahlAufheben() {
    auswahlBeenden();
}

void Trainer::zifferAufTasten(const QString &ziffer) {
    if (tastenzahl_.isEmpty()) {
        return;
    }
    if (ziffer != tastenzahl_) {
        fehlerMelden();
        return;
    }
    eintragenUndPruefen();
}

void Trainer::tasteGedrueckt(std::optional<QChar> zeichen) {
    if (tastenzahl_.isEmpty() || rasterVerdeckt_) {
        return;
    }
    if (!zeichen || QString(*zeichen) != tastenzahl_) {
        fehlerMelden();
        return;
    }
    eintragenUndPruefen();
}

void Trainer::eintragenUndPruefen() {
    zifferEintragen();
    punktZaehlen();
    auswahlBeenden();
    if (lueckenModus_) {
        lueckenaufgabePruefen();
    } else {
        aufgabePruefen();
    }
}

void Trainer::zifferEintragen() {
    if (const std::optional<Feld> feld = auswahl()) {
        text(*feld) = tastenzahl_;
    }
}

void Trainer::auswahlBeenden() {
    tastenzahl_.clear();
    tastenwert_ = 0;
}

void Trainer::zeigeMeldung(const QString &text, const QString &title) {
    if (viewUpdate_) {
        viewUpdate_();
    }
    platform_.dialogs.inform(text, title);
}

void Trainer::fehlerMelden() {
    zeigeMeldung(kFalsch, QStringLiteral("Fehler"));
    ++fehler_;
}

void Trainer::punktZaehlen() {
    ++punkte_;
    if (punkte_ % 50 == 0) {
        zahlfangeAngebot_ = true;
    }
}

void Trainer::aufgabePruefen() {
    const QString eingegeben = zelle(kErgebnisTausender) + zelle(kErgebnisHunderter) +
                               zelle(kErgebnisZehner) + zelle(kErgebnisEiner);
    if (zahlWert(eingegeben) != zahlWert(ergebnisZeile())) {
        return;
    }
    static const QString titel[] = {QStringLiteral("Plusaufgabe"), QStringLiteral("Minusaufgabe"),
                                    QStringLiteral("Kontrolle")};
    zeigeMeldung(kRichtig, titel[static_cast<int>(modul_)]);
    fortschrittSetzen();
    neueAufgabe();
}

void Trainer::lueckenaufgabePruefen() {
    const QString tafel = QLatin1Char(' ') + luecke(3) + luecke(2) + luecke(1) + QLatin1Char(' ') +
                          luecke(6) + luecke(5) + luecke(4) + luecke(13) + luecke(12) + luecke(11) +
                          luecke(10);
    const QString aufzeichnung = liste2_.value(0) + liste2_.value(1) + liste2_.value(3);
    if (tafel != aufzeichnung) {
        return;
    }
    zeigeMeldung(kRichtig, QStringLiteral("Lückenaufgabe"));
    fortschrittSetzen();
    neueAufgabe();
}

void Trainer::fortschrittSetzen() {
    fortschritt_ -= kFortschrittSchritt;
    if (fortschritt_ <= kMemorySchwelle) {
        memoryAngebot_ = true;
    }
}

void Trainer::zahlfangeAnnehmen() {
    zahlfangeAngebot_ = false;
    zeigeMeldung(QStringLiteral("Es folgt jetzt eine Belohnung.\r\r"), QStringLiteral("Zahlfange"));
    navigator_.showNumberCatch();
}

void Trainer::memoryAnnehmen() {
    memoryAngebot_ = false;
    fortschritt_ = kFortschrittStart;
    navigator_.showMemory();
}
