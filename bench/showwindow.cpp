// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows one window of the program, built by the program's own window owner with the real
// platform services, for screenshots and memory figures of windows that a pupil reaches only
// after many points. "all" opens every window and a worksheet, one after the other.
//
//   showwindow Form0|Form1|Form2|Form3|QUVLABEL|Form4|memo|all
#include "app/Program.h"
#include "trainer/TrainerWindow.h"
#include "worksheet/WorksheetPanel.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

namespace {

const QStringList kNames = {QStringLiteral("Form0"),    QStringLiteral("Form1"),
                            QStringLiteral("Form2"),    QStringLiteral("Form3"),
                            QStringLiteral("QUVLABEL"), QStringLiteral("Form4"),
                            QStringLiteral("memo"),     QStringLiteral("all")};

void show(Windows &windows, const QString &name) {
    if (name == QStringLiteral("Form0")) {
        windows.start();
    } else if (name == QStringLiteral("Form1")) {
        windows.showTrainer(Modul::Addition);
    } else if (name == QStringLiteral("Form2")) {
        windows.showTrainer(Modul::Subtraktion);
    } else if (name == QStringLiteral("Form3")) {
        windows.showTrainer(Modul::Gemischt);
    } else if (name == QStringLiteral("QUVLABEL")) {
        windows.showInfo();
    } else if (name == QStringLiteral("Form4")) {
        windows.showNumberCatch();
    } else if (name == QStringLiteral("memo")) {
        windows.showMemory();
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QString name = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!kNames.contains(name)) {
        std::fprintf(stderr, "usage: showwindow %s\n", qPrintable(kNames.join(QLatin1Char('|'))));
        return 2;
    }
    Program program;
    Windows &windows = program.windows();
    if (name != QStringLiteral("all")) {
        show(windows, name);
        return QApplication::exec();
    }
    for (const QString &each : kNames) {
        show(windows, each);
        QApplication::processEvents();
    }
    windows.showTrainer(Modul::Gemischt);
    windows.trainer(Modul::Gemischt)->worksheet().blattZeigen();
    return QApplication::exec();
}
