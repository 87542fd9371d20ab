// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartWindow.h"

#include "platform/Dialogs.h"
#include "platform/Placement.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "vocabulary/Navigator.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
#include "widgets/KeyPreview.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/Twips.h"
#include "widgets/WindowSizes.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

constexpr int kHilfeLeftSichtbar = 960;
constexpr int kHilfeLeftGeparkt = 6600;
constexpr int kHilfeTop = 2040;

} // namespace

StartWindow::StartWindow(Platform &platform, Navigator &navigator)
    : platform_(platform), navigator_(navigator) {
    makeFixedWindow(*this, "Form0", QStringLiteral("Schriftliche Additon und Subtraktion"),
                    WindowSizes::kStart.width(), WindowSizes::kStart.height(), Colors::kFenster,
                    false);

    // The easel: legs and cross bar behind the board, the board in its wooden frame, a sponge
    // on the frame and a pencil hanging on a string.
    Shape::line(this, "Linie1", 1080, 6960, 2040, 4320, Colors::kHolzBraun, 30);
    Shape::line(this, "Linie2", 5280, 6960, 4320, 4320, Colors::kHolzBraun, 30);
    Shape::line(this, "Linie3", 1560, 5760, 4800, 5760, Colors::kHolzBraun, 20);
    Shape::rectangle(this, "Figur1", 240, 360, 5895, 4215, Colors::kHolzBraun, 1,
                     Colors::kHolzBraun);
    Shape::rectangle(this, "Figur2", 600, 720, 5175, 3495, Colors::kHolzBraun, 1, Colors::kSchwarz);
    Shape::rectangle(this, "Figur3", 4560, 4200, 735, 255, Colors::kSchwarz, 1, Colors::kHellgrau);
    Shape::line(this, "Linie4", 960, 4320, 960, 4800, Colors::kSchnurGelb, 3);
    new PictureBox(this, "Bild5", twipsRect(720, 4800, 495, 495), Icon::Decoration,
                   Colors::kFenster, QString());

    auto *bild3 = new PictureBox(this, "Bild3", twipsRect(960, 960, 495, 495), Icon::Exit,
                                 Colors::kFenster, QStringLiteral("Ende"));
    auto *bild4 = new PictureBox(this, "Bild4", twipsRect(1920, 960, 495, 495), Icon::Help,
                                 Colors::kFenster, QStringLiteral("Hilfe"));
    auto *bild1 = new PictureBox(this, "Bild1", twipsRect(2880, 960, 495, 495), Icon::Addition,
                                 Colors::kFenster, QStringLiteral("Plus"));
    auto *bild2 = new PictureBox(this, "Bild2", twipsRect(3840, 960, 495, 495), Icon::Subtraction,
                                 Colors::kFenster, QStringLiteral("Minus"));
    auto *bild6 = new PictureBox(this, "Bild6", twipsRect(4800, 960, 495, 495), Icon::Mixed,
                                 Colors::kFenster, QStringLiteral("Gemischt"));

    const QFont beschriftung = fontPt(9.75, true);
    Controls::label(this, "Bezeichnung1", twipsRect(840, 1440, 735, 255), QStringLiteral("Ende"),
                    beschriftung, Colors::kWeiss, Colors::kSchwarz);
    Controls::label(this, "Bezeichnung2", twipsRect(1800, 1440, 735, 255), QStringLiteral("Hilfe"),
                    beschriftung, Colors::kWeiss, Colors::kSchwarz);
    Controls::label(this, "Bezeichnung3", twipsRect(2760, 1440, 735, 255), QStringLiteral("Plus"),
                    beschriftung, Colors::kWeiss, Colors::kSchwarz);
    Controls::label(this, "Bezeichnung4", twipsRect(3720, 1440, 735, 255), QStringLiteral("Minus"),
                    beschriftung, Colors::kWeiss, Colors::kSchwarz);
    Controls::label(this, "Bezeichnung6", twipsRect(4440, 1440, 1215, 255),
                    QStringLiteral("Gemischt"), beschriftung, Colors::kWeiss, Colors::kSchwarz);
    Controls::label(this, "Bezeichnung7", twipsRect(2040, 4320, 2295, 255),
                    QStringLiteral("schriftlich-rechnen · 2026"), fontPt(8.25), Colors::kWeiss,
                    Colors::kHolzBraun);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(kHilfeLeftGeparkt, kHilfeTop, 4335, 1695));
    text1_->hide();
    text1_->setFont(fontPt(8.25));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    Controls::setColors(text1_, Colors::kWeiss, Colors::kGruen);
    // Text1_KeyDown: the help is read, never typed into; the key is swallowed and the box parked.
    new KeyPreview(*text1_, [this](QKeyEvent &key, QWidget &) {
        if (key.type() != QEvent::KeyPress) {
            return false;
        }
        hilfeZeigen(false);
        return true;
    });
    // Text1_Change: any change of the text, the program's own included, parks the box.
    connect(text1_, &QPlainTextEdit::textChanged, this, [this] { hilfeZeigen(false); });

    connect(bild3, &PictureBox::clicked, this, &StartWindow::bild3Click);
    connect(bild4, &PictureBox::clicked, this, &StartWindow::bild4Click);
    connect(bild1, &PictureBox::clicked, this, [this] { navigator_.showTrainer(Modul::Addition); });
    connect(bild2, &PictureBox::clicked, this,
            [this] { navigator_.showTrainer(Modul::Subtraktion); });
    connect(bild6, &PictureBox::clicked, this, [this] { navigator_.showTrainer(Modul::Gemischt); });

    // Form_Load
    placeOnScreen(*this, platform_.screen);
}

