#pragma once

#include "games/NumberCatch.h"
#include "platform/Platform.h"
#include "widgets/ProgramWindow.h"

#include <QWidget>

class CatchField;
class Navigator;
class PictureBox;
class QLabel;
class QPushButton;
class QScrollBar;
class Timer;

// The number-catch game "Zahlfange": the pupil steers a "+" with the arrow pictures or the
// cursor keys and catches the jumping digits 0..9 in order. Ends in the start window.
class Form4 : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    Form4(Platform &platform, Navigator &navigator, Modul1 &modul1, Timer &timer);
    ~Form4() override;

    // A new game: field cleared, start values, the timer running at the pace of the speed bar.
    // The owner calls it right before showing the window.
    void spielStarten();

    void activated() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void bewegen(NumberCatch::Direction direction);
    void zeit1Timer();
    void hBildlauf1Change(int value);
    void befehl1Click();
    void anzeigen();
    void spielGeschafft();
    void spielBeenden();

    Platform platform_;
    Navigator &navigator_;
    Timer &timer_;
    NumberCatch game_;
    bool laeuft_ = false;

    QPushButton *befehl1_ = nullptr;
    PictureBox *bild1_ = nullptr;
    QLabel *bezeichnung3_ = nullptr;
    QScrollBar *hBildlauf1_ = nullptr;
    CatchField *feld_ = nullptr;
};
