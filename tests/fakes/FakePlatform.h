#pragma once

#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakePrinter.h"
#include "fakes/FakeScreen.h"
#include "platform/Platform.h"
#include "platform/Random.h"

// Every desktop service as a scripted fake, bundled the way a window is handed them.
struct FakePlatform {
    FakeDialogs dialogs;
    FakeClock clock;
    Random random{42};
    FakeScreen screen;
    FakePrinter printer;
    FakeClipboard clipboard;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
};
