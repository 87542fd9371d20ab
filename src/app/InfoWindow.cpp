// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/InfoWindow.h"

#include "platform/Placement.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

InfoWindow::InfoWindow(Platform &platform, bool druckmodusDeaktiviert) : platform_(platform) {
    makeFixedWindow(*this, "QUVLABEL", QStringLiteral("Programm-Info"), 3510, 4005,
                    Colors::kFenster);

    Shape::rectangle(this, "Figur1", 120, 120, 3255, 3375, Colors::kTafel, 2);
    Controls::label(this, "Bezeichnung5", twipsRect(120, 240, 3255, 495),
                    QStringLiteral("Addition / Subtraktion"), fontPt(13.5, true), Colors::kWeiss,
                    Colors::kTafel);
    bezeichnung6_ =
        Controls::label(this, "Bezeichnung6", twipsRect(240, 720, 3015, 975), QString(),
                        fontPt(8.25), Colors::kWeiss, Colors::kTafel, Qt::AlignLeft | Qt::AlignTop);
    bezeichnung6_->setWordWrap(true);
    bezeichnung7_ =
        Controls::label(this, "Bezeichnung7", twipsRect(240, 1800, 3015, 495), QString(),
                        fontPt(9.75), Colors::kSchwarz, Colors::kFenster, Qt::AlignCenter, true);

    kontroll1_ = new QCheckBox(QStringLiteral("  Druckmodus deaktivieren"), this);
    kontroll1_->setObjectName(QStringLiteral("Kontroll1"));
    kontroll1_->setGeometry(twipsRect(240, 2400, 3135, 255));
    kontroll1_->setFont(fontPt(9.75, true));
    Controls::setColors(kontroll1_, Colors::kWeiss, Colors::kTafel);
    kontroll1_->setBackgroundRole(QPalette::Window);
    kontroll1_->setChecked(druckmodusDeaktiviert);
    connect(kontroll1_, &QCheckBox::toggled, this, &InfoWindow::druckmodusGeaendert);

    auto *okay = new ClickableLabel(this);
    Controls::setUpLabel(okay, "Bezeichnung1", twipsRect(240, 2880, 2175, 495),
                         QStringLiteral("O k a y"), fontPt(18, true, true), Colors::kFenster,
                         Colors::kTafel);
    auto *bild1 = new PictureBox(this, "Bild1", twipsRect(2400, 2880, 855, 495), Icon::Close,
                                 Colors::kTafel, QStringLiteral("Schließen"));
    Controls::label(this, "Bezeichnung8", twipsRect(120, 3600, 3255, 255),
                    QStringLiteral("Projekt schriftlich-rechnen"), fontPt(8.25),
                    Colors::kDunkelblau, Colors::kFenster);

    // Bezeichnung1_Click does exactly what Bild1_Click does: hide the window, keep the setting.
    connect(okay, &ClickableLabel::clicked, this, &QWidget::hide);
    connect(bild1, &PictureBox::clicked, this, &QWidget::hide);
}

void InfoWindow::activated() {
    placeOnScreen(*this, platform_.screen, 4);
    // Free of charge and free software: the licence, the missing warranty and where licence and
    // source are, then the authors' copyright, which the licence leaves with them.
    bezeichnung6_->setText(QtDialogs::displayText(
        QStringLiteral("schriftlich-rechnen ist Freeware und freie Software unter der GNU GPL 3 "
                       "oder später, ohne jede Gewährleistung. Lizenz und Quelltext liegen ihm "
                       "bei.\r\n© 2026 Schriftlich-rechnen-Team")));
    bezeichnung7_->setText(QtDialogs::displayText(
        QStringLiteral("schriftlich-rechnen · 2026\r\nKontakt: siehe Projektseite")));
}

void InfoWindow::closeEvent(QCloseEvent *event) {
    // Form_Unload: the window goes, and with it the state of Kontroll1.
    hide();
    event->accept();
    Q_EMIT discarded();
}
