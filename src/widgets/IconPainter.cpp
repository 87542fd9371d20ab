// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/IconPainter.h"

#include "widgets/IconEngine.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace {

// Colours of the artwork.
const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kWeiss(0xFF, 0xFF, 0xFF);
const QColor kGrau(0x80, 0x80, 0x80);
const QColor kHellgrau(0xC0, 0xC0, 0xC0);
const QColor kStopRot(0xD0, 0x10, 0x10);
const QColor kDunkelrot(0x80, 0x00, 0x00);
const QColor kHilfeBlau(0x10, 0x60, 0xC0);
const QColor kNachtblau(0x00, 0x30, 0x70);
const QColor kRahmenblau(0x00, 0x00, 0x80);
const QColor kPlusRot(0xD0, 0x20, 0x20);
const QColor kMinusBlau(0x10, 0x40, 0xC0);
const QColor kStiftGelb(0xFF, 0xC0, 0x00);
const QColor kStiftKante(0xD0, 0x90, 0x00);
const QColor kHolz(0xF0, 0xC8, 0x90);
const QColor kMine(0x40, 0x40, 0x40);
const QColor kRadiergummi(0xF0, 0x80, 0x80);
const QColor kSternGold(0xFF, 0xD7, 0x00);
const QColor kSternKante(0xC0, 0x70, 0x00);
const QColor kFahnenstange(0x60, 0x40, 0x20);
const QColor kFahnenRot(0xE0, 0x10, 0x10);
const QColor kWiese(0x20, 0x90, 0x20);
const QColor kTafelGruen(0x00, 0x80, 0x00);
const QColor kTafelHolz(0x80, 0x40, 0x00);
const QColor kPfeilBlau(0x00, 0x00, 0xC0);

