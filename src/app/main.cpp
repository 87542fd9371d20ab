#include "app/Program.h"

#include <QApplication>
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
    Program program;
    program.windows().start();
    return QApplication::exec();
}
