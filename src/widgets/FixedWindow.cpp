// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FixedWindow.h"

#include "widgets/Colors.h"
#include "widgets/Controls.h"
#include "widgets/IconPainter.h"
#include "widgets/ParkedFocus.h"
#include "widgets/Twips.h"

#include <QWidget>

void makeFixedWindow(QWidget &window, const char *name, const QString &caption, int widthTwips,
                     int heightTwips, const QColor &background, bool dialogBorder) {
    window.setObjectName(QString::fromLatin1(name));
    window.setWindowTitle(caption);
    window.setWindowIcon(IconPainter::windowIcon());
    if (dialogBorder) {
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint);
    }
    window.setFixedSize(twips(widthTwips), twips(heightTwips));
    Controls::setColors(&window, Colors::kSchwarz, background);
    new ParkedFocus(window);
}
