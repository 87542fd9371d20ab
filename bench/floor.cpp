// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up figures: a plain Qt Widgets program with one window as large as the
// start window, 60 labels and 20 buttons, that quits once its first frame is painted.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

class FloorWindow : public QWidget {
public:
    FloorWindow() {
        setFixedSize(426, 499);
        for (int i = 0; i < 60; ++i) {
            auto *label = new QLabel(QStringLiteral("Label %1").arg(i), this);
            label->setGeometry(10 + (i % 6) * 70, 10 + (i / 6) * 24, 64, 20);
        }
        for (int i = 0; i < 20; ++i) {
            auto *button = new QPushButton(QStringLiteral("Button %1").arg(i), this);
            button->setGeometry(10 + (i % 5) * 82, 260 + (i / 5) * 34, 76, 28);
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override {
        QWidget::paintEvent(event);
        if (!painted_) {
            painted_ = true;
            // Quits after this frame has been flushed to the screen.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    FloorWindow window;
    window.show();
    return QApplication::exec();
}
