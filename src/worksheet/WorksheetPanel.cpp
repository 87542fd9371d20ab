// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/WorksheetPanel.h"

#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"
#include "worksheet/WorksheetText.h"

#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kOffenLeft = 960;
constexpr int kGeschlossenLeft = 8040;
constexpr int kMixedDesignLeft = 7920;

} // namespace

WorksheetPanel::WorksheetPanel(QWidget *trainerWindow, Modul modul, const Platform &platform,
                               Navigator &navigator, std::function<QString()> shownPoints)
    : QObject(trainerWindow), blatt_(modul, platform.random, platform.clock),
      output_(modul, platform, navigator, std::move(shownPoints)),
      liste5_(new QListWidget(trainerWindow)),
      bild3_(new PictureBox(trainerWindow, "Bild3", {}, std::nullopt, Colors::kFenster,
                            QStringLiteral("Rechenblatt"))) {
    liste5_->setObjectName(QStringLiteral("Liste5"));
    liste5_->setAccessibleName(QStringLiteral("Rechenblatt"));
    liste5_->setFont(fontPt(9.75, true, false, QStringLiteral("Courier New")));
    Controls::setColors(liste5_, Colors::kGelb, Colors::kTafel);
    // Only the trailing spaces of the last cell pass the right edge: no scroll bar and no
    // ellipsis for them.
    liste5_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste5_->setTextElideMode(Qt::ElideNone);

    const QFont font = fontPt(8.25);
    auto *abbruch = Controls::button(bild3_, "Befehl16", twipsRect(0, 120, 1095, 495),
                                     QStringLiteral("Abbruch"), font);
    auto *aufgaben = Controls::button(bild3_, "Befehl17", twipsRect(1080, 120, 1815, 495),
                                      QStringLiteral("Aufgaben drucken"), font);
    auto *loesungen = Controls::button(bild3_, "Befehl18", twipsRect(2880, 120, 1815, 495),
                                       QStringLiteral("Lösungen drucken"), font);
    auto *kopieren = Controls::button(bild3_, "Befehl19", twipsRect(4680, 120, 1215, 495),
                                      QStringLiteral("Kopieren"), font);
    connect(abbruch, &QPushButton::clicked, this, &WorksheetPanel::blattSchliessen);
    connect(aufgaben, &QPushButton::clicked, this,
            [this] { output_.aufgabenDrucken(blatt_.zeilen()); });
    connect(loesungen, &QPushButton::clicked, this,
            [this] { output_.loesungenDrucken(blatt_.zeilen()); });
    connect(kopieren, &QPushButton::clicked, this, [this] { output_.kopieren(blatt_.zeilen()); });
    zeigen();
}

void WorksheetPanel::blattZeigen() {
    blatt_.blattZeigen();
    zeigen();
    Q_EMIT openChanged(true);
}

void WorksheetPanel::blattSchliessen() {
    blatt_.blattSchliessen();
    zeigen();
    Q_EMIT openChanged(false);
}

void WorksheetPanel::zeigen() {
    liste5_->clear();
    liste5_->addItems(blatt_.zeilen());
    int left = kGeschlossenLeft;
    if (blatt_.ansicht() == Worksheet::Ansicht::Offen) {
        left = kOffenLeft;
    } else if (blatt_.ansicht() == Worksheet::Ansicht::Entwurf &&
               blatt_.modul() == Modul::Gemischt) {
        left = kMixedDesignLeft;
    }
    liste5_->setGeometry(twipsRect(left, 720, 5895, 4830));
    bild3_->setGeometry(twipsRect(left, 0, 5895, 615));
    if (isOpen()) {
        liste5_->raise();
        bild3_->raise();
    }
}
