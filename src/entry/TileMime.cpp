// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/TileMime.h"

#include <QMimeData>

namespace {
const QString kFormat = QStringLiteral("application/x-schriftlich-rechnen-ziffer");
}

namespace TileMime {

QMimeData *make(const QString &digit) {
    auto *data = new QMimeData;
    data->setData(kFormat, digit.toLatin1());
    return data;
}

std::optional<QString> digit(const QMimeData *data) {
    if (data == nullptr || !data->hasFormat(kFormat)) {
        return std::nullopt;
    }
    const QString text = QString::fromLatin1(data->data(kFormat));
    if (text.size() != 1 || !text.at(0).isDigit()) {
        return std::nullopt;
    }
    return text;
}

} // namespace TileMime