QString StartWindow::hilfetext() {
    static const char *const zeilen[] = {
        "Mit diesem Programm kann die schriftliche Addition und Subtraktion trainiert werden. Das "
        "Ausdrucken von Übungsblättern ist ebenfalls möglich.",
        "",
        "Das Programm besteht aus drei Modulen: Addition, Subtraktion und gemischte Addition und "
        "Subtraktion.",
        "",
        "In jedem Modul kann die jeweilige Rechenart in drei Formen geübt werden: Einzelaufgaben, "
        "Mehrfachaufgaben und Lückenaufgaben.",
        "",
        "Innerhalb der Übungsreihen gibt es zur Entspannung zwei kleine Belohnungsspiele.",
        "",
        "Die Bedienung erfolgt mit der Maus über Drag&Drop der angezeigten Zifferntasten.",
        "Fehler werden sofort angezeigt und können unmittelbar verbessert werden.",
        "",
        "Eine gemischte Maus-Tasten-Bedienung ist ebenso möglich. Dazu klickt man mit der Maus auf "
        "ein Lösungfeld und es erscheint ein Tastensymbol.",
        "Nun kann die passende Lösungsziffer mit der Tastatur eingegeben werden oder aber per "
        "Drag&Drop.",
        "",
        "Der Drucker wird im Infofenster aktiviert bzw. deaktiviert. Wurde das vor dem Druckbefehl "
        "vergessen, so kann man mit einem Kennwort die Sperre aufheben.",
        "Das Passwort zum Aufheben der Druckersperre entspricht der in diesem Moment angezeigten "
        "Anzahl der richtigen Punkte.",
    };
    QString text;
    for (const char *zeile : zeilen) {
        text += QString::fromUtf8(zeile) + QStringLiteral("\r\n");
    }
    return text;
}

void StartWindow::activated() {
    hilfetextSetzen();
}

void StartWindow::hilfetextSetzen() {
    text1_->setPlainText(QtDialogs::displayText(hilfetext()));
}

void StartWindow::hilfeZeigen(bool sichtbar) {
    hilfeSichtbar_ = sichtbar;
    text1_->move(twipsPoint(sichtbar ? kHilfeLeftSichtbar : kHilfeLeftGeparkt, kHilfeTop));
    // Parked outside the window, the box is hidden as well: Qt lays out the text of a hidden box
    // only once it is shown, which spares the start (the text is filled on every activation).
    text1_->setVisible(sichtbar);
}

void StartWindow::bild4Click() {
    if (hilfeSichtbar_) {
        hilfeZeigen(false);
        return;
    }
    hilfetextSetzen();
    hilfeZeigen(true);
}

void StartWindow::bild3Click() {
    const Dialogs::Answer answer = platform_.dialogs.message(
        QStringLiteral("Dieses Programm jetzt beenden?\r\r\r"),
        QStringLiteral("Schriftliche Addition und Subtraktion"), Dialogs::Buttons::YesNo,
        Dialogs::Answer::No, Dialogs::Icon::Critical);
    if (answer != Dialogs::Answer::No) {
        navigator_.quit();
    }
}

void StartWindow::closeEvent(QCloseEvent *event) {
    // Form_Unload: closing the start window ends the program without a question.
    event->accept();
    navigator_.quit();
}
