// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cups/cups.h>
#include <optional>

// The functions of libcups that a print job needs. The library is opened when a sheet is printed,
// not at start: it brings GnuTLS, Kerberos, Avahi and a dozen more libraries along.
struct CupsLibrary {
    decltype(&cupsGetNamedDest) getNamedDest;
    decltype(&cupsPrintFile2) printFile2;
    decltype(&cupsFreeDests) freeDests;
    decltype(&cupsLastErrorString) lastErrorString;

    static constexpr const char *kFileName = "libcups.so.2";

    // The library of that file name with every function above; otherwise nothing, and `failure`
    // says why in the teacher's words. The library stays loaded for the rest of the run.
    static std::optional<CupsLibrary> open(const char *fileName, QString &failure);
};
