// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three trainer modules: Form1, Form2 and Form3.
enum class Modul { Addition, Subtraktion, Gemischt };
