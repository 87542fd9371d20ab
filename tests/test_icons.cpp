// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/IconPainter.h"

#include <QPainter>
#include <QTest>

namespace {

struct Named {
    Icon icon;
    const char *name;
};

const Named kAlleIcons[] = {
    {Icon::Exit, "Exit"},
    {Icon::Help, "Help"},
    {Icon::Addition, "Addition"},
    {Icon::Subtraction, "Subtraction"},
    {Icon::Mixed, "Mixed"},
    {Icon::Decoration, "Decoration"},
    {Icon::ProgressMarker, "ProgressMarker"},
    {Icon::Goal, "Goal"},
    {Icon::Key, "Key"},
    {Icon::Close, "Close"},
    {Icon::ArrowLeft, "ArrowLeft"},
    {Icon::ArrowUp, "ArrowUp"},
    {Icon::ArrowDown, "ArrowDown"},
    {Icon::ArrowRight, "ArrowRight"},
    {Icon::Program, "Program"},
};

QImage render(Icon icon, int canvas, const QRectF &target) {
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    IconPainter::paint(painter, icon, target);
    return image;
}

int paintedPixels(const QImage &image, const QRect &area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) != 0 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachIconCoversAFairPartOfItsSquare_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("size");
        for (const Named &named : kAlleIcons) {
            for (const int size : {32, 64}) {
                QTest::addRow("%s at %d px", named.name, size)
                    << static_cast<int>(named.icon) << size;
            }
        }
    }
    void eachIconCoversAFairPartOfItsSquare() {
        QFETCH(int, icon);
        QFETCH(int, size);
        const QImage image = render(static_cast<Icon>(icon), size, QRectF(0, 0, size, size));
        // A drawing a child can see, not a speck: at least a fifth of the square.
        QVERIFY2(paintedPixels(image, image.rect()) >= size * size / 5,
                 qPrintable(QString::number(paintedPixels(image, image.rect()))));
    }

    void iconsStayInsideTheirTarget_data() {
        QTest::addColumn<int>("icon");
        for (const Named &named : kAlleIcons) {
            QTest::addRow("%s", named.name) << static_cast<int>(named.icon);
        }
    }
    void iconsStayInsideTheirTarget() {
        QFETCH(int, icon);
        const QRect target(20, 20, 32, 32);
        const QImage image = render(static_cast<Icon>(icon), 72, target);
        const int inside = paintedPixels(image, target);
        QVERIFY(inside > 0);
        QCOMPARE(paintedPixels(image, image.rect()), inside);
    }

    void iconsAreAllDifferent() {
        for (const Named &a : kAlleIcons) {
            for (const Named &b : kAlleIcons) {
                if (&a < &b) {
                    QVERIFY2(render(a.icon, 32, QRectF(0, 0, 32, 32)) !=
                                 render(b.icon, 32, QRectF(0, 0, 32, 32)),
                             qPrintable(QStringLiteral("%1 looks like %2")
                                            .arg(QLatin1String(a.name), QLatin1String(b.name))));
                }
            }
        }
    }

    void scaledIconKeepsItsShape() {
        // Drawn at 64 and shrunk to 32 it must look like the 32 drawing: vector art, one design.
        for (const Named &named : kAlleIcons) {
            const QImage small = render(named.icon, 32, QRectF(0, 0, 32, 32));
            const QImage big = render(named.icon, 64, QRectF(0, 0, 64, 64))
                                   .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            int differing = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    differing +=
                        (qAlpha(small.pixel(x, y)) > 128) != (qAlpha(big.pixel(x, y)) > 128);
                }
            }
            QVERIFY2(differing < 32 * 32 / 20, named.name);
        }
    }

    void windowIconIsPaintedAtEveryRequestedSize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("density");
        for (const int size : {16, 24, 37, 48, 128, 256}) {
            QTest::addRow("%d px", size) << size << qreal(1);
        }
        QTest::newRow("32 px at double density") << 32 << qreal(2);
    }
    void windowIconIsPaintedAtEveryRequestedSize() {
        QFETCH(int, size);
        QFETCH(qreal, density);
        const QPixmap pixmap = IconPainter::windowIcon().pixmap(QSize(size, size), density);
        const int pixels = qRound(size * density);
        QCOMPARE(pixmap.size(), QSize(pixels, pixels));
        QCOMPARE(pixmap.devicePixelRatio(), density);
        // Painted for that size on a transparent ground, not a fixed drawing enlarged or shrunk.
        QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown, render(Icon::Program, pixels, QRectF(0, 0, pixels, pixels)));
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
