// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A whole number 0..9999 right-aligned in exactly four characters, padded with spaces: the text
// form of every task record, expected digit and worksheet line.
inline QString zahlenzeile(int value) {
    return QString::number(value).rightJustified(4, QLatin1Char(' '));
}

// The character at position k (1..4) of a row; a space where the row has no digit there.
inline QChar zeichen(const QString &row, int k) {
    return k >= 1 && k <= row.size() ? row.at(k - 1) : QLatin1Char(' ');
}

// The digit at position k (1..4); a space (or anything that is not a digit) counts 0.
inline int ziffer(const QString &row, int k) {
    const QChar c = zeichen(row, k);
    return c.isDigit() ? c.digitValue() : 0;
}

// The numeric value of a text of digits, spaces ignored; an empty text counts 0.
inline int zahlWert(const QString &text) {
    int value = 0;
    for (const QChar c : text) {
        if (c.isDigit()) {
            value = value * 10 + c.digitValue();
        }
    }
    return value;
}
