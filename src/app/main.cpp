#include "app/Windows.h"
#include "platform/Platform.h"
#include "platform/QtClipboard.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "platform/QtScreen.h"
#include "platform/QtTimer.h"
#include "platform/Random.h"
#include "platform/SystemClock.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Qt's own message for a missing display is long and English only.
bool displayMissing() {
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const bool wantsX =
        platform == nullptr || *platform == '\0' || std::string_view(platform).starts_with("xcb");
    const char *display = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return wantsX && (display == nullptr || *display == '\0') &&
           (wayland == nullptr || *wayland == '\0');
}

} // namespace

int main(int argc, char *argv[]) {
    if (displayMissing()) {
        std::fputs("schriftlich-rechnen: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt). / "
                   "No display found (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("schriftlich-rechnen"));
    QApplication::setDesktopFileName(QStringLiteral("de.schriftlich_rechnen.SchriftlichRechnen"));
    QApplication::setQuitOnLastWindowClosed(false);

    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtGerman);
    }

    QtDialogs dialogs;
    SystemClock clock;
    Random random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    QtScreen screen;
    QtPrinter printer;
    QtClipboard clipboard;
    QtTimer gameTimer;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};

    Windows windows(platform, gameTimer);
    windows.start();
    return QApplication::exec();
}
