// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/NumberCatchWindow.h"

#include "games/CatchField.h"
#include "platform/Dialogs.h"
#include "platform/Placement.h"
#include "platform/Timer.h"
#include "vocabulary/Navigator.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
#include "widgets/KeyPreview.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

namespace {
const QString kTitel = QStringLiteral("Zahlfange");
constexpr int kAnfangsTempo = 3;
constexpr std::pair<int, NumberCatch::Direction> kPfeilTasten[] = {
    {Qt::Key_Up, NumberCatch::Direction::Up},
    {Qt::Key_Down, NumberCatch::Direction::Down},
    {Qt::Key_Left, NumberCatch::Direction::Left},
    {Qt::Key_Right, NumberCatch::Direction::Right},
};
} // namespace

NumberCatchWindow::NumberCatchWindow(Platform &platform, Navigator &navigator,
                                     NumberCatchState &state, Timer &timer)
    : platform_(platform), game_(state, platform.random),
      runde_(game_, timer, platform.dialogs, navigator) {
    makeFixedWindow(*this, "Form4", kTitel, 7245, 5085, Colors::kFenster);

    // Shapes first: they lie on the window's surface, below every control.
    Shape::rectangle(this, "Figur1", 4200, 120, 2895, 495, Colors::kSchwarz, 1, Colors::kFenster);
    Shape::rectangle(this, "Figur2", 120, 720, 6975, 4215, Colors::kSchwarz, 1);
    feld_ = new CatchField(this, game_);
    feld_->setGeometry(twipsRect(120, 720, 6975, 4215));

    befehl1_ = Controls::button(this, "Befehl1", twipsRect(120, 120, 735, 495),
                                QStringLiteral("ENDE"), fontPt(8.25, true));
    connect(befehl1_, &QPushButton::clicked, this, [this] { runde_.beendenFragen(); });

    const struct {
        const char *name;
        int left;
        Icon icon;
        const char *accessibleName;
        NumberCatch::Direction direction;
    } pfeile[] = {
        {"Bild1", 1200, Icon::ArrowLeft, "nach links", NumberCatch::Direction::Left},
        {"Bild2", 1680, Icon::ArrowUp, "nach oben", NumberCatch::Direction::Up},
        {"Bild3", 2160, Icon::ArrowDown, "nach unten", NumberCatch::Direction::Down},
        {"Bild4", 2640, Icon::ArrowRight, "nach rechts", NumberCatch::Direction::Right},
    };
    for (const auto &pfeil : pfeile) {
        auto *bild =
            new PictureBox(this, pfeil.name, twipsRect(pfeil.left, 120, 495, 495), pfeil.icon,
                           Colors::kFenster, QString::fromUtf8(pfeil.accessibleName));
        // A picture box takes the focus when clicked, and the speed bar hands it to Bild1.
        bild->setFocusPolicy(Qt::ClickFocus);
        const NumberCatch::Direction direction = pfeil.direction;
        connect(bild, &PictureBox::clicked, this, [this, direction] { runde_.bewegen(direction); });
    }
    bild1_ = findChild<PictureBox *>(QStringLiteral("Bild1"));

    bezeichnung3_ = Controls::label(this, "Bezeichnung3", twipsRect(3480, 120, 375, 495),
                                    QStringLiteral("0"), fontPt(24, true), Colors::kRot,
                                    Colors::kFenster, Qt::AlignRight | Qt::AlignTop);
    Controls::label(this, "Bezeichnung1", twipsRect(4320, 240, 735, 255), QStringLiteral("schnell"),
                    fontPt(8.25, true), Colors::kSchwarz, Colors::kFenster,
                    Qt::AlignLeft | Qt::AlignTop);
    Controls::label(this, "Bezeichnung2", twipsRect(6240, 240, 735, 255), QStringLiteral("langsam"),
                    fontPt(8.25, true), Colors::kSchwarz, Colors::kFenster,
                    Qt::AlignLeft | Qt::AlignTop);

    hBildlauf1_ = new QScrollBar(Qt::Horizontal, this);
    hBildlauf1_->setObjectName(QStringLiteral("HBildlauf1"));
    hBildlauf1_->setGeometry(twipsRect(5040, 240, 1095, 255));
    hBildlauf1_->setRange(1, 5);
    hBildlauf1_->setSingleStep(1);
    hBildlauf1_->setPageStep(1);
    hBildlauf1_->setValue(kAnfangsTempo);
    hBildlauf1_->setAccessibleName(QStringLiteral("Tempo"));
    connect(hBildlauf1_, &QScrollBar::valueChanged, this, &NumberCatchWindow::hBildlauf1Change);

    runde_.setViewUpdate([this] { anzeigen(); });
    // The window sees the keys before its controls, whichever of them has the focus.
    new KeyPreview(*this, [this](QKeyEvent &key, QWidget &) { return keyPreview(key); });
}

void NumberCatchWindow::spielStarten() {
    runde_.starten(hBildlauf1_->value());
    feld_->refresh();
}

void NumberCatchWindow::activated() {
    placeOnScreen(*this, platform_.screen);
}

bool NumberCatchWindow::keyPreview(const QKeyEvent &key) {
    if (key.type() != QEvent::KeyPress) {
        return false;
    }
    if (key.key() == Qt::Key_Escape) {
        runde_.beendenFragen();
        return true;
    }
    for (const auto &[pfeilTaste, richtung] : kPfeilTasten) {
        if (key.key() == pfeilTaste) {
            runde_.bewegen(richtung);
            return true;
        }
    }
    return false;
}

void NumberCatchWindow::closeEvent(QCloseEvent *event) {
    // The close box ends the game like ENDE answered Yes; the owner hides the window.
    event->ignore();
    runde_.beenden();
}

void NumberCatchWindow::hBildlauf1Change(int value) {
    runde_.tempoSetzen(value);
    bild1_->setFocus();
}

void NumberCatchWindow::anzeigen() {
    feld_->refresh();
    bezeichnung3_->setText(game_.naechsteZiffer());
}
