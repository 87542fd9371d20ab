#pragma once

#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeNavigator.h"
#include "fakes/FakeScreen.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/Random.h"

// Every platform service as a scripted fake, bundled for the windows under test.
struct TestPlatform {
    struct NoPrinter : Printer {
        Outcome print(const QStringList &, const QString &, int) override {
            return {Outcome::Kind::Failed, {}};
        }
    };
    struct NoClipboard : Clipboard {
        bool setText(const QString &) override { return false; }
    };

    explicit TestPlatform(std::uint64_t seed = 1) : random(seed) {}

    FakeDialogs dialogs;
    FakeClock clock;
    Random random;
    FakeScreen screen;
    NoPrinter printer;
    NoClipboard clipboard;
    FakeNavigator navigator;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
};
