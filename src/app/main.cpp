#include "app/Form0.h"
#include "app/Navigator.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreen.h"
#include "platform/Random.h"
#include "platform/SystemClock.h"

#include <QApplication>
#include <chrono>

// Stand-ins while the start window is the only window of the program: no trainer to hand over
// to, nothing to print or copy yet. The window owner replaces them.
namespace {

struct NoPrinter : Printer {
    Outcome print(const QStringList &, const QString &, int) override {
        return {Outcome::Kind::Failed, {}};
    }
};

struct NoClipboard : Clipboard {
    bool setText(const QString &) override { return false; }
};

struct StartOnly : Navigator {
    void showStartWindow() override {}
    void showTrainer(Modul) override {}
    void showNumberCatch() override {}
    void showMemory() override {}
    void showInfo() override {}
    bool printingLocked() override { return true; }
    void quit() override { QCoreApplication::exit(0); }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SystemClock clock;
    Random random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    QtScreen screen;
    NoPrinter printer;
    NoClipboard clipboard;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
    StartOnly navigator;

    Form0 form0(platform, navigator);
    form0.show();
    form0.activated();
    return QApplication::exec();
}
