// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/IconPainter.h"

#include <QImageReader>
#include <QPainter>
#include <QTest>

namespace {

const QString kSvg = QStringLiteral("../packaging/de.schriftlich_rechnen.SchriftlichRechnen.svg");

QImage canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                     qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))});
}

} // namespace

// The desktop shows the installed scalable icon; the program's windows show the one it paints.
// Both must be the same picture.
class TestAppIcon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installedIconLooksLikeTheWindowIcon_data() {
        QTest::addColumn<int>("size");
        for (const int size : {32, 64, 256}) {
            QTest::addRow("%d px", size) << size;
        }
    }
    void installedIconLooksLikeTheWindowIcon() {
        QFETCH(int, size);
        // Read as the desktop reads it, through Qt's SVG image plugin (libqt6svg6).
        QImageReader reader(QFINDTESTDATA(kSvg));
        QCOMPARE(reader.format(), QByteArray("svg"));
        QCOMPARE(reader.size(), QSize(32, 32));
        reader.setScaledSize(QSize(size, size));
        const QImage installed = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(!installed.isNull(), qPrintable(reader.errorString()));
        QImage painted = canvas(size);
        QPainter iconPainter(&painted);
        IconPainter::paint(iconPainter, Icon::Program, QRectF(0, 0, size, size));
        iconPainter.end();

        // Edges may be smoothed a little differently; the shapes and colours must agree.
        int differing = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                differing += channelDistance(installed.pixel(x, y), painted.pixel(x, y)) > 64;
            }
        }
        QVERIFY2(
            differing <= size * size / 100,
            qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differing).arg(size * size)));
    }
};

QTEST_MAIN(TestAppIcon)
#include "test_appicon.moc"
