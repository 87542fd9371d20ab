// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Printer.h"

#include <QList>

// Records every document handed to it and answers with the outcome a test sets.
class FakePrinter : public Printer {
public:
    Outcome print(const Document &document) override {
        documents.append(document);
        return outcome;
    }

    QList<Document> documents;
    Outcome outcome{Outcome::Kind::Printed, QStringLiteral("Fake")};
};
