// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/TrainerWindow.h"

#include "entry/AnswerField.h"
#include "entry/DigitTile.h"
#include "entry/KeyInput.h"
#include "entry/KeySymbol.h"
#include "platform/Placement.h"
#include "platform/Platform.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
#include "widgets/KeyPreview.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/Twips.h"
#include "widgets/WindowSizes.h"
#include "worksheet/WorksheetPanel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Grid columns (Left in twips) of thousands, hundreds, tens and ones.
constexpr int kSpalteT = 3000;
constexpr int kSpalteH = 3600;
constexpr int kSpalteZ = 4200;
constexpr int kSpalteE = 4800;
constexpr int kZelle = 495;
constexpr int kUebertragHoehe = 375;

constexpr int kHeaderLinks = 3600;
constexpr int kHeaderGeparkt = 8040;
constexpr int kPanelOben = 720;
constexpr int kPanelGeparkt = 6000;
constexpr int kPanelLinks = 960;

// Gap panel columns and rows, in panel coordinates.
constexpr int kLueckeT = 2040;
constexpr int kLueckeH = 2640;
constexpr int kLueckeZ = 3240;
constexpr int kLueckeE = 3840;
constexpr int kReiheOben = 600;
constexpr int kReiheMitte = 1320;
constexpr int kReiheUebertrag = 2040;
constexpr int kReiheUnten = 2640;

struct Zelle {
    int nummer;
    int links;
    int oben;
};

// What the three trainer windows do not share, one row per module.
struct ModulZeile {
    const char *name;
    // The caption the window is made with; activation sets the title.
    const char *gespeicherterTitel;
    const char *titel;
    int hoehe;
    const char *einzeln;  // Befehl21
    const char *mehrfach; // Befehl20
    double modusPunkte;   // font size of Befehl21 and Befehl20
    int operatorOben;     // Bezeichnung27 in the gap panel
};

constexpr ModulZeile kModule[] = {
    {"Form1", "Schriftliche Additon", "Schriftliche Addition", 5700, "+", "+ +", 12, 1320},
    {"Form2", "Schriftliche Subtraktion", "Schriftliche Subtraktion", 5685, "-", "- -", 13.5, 1080},
    {"Form3", "Schriftliche Addition und Subtraktion", "Schriftliche Addition und Subtraktion",
     5670, "einf.", "mehrf.", 9.75, 1200},
};

const ModulZeile &zeile(Modul modul) {
    return kModule[static_cast<int>(modul)];
}

// What a screen reader says of an answer field besides its digit: Bezeichnung7..13.
const QString kBeschreibung[] = {QStringLiteral("Übertrag zu den Tausendern"),
                                 QStringLiteral("Übertrag zu den Hundertern"),
                                 QStringLiteral("Übertrag zu den Zehnern"),
                                 QStringLiteral("Ergebnis, Tausender"),
                                 QStringLiteral("Ergebnis, Hunderter"),
                                 QStringLiteral("Ergebnis, Zehner"),
                                 QStringLiteral("Ergebnis, Einer")};

QRect rasterRect(int nummer) {
    // Operand and result cells, then the carry cells.
    static const Zelle zellen[] = {
        {1, kSpalteH, 1680},  {2, kSpalteZ, 1680},  {3, kSpalteE, 1680},  {4, kSpalteH, 2400},
        {5, kSpalteZ, 2400},  {6, kSpalteE, 2400},  {10, kSpalteT, 3720}, {11, kSpalteH, 3720},
        {12, kSpalteZ, 3720}, {13, kSpalteE, 3720}, {17, kSpalteE, 960},  {18, kSpalteZ, 960},
        {19, kSpalteH, 960},  {7, kSpalteT, 3120},  {8, kSpalteH, 3120},  {9, kSpalteZ, 3120},
    };
    for (const Zelle &zelle : zellen) {
        if (zelle.nummer == nummer) {
            const int hoehe = nummer >= 7 && nummer <= 9 ? kUebertragHoehe : kZelle;
            return twipsRect(zelle.links, zelle.oben, kZelle, hoehe);
        }
    }
    return {};
}

} // namespace

