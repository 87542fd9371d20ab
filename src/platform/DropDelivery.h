// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/System.h"

#include <functional>

class QObject;

// When a dropped digit tile is judged. On a desktop at once, inside the drop. In the browser Qt
// cannot open a second wait (the "Fehler" box) while the drag's own wait runs, so the drop is
// judged once the drag has ended: the dragged tile says when.
namespace DropDelivery {

// `judge` runs for the drop on `context`, now or after dragEnded(); not at all once `context`
// is gone.
void dropped(QObject &context, std::function<void()> judge, System system = thisSystem());

// The dragged tile's drag is over, dropped or not.
void dragEnded();

} // namespace DropDelivery
