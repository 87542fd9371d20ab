// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeClock.h"
#include "platform/Random.h"
#include "vocabulary/Zahlenzeile.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetText.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(Modul)
Q_DECLARE_METATYPE(WorksheetText::Blatt)

namespace {

constexpr int cellWidth = 8;
constexpr int cellsPerLine = 6;

// One task read back from its cells: the operands in drawing order (a, b, c) and its sign.
struct Task {
    QChar sign;
    QList<int> operands;
};

// A block read back from a sheet: consecutive row lines, followed by spacer lines.
struct Block {
    int start = 0;
    QStringList rows;
    int spacersAfter = 0;
    QChar sign() const { return rows.value(1).left(1).front(); }
    int operands() const { return static_cast<int>(rows.size()) - 3; }
    int resultLine() const { return start + static_cast<int>(rows.size()) - 2; }
};

QList<Block> blocksOf(const QStringList &lines) {
    QList<Block> blocks;
    bool inBlock = false;
    for (int i = 0; i < lines.size(); ++i) {
        const bool spacer = lines[i] == QStringLiteral(" ");
        if (!spacer && !inBlock) {
            blocks.append({i, {}, 0});
        }
        if (spacer && !blocks.isEmpty()) {
            ++blocks.last().spacersAfter;
        } else if (!spacer) {
            blocks.last().rows.append(lines[i]);
        }
        inBlock = !spacer;
    }
    return blocks;
}

// The number of a cell's characters 2..5: right-aligned, spaces on the left, no leading zero.
int fieldNumber(const QString &cell) {
    static const QRegularExpression field(QStringLiteral("^ *[1-9][0-9]*$"));
    const QString text = cell.mid(1, 4);
    return field.match(text).hasMatch() ? text.trimmed().toInt() : -1;
}

// Reads task k of a block, verifying the layout of every one of its cells.
void readTask(const Block &block, int k, Task &task) {
    QStringList cells;
    for (const QString &row : block.rows) {
        cells.append(row.mid(k * cellWidth, cellWidth));
        QVERIFY2(cells.last().endsWith(QStringLiteral("   ")), qPrintable(row));
    }
    const int n = block.operands();
    QVERIFY2(cells[0][0] == QLatin1Char(' '), qPrintable(block.rows[0]));
    QCOMPARE(cells[n].left(5), QStringLiteral("_____"));
    QVERIFY(cells[n + 1][0] == QLatin1Char(' '));
    QCOMPARE(cells[n + 2].left(5), QStringLiteral("-----"));
    task.sign = block.sign();
    QList<int> lower;
    for (int i = 1; i < n; ++i) {
        QVERIFY2(cells[i][0] == task.sign, qPrintable(block.rows[i]));
        lower.append(fieldNumber(cells[i]));
    }
    const int top = fieldNumber(cells[0]);
    const int result = fieldNumber(cells[n + 1]);
    QVERIFY2(!lower.contains(-1) && top > 0 && result > 0, "a cell holds no Zahlenzeile");
    int lowerSum = 0;
    for (int value : lower) {
        lowerSum += value;
    }
    if (task.sign == QLatin1Char('+')) {
        QCOMPARE(top + lowerSum, result);
        task.operands = QList<int>{top} + lower;
    } else {
        QCOMPARE(task.sign, QLatin1Char('-'));
        QCOMPARE(top - lowerSum, result);
        task.operands = QList<int>{result} + lower;
    }
}

QList<Task> tasksOf(const QStringList &lines) {
    QList<Task> tasks;
    for (const Block &block : blocksOf(lines)) {
        for (int k = 0; k < cellsPerLine; ++k) {
            Task task;
            readTask(block, k, task);
            if (QTest::currentTestFailed()) {
                return {};
            }
            tasks.append(task);
        }
    }
    return tasks;
}

// The kinds of blocks in order, as "+2" (addition, two operands) or "-3".
QStringList blockKinds(const QStringList &lines) {
    QStringList kinds;
    for (const Block &block : blocksOf(lines)) {
        kinds.append(QString(block.sign()) + QString::number(block.operands()));
    }
    return kinds;
}

int seedCount(int base) {
    const int scale = qEnvironmentVariableIntValue("SR_TEST_SCALE");
    return base * (scale > 0 ? scale : 1);
}

// Answers each draw from a script of values and records what was asked; past the script it
// answers the smallest value of the range.
struct ScriptedDraw {
    QList<int> script;
    QList<QPair<int, int>> asked;
    QStringList events;