QPen pen(const QColor &color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fill(QPainter &p, const QPainterPath &path, const QColor &color, const QColor &outline,
          qreal outlineWidth) {
    p.setPen(pen(outline, outlineWidth));
    p.setBrush(color);
    p.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A thick "+" or "-" made of rounded bars, centred on (cx, cy).
QPainterPath bar(qreal cx, qreal cy, qreal length, qreal thickness, bool vertical) {
    QPainterPath path;
    const qreal r = thickness / 3;
    if (vertical) {
        path.addRoundedRect(QRectF(cx - thickness / 2, cy - length / 2, thickness, length), r, r);
    } else {
        path.addRoundedRect(QRectF(cx - length / 2, cy - thickness / 2, length, thickness), r, r);
    }
    return path;
}

QPainterPath plus(qreal cx, qreal cy, qreal length, qreal thickness) {
    return bar(cx, cy, length, thickness, false).united(bar(cx, cy, length, thickness, true));
}

// The light tile behind the arithmetic signs of the start window.
void tile(QPainter &p) {
    QPainterPath path;
    path.addRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    fill(p, path, kWeiss, kRahmenblau, 1.5);
}

void drawExit(QPainter &p) {
    QPolygonF outer;
    QPolygonF inner;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = (22.5 + 45.0 * i) * std::numbers::pi / 180.0;
        outer << QPointF(16 + 14.5 * std::cos(angle), 16 + 14.5 * std::sin(angle));
        inner << QPointF(16 + 12.5 * std::cos(angle), 16 + 12.5 * std::sin(angle));
    }
    p.setPen(pen(kDunkelrot, 1));
    p.setBrush(kStopRot);
    p.drawPolygon(outer);
    p.setPen(pen(kWeiss, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(kWeiss);
    p.drawRoundedRect(QRectF(8, 13.5, 16, 5), 1.5, 1.5);
}

void drawHelp(QPainter &p) {
    p.setPen(pen(kNachtblau, 1.2));
    p.setBrush(kHilfeBlau);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    QPainterPath hook;
    hook.moveTo(11, 12);
    hook.cubicTo(11, 5.5, 21, 5.5, 21, 11.5);
    hook.cubicTo(21, 15.5, 16, 15, 16, 19.5);
    p.setPen(pen(kWeiss, 3.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(kWeiss);
    p.drawEllipse(QPointF(16, 24.5), 2.2, 2.2);
}

void drawAddition(QPainter &p) {
    tile(p);
    fill(p, plus(16, 16, 20, 6), kPlusRot, kDunkelrot, 1);
}

void drawSubtraction(QPainter &p) {
    tile(p);
    fill(p, bar(16, 16, 20, 6, false), kMinusBlau, kRahmenblau, 1);
}

void drawMixed(QPainter &p) {
    tile(p);
    p.setPen(pen(kGrau, 2));
    p.drawLine(QPointF(22, 7), QPointF(10, 25));
    fill(p, plus(10.5, 10.5, 11, 4), kPlusRot, kDunkelrot, 0.8);
    fill(p, bar(21.5, 21.5, 11, 4, false), kMinusBlau, kRahmenblau, 0.8);
}

// A pencil lying from the lower left (tip) to the upper right (eraser).
void drawDecoration(QPainter &p) {
    p.translate(16, 16);
    p.rotate(-45);
    p.translate(-16, -16);
    const qreal top = 12.5;
    const qreal bottom = 19.5;
    fill(p, polygon({{2, 16}, {9, top}, {9, bottom}}), kHolz, kMine, 0.8);
    fill(p, polygon({{2, 16}, {4.8, 14.6}, {4.8, 17.4}}), kMine, kMine, 0.5);
    QPainterPath body;
    body.addRect(QRectF(9, top, 16, bottom - top));
    fill(p, body, kStiftGelb, kMine, 0.8);
    p.setPen(pen(kStiftKante, 1));
    p.drawLine(QPointF(9.5, 16), QPointF(24.5, 16));
    QPainterPath ferrule;
    ferrule.addRect(QRectF(25, top, 2, bottom - top));
    fill(p, ferrule, kHellgrau, kMine, 0.8);
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(27, top, 3.5, bottom - top), 1.2, 1.2);
    fill(p, eraser, kRadiergummi, kMine, 0.8);
}

void drawProgressMarker(QPainter &p) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 14.5 : 6;
        const qreal angle = (-90.0 + 36.0 * i) * std::numbers::pi / 180.0;
        star << QPointF(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
    }
    p.setPen(pen(kSternKante, 1.2));
    p.setBrush(kSternGold);
    p.drawPolygon(star);
}

void drawGoal(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kWiese);
    p.drawEllipse(QPointF(10, 28.5), 8, 2.5);
    p.setPen(pen(kFahnenstange, 2));
    p.drawLine(QPointF(9, 4), QPointF(9, 28));
    QPainterPath flag;
    flag.moveTo(10, 4);
    flag.cubicTo(15, 1.5, 20, 7, 28, 4.5);
    flag.lineTo(28, 16);
    flag.cubicTo(20, 18.5, 15, 13, 10, 15.5);
    flag.closeSubpath();
    fill(p, flag, kFahnenRot, kDunkelrot, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(kSternGold);
    p.drawEllipse(QPointF(9, 3.5), 1.8, 1.8);
}

// A keyboard key seen from above and in front: light top face, white bevels up and left,
// grey bevels down and right, black edges.
void drawKey(QPainter &p) {
    const QPointF outerTopLeft(3, 4), outerTopRight(29, 4), outerBottomRight(29, 28),
        outerBottomLeft(3, 28);
    const QPointF faceTopLeft(7.5, 6.5), faceTopRight(24.5, 6.5), faceBottomRight(24.5, 21),
        faceBottomLeft(7.5, 21);
    const qreal edge = 0.9;
    fill(p, polygon({outerTopLeft, outerTopRight, faceTopRight, faceTopLeft}), kWeiss, kSchwarz,
         edge);
    fill(p, polygon({outerTopLeft, faceTopLeft, faceBottomLeft, outerBottomLeft}), kWeiss, kSchwarz,
         edge);
    fill(p, polygon({outerTopRight, outerBottomRight, faceBottomRight, faceTopRight}), kGrau,
         kSchwarz, edge);
    fill(p, polygon({outerBottomLeft, faceBottomLeft, faceBottomRight, outerBottomRight}), kGrau,
         kSchwarz, edge);
    fill(p, polygon({faceTopLeft, faceTopRight, faceBottomRight, faceBottomLeft}), kHellgrau,
         kSchwarz, edge);
}

void drawClose(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kDunkelrot);
    p.drawRect(QRectF(2, 2, 28, 28));
    p.setBrush(kHellgrau);
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setBrush(kTafelGruen);
    p.drawRect(QRectF(6.5, 6.5, 19, 19));
    p.setPen(pen(kWeiss, 3.2));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

// The right-pointing arrow, turned by the given angle about the centre for the other three.
void drawArrow(QPainter &p, qreal degrees) {
    p.translate(16, 16);
    p.rotate(degrees);
    p.translate(-16, -16);
    fill(p, polygon({{4, 12}, {16, 12}, {16, 4.5}, {28, 16}, {16, 27.5}, {16, 20}, {4, 20}}),
         kPfeilBlau, kSchwarz, 1);
}

// The program: an easel board with a chalked sum.
void drawProgram(QPainter &p) {
    p.setPen(pen(kTafelHolz, 2.2));
    p.drawLine(QPointF(9, 20), QPointF(5, 30));
    p.drawLine(QPointF(23, 20), QPointF(27, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(kTafelHolz);
    p.drawRoundedRect(QRectF(2, 3, 28, 20), 1.5, 1.5);
    p.setBrush(kTafelGruen);
    p.drawRect(QRectF(4.5, 5.5, 23, 15));
    p.setPen(pen(kWeiss, 2));
    p.drawLine(QPointF(12, 8), QPointF(12, 14));
    p.drawLine(QPointF(9, 11), QPointF(15, 11));
    p.drawLine(QPointF(18, 11), QPointF(24, 11));
    p.setPen(pen(kWeiss, 1.4));
    p.drawLine(QPointF(8, 17.5), QPointF(24, 17.5));
}

} // namespace

namespace IconPainter {

void paint(QPainter &painter, Icon icon, const QRectF &target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32.0, target.height() / 32.0);
    switch (icon) {
    case Icon::Exit:
        drawExit(painter);
        break;
    case Icon::Help:
        drawHelp(painter);
        break;
    case Icon::Addition:
        drawAddition(painter);
        break;
    case Icon::Subtraction:
        drawSubtraction(painter);
        break;
    case Icon::Mixed:
        drawMixed(painter);
        break;
    case Icon::Decoration:
        drawDecoration(painter);
        break;
    case Icon::ProgressMarker:
        drawProgressMarker(painter);
        break;
    case Icon::Goal:
        drawGoal(painter);
        break;
    case Icon::Key:
        drawKey(painter);
        break;
    case Icon::Close:
        drawClose(painter);
        break;
    case Icon::ArrowLeft:
        drawArrow(painter, 180);
        break;
    case Icon::ArrowUp:
        drawArrow(painter, -90);
        break;
    case Icon::ArrowDown:
        drawArrow(painter, 90);
        break;
    case Icon::ArrowRight:
        drawArrow(painter, 0);
        break;
    case Icon::Program:
        drawProgram(painter);
        break;
    }
    painter.restore();
}

QIcon windowIcon() {
    // Shared by every window; the desktop asks for the sizes it shows.
    static const QIcon icon(new IconEngine(Icon::Program));
    return icon;
}

} // namespace IconPainter
