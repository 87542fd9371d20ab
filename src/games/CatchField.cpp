// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/CatchField.h"

#include "games/NumberCatch.h"
#include "widgets/Colors.h"
#include "widgets/LayoutFont.h"
#include "widgets/Twips.h"

#include <QPainter>
#include <QStringList>

namespace {
// A cell is 14 x 14 points; its text starts at (14 x column, 14 x row) points from the top-left
// of the window's client area. One point is 20 twips.
constexpr int kZelleTwips = 14 * 20;

QString ort(const NumberCatch::Cell &cell) {
    return QStringLiteral("Spalte %1, Zeile %2").arg(cell.column).arg(cell.row);
}
} // namespace

CatchField::CatchField(QWidget *parent, const NumberCatch &game) : QWidget(parent), game_(game) {
    setObjectName(QStringLiteral("Spielfeld"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(fontPt(13.5, true));
    setAccessibleName(QStringLiteral("Spielfeld"));
    refresh();
}

void CatchField::refresh() {
    setAccessibleDescription(description());
    update();
}

QString CatchField::description() const {
    QStringList parts;
    parts.append(game_.isOver() ? QStringLiteral("Alle Ziffern gefangen.")
                                : QStringLiteral("Fange die %1.").arg(game_.naechsteZiffer()));
    if (const auto player = game_.drawnPlayer()) {
        parts.append(QStringLiteral("Das Plus steht in %1.").arg(ort(*player)));
    }
    QStringList digits;
    for (const NumberCatch::DrawnDigit &digit : game_.drawnDigits()) {
        digits.append(QStringLiteral("%1 in %2").arg(digit.ziffer).arg(ort(digit.cell)));
    }
    if (!digits.isEmpty()) {
        parts.append(QStringLiteral("Ziffern: %1.").arg(digits.join(QStringLiteral("; "))));
    }
    return parts.join(QLatin1Char(' '));
}

void CatchField::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(Colors::kDunkelblau);
    painter.setFont(font());
    const auto draw = [&](const NumberCatch::Cell &cell, const QString &text) {
        // The field lies inside the client area, so its own origin is subtracted.
        const QPoint origin = twipsPoint(cell.column * kZelleTwips, cell.row * kZelleTwips) - pos();
        painter.drawText(QRect(origin, size()), Qt::AlignLeft | Qt::AlignTop, text);
    };
    for (const NumberCatch::DrawnDigit &digit : game_.drawnDigits()) {
        draw(digit.cell, QString(digit.ziffer));
    }
    if (const auto player = game_.drawnPlayer()) {
        draw(*player, QStringLiteral("+"));
    }
}
