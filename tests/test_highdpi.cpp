// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/InfoWindow.h"
#include "app/StartWindow.h"
#include "fakes/FakeTimer.h"
#include "fakes/LayoutCheck.h"
#include "fakes/TestPlatform.h"
#include "games/MemoryWindow.h"
#include "games/NumberCatchState.h"
#include "games/NumberCatchWindow.h"
#include "trainer/TrainerWindow.h"
#include "widgets/IconPainter.h"
#include "widgets/LayoutFont.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QTest>
#include <memory>

// The whole program as it runs on a scaled screen: 125 %, 150 % or 200 % (QT_SCALE_FACTOR, set by
// ctest for each run before the application starts; 2 when started by hand).
namespace {

qreal screenScale() {
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

struct ShownWindow {
    TestPlatform p;
    NumberCatchState state;
    FakeTimer timer;
    std::unique_ptr<QWidget> window;

    explicit ShownWindow(const QString &name) {
        if (name == QStringLiteral("Form0")) {
            window = std::make_unique<StartWindow>(p.platform, p.navigator);
        } else if (name == QStringLiteral("Form1")) {
            window = std::make_unique<TrainerWindow>(Modul::Addition, p.platform, p.navigator);
        } else if (name == QStringLiteral("Form2")) {
            window = std::make_unique<TrainerWindow>(Modul::Subtraktion, p.platform, p.navigator);
        } else if (name == QStringLiteral("Form3")) {
            window = std::make_unique<TrainerWindow>(Modul::Gemischt, p.platform, p.navigator);
        } else if (name == QStringLiteral("QUVLABEL")) {
            window = std::make_unique<InfoWindow>(p.platform, true);
        } else if (name == QStringLiteral("Form4")) {
            window = std::make_unique<NumberCatchWindow>(p.platform, p.navigator, state, timer);
        } else {
            window = std::make_unique<MemoryWindow>(p.platform, p.navigator);
        }
        window->show();
    }
};

void addWindowRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("twipsSize");
    QTest::newRow("start window") << QStringLiteral("Form0") << QSize(6390, 7485);
    QTest::newRow("addition") << QStringLiteral("Form1") << QSize(7845, 5700);
    QTest::newRow("subtraction") << QStringLiteral("Form2") << QSize(7845, 5685);
    QTest::newRow("mixed") << QStringLiteral("Form3") << QSize(7845, 5670);
    QTest::newRow("info window") << QStringLiteral("QUVLABEL") << QSize(3510, 4005);
    QTest::newRow("number catch") << QStringLiteral("Form4") << QSize(7245, 5085);
    QTest::newRow("memory") << QStringLiteral("memo") << QSize(6540, 5805);
}

// The box's picture as PictureBox lays it out, painted straight at the given density.
QImage iconPicture(const PictureBox &box, qreal density) {
    QImage image(box.size() * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(box.palette().color(QPalette::Window));
    QPainter painter(&image);
    IconPainter::paint(painter, *box.icon(),
                       QRectF((box.width() - 32) / 2.0, (box.height() - 32) / 2.0, 32, 32));
    return image;
}

// Pixels that differ clearly in any colour channel.
int differingPixels(const QImage &a, const QImage &b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int distance = std::max(
                {qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
            count += distance > 32 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowsKeepTheirSizeAndDrawAtTheScreensScale_data() { addWindowRows(); }
    void windowsKeepTheirSizeAndDrawAtTheScreensScale() {
        QFETCH(QString, name);
        QFETCH(QSize, twipsSize);
        const qreal scale = screenScale();
        ShownWindow fixture(name);
        QWidget &window = *fixture.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), scale);
        // The layout is in twips and stays so: the same client size and the same positions of
        // every control, each now drawn with `scale` pixels for one along each side.
        QCOMPARE(window.size(), QSize(twips(twipsSize.width()), twips(twipsSize.height())));
        const QPixmap shot = window.grab();
        QCOMPARE(shot.devicePixelRatio(), scale);
        QCOMPARE(shot.size(), (QSizeF(window.size()) * scale).toSize());
        for (const QWidget *child : window.findChildren<QWidget *>()) {
            QCOMPARE(child->devicePixelRatioF(), scale);
            // A bitmap face would be drawn in its nearest pixel size, not the layout's.
            const QFontInfo face(child->font());
            QVERIFY2(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                     qPrintable(child->objectName() + QStringLiteral(" is drawn with ") +
                                face.family()));
        }
    }

    // Which face draws a layout font, among the machine's faces and Windows' bitmap ones: an
    // outline face, never the bitmap "MS Sans Serif" that a scaled screen shows blown up, fixed
    // pitch for the worksheet's "Courier New", with the weight and slant asked for. The faces
    // do not depend on the screen's scale: checked in the first run only.
    void layoutFontsAreDrawnWithOutlineFaces_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        const QString sans = QStringLiteral("MS Sans Serif");
        const QString mono = QStringLiteral("Courier New");
        QTest::newRow("sans serif") << sans << 8.25 << false << false;
        QTest::newRow("sans serif bold (the counters)") << sans << 9.75 << true << false;
        QTest::newRow("sans serif bold (the grid)") << sans << 24.0 << true << false;
        QTest::newRow("sans serif bold italic") << sans << 18.0 << true << true;
        QTest::newRow("Courier New bold (the worksheet)") << mono << 9.75 << true << false;
        QTest::newRow("Courier New italic") << mono << 12.0 << false << true;
    }
    void layoutFontsAreDrawnWithOutlineFaces() {
        if (screenScale() != 1.25) {
            QSKIP("the faces are the same at every scale");
        }
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const QFontInfo face(fontPt(points, bold, italic, family));
        QVERIFY2(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()),
                 qPrintable(face.family() + QStringLiteral(" is no outline face")));
        QCOMPARE(face.fixedPitch(), family == QStringLiteral("Courier New"));
        QCOMPARE(face.pointSizeF(), points);
        QCOMPARE(face.bold(), bold);
        QCOMPARE(face.italic(), italic);
    }

