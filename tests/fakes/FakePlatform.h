#pragma once

#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeScreen.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/Random.h"

#include <cstdint>

// Every platform service a window needs, scripted, with a seeded generator. The printer and the
// clipboard refuse everything: the windows tested with this never use them.
struct FakePlatform {
    struct RefusingPrinter : Printer {
        Outcome print(const QStringList &, const QString &, int) override {
            return {Outcome::Kind::Failed, {}};
        }
    };
    struct RefusingClipboard : Clipboard {
        bool setText(const QString &) override { return false; }
    };

    explicit FakePlatform(std::uint64_t seed = 1) : random(seed) {}

    FakeDialogs dialogs;
    FakeClock clock;
    Random random;
    FakeScreen screen;
    RefusingPrinter printer;
    RefusingClipboard clipboard;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
};
