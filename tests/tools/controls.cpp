// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where every named control of every window lies, as the roads look them up: one line
// per control, "WINDOW CONTROL LEFT TOP WIDTH HEIGHT", in twips of the window's client area, in
// the order the window made them, after a first line for the window itself. A trainer with its
// worksheet view open is the window "Form1.Blatt" (and so on), with the controls the open view
// moves; a trainer showing gap tasks is "Form1.Luecke", with the gap panel's controls where the
// panel then stands (in the layout of the task the trainer drew). tests/controls.txt is this
// table; ctest checks that it is current.
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

// The controls of WINDOW that CHANGE moves, at their new places.
template <typename Change> QList<std::pair<QString, QRect>> moved(QWidget &window, Change change) {
    QHash<QString, QRect> before;
    for (const auto &[name, place] : places(window)) {
        before.insert(name, place);
    }
    change();
    QList<std::pair<QString, QRect>> after = places(window);
    after.removeIf(
        [&before](const auto &control) { return before.value(control.first) == control.second; });
    return after;
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
        print(out, trainer.objectName() + QStringLiteral(".Blatt"),
              moved(trainer, [&trainer] { trainer.worksheet().blattZeigen(); }));
    }
    for (Modul modul : {Modul::Addition, Modul::Subtraktion, Modul::Gemischt}) {
        TrainerWindow &trainer = *windows.trainer(modul);
        const auto gapTasks = [&trainer] {
            trainer.trainer().lueckenaufgabenWaehlen();
            trainer.refresh();
        };
        print(out, trainer.objectName() + QStringLiteral(".Luecke"), moved(trainer, gapTasks));
    }
    return 0;
}