    WorksheetText::Draw draw() {
        return [this](int n, int m) {
            asked.append({n, m});
            events.append(QStringLiteral("d"));
            return script.isEmpty() ? m : script.takeFirst();
        };
    }
    WorksheetText::Reseed reseed() {
        return [this] { events.append(QStringLiteral("r")); };
    }
};

} // namespace

class TestWorksheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void worksheetKeepsTheDrawnSheetWhileOpenAndNothingAfterAbbruch() {
        Random random(7);
        Random same(7);
        FakeClock clock;
        Worksheet blatt(Modul::Subtraktion, random, clock);
        QCOMPARE(blatt.ansicht(), Worksheet::Ansicht::Entwurf);
        QVERIFY(blatt.zeilen().isEmpty());
        blatt.blattZeigen();
        QVERIFY(blatt.isOpen());
        QCOMPARE(blatt.zeilen(),
                 WorksheetText::rechenblattErstellen(Modul::Subtraktion, same, clock));
        blatt.blattSchliessen();
        QCOMPARE(blatt.ansicht(), Worksheet::Ansicht::Geschlossen);
        QVERIFY(blatt.zeilen().isEmpty());
    }

    void zahlenzeileRightAlignsInFourCharacters_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << QStringLiteral("   0");
        QTest::newRow("one digit") << 1 << QStringLiteral("   1");
        QTest::newRow("two digits") << 97 << QStringLiteral("  97");
        QTest::newRow("three digits") << 452 << QStringLiteral(" 452");
        QTest::newRow("four digits") << 1031 << QStringLiteral("1031");
        QTest::newRow("largest sheet number") << 2998 << QStringLiteral("2998");
    }
    void zahlenzeileRightAlignsInFourCharacters() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(zahlenzeile(value), text);
    }

    void sheetFollowsTheBlockPlan_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<int>("spacers");
        const QStringList addition{QStringLiteral("+2"), QStringLiteral("+2"), QStringLiteral("+2"),
                                   QStringLiteral("+3"), QStringLiteral("+3")};
        QStringList subtraction = addition;
        subtraction.replaceInStrings(QStringLiteral("+"), QStringLiteral("-"));
        QTest::newRow("addition") << Modul::Addition << 37 << addition << 2;
        QTest::newRow("subtraction") << Modul::Subtraktion << 37 << subtraction << 2;
        QTest::newRow("mixed") << Modul::Gemischt << 38
                               << QStringList{QStringLiteral("+2"), QStringLiteral("-2"),
                                              QStringLiteral("+2"), QStringLiteral("-2"),
                                              QStringLiteral("+3"), QStringLiteral("-3")}
                               << 1;
    }
    void sheetFollowsTheBlockPlan() {
        QFETCH(Modul, modul);
        QFETCH(int, lineCount);
        QFETCH(QStringList, kinds);
        QFETCH(int, spacers);
        Random random(7);
        FakeClock clock;
        const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
        QCOMPARE(lines.size(), lineCount);
        QCOMPARE(blockKinds(lines), kinds);
        for (const Block &block : blocksOf(lines)) {
            QCOMPARE(block.spacersAfter, spacers);
        }
    }

    void everyLineIsARowOf48CharactersOrASingleSpace_data() { modules(); }
    void everyLineIsARowOf48CharactersOrASingleSpace() {
        QFETCH(Modul, modul);
        FakeClock clock;
        for (int seed = 0; seed < seedCount(200); ++seed) {
            Random random(seed);
            for (const QString &line : WorksheetText::rechenblattErstellen(modul, random, clock)) {
                const bool spacer = line == QStringLiteral(" ");
                const bool row = line.size() == 48 && line.endsWith(QStringLiteral("   "));
                QVERIFY2(spacer || row, qPrintable(QLatin1Char('"') + line + QLatin1Char('"')));
            }
        }
    }

    void tasksAgreeWithTheArithmeticAndTheRanges_data() { modules(); }
    void tasksAgreeWithTheArithmeticAndTheRanges() {
        QFETCH(Modul, modul);
        FakeClock clock;
        for (int seed = 0; seed < seedCount(300); ++seed) {
            Random random(seed);
            const QList<Task> tasks =
                tasksOf(WorksheetText::rechenblattErstellen(modul, random, clock));
            if (QTest::currentTestFailed()) {
                return;
            }
            QCOMPARE(tasks.size(), modul == Modul::Gemischt ? 36 : 30);
            for (const Task &task : tasks) {
                const QList<int> &o = task.operands;
                QVERIFY(o[0] >= 100 && o[0] <= 999);
                QVERIFY(o.last() >= 1 && o.last() <= 1000);
                if (o.size() == 3) {
                    QVERIFY(o[1] >= 100 && o[1] <= 999);
                }
            }
        }
    }

    void operandRangesAreReachedAtBothEnds_data() { modules(); }
    void operandRangesAreReachedAtBothEnds() {
        QFETCH(Modul, modul);
        FakeClock clock;
        // Per operand position (a, middle b of three, last): the smallest and largest seen.
        QList<int> lowest{10000, 10000, 10000};
        QList<int> highest{0, 0, 0};
        for (int seed = 0; seed < seedCount(1000); ++seed) {
            Random random(seed);
            for (const Task &task :
                 tasksOf(WorksheetText::rechenblattErstellen(modul, random, clock))) {
                for (int i = 0; i < task.operands.size(); ++i) {
                    const int slot = i == task.operands.size() - 1 ? 2 : i;
                    lowest[slot] = qMin(lowest[slot], task.operands[i]);
                    highest[slot] = qMax(highest[slot], task.operands[i]);
                }
            }
        }
        QCOMPARE(lowest, (QList<int>{100, 100, 1}));
        QCOMPARE(highest, (QList<int>{999, 999, 1000}));
    }

    void subtractionResultsHaveThreeDigits() {
        FakeClock clock;
        for (int seed = 0; seed < seedCount(300); ++seed) {
            Random random(seed);
            const QStringList lines =
                WorksheetText::rechenblattErstellen(Modul::Subtraktion, random, clock);
            for (const Block &block : blocksOf(lines)) {
                const QString results = lines[block.resultLine()];
                for (int k = 0; k < cellsPerLine; ++k) {
                    QVERIFY2(results.mid(k * cellWidth, 2) == QStringLiteral("  ") &&
                                 results[k * cellWidth + 2] != QLatin1Char(' '),
                             qPrintable(results));
                }
            }
        }
    }

    void resultLinesStandAtTheirFixedNumbers_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<QList<int>>("resultLines");
        QTest::newRow("addition") << Modul::Addition << QList<int>{3, 10, 17, 25, 33};
        QTest::newRow("subtraction") << Modul::Subtraktion << QList<int>{3, 10, 17, 25, 33};
        QTest::newRow("mixed") << Modul::Gemischt << QList<int>{3, 9, 15, 21, 28, 35};
    }
    void resultLinesStandAtTheirFixedNumbers() {
        QFETCH(Modul, modul);
        QFETCH(QList<int>, resultLines);
        QCOMPARE(WorksheetText::ergebnisZeilen(modul), resultLines);
        Random random(11);
        FakeClock clock;
        QList<int> found;
        for (const Block &block :
             blocksOf(WorksheetText::rechenblattErstellen(modul, random, clock))) {
            found.append(block.resultLine());
        }
        QCOMPARE(found, resultLines);
    }

    void cellsMatchTheExampleTasks_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<QStringList>("starts");
        QTest::newRow("addition") << Modul::Addition
                                  << QStringList{QStringLiteral("  345     812   "),
                                                 QStringLiteral("+  78   +1000   "),
                                                 QStringLiteral("_____   _____   "),
                                                 QStringLiteral("  423    1812   "),
                                                 QStringLiteral("-----   -----   ")};
        QTest::newRow("subtraction")
            << Modul::Subtraktion
            << QStringList{QStringLiteral("  423    1812   "), QStringLiteral("-  78   -1000   "),
                           QStringLiteral("_____   _____   "), QStringLiteral("  345     812   "),
                           QStringLiteral("-----   -----   ")};
    }
    void cellsMatchTheExampleTasks() {
        QFETCH(Modul, modul);
        QFETCH(QStringList, starts);
        ScriptedDraw scripted{{345, 78, 812, 1000}, {}, {}};
        const QStringList lines =
            WorksheetText::rechenblattErstellen(modul, scripted.draw(), scripted.reseed());
        for (int i = 0; i < starts.size(); ++i) {
            QCOMPARE(lines[i].left(16), starts[i]);
        }
    }

    void operandOneIsSignThreeSpacesAndDigit_data() { modules(); }
    void operandOneIsSignThreeSpacesAndDigit() {
        QFETCH(Modul, modul);
        ScriptedDraw scripted{{500, 1}, {}, {}};
        const QStringList lines =
            WorksheetText::rechenblattErstellen(modul, scripted.draw(), scripted.reseed());
        const QString sign =
            modul == Modul::Subtraktion ? QStringLiteral("-") : QStringLiteral("+");
        QCOMPARE(lines[1].left(8), sign + QStringLiteral("   1   "));
    }

    void operandsAreDrawnAsABAndCWithTheirRanges_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<QString>("blockOperands");
        QTest::newRow("addition") << Modul::Addition << QStringLiteral("22233");
        QTest::newRow("subtraction") << Modul::Subtraktion << QStringLiteral("22233");
        QTest::newRow("mixed") << Modul::Gemischt << QStringLiteral("222233");
    }
    void operandsAreDrawnAsABAndCWithTheirRanges() {
        QFETCH(Modul, modul);
        QFETCH(QString, blockOperands);
        // Distinct scripted values show where each draw lands on the sheet.
        QList<QPair<int, int>> expectedAsks;
        QList<int> script;
        for (QChar count : blockOperands) {
            for (int k = 0; k < cellsPerLine; ++k) {
                if (count == QLatin1Char('2')) {
                    expectedAsks += {{900, 100}, {1000, 1}};
                } else {
                    expectedAsks += {{900, 100}, {900, 100}, {1000, 1}};
                }
            }
        }
        for (int i = 0; i < expectedAsks.size(); ++i) {
            script.append(expectedAsks[i].second + (i * 37) % expectedAsks[i].first);
        }
        ScriptedDraw scripted{script, {}, {}};
        const QStringList lines =
            WorksheetText::rechenblattErstellen(modul, scripted.draw(), scripted.reseed());
        QCOMPARE(scripted.asked, expectedAsks);
        QList<int> shown;
        for (const Task &task : tasksOf(lines)) {
            shown += task.operands;
        }
        QCOMPARE(shown, script);
    }

    void generatorIsReseededBeforeEachTwoOperandBlock_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<QList<int>>("drawsBeforeReseeds");
        QTest::newRow("addition") << Modul::Addition << QList<int>{0, 12, 24};
        QTest::newRow("subtraction") << Modul::Subtraktion << QList<int>{0, 12, 24};
        QTest::newRow("mixed") << Modul::Gemischt << QList<int>{0, 12, 24, 36};
    }
    void generatorIsReseededBeforeEachTwoOperandBlock() {
        QFETCH(Modul, modul);
        QFETCH(QList<int>, drawsBeforeReseeds);
        ScriptedDraw scripted;
        WorksheetText::rechenblattErstellen(modul, scripted.draw(), scripted.reseed());
        QList<int> found;
        int draws = 0;
        for (const QString &event : scripted.events) {
            if (event == QStringLiteral("r")) {
                found.append(draws);
            } else {
                ++draws;
            }
        }
        QCOMPARE(found, drawsBeforeReseeds);
    }

    void reseedingInTheSameSecondStillGivesDifferentBlocks_data() { modules(); }
    void reseedingInTheSameSecondStillGivesDifferentBlocks() {
        QFETCH(Modul, modul);
        FakeClock clock;
        for (int seed = 0; seed < seedCount(50); ++seed) {
            Random random(seed);
            const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
            QStringList firstLines;
            for (const Block &block : blocksOf(lines)) {
                if (block.operands() == 2) {
                    firstLines.append(block.rows[0]);
                }
            }
            firstLines.removeDuplicates();
            QCOMPARE(firstLines.size(), modul == Modul::Gemischt ? 4 : 3);
            QVERIFY(WorksheetText::rechenblattErstellen(modul, random, clock) != lines);
        }
    }

    void taskSheetBlanksExactlyTheResultLines_data() { modules(); }
    void taskSheetBlanksExactlyTheResultLines() {
        QFETCH(Modul, modul);
        Random random(3);
        FakeClock clock;
        const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
        const QStringList tasks = WorksheetText::aufgabenZeilen(lines, modul);
        QCOMPARE(tasks.size(), lines.size());
        QList<int> resultLines;
        for (const Block &block : blocksOf(lines)) {
            resultLines.append(block.resultLine());
        }
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(tasks[i], resultLines.contains(i) ? QStringLiteral(" ") : lines[i]);
        }
    }

    void printedSheetStartsWithItsHeading_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<WorksheetText::Blatt>("blatt");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("emptyLines");
        using B = WorksheetText::Blatt;
        QTest::newRow("addition tasks")
            << Modul::Addition << B::Aufgaben
            << QStringLiteral("Schriftliche Addition (Rechenblatt)") << 2;
        QTest::newRow("addition solutions")
            << Modul::Addition << B::Loesungen
            << QStringLiteral("Schriftliche Addition (Lösungsblatt)") << 2;
        QTest::newRow("subtraction tasks")
            << Modul::Subtraktion << B::Aufgaben
            << QStringLiteral("Schriftliche Subtraktion (Rechenblatt)") << 2;
        QTest::newRow("subtraction solutions")
            << Modul::Subtraktion << B::Loesungen
            << QStringLiteral("Schriftliche Subtraktion (Lösungsblatt)") << 2;
        QTest::newRow("mixed tasks")
            << Modul::Gemischt << B::Aufgaben
            << QStringLiteral("Schriftliche Addition und Subtraktion") << 1;
        QTest::newRow("mixed solutions")
            << Modul::Gemischt << B::Loesungen
            << QStringLiteral("Schriftliche Addition und Subtraktion (Lösungsblatt)") << 1;
    }
    void printedSheetStartsWithItsHeading() {
        QFETCH(Modul, modul);
        QFETCH(WorksheetText::Blatt, blatt);
        QFETCH(QString, heading);
        QFETCH(int, emptyLines);
        Random random(5);
        FakeClock clock;
        const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
        QStringList expected{QString(), heading};
        for (int i = 0; i < emptyLines; ++i) {
            expected.append(QString());
        }
        expected += blatt == WorksheetText::Blatt::Aufgaben
                        ? WorksheetText::aufgabenZeilen(lines, modul)
                        : lines;
        QCOMPARE(WorksheetText::druckZeilen(lines, modul, blatt), expected);
    }

    void clipboardTextHoldsTaskHalfThenSolutionHalf_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("addition") << Modul::Addition << 76;
        QTest::newRow("subtraction") << Modul::Subtraktion << 76;
        QTest::newRow("mixed") << Modul::Gemischt << 78;
    }
    void clipboardTextHoldsTaskHalfThenSolutionHalf() {
        QFETCH(Modul, modul);
        QFETCH(int, lineCount);
        Random random(9);
        FakeClock clock;
        const QStringList lines = WorksheetText::rechenblattErstellen(modul, random, clock);
        const QString text = WorksheetText::ablageText(lines, modul);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\r')), lineCount);
        QCOMPARE(text.count(QLatin1Char('\n')), lineCount);
        QStringList parts = text.split(QStringLiteral("\r\n"));
        QCOMPARE(parts.takeLast(), QString());
        QCOMPARE(parts.size(), lineCount);
        const int half = static_cast<int>(lines.size());
        QCOMPARE(parts.mid(0, half), WorksheetText::aufgabenZeilen(lines, modul));
        QCOMPARE(parts.mid(half, 2), (QStringList{QString(), QString()}));
        QCOMPARE(parts.mid(half + 2), lines);
        for (int index : WorksheetText::ergebnisZeilen(modul)) {
            QCOMPARE(parts[index], QStringLiteral(" "));
            QVERIFY(lines[index] != QStringLiteral(" "));
        }
    }

private:
    static void modules() {
        QTest::addColumn<Modul>("modul");
        QTest::newRow("addition") << Modul::Addition;
        QTest::newRow("subtraction") << Modul::Subtraktion;
        QTest::newRow("mixed") << Modul::Gemischt;
    }
};

QTEST_APPLESS_MAIN(TestWorksheet)
#include "test_worksheet.moc"
