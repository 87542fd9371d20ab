// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/CupsLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool resolve(void *library, const char *name, Function &function, const char *fileName,
             QString &failure) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr) {
        failure = QStringLiteral("Der Bibliothek des Drucksystems (%1) fehlt die Funktion %2.")
                      .arg(QString::fromLocal8Bit(fileName), QString::fromLatin1(name));
    }
    return function != nullptr;
}

} // namespace

std::optional<CupsLibrary> CupsLibrary::open(const char *fileName, QString &failure) {
    void *library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        failure =
            QStringLiteral("Die Bibliothek des Drucksystems (%1) konnte nicht geladen werden.")
                .arg(QString::fromLocal8Bit(fileName));
        return std::nullopt;
    }
    CupsLibrary cups{};
    if (!resolve(library, "cupsGetNamedDest", cups.getNamedDest, fileName, failure) ||
        !resolve(library, "cupsPrintFile2", cups.printFile2, fileName, failure) ||
        !resolve(library, "cupsFreeDests", cups.freeDests, fileName, failure) ||
        !resolve(library, "cupsLastErrorString", cups.lastErrorString, fileName, failure)) {
        dlclose(library);
        return std::nullopt;
    }
    return cups;
}
