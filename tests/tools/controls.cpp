// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where every named control of every window lies, as the roads look them up: one line
// per control, "WINDOW CONTROL LEFT TOP WIDTH HEIGHT", in twips of the window's client area, in
// the order the window made them, after a first line for the window itself. A trainer with its
// worksheet view open is the window "Form1.Blatt" (and so on), with the controls the open view
// moves. tests/controls.txt is this table; ctest checks that it is current.
#include "app/InfoWindow.h"
#include "fakes/TestProgram.h"

#include "worksheet/WorksheetPanel.h"

#include <QApplication>
#include <QHash>
#include <QTextStream>

namespace {

// Each named control's place in twips of WINDOW's client area.
QList<std::pair<QString, QRect>> places(QWidget &window) {
    QList<std::pair<QString, QRect>> found{{window.objectName(), QRect({}, window.size() * 15)}};
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_")) {
            const QPoint at = control->mapTo(&window, QPoint(0, 0)) * 15;
            found.append({control->objectName(), QRect(at, control->size() * 15)});
        }
    }
    return found;
}

void print(QTextStream &out, const QString &window,
           const QList<std::pair<QString, QRect>> &controls) {
    for (const auto &[name, place] : controls) {
        out << window << ' ' << name << ' ' << place.x() << ' ' << place.y() << ' ' << place.width()
            << ' ' << place.height() << '\n';
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    TestProgram program;
    Windows &windows = program.windows;
    windows.start();
    for (Modul modul : {Modul::Addition, Modul::Subtraktion, Modul::Gemischt}) {
        windows.showTrainer(modul);
    }
    windows.showNumberCatch();
    windows.showMemory();
    windows.showInfo();
    QTextStream out(stdout);
    for (QWidget *window : std::initializer_list<QWidget *>{
             windows.startWindow(), windows.trainer(Modul::Addition),
             windows.trainer(Modul::Subtraktion), windows.trainer(Modul::Gemischt),
             windows.numberCatch(), windows.memory(), windows.info()}) {
        print(out, window->objectName(), places(*window));
    }
    for (Modul modul : {Modul::Addition, Modul::Subtraktion, Modul::Gemischt}) {
        TrainerWindow &trainer = *windows.trainer(modul);
        QHash<QString, QRect> closed;
        for (const auto &[name, place] : places(trainer)) {
            closed.insert(name, place);
        }
        trainer.worksheet().blattZeigen();
        QList<std::pair<QString, QRect>> moved = places(trainer);
        moved.removeIf([&closed](const auto &control) {
            return closed.value(control.first) == control.second;
        });
        print(out, trainer.objectName() + QStringLiteral(".Blatt"), moved);
    }
    return 0;
}
