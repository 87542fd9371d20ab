// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// The time of one pupil entry in the addition trainer window on Qt's offscreen platform: a drop
// or a key is delivered, judged, counted and shown in the window's controls. The task is fixed
// so that no entry completes it: every entry is right and no box opens. Each cycle selects the
// tens cell by a click (not timed), keys its digit, then drops the ones digit twice, the second
// time on the filled cell.
//
//   entry [COUNT] [--paint]
//   prints: entries=10000 median_us=12.3 p99_us=45.6 max_us=120.0
//
// With --paint each timed entry also includes repainting the window.
#include "Percentile.h"
#include "entry/TileMime.h"
#include "fakes/TestPlatform.h"
#include "trainer/TrainerWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

// 123 + 456 = 579: no carry, and with the hundreds cell left empty the task is never complete.
constexpr TaskGenerator::Operanden kAufgabe{123, 456, 100};
constexpr int kZehner = 7;
constexpr int kEiner = 9;

void dropTile(QWidget *target, int digit) {
    const QPoint centre = target->rect().center();
    QMimeData *data = TileMime::make(QString::number(digit));
    QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    delete data;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int count = 10000;
    bool paint = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--paint") == 0) {
            paint = true;
        } else {
            count = std::atoi(argv[i]);
        }
    }

    TestPlatform p;
    TrainerWindow window(Modul::Addition, p.platform, p.navigator);
    window.show();
    QApplication::processEvents();
    auto *zehner = window.findChild<QLabel *>(QStringLiteral("Bezeichnung12"));
    auto *einer = window.findChild<QLabel *>(QStringLiteral("Bezeichnung13"));

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(count));
    auto timed = [&](auto entry) {
        const Steady::time_point start = Steady::now();
        entry();
        if (paint) {
            QApplication::processEvents();
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Steady::now() - start).count());
    };
    while (static_cast<int>(micros.size()) < count) {
        window.trainer().spaltenaufgabeZeigen(Rechenart::Addition, kAufgabe);
        window.refresh();
        QTest::mouseClick(zehner, Qt::LeftButton);
        QApplication::processEvents();
        // A real key goes to the focus widget; the window sees it first.
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        timed([&] { QTest::keyClick(focus, static_cast<Qt::Key>(Qt::Key_0 + kZehner)); });
        timed([&] { dropTile(einer, kEiner); });
        timed([&] { dropTile(einer, kEiner); });
    }
    micros.resize(static_cast<std::size_t>(count));

    if (p.dialogs.count() != 0 || window.trainer().fehler() != 0 ||
        window.trainer().punkte() < count) {
        std::fprintf(stderr,
                     "entry: an entry was not judged right (%d boxes, %d errors, %d points)\n",
                     p.dialogs.count(), window.trainer().fehler(), window.trainer().punkte());
        return 1;
    }
    std::printf("entries=%d median_us=%.1f p99_us=%.1f max_us=%.1f\n", count,
                percentile(micros, 0.5), percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()));
    return 0;
}
