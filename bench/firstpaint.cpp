// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X server of DISPLAY and measures it from outside, with no hook in the
// program: the time from starting the process until the first paint into one of its windows (the
// X Damage extension reports the first drawing into a window whose _NET_WM_PID is the process),
// the processor time its threads had used by then (which the other work on a busy machine does
// not stretch as it stretches the time), and the peak resident memory of the process up to
// SETTLE milliseconds after that paint.
//
//   firstpaint [--settle MS] -- PROGRAM [ARGS...]
//   prints: first_paint_ms=57.3 cpu_ms=41.2 max_rss_kb=30512
//
// A program that quits by itself (the floor) is waited for; any other is ended with SIGTERM once
// the settle time has passed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTimeout = std::chrono::seconds(30);

// Windows vanish while we look at them; the errors that causes are expected.
int ignoreErrors(Display *, XErrorEvent *) {
    return 0;
}

long windowPid(Display *display, Window window) {
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            pid = *reinterpret_cast<long *>(data);
        }
        XFree(data);
    }
    return pid;
}

double millisecondsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// The processor time all threads of the process have used so far (the first field of each
// thread's schedstat, in nanoseconds).
double cpuMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (dir == nullptr) {
        return 0;
    }
    unsigned long long total = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        if (FILE *file = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(file, "%llu", &ns) == 1) {
                total += ns;
            }
            std::fclose(file);
        }
    }
    closedir(dir);
    return static_cast<double>(total) / 1e6;
}

int usage() {
    std::fputs("usage: firstpaint [--settle MS] -- PROGRAM [ARGS...]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    int settleMs = 0;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--settle") == 0 && first + 1 < argc) {
            settleMs = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            return usage();
        }
    }
    if (first >= argc) {
        return usage();
    }

    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("firstpaint: cannot open the display\n", stderr);
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fputs("firstpaint: the X server has no Damage extension\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("firstpaint: fork");
        return 1;
    }
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("firstpaint: exec");
        _exit(127);
    }

    std::map<Window, long> owners;
    Clock::time_point painted{};
    double cpuAtPaint = 0;
    bool hasPainted = false;
    bool exited = false;
    int status = 0;
    rusage usage{};
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify) {
                // Every new top-level window is watched; only the program's own count. Its
                // owner is read now and whenever it is set, while the window still exists.
                const Window window = event.xcreatewindow.window;
                XSelectInput(display, window, PropertyChangeMask);
                XDamageCreate(display, window, XDamageReportNonEmpty);
                owners[window] = windowPid(display, window);
            } else if (event.type == PropertyNotify) {
                owners[event.xproperty.window] = windowPid(display, event.xproperty.window);
            } else if (event.type == damageEvent + XDamageNotify && !hasPainted) {
                const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
                if (owners[damage->drawable] == pid) {
                    painted = Clock::now();
                    cpuAtPaint = cpuMilliseconds(pid);
                    hasPainted = true;
                }
            }
        }
        if (exited) {
            break;
        }
        // One more round after the program ended, for the events it sent before.
        exited = wait4(pid, &status, WNOHANG, &usage) == pid;
        if (exited) {
            XSync(display, False);
            continue;
        }
        const Clock::time_point now = Clock::now();
        if (hasPainted && now - painted >= std::chrono::milliseconds(settleMs)) {
            break;
        }
        if (now - start > kTimeout) {
            std::fputs("firstpaint: no paint within the timeout\n", stderr);
            break;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 2);
    }
    if (!exited) {
        kill(pid, SIGTERM);
        wait4(pid, &status, 0, &usage);
    }
    XCloseDisplay(display);
    if (!hasPainted) {
        return 1;
    }
    std::printf("first_paint_ms=%.1f cpu_ms=%.1f max_rss_kb=%ld\n",
                millisecondsSince(start, painted), cpuAtPaint, usage.ru_maxrss);
    return 0;
}
