// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/WorksheetText.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "vocabulary/Rechenart.h"
#include "vocabulary/Zahlenzeile.h"

#include <array>

namespace {

constexpr int kAufgabenJeBlock = 6;
const QString kSpacer = QStringLiteral(" ");
const QString kCellEnd = QStringLiteral("   ");
const QString kLineEnd = QStringLiteral("\r\n");

struct Block {
    Rechenart art;
    int operanden;

    bool neuSaeen() const { return operanden == 2; }
    // The operand lines, the rule, the result and the closing rule.
    int zeilen() const { return operanden + 3; }
    int ergebnisZeile() const { return operanden + 1; }
};

struct Plan {
    QList<Block> bloecke;
    int leerzeilenNachBlock;
    int leerzeilenNachUeberschrift;
    QString aufgabenUeberschrift;
    QString loesungsUeberschrift;
};

Plan planFuer(Modul modul) {
    constexpr Block plus2{Rechenart::Addition, 2};
    constexpr Block plus3{Rechenart::Addition, 3};
    constexpr Block minus2{Rechenart::Subtraktion, 2};
    constexpr Block minus3{Rechenart::Subtraktion, 3};
    switch (modul) {
    case Modul::Addition:
        return {{plus2, plus2, plus2, plus3, plus3},
                2,
                2,
                QStringLiteral("Schriftliche Addition (Rechenblatt)"),
                QStringLiteral("Schriftliche Addition (Lösungsblatt)")};
    case Modul::Subtraktion:
        return {{minus2, minus2, minus2, minus3, minus3},
                2,
                2,
                QStringLiteral("Schriftliche Subtraktion (Rechenblatt)"),
                QStringLiteral("Schriftliche Subtraktion (Lösungsblatt)")};
    case Modul::Gemischt:
        break;
    }
    return {{plus2, minus2, plus2, minus2, plus3, minus3},
            1,
            1,
            QStringLiteral("Schriftliche Addition und Subtraktion"),
            QStringLiteral("Schriftliche Addition und Subtraktion (Lösungsblatt)")};
}

// One task appended as a cell to each of its block's row lines, top to bottom. Addition shows
// a + b (+ c) = s, subtraction the same numbers as s - b (- c) = a, so its result is always the
// three-digit a. The cells go straight into the lines: a sheet is drawn often and quickly.
void aufgabeZeichnen(const Block &block, const WorksheetText::Draw &draw, QStringList &zeilen) {
    std::array<int, 3> operanden{};
    int summe = 0;
    for (int i = 0; i < block.operanden; ++i) {
        const bool letzter = i == block.operanden - 1;
        operanden.at(static_cast<std::size_t>(i)) = letzter ? draw(1000, 1) : draw(900, 100);
        summe += operanden.at(static_cast<std::size_t>(i));
    }
    const bool addition = block.art == Rechenart::Addition;
    const QString vorzeichen = addition ? QStringLiteral("+") : QStringLiteral("-");
    auto zeile = zeilen.begin();
    auto zelle = [&zeile](const QString &vorne, const QString &hinten) {
        *zeile += vorne;
        *zeile += hinten;
        *zeile += kCellEnd;
        ++zeile;
    };
    zelle(kSpacer, zahlenzeile(addition ? operanden[0] : summe));
    for (int i = 1; i < block.operanden; ++i) {
        zelle(vorzeichen, zahlenzeile(operanden.at(static_cast<std::size_t>(i))));
    }
    zelle(QStringLiteral("_____"), QString());
    zelle(kSpacer, zahlenzeile(addition ? summe : operanden[0]));
    zelle(QStringLiteral("-----"), QString());
}

QStringList blockZeichnen(const Block &block, const WorksheetText::Draw &draw) {
    QStringList zeilen(block.zeilen());
    for (QString &zeile : zeilen) {
        zeile.reserve(kAufgabenJeBlock * (4 + 4 + kCellEnd.size()));
    }
    for (int k = 0; k < kAufgabenJeBlock; ++k) {
        aufgabeZeichnen(block, draw, zeilen);
    }
    return zeilen;
}

} // namespace

QStringList WorksheetText::rechenblattErstellen(Modul modul, Random &random, const Clock &clock) {
    return rechenblattErstellen(
        modul, [&random](int n, int m) { return random.draw(n, m); },
        [&random, &clock] { random.reseed(clock.secondsSinceMidnight()); });
}

QStringList WorksheetText::rechenblattErstellen(Modul modul, const Draw &draw,
                                                const Reseed &reseed) {
    const Plan plan = planFuer(modul);
    QStringList lines;
    for (const Block &block : plan.bloecke) {
        if (block.neuSaeen()) {
            reseed();
        }
        lines += blockZeichnen(block, draw);
        for (int i = 0; i < plan.leerzeilenNachBlock; ++i) {
            lines.append(kSpacer);
        }
    }
    return lines;
}

QList<int> WorksheetText::ergebnisZeilen(Modul modul) {
    const Plan plan = planFuer(modul);
    QList<int> result;
    int blockStart = 0;
    for (const Block &block : plan.bloecke) {
        result.append(blockStart + block.ergebnisZeile());
        blockStart += block.zeilen() + plan.leerzeilenNachBlock;
    }
    return result;
}

QStringList WorksheetText::aufgabenZeilen(const QStringList &lines, Modul modul) {
    QStringList result = lines;
    for (int index : ergebnisZeilen(modul)) {
        if (index < result.size()) {
            result[index] = kSpacer;
        }
    }
    return result;
}

QStringList WorksheetText::druckZeilen(const QStringList &lines, Modul modul, Blatt blatt) {
    const Plan plan = planFuer(modul);
    QStringList result{QString(), blatt == Blatt::Aufgaben ? plan.aufgabenUeberschrift
                                                           : plan.loesungsUeberschrift};
    for (int i = 0; i < plan.leerzeilenNachUeberschrift; ++i) {
        result.append(QString());
    }
    result += blatt == Blatt::Aufgaben ? aufgabenZeilen(lines, modul) : lines;
    return result;
}

QString WorksheetText::ablageText(const QStringList &lines, Modul modul) {
    const QStringList alle =
        aufgabenZeilen(lines, modul) + QStringList{QString(), QString()} + lines;
    qsizetype length = 0;
    for (const QString &line : alle) {
        length += line.size() + kLineEnd.size();
    }
    QString text;
    text.reserve(length);
    for (const QString &line : alle) {
        text += line;
        text += kLineEnd;
    }
    return text;
}
