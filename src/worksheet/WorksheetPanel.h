// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"
#include "vocabulary/Modul.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetOutput.h"

#include <QObject>

class PictureBox;
class QListWidget;
class QWidget;

// The worksheet view of a trainer window: the list Liste5 with the sheet's lines and the panel
// Bild3 with "Abbruch", "Aufgaben drucken", "Lösungen drucken" and "Kopieren". Both are children of
// the trainer window and lie outside its client area until "Blatt" opens the view; they show the
// Worksheet model and never touch the trainer's own state.
class WorksheetPanel : public QObject {
    Q_OBJECT
public:
    WorksheetPanel(QWidget *trainerWindow, Modul modul, const Platform &platform,
                   Navigator &navigator, std::function<QString()> shownPoints);

    // "Blatt": draws a new sheet and opens the view in front of the trainer's controls.
    void blattZeigen();
    bool isOpen() const { return blatt_.isOpen(); }
    const Worksheet &blatt() const { return blatt_; }

Q_SIGNALS:
    // The view opened over the grid or closed again.
    void openChanged(bool open);

private:
    void blattSchliessen();
    void zeigen();

    Worksheet blatt_;
    WorksheetOutput output_;
    QListWidget *liste5_;
    PictureBox *bild3_;
};