TrainerWindow::TrainerWindow(Modul modul, Platform &platform, Navigator &navigator)
    : modul_(modul), platform_(platform), trainer_(modul, platform, navigator) {
    makeFixedWindow(*this, zeile(modul).name, QString::fromUtf8(zeile(modul).gespeicherterTitel),
                    WindowSizes::kTrainerWidth, zeile(modul).hoehe, Colors::kFenster);

    buildControls();
    buildCounters();
    buildGrid();
    buildGapPanel();
    // The password is the points the counter shows, and the counter shows the Trainer's points.
    worksheet_ = new WorksheetPanel(this, modul, platform, navigator,
                                    [this] { return QString::number(trainer_.punkte()); });
    connect(blatt_, &QPushButton::clicked, worksheet_, &WorksheetPanel::blattZeigen);
    connect(worksheet_, &WorksheetPanel::openChanged, this,
            [this](bool open) { trainer_.rasterVerdecken(open); });

    trainer_.setViewUpdate([this] { refresh(); });
    new KeyPreview(*this, [this](QKeyEvent &key, QWidget &) { return keyPreview(key); });
    refresh();
}

void TrainerWindow::buildGrid() {
    const QFont gross = fontPt(24, true);
    const QFont klein = fontPt(12, true);
    for (int n : {1, 2, 3, 4, 5, 6, 17, 18, 19}) {
        zellen_.at(static_cast<std::size_t>(n)) =
            Controls::label(this, QStringLiteral("Bezeichnung%1").arg(n).toLatin1().constData(),
                            rasterRect(n), QString(), gross, Colors::kDunkelblau, Colors::kTafel);
    }
    header_ = Controls::label(this, "Bezeichnung20", twipsRect(kHeaderLinks, 960, 1695, 495),
                              QStringLiteral("H  Z  E"), gross, Colors::kTafel, Colors::kFenster,
                              Qt::AlignCenter, true);
    Shape::line(this, "Linie1", 2400, 3600, 5280, 3600, Colors::kSchwarz, 3);

    const bool subtraktion = modul_ == Modul::Subtraktion;
    const QString zeichen = subtraktion ? QStringLiteral("_") : QStringLiteral("+");
    operator21_ =
        Controls::label(this, "Bezeichnung21", twipsRect(2400, subtraktion ? 1560 : 1680, 495, 615),
                        zeichen, gross, Colors::kDunkelblau, Colors::kFenster);
    operator14_ =
        Controls::label(this, "Bezeichnung14", twipsRect(2400, subtraktion ? 2280 : 2400, 495, 615),
                        zeichen, gross, Colors::kDunkelblau, Colors::kFenster);

    for (int n = Raster::kUebertragTausender; n <= Raster::kErgebnisEiner; ++n) {
        const Feld feld = Feld::raster(n);
        QRect rect = rasterRect(n);
        if (trainer_.feldcode(feld) == 0) {
            // The subtraction window parks its thousands cells outside the client area.
            rect = n == Raster::kUebertragTausender
                       ? twipsRect(12120, 6000, kZelle, kUebertragHoehe)
                       : twipsRect(12120, 6480, kZelle, 615);
        }
        auto *field = new AnswerField(this, QStringLiteral("Bezeichnung%1").arg(n), rect);
        const bool uebertrag = n <= Raster::kUebertragZehner;
        field->setFont(uebertrag ? klein : gross);
        Controls::setColors(field, uebertrag ? Colors::kRot : Colors::kTuerkis,
                            uebertrag ? Colors::kHellgrau : Colors::kTafel);
        zellen_.at(static_cast<std::size_t>(n)) = field;
        field->setAccessibleDescription(kBeschreibung[n - Raster::kUebertragTausender]);
        connectField(field, feld);
    }
    tasten_ = new KeySymbol(this, "tasten", twipsRect(10800, 6000, kZelle, kZelle));
    connect(tasten_, &PictureBox::clicked, this,
            [this] { forward([this] { trainer_.auswahlAufheben(); }); });
    connect(tasten_, &KeySymbol::dropped, this, [this](const QString &digit) {
        forward([this, digit] { trainer_.zifferAufTasten(digit); });
    });
}

