// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/MemoryWindow.h"

#include "platform/Dialogs.h"
#include "platform/Placement.h"
#include "vocabulary/Navigator.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
#include "widgets/LayoutFont.h"
#include "widgets/Shape.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {
const QString kTitel = QStringLiteral("Memory");
constexpr int kSpalteLinks = 1080;
constexpr int kSpalteRechts = 3720;
constexpr int kKartenProSpalte = 9;
} // namespace

MemoryWindow::MemoryWindow(Platform &platform, Navigator &navigator)
    : platform_(platform), navigator_(navigator), game_(platform.random) {
    makeFixedWindow(*this, "memo", kTitel, 6540, 5805, Colors::kFenster);

    Shape::rectangle(this, "Figur3", 960, 120, 5415, 5535, Colors::kTafel, 3);

    auto *befehl1 = Controls::button(this, "Befehl1", twipsRect(120, 120, 735, 495),
                                     QStringLiteral("ENDE"), fontPt(8.25));
    connect(befehl1, &QPushButton::clicked, this, &MemoryWindow::befehl1Click);
    auto *befehl2 = Controls::button(this, "Befehl2", twipsRect(120, 720, 735, 495),
                                     QStringLiteral("Hilfe"), fontPt(9.75, true));
    connect(befehl2, &QPushButton::clicked, this, &MemoryWindow::befehl2Click);

    for (int k = 1; k <= Memory::kKartenAnzahl; ++k) {
        const int left = k <= kKartenProSpalte ? kSpalteLinks : kSpalteRechts;
        const int top = 240 + 600 * ((k - 1) % kKartenProSpalte);
        auto *karte = new ClickableLabel(this);
        karte->setObjectName(QStringLiteral("Bezeichnung%1").arg(k));
        karte->setGeometry(twipsRect(left, top, 2535, 495));
        karte->setAlignment(Qt::AlignCenter);
        karte->setTextFormat(Qt::PlainText);
        karte->setAccessibleName(QStringLiteral("Karte %1").arg(k));
        connect(karte, &ClickableLabel::clicked, this, [this, k] { bezeichnungClick(k); });
        karten_[k - 1] = karte;
    }
    anzeigen();
    placeOnScreen(*this, platform_.screen);
}

void MemoryWindow::activated() {
}

void MemoryWindow::closeEvent(QCloseEvent *event) {
    // The close box acts as ENDE answered Yes; the owner hides the window.
    event->ignore();
    navigator_.showStartWindow();
}

void MemoryWindow::bezeichnungClick(int k) {
    const bool geschafft = game_.karteGeklickt(k);
    anzeigen();
    if (geschafft) {
        memoryGeschafft();
    }
}

void MemoryWindow::befehl1Click() {
    const Dialogs::Answer answer = platform_.dialogs.message(
        QStringLiteral("  Dieses Spiel jetzt beenden?"), kTitel, Dialogs::Buttons::YesNo,
        Dialogs::Answer::Yes, Dialogs::Icon::Critical);
    if (answer != Dialogs::Answer::No) {
        navigator_.showStartWindow();
    }
}

void MemoryWindow::befehl2Click() {
    platform_.dialogs.inform(QStringLiteral("Immer zwei Felder bilden ein Zahlenpaar, klicke\r"
                                            "die Einzelfelder an und suche so Zahlenpaare!"),
                             kTitel);
}

void MemoryWindow::memoryGeschafft() {
    platform_.dialogs.inform(QStringLiteral("Prima, du hast es geschafft!\r"), kTitel);
    game_.spielfeldZuruecksetzen();
    anzeigen();
    navigator_.showStartWindow();
}

void MemoryWindow::anzeigen() {
    for (int k = 1; k <= Memory::kKartenAnzahl; ++k) {
        ClickableLabel *karte = karten_[k - 1];
        const bool gefunden = game_.istGefunden(k);
        karte->setText(game_.istOffen(k) ? game_.kartenText(k) : QString());
        karte->setFont(fontPt(18, true, gefunden));
        Controls::setColors(karte, Colors::kWeiss, gefunden ? Colors::kBlau : Colors::kTafel);
        karte->setAccessibleDescription(game_.istOffen(k) ? karte->text()
                                                          : QStringLiteral("verdeckt"));
    }
}
