// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer/Feld.h"
#include "trainer/TaskGenerator.h"
#include "vocabulary/Modul.h"
#include "vocabulary/Rechenart.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class Navigator;
struct Platform;

// The state and procedures of one trainer window: drawing tasks, judging every entry, the
// whole-task and gap checks, points, errors, progress and the reward offers. It needs no widget;
// the window forwards its events here and shows the state.
class Trainer {
public:
    static constexpr int kFortschrittStart = 4920;
    static constexpr int kFortschrittSchritt = 240;
    static constexpr int kMemorySchwelle = 360;

    Trainer(Modul modul, Platform &platform, Navigator &navigator);

    // Called before every message box, so the window shows the state of that moment.
    void setViewUpdate(std::function<void()> update) { viewUpdate_ = std::move(update); }

    // --- events of the window ---
    void aktiviert();
    void beenden();                 // Befehl1 "Ende"
    void einzelaufgabenWaehlen();   // Befehl21
    void mehrfachaufgabenWaehlen(); // Befehl20
    void lueckenaufgabenWaehlen();  // Befehl13 "Lücke"
    void hilfeZeigen();             // Befehl15 "Hilfe"
    void infoZeigen();              // Befehl12 "Info"
    // A click on an empty field puts the key symbol on it.
    void feldWaehlen(Feld feld);
    // A digit tile dropped straight on a field.
    void zifferAufFeld(Feld feld, const QString &ziffer);
    // A click on the key symbol takes it off its field.
    void auswahlAufheben();
    // A digit tile dropped on the key symbol counts for the field under it.
    void zifferAufTasten(const QString &ziffer);
    // A key with a character (a digit or a space); nullopt for a key that has none.
    void tasteGedrueckt(std::optional<QChar> zeichen);
    void zahlfangeAnnehmen();
    void memoryAnnehmen();
    // While the worksheet covers the grid, keys scroll the worksheet and are not judged.
    void rasterVerdecken(bool verdeckt) { rasterVerdeckt_ = verdeckt; }

    // Shows a column task with the given operands, as the drawing does after its draws.
    void spaltenaufgabeZeigen(Rechenart art, const TaskGenerator::Operanden &o);
    // Shows a gap task of a and b with blanking pattern k (1..10).
    void lueckenaufgabeZeigen(Rechenart art, int a, int b, int k);

    // --- state ---
    Modul modul() const { return modul_; }
    bool mehrfachModus() const { return mehrfachModus_; }
    bool lueckenModus() const { return lueckenModus_; }
    Rechenart rechenart() const { return rechenart_; }
    const QStringList &liste1() const { return liste1_; }
    const QStringList &liste2() const { return liste2_; }
    const QString &behalte1() const { return behalte1_; }
    const QString &behalte2() const { return behalte2_; }
    int punkte() const { return punkte_; }
    int fehler() const { return fehler_; }
    int fortschritt() const { return fortschritt_; }
    bool zahlfangeAngebot() const { return zahlfangeAngebot_; }
    bool memoryAngebot() const { return memoryAngebot_; }

    // Caption of grid cell Bezeichnung<n> (1..13 and 17..19).
    const QString &zelle(int n) const { return zellen_.at(static_cast<std::size_t>(n)); }
    // The thousands cells Bezeichnung7 and Bezeichnung10 are shown.
    bool tausenderSichtbar() const { return tausenderSichtbar_; }
    const QString &luecke(int k) const { return luecken_.at(static_cast<std::size_t>(k)); }
    // luecke9 and luecke13 are shown (a four-digit sum of an addition gap task).
    bool tausenderLueckeSichtbar() const { return tausenderLueckeSichtbar_; }
    // The gap panel shows the subtraction arrangement (sum on top, difference at the bottom).
    bool lueckenSubtraktionsLayout() const { return rechenart_ == Rechenart::Subtraktion; }
    // Caption of the operator labels Bezeichnung14, Bezeichnung21 and Bezeichnung27.
    QString operatorZeichen() const;

    const QString &tastenzahl() const { return tastenzahl_; }
    int tastenwert() const { return tastenwert_; }
    // The field under the key symbol, if a field is selected.
    std::optional<Feld> auswahl() const;

    // True for a field the pupil can reach in this window and task.
    bool erreichbar(Feld feld) const;
    // The field code kept in tastenwert for a field, 0 for none.
    int feldcode(Feld feld) const;
    // The digit a field expects through the key symbol (from the task record).
    QChar erwarteteZiffer(Feld feld) const;
    // The carry digit a direct drop on a carry cell expects, from what stands in the grid now.
    QChar uebertragAusRaster(int bezeichnung) const;

private:
    void neueAufgabe();
    void neueLueckenaufgabe(Rechenart art);
    void neueSpaltenaufgabe(Rechenart art);
    void rasterLeeren();
    void auswahlBeenden();
    void aufgabePruefen();
    void lueckenaufgabePruefen();
    void fortschrittSetzen();
    void fehlerMelden();
    void punktZaehlen();
    void zifferEintragen();
    void seed();
    QString &text(Feld feld);
    QString ergebnisZeile() const;
    const QString &behalteZeile() const;
    void eintragenUndPruefen();
    void zeigeMeldung(const QString &text, const QString &title);

    Modul modul_;
    Platform &platform_;
    Navigator &navigator_;
    std::function<void()> viewUpdate_;

    bool mehrfachModus_ = false;
    bool lueckenModus_ = false;
    Rechenart rechenart_;
    QStringList liste1_;
    QStringList liste2_;
    QString behalte1_;
    QString behalte2_;
    int punkte_ = 0;
    int fehler_ = 0;
    int fortschritt_ = kFortschrittStart;
    bool zahlfangeAngebot_ = false;
    bool memoryAngebot_ = false;
    std::array<QString, 20> zellen_;
    bool tausenderSichtbar_ = false;
    std::array<QString, 14> luecken_;
    bool tausenderLueckeSichtbar_ = false;
    QString tastenzahl_;
    int tastenwert_ = 0;
    bool rasterVerdeckt_ = false;
};
