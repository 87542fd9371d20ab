// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/PressOnce.h"
#include "trainer/Trainer.h"
#include "widgets/ProgramWindow.h"

#include <QWidget>
#include <array>

class AnswerField;
class KeySymbol;
class Navigator;
class PictureBox;
class QLabel;
class QKeyEvent;
class QPushButton;
class WorksheetPanel;
struct Platform;

// The window of one trainer module: the column grid, the gap panel, the digit tiles, the
// counters, the progress column and the reward offers. Every rule is the Trainer's; the window
// forwards its events there and shows the Trainer's state.
class TrainerWindow : public QWidget, public ProgramWindow {
    Q_OBJECT
public:
    TrainerWindow(Modul modul, Platform &platform, Navigator &navigator);

    void activated() override;

    Trainer &trainer() { return trainer_; }
    const Trainer &trainer() const { return trainer_; }
    WorksheetPanel &worksheet() { return *worksheet_; }
    // Shows the Trainer's state in the controls.
    void refresh();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildGrid();
    void buildControls();
    void buildCounters();
    void buildGapPanel();
    void connectField(AnswerField *field, Feld feld);
    // Runs one of the Trainer's event handlers and shows the state afterwards.
    template <typename Handler> void forward(Handler handler);
    QRect feldRect(Feld feld) const;
    void placeGapRows();
    bool keyPreview(QKeyEvent &key);

    Modul modul_;
    Platform &platform_;
    Trainer trainer_;

    std::array<QLabel *, 20> zellen_{};
    std::array<AnswerField *, 14> luecken_{};
    QLabel *header_ = nullptr;
    QLabel *operator14_ = nullptr;
    QLabel *operator21_ = nullptr;
    QLabel *operator27_ = nullptr;
    QWidget *gapPanel_ = nullptr;
    KeySymbol *tasten_ = nullptr;
    KeySymbol *ltasten_ = nullptr;
    QLabel *punkteAnzeige_ = nullptr;
    QLabel *fehlerAnzeige_ = nullptr;
    PictureBox *fortschrittMarke_ = nullptr;
    QLabel *zahlfangeAngebot_ = nullptr;
    QLabel *memoryAngebot_ = nullptr;
    QPushButton *blatt_ = nullptr;
    WorksheetPanel *worksheet_ = nullptr;
    PressOnce pressOnce_;
};
