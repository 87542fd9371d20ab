#pragma once

// The two systems the program is built for. A difference between them that the build decides is
// written as a function of this value, so that both sides are tested on either system.
enum class System { Linux, Windows };

// The system this build is made for.
constexpr System thisSystem() {
#ifdef _WIN32
    return System::Windows;
#else
    return System::Linux;
#endif
}
