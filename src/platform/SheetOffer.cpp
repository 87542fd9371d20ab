// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetOffer.h"

namespace SheetOffer {

Printer::Outcome outcome(int ended, const QString &fileName) {
    using Kind = Printer::Outcome::Kind;
    switch (static_cast<Ended>(ended)) {
    case Ended::Downloaded:
        return {Kind::Downloaded, fileName};
    case Ended::DownloadedToFiles:
        return {Kind::DownloadedToFiles, fileName};
    case Ended::Shared:
        return {Kind::Shared, fileName};
    case Ended::ShareCancelled:
        return {Kind::Cancelled, fileName};
    case Ended::Refused:
        break;
    }
    // Whatever else the script answers, nothing is claimed to have arrived.
    return {Kind::Refused, fileName};
}

} // namespace SheetOffer
