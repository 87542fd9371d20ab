#pragma once

#include <QColor>
#include <QString>

class QWidget;

// A top-level window of the program with a fixed dialog border: caption, close box and the
// program's icon, a client area of the given twips that cannot be resized, and its background.
void makeFixedWindow(QWidget &window, const char *name, const QString &caption, int widthTwips,
                     int heightTwips, const QColor &background);
