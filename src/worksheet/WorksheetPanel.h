#pragma once

#include "platform/Platform.h"
#include "vocabulary/Modul.h"
#include "worksheet/WorksheetOutput.h"

#include <QObject>

class PictureBox;
class QListWidget;
class QWidget;

// The worksheet view of a trainer window: the list Liste5 with the sheet's lines and the panel
// Bild3 with "Abbruch", "Aufgaben drucken", "Lösungen drucken" and "Kopieren". Both are children of
// the trainer window and lie outside its client area until "Blatt" opens the view; they never touch
// the trainer's own state.
class WorksheetPanel : public QObject {
    Q_OBJECT
public:
    WorksheetPanel(QWidget *trainerWindow, Modul modul, const Platform &platform,
                   Navigator &navigator, std::function<QString()> shownPoints);

    // "Blatt": draws a new sheet into the list and opens the view in front of the trainer's
    // controls.
    void befehl14Click();
    bool isOpen() const { return ansicht_ == Ansicht::Offen; }

private:
    // Before the first close the panel still stands at its design position.
    enum class Ansicht { Entwurf, Offen, Geschlossen };

    void befehl16Click();
    void zeigen();
    QStringList zeilen() const;

    Modul modul_;
    Platform platform_;
    WorksheetOutput output_;
    Ansicht ansicht_ = Ansicht::Entwurf;
    QListWidget *liste5_;
    PictureBox *bild3_;
};
