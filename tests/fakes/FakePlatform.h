#pragma once

#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakePrinter.h"
#include "fakes/FakeScreen.h"
#include "platform/Platform.h"
#include "platform/Random.h"

// Every platform service as a scripted fake, and the Platform that hands them out.
struct FakePlatform {
    FakeDialogs dialogs;
    FakeClock clock;
    Random random{1};
    FakeScreen screen;
    FakePrinter printer;
    FakeClipboard clipboard;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
};
