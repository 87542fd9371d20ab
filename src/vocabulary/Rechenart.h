// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The kind of the task on screen: the mixed trainer draws it per task, the others keep theirs.
enum class Rechenart { Addition, Subtraktion };
