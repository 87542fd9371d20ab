// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SpoolerOutcome.h"

namespace {

// ERROR_CANCELLED: the file-name dialog of a printer that prints to a file was cancelled.
// ERROR_PRINT_CANCELLED: the job was deleted from the queue while it was being spooled.
constexpr quint32 kErrorCancelled = 1223;
constexpr quint32 kErrorPrintCancelled = 63;

} // namespace

Printer::Outcome SpoolerOutcome::failed(const QString &printer, Step step, quint32 lastError,
                                        const QString &systemText) {
    using Outcome = Printer::Outcome;
    if (step == Step::Open) {
        return {Outcome::Kind::Unreachable, printer, Outcome::Printers::Default, systemText};
    }
    // Only a job can be cancelled: before StartDoc such a code is not about printing.
    if (step >= Step::StartDocument &&
        (lastError == kErrorCancelled || lastError == kErrorPrintCancelled)) {
        return {Outcome::Kind::Cancelled, printer};
    }
    return {Outcome::Kind::Failed, printer, Outcome::Printers::Default, systemText};
}
