// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class QMimeData;

// A digit tile travels on the drag's mime data in a format of its own, so a drop target can
// tell a tile of this program from text, links or files dragged in from elsewhere, also when a
// synthetic drop has no source.
namespace TileMime {
QMimeData *make(const QString &digit);
// The tile's digit, or nullopt when the data is not one of our tiles.
std::optional<QString> digit(const QMimeData *data);
} // namespace TileMime
