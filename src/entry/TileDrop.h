// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

class QDragMoveEvent;
class QDropEvent;

// The drop-target side shared by answer fields and key symbols: accept a tile of this program,
// ignore anything else.
namespace TileDrop {
void accept(QDragMoveEvent *event);
// The dropped tile's digit (the event accepted), or nullopt (the event ignored).
std::optional<QString> take(QDropEvent *event);
} // namespace TileDrop
