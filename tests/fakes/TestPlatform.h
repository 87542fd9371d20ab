// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/FakeClipboard.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeNavigator.h"
#include "fakes/FakePrinter.h"
#include "fakes/FakeScreen.h"
#include "platform/Platform.h"
#include "platform/Random.h"

// Every platform service as a scripted fake, bundled for the windows under test.
struct TestPlatform {
    explicit TestPlatform(std::uint64_t seed = 1) : random(seed) {}

    FakeDialogs dialogs;
    FakeClock clock;
    Random random;
    FakeScreen screen;
    FakePrinter printer;
    FakeClipboard clipboard;
    FakeNavigator navigator;
    Platform platform{dialogs, clock, random, screen, printer, clipboard};
};
