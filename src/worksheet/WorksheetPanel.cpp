#include "worksheet/WorksheetPanel.h"

#include "widgets/Controls.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"
#include "worksheet/Rechenblatt.h"

#include <QListWidget>
#include <QPushButton>

namespace {

const QColor listText(QStringLiteral("#FFFF00"));
const QColor listBackground(QStringLiteral("#8080FF"));
const QColor panelBackground(QStringLiteral("#C0C0FF"));

constexpr int offenLeft = 960;
constexpr int geschlossenLeft = 8040;
constexpr int mixedDesignLeft = 7920;

} // namespace

WorksheetPanel::WorksheetPanel(QWidget *trainerWindow, Modul modul, const Platform &platform,
                               Navigator &navigator, std::function<QString()> shownPoints)
    : QObject(trainerWindow), modul_(modul), platform_(platform),
      output_(modul, platform, navigator, std::move(shownPoints)),
      liste5_(new QListWidget(trainerWindow)),
      bild3_(new PictureBox(trainerWindow, "Bild3", {}, std::nullopt, panelBackground,
                            QStringLiteral("Rechenblatt"))) {
    liste5_->setObjectName(QStringLiteral("Liste5"));
    liste5_->setAccessibleName(QStringLiteral("Rechenblatt"));
    liste5_->setFont(fontPt(9.75, true, false, QStringLiteral("Courier New")));
    Controls::setColors(liste5_, listText, listBackground);
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
    connect(abbruch, &QPushButton::clicked, this, &WorksheetPanel::befehl16Click);
    connect(aufgaben, &QPushButton::clicked, this, [this] { output_.aufgabenDrucken(zeilen()); });
    connect(loesungen, &QPushButton::clicked, this, [this] { output_.loesungenDrucken(zeilen()); });
    connect(kopieren, &QPushButton::clicked, this, [this] { output_.kopieren(zeilen()); });
    zeigen();
}

void WorksheetPanel::befehl14Click() {
    liste5_->clear();
    ansicht_ = Ansicht::Offen;
    liste5_->addItems(Rechenblatt::rechenblattErstellen(modul_, platform_.random, platform_.clock));
    zeigen();
}

void WorksheetPanel::befehl16Click() {
    ansicht_ = Ansicht::Geschlossen;
    liste5_->clear();
    zeigen();
}

void WorksheetPanel::zeigen() {
    int left = geschlossenLeft;
    if (ansicht_ == Ansicht::Offen) {
        left = offenLeft;
    } else if (ansicht_ == Ansicht::Entwurf && modul_ == Modul::Gemischt) {
        left = mixedDesignLeft;
    }
    liste5_->setGeometry(twipsRect(left, 720, 5895, 4830));
    bild3_->setGeometry(twipsRect(left, 0, 5895, 615));
    if (isOpen()) {
        liste5_->raise();
        bild3_->raise();
    }
}

QStringList WorksheetPanel::zeilen() const {
    QStringList lines;
    for (int i = 0; i < liste5_->count(); ++i) {
        lines.append(liste5_->item(i)->text());
    }
    return lines;
}