void TrainerWindow::buildControls() {
    const QFont knopf = fontPt(9.75, true);
    auto befehl = [this](const char *name, int links, const QString &text, const QFont &font) {
        QPushButton *button =
            Controls::button(this, name, twipsRect(links, 120, 855, 495), text, font);
        // Digits and the space bar are typed into this window: a button holding the keyboard
        // focus would take the space bar as a click, "Ende" without a question.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    const ModulZeile &modul = zeile(modul_);
    const QFont modusFont = fontPt(modul.modusPunkte, true);

    connect(befehl("Befehl1", 960, QStringLiteral("Ende"), knopf), &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.beenden(); }); });
    connect(befehl("Befehl15", 1800, QStringLiteral("Hilfe"), knopf), &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.hilfeZeigen(); }); });
    connect(befehl("Befehl21", 2640, QString::fromUtf8(modul.einzeln), modusFont),
            &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.einzelaufgabenWaehlen(); }); });
    connect(befehl("Befehl20", 3480, QString::fromUtf8(modul.mehrfach), modusFont),
            &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.mehrfachaufgabenWaehlen(); }); });
    connect(befehl("Befehl13", 4320, QStringLiteral("Lücke"), knopf), &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.lueckenaufgabenWaehlen(); }); });
    blatt_ = befehl("Befehl14", 5160, QStringLiteral("Blatt"), knopf);
    connect(befehl("Befehl12", 6000, QStringLiteral("Info"), knopf), &QPushButton::clicked, this,
            [this] { forward([this] { trainer_.infoZeigen(); }); });

    const QFont kachel = fontPt(12, true);
    for (int digit = 0; digit <= 9; ++digit) {
        new DigitTile(this, digit, twipsRect(960 + 600 * digit, 4560, kZelle, kZelle), kachel);
    }
    Shape::line(this, "Linie2", 960, 720, 6840, 720, Colors::kSchwarz, 1);
    Shape::line(this, "Linie3", 960, 720, 960, 4440, Colors::kSchwarz, 1);
    Shape::line(this, "Linie6", 6840, 720, 6840, 4440, Colors::kSchwarz, 1);
    Shape::line(this, "Linie7", 960, 4440, 6840, 4440, Colors::kSchwarz, 1);
}

void TrainerWindow::buildCounters() {
    const QFont ueberschrift = fontPt(12, true);
    const QFont zaehler = fontPt(9.75, true);
    Shape::rectangle(this, "Figur2", 120, 120, 735, 5415, Colors::kSchwarz, 1);
    Controls::label(this, "Bezeichnung24", twipsRect(240, 1680, 495, 255), QStringLiteral("R"),
                    ueberschrift, Colors::kWeiss, Colors::kSchwarz);
    auto *bild4 = new PictureBox(this, "Bild4", twipsRect(240, 1920, 495, 495), std::nullopt,
                                 Colors::kGruen, QStringLiteral("Punkte"));
    punkteAnzeige_ = Controls::label(bild4, "Bezeichnung22", twipsRect(60, 120, 375, 255),
                                     QStringLiteral("0"), zaehler, Colors::kWeiss, Colors::kGruen);
    punkteAnzeige_->setAccessibleDescription(QStringLiteral("Richtige Ziffern"));
    Shape::line(this, "Linie4", 240, 2520, 720, 2520, Colors::kWeiss, 2);
    auto *bild5 = new PictureBox(this, "Bild5", twipsRect(240, 2640, 495, 495), std::nullopt,
                                 Colors::kGruen, QStringLiteral("Fehler"));
    fehlerAnzeige_ = Controls::label(bild5, "Bezeichnung23", twipsRect(60, 120, 375, 255),
                                     QStringLiteral("0"), zaehler, Colors::kWeiss, Colors::kGruen);
    fehlerAnzeige_->setAccessibleDescription(QStringLiteral("Fehler"));
    Controls::label(this, "Bezeichnung25", twipsRect(240, 3120, 495, 255), QStringLiteral("F"),
                    ueberschrift, Colors::kWeiss, Colors::kSchwarz);

    Shape::rectangle(this, "Figur1", 6960, 120, 735, 5415, Colors::kSchwarz, 1);
    new PictureBox(this, "Bild2", twipsRect(7080, 240, 495, 615), Icon::Goal, Colors::kFenster,
                   QStringLiteral("Ziel"));
    fortschrittMarke_ =
        new PictureBox(this, "Bild1", twipsRect(7080, Trainer::kFortschrittStart, 495, 495),
                       Icon::ProgressMarker, Colors::kFenster, QStringLiteral("Fortschritt"));

    Shape::rectangle(this, "Figur3", 960, 5160, 5895, 375, Colors::kSchwarz, 1);
    const bool gemischt = modul_ == Modul::Gemischt;
    const QString angebot = QStringLiteral("Du hast eine Belohnung, klicke hier . . .");
    const QFont angebotFont = fontPt(13.5, true);
    zahlfangeAngebot_ = Controls::label(this, gemischt ? "Bezeichnung28" : "Bezeichnung26",
                                        twipsRect(960, 5160, 5895, 375), angebot, angebotFont,
                                        Colors::kAngebotGruen, Colors::kSchwarz);
    memoryAngebot_ = Controls::label(this, gemischt ? "Bezeichnung29" : "Bezeichnung28",
                                     twipsRect(960, 5160, 5895, 375), angebot, angebotFont,
                                     Colors::kHellgrau, Colors::kSchwarz);
    for (QLabel *offer : {zahlfangeAngebot_, memoryAngebot_}) {
        offer->setCursor(Qt::PointingHandCursor);
        offer->installEventFilter(this);
    }
}

