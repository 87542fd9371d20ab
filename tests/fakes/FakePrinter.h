#pragma once

#include "platform/Printer.h"

// Prints nothing and says so; for windows that are handed a printer but never print.
class FakePrinter : public Printer {
public:
    Outcome print(const QStringList &, const QString &, int) override {
        return {Outcome::Kind::Failed, {}};
    }
};
