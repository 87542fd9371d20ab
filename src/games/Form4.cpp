#include "games/Form4.h"

#include "games/CatchField.h"
#include "platform/Dialogs.h"
#include "platform/Placement.h"
#include "platform/Timer.h"
#include "vocabulary/Navigator.h"
#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/FixedWindow.h"
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
const QString titel = QStringLiteral("Zahlfange");
constexpr int sekunde = 1000;
constexpr int anfangsTempo = 3;
constexpr std::pair<int, NumberCatch::Direction> pfeilTasten[] = {
    {Qt::Key_Up, NumberCatch::Direction::Up},
    {Qt::Key_Down, NumberCatch::Direction::Down},
    {Qt::Key_Left, NumberCatch::Direction::Left},
    {Qt::Key_Right, NumberCatch::Direction::Right},
};
} // namespace

Form4::Form4(Platform &platform, Navigator &navigator, Modul1 &modul1, Timer &timer)
    : platform_(platform), navigator_(navigator), timer_(timer), game_(modul1, platform.random) {
    makeFixedWindow(*this, "Form4", titel, 7245, 5085, Colors::kFenster);

    // Shapes first: they lie on the window's surface, below every control.
    Shape::rectangle(this, "Figur1", 4200, 120, 2895, 495, Colors::kSchwarz, 1, Colors::kFenster);
    Shape::rectangle(this, "Figur2", 120, 720, 6975, 4215, Colors::kSchwarz, 1);
    feld_ = new CatchField(this, game_);
    feld_->setGeometry(twipsRect(120, 720, 6975, 4215));

    befehl1_ = Controls::button(this, "Befehl1", twipsRect(120, 120, 735, 495),
                                QStringLiteral("ENDE"), fontPt(8.25, true));
    connect(befehl1_, &QPushButton::clicked, this, &Form4::befehl1Click);

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
        connect(bild, &PictureBox::clicked, this, [this, direction] { bewegen(direction); });
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
    hBildlauf1_->setValue(anfangsTempo);
    hBildlauf1_->setAccessibleName(QStringLiteral("Tempo"));
    connect(hBildlauf1_, &QScrollBar::valueChanged, this, &Form4::hBildlauf1Change);

    timer_.setInterval(sekunde);
    timer_.setEnabled(false);
    timer_.setTickHandler([this] { zeit1Timer(); });

    // The window sees the keys before its controls, whichever of them has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>()) {
        child->installEventFilter(this);
    }
}

Form4::~Form4() {
    timer_.setEnabled(false);
    timer_.setTickHandler({});
}

void Form4::spielStarten() {
    game_.prepare();
    feld_->refresh();
    timer_.setInterval(hBildlauf1_->value() * sekunde);
    timer_.setEnabled(true);
    laeuft_ = true;
}

void Form4::activated() {
    placeOnScreen(*this, platform_.screen);
}

bool Form4::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Escape) {
        befehl1Click();
        return true;
    }
    for (const auto &[pfeilTaste, richtung] : pfeilTasten) {
        if (key == pfeilTaste) {
            bewegen(richtung);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::closeEvent(QCloseEvent *event) {
    // The close box ends the game like ENDE answered Yes; the owner hides the window.
    event->ignore();
    spielBeenden();
}

void Form4::bewegen(NumberCatch::Direction direction) {
    const bool geschafft = game_.move(direction);
    anzeigen();
    if (geschafft) {
        spielGeschafft();
    }
}

void Form4::zeit1Timer() {
    const bool geschafft = game_.tick();
    anzeigen();
    if (geschafft) {
        spielGeschafft();
    }
}

void Form4::hBildlauf1Change(int value) {
    timer_.setInterval(value * sekunde);
    bild1_->setFocus();
}

void Form4::befehl1Click() {
    const Dialogs::Answer answer = platform_.dialogs.message(
        QStringLiteral("  Dieses Spiel jetzt beenden?"), titel, Dialogs::Buttons::YesNo,
        Dialogs::Answer::Yes, Dialogs::Icon::Critical);
    if (answer == Dialogs::Answer::Yes) {
        spielBeenden();
    }
}

void Form4::anzeigen() {
    feld_->refresh();
    bezeichnung3_->setText(game_.naechsteZiffer());
}

void Form4::spielGeschafft() {
    // Stopped before the message: a tick while it is open would find the last cell again.
    timer_.setEnabled(false);
    platform_.dialogs.inform(QStringLiteral("  Das Spiel ist beendet!"), titel);
    spielBeenden();
}

void Form4::spielBeenden() {
    // A last catch while the end question is open has already ended the game.
    if (!laeuft_) {
        return;
    }
    laeuft_ = false;
    timer_.setInterval(sekunde);
    timer_.setEnabled(false);
    navigator_.showStartWindow();
}