void TrainerWindow::buildGapPanel() {
    gapPanel_ = new PictureBox(this, "Bild6", twipsRect(kPanelLinks, kPanelGeparkt, 5895, 3735),
                               std::nullopt, Colors::kTafel, QStringLiteral("Lückenaufgabe"));
    const QFont gross = fontPt(24, true);
    const QFont klein = fontPt(12, true);
    for (int k = 1; k <= 13; ++k) {
        auto *field = new AnswerField(gapPanel_, QStringLiteral("luecke%1").arg(k), QRect());
        const bool uebertrag = k >= 7 && k <= 9;
        field->setFont(uebertrag ? klein : gross);
        Controls::setColors(field, uebertrag ? Colors::kRot : Colors::kDunkelblau,
                            uebertrag ? Colors::kHellgrau : Colors::kFenster);
        luecken_.at(static_cast<std::size_t>(k)) = field;
        field->setAccessibleDescription(QStringLiteral("Lückenfeld"));
        connectField(field, Feld::luecke(k));
    }
    operator27_ = Controls::label(
        gapPanel_, "Bezeichnung27", twipsRect(1440, zeile(modul_).operatorOben, 495, 615),
        trainer_.operatorZeichen(), gross, Colors::kDunkelblau, Colors::kTafel);
    Shape::line(gapPanel_, "Linie5", 4320, 2520, 1440, 2520, Colors::kSchwarz, 3);
    ltasten_ = new KeySymbol(gapPanel_, "ltasten", twipsRect(6600, 0, kZelle, kZelle));
    connect(ltasten_, &PictureBox::clicked, this,
            [this] { forward([this] { trainer_.auswahlAufheben(); }); });
    connect(ltasten_, &KeySymbol::dropped, this, [this](const QString &digit) {
        forward([this, digit] { trainer_.zifferAufTasten(digit); });
    });
    placeGapRows();
}

void TrainerWindow::connectField(AnswerField *field, Feld feld) {
    connect(field, &AnswerField::clicked, this,
            [this, feld] { forward([this, feld] { trainer_.feldWaehlen(feld); }); });
    connect(field, &AnswerField::dropped, this, [this, feld](const QString &digit) {
        forward([this, feld, digit] { trainer_.zifferAufFeld(feld, digit); });
    });
}

template <typename Handler> void TrainerWindow::forward(Handler handler) {
    handler();
    refresh();
}

QRect TrainerWindow::feldRect(Feld feld) const {
    if (feld.art == Feld::Art::Raster) {
        return zellen_.at(static_cast<std::size_t>(feld.nummer))->geometry();
    }
    return luecken_.at(static_cast<std::size_t>(feld.nummer))->geometry();
}

void TrainerWindow::placeGapRows() {
    // The addition shows a over b over the sum, the subtraction the sum over b over a.
    const bool subtraktion = trainer_.lueckenSubtraktionsLayout();
    const int obenA = subtraktion ? kReiheUnten : kReiheOben;
    const int obenS = subtraktion ? kReiheOben : kReiheUnten;
    const int spalten[] = {kLueckeE, kLueckeZ, kLueckeH, kLueckeT};
    for (int i = 0; i < 3; ++i) {
        luecken_.at(static_cast<std::size_t>(1 + i))
            ->setGeometry(twipsRect(spalten[i], obenA, kZelle, kZelle));
        luecken_.at(static_cast<std::size_t>(4 + i))
            ->setGeometry(twipsRect(spalten[i], kReiheMitte, kZelle, kZelle));
        luecken_.at(static_cast<std::size_t>(7 + i))
            ->setGeometry(twipsRect(spalten[i + 1], kReiheUebertrag, kZelle, kUebertragHoehe));
    }
    for (int i = 0; i < 4; ++i) {
        luecken_.at(static_cast<std::size_t>(10 + i))
            ->setGeometry(twipsRect(spalten[i], obenS, kZelle, kZelle));
    }
}