    // The licence notice and the other texts of the info window, drawn at the screen's scale.
    void infoWindowTextsFitTheirLabels() {
        TestPlatform p;
        InfoWindow info(p.platform, true);
        info.show();
        info.activated();
        LayoutCheck::labelsShowTheirWholeText(&info);
    }

    void pictureBoxIconsArePaintedAtTheScreensDensity_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("start window") << QStringLiteral("Form0");
        QTest::newRow("trainer") << QStringLiteral("Form1");
        QTest::newRow("info window") << QStringLiteral("QUVLABEL");
        QTest::newRow("number catch") << QStringLiteral("Form4");
    }
    void pictureBoxIconsArePaintedAtTheScreensDensity() {
        QFETCH(QString, name);
        const qreal scale = screenScale();
        ShownWindow fixture(name);
        QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
        int checked = 0;
        for (PictureBox *box : fixture.window->findChildren<PictureBox *>()) {
            if (!box->icon()) {
                continue;
            }
            const QImage shown = box->grab().toImage();
            const QSize pixels = (QSizeF(box->size()) * scale).toSize();
            QCOMPARE(shown.size(), pixels);
            const QImage sharp = iconPicture(*box, scale);
            // A picture drawn for one density and enlarged is blurred at every edge.
            const QImage enlarged = iconPicture(*box, 1).scaled(pixels, Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation);
            const int area = shown.width() * shown.height();
            QVERIFY2(differingPixels(shown, sharp) <= area / 200,
                     qPrintable(box->objectName() + QStringLiteral(" is not drawn sharp")));
            QVERIFY2(differingPixels(sharp, enlarged) > area / 200,
                     qPrintable(box->objectName() + QStringLiteral(": sharp and enlarged agree")));
            ++checked;
        }
        QVERIFY(checked > 0);
    }
};

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdpi.moc"