void TrainerWindow::refresh() {
    const bool mehrfach = trainer_.mehrfachModus();
    const bool luecke = trainer_.lueckenModus();
    header_->move(twipsPoint(mehrfach ? kHeaderGeparkt : kHeaderLinks, 960));
    operator21_->setVisible(mehrfach);
    const QString zeichen = trainer_.operatorZeichen();
    operator14_->setText(zeichen);
    operator21_->setText(zeichen);
    operator27_->setText(zeichen);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 17, 18, 19}) {
        zellen_.at(static_cast<std::size_t>(n))->setText(trainer_.zelle(n));
    }
    const bool tausender = trainer_.tausenderSichtbar();
    zellen_[Raster::kUebertragTausender]->setVisible(tausender);
    zellen_[Raster::kErgebnisTausender]->setVisible(tausender);

    gapPanel_->move(twipsPoint(kPanelLinks, luecke ? kPanelOben : kPanelGeparkt));
    gapPanel_->setVisible(luecke);
    for (int k = 1; k <= 13; ++k) {
        luecken_.at(static_cast<std::size_t>(k))->setText(trainer_.luecke(k));
    }
    luecken_[9]->setVisible(trainer_.tausenderLueckeSichtbar());
    luecken_[13]->setVisible(trainer_.tausenderLueckeSichtbar());
    placeGapRows();

    // A key symbol lies on its selected field, or is parked out of sight.
    const std::optional<Feld> auswahl = trainer_.auswahl();
    const bool imRaster = auswahl && auswahl->art == Feld::Art::Raster;
    const bool inLuecke = auswahl && auswahl->art == Feld::Art::Luecke;
    tasten_->move(imRaster ? feldRect(*auswahl).topLeft() : twipsPoint(10800, 6000));
    tasten_->setVisible(imRaster);
    ltasten_->move(inLuecke ? feldRect(*auswahl).topLeft() : twipsPoint(6600, 0));
    ltasten_->setVisible(inLuecke);

    punkteAnzeige_->setText(QString::number(trainer_.punkte()));
    fehlerAnzeige_->setText(QString::number(trainer_.fehler()));
    fortschrittMarke_->move(twipsPoint(7080, trainer_.fortschritt()));
    zahlfangeAngebot_->setVisible(trainer_.zahlfangeAngebot());
    memoryAngebot_->setVisible(trainer_.memoryAngebot());
}

void TrainerWindow::activated() {
    placeOnScreen(*this, platform_.screen);
    setWindowTitle(QString::fromUtf8(zeile(modul_).titel));
    forward([this] { trainer_.aktiviert(); });
}

void TrainerWindow::closeEvent(QCloseEvent *event) {
    // The window is never closed while the program runs: the close box leaves like "Ende".
    event->ignore();
    forward([this] { trainer_.beenden(); });
}

bool TrainerWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == zahlfangeAngebot_ || watched == memoryAngebot_)) {
        if (watched == zahlfangeAngebot_) {
            forward([this] { trainer_.zahlfangeAnnehmen(); });
        } else {
            forward([this] { trainer_.memoryAnnehmen(); });
        }
        return true;
    }
    return false;
}

bool TrainerWindow::keyPreview(QKeyEvent &key) {
    // The release of a key whose error box is open goes to the box, not here.
    if (key.type() == QEvent::KeyRelease) {
        pressOnce_.released();
        return false;
    }
    // The key is not consumed: a key no control takes travels on up to the window, where the
    // same press is not judged again.
    if (!isVisible() || !pressOnce_.first({&key, key.timestamp(), key.key()})) {
        return false;
    }
    const KeyInput::Entry entry = KeyInput::fromEvent(key, NativeKey::ofThisPlatform());
    if (entry.isEntry) {
        forward([this, &entry] { trainer_.tasteGedrueckt(entry.character); });
    }
    return false;
}
