// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakeClock.h"
#include "fakes/TestPlatform.h"
#include "platform/Paging.h"
#include "platform/SheetOffer.h"
#include "platform/SpoolerOutcome.h"
#include "platform/desktop/QtClipboard.h"
#include "platform/desktop/QtPrinter.h"
#include "platform/linux/CupsLibrary.h"
#include "worksheet/WorksheetOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Modul)
Q_DECLARE_METATYPE(WorksheetText::Blatt)
Q_DECLARE_METATYPE(Printer::Outcome)
Q_DECLARE_METATYPE(Clipboard::Outcome)
Q_DECLARE_METATYPE(Dialogs::Icon)
Q_DECLARE_METATYPE(Printer::Outcome::Kind)
Q_DECLARE_METATYPE(SpoolerOutcome::Step)

namespace {

using Kind = Printer::Outcome::Kind;
using Printers = Printer::Outcome::Printers;

// Everything a worksheet output needs, with the points display and the info window's box as
// plain fields.
struct Bench : TestPlatform {
    explicit Bench(Modul modul = Modul::Addition)
        : modul(modul), output(modul, platform, navigator, [this] { return points; }) {
        FakeClock fixed;
        Random sheetRandom(21);
        lines = WorksheetText::rechenblattErstellen(modul, sheetRandom, fixed);
    }

    void print(WorksheetText::Blatt blatt) {
        if (blatt == WorksheetText::Blatt::Aufgaben) {
            output.aufgabenDrucken(lines);
        } else {
            output.loesungenDrucken(lines);
        }
    }

    Modul modul;
    QString points = QStringLiteral("0");
    QStringList lines;
    WorksheetOutput output;
};

QString pdfText(const QString &path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lockedPrintAsksForThePassword() {
        Bench bench;
        bench.dialogs.typeNext(QStringLiteral("0"));
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.loesungenDrucken(bench.lines);
        QVERIFY(bench.navigator.calls.contains(QStringLiteral("lock?")));
        const FakeDialogs::Shown &box = bench.dialogs.shown.first();
        QVERIFY(box.isInput);
        QCOMPARE(box.text, QStringLiteral("Kennwort eingeben:"));
        QCOMPARE(box.title, QStringLiteral("Druckersperre aufheben"));
        QCOMPARE(box.prefilled, QStringLiteral("Passwort"));
        QCOMPARE(bench.printer.documents.size(), 1);
    }

    void passwordMustBeThePointsShownExactly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("prints");
        QTest::newRow("the points") << QStringLiteral("0") << true;
        QTest::newRow("leading space") << QStringLiteral(" 0") << false;
        QTest::newRow("trailing space") << QStringLiteral("0 ") << false;
        QTest::newRow("two zeros") << QStringLiteral("00") << false;
        QTest::newRow("pre-filled text") << QStringLiteral("Passwort") << false;
        QTest::newRow("cancelled") << QString() << false;
    }
    void passwordMustBeThePointsShownExactly() {
        QFETCH(QString, typed);
        QFETCH(bool, prints);
        for (auto blatt : {WorksheetText::Blatt::Aufgaben, WorksheetText::Blatt::Loesungen}) {
            Bench bench;
            bench.dialogs.typeNext(typed);
            bench.dialogs.answerNext(Dialogs::Answer::Yes);
            bench.print(blatt);
            QCOMPARE(bench.printer.documents.size(), prints ? 1 : 0);
            // A refusal explains nothing: the password box is the only box.
            QCOMPARE(bench.dialogs.count(), prints ? 3 : 1);
        }
    }

    void cancelNeverMatchesAnEmptyPointsCaption() {
        Bench bench;
        bench.points.clear();
        bench.dialogs.cancelNextInput();
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.aufgabenDrucken(bench.lines);
        QVERIFY(bench.printer.documents.isEmpty());
    }

    void passwordFollowsThePoints() {
        Bench bench;
        bench.points = QStringLiteral("17");
        bench.dialogs.typeNext(QStringLiteral("17"));
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.aufgabenDrucken(bench.lines);
        QCOMPARE(bench.printer.documents.size(), 1);
        bench.points = QStringLiteral("18");
        bench.dialogs.typeNext(QStringLiteral("17"));
        bench.output.aufgabenDrucken(bench.lines);
        QCOMPARE(bench.printer.documents.size(), 1);
        bench.dialogs.typeNext(QStringLiteral("18"));
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.aufgabenDrucken(bench.lines);
        QCOMPARE(bench.printer.documents.size(), 2);
    }

    void unlockedPrintAsksNoPassword() {
        Bench bench;
        bench.navigator.locked = false;
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.aufgabenDrucken(bench.lines);
        QVERIFY(!bench.dialogs.shown.first().isInput);
        QCOMPARE(bench.dialogs.count(), 2);
        QCOMPARE(bench.printer.documents.size(), 1);
    }

    void questionAndClosingMessageHaveTheirTexts_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<WorksheetText::Blatt>("blatt");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("closing");
        using B = WorksheetText::Blatt;
        const QString tasksQuestion = QStringLiteral("Das Rechenblatt jetzt ausdrucken?\r\r");
        const QString solutionsQuestion = QStringLiteral("Das Lösungsblatt jetzt ausdrucken?\r\r");
        const QString tasksClosing = QStringLiteral("Das Rechenblatt wird gedruckt ...\r\r");
        const QString solutionsClosing = QStringLiteral("Das Lösungsblatt wird gedruckt ...\r\r");
        QTest::newRow("addition tasks") << Modul::Addition << B::Aufgaben << tasksQuestion
                                        << QStringLiteral("Schriftliche Addition") << tasksClosing;
        QTest::newRow("addition solutions")
            << Modul::Addition << B::Loesungen << solutionsQuestion
            << QStringLiteral("Schriftliche Addition") << solutionsClosing;
        QTest::newRow("subtraction tasks")
            << Modul::Subtraktion << B::Aufgaben << tasksQuestion
            << QStringLiteral("Schriftliche Subtraktion") << tasksClosing;
        QTest::newRow("mixed solutions")
            << Modul::Gemischt << B::Loesungen << solutionsQuestion
            << QStringLiteral("Schriftliche Addition und Subtraktion") << solutionsClosing;
    }
    void questionAndClosingMessageHaveTheirTexts() {
        QFETCH(Modul, modul);
        QFETCH(WorksheetText::Blatt, blatt);
        QFETCH(QString, question);
        QFETCH(QString, title);
        QFETCH(QString, closing);
        Bench bench(modul);
        bench.navigator.locked = false;
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.print(blatt);
        QCOMPARE(bench.dialogs.count(), 2);
        const FakeDialogs::Shown &asked = bench.dialogs.shown[0];
        QCOMPARE(asked.text, question);
        QCOMPARE(asked.title, title);
        QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(asked.defaultButton, Dialogs::Answer::No);
        QCOMPARE(asked.icon, Dialogs::Icon::Question);
        const FakeDialogs::Shown &told = bench.dialogs.shown[1];
        QCOMPARE(told.text, closing);
        QCOMPARE(told.title, QStringLiteral("Drucken"));
        QCOMPARE(told.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(told.icon, Dialogs::Icon::None);
    }

    void answerNoPrintsNothingAndShowsNothingMore() {
        Bench bench;
        bench.navigator.locked = false;
        bench.dialogs.answerNext(Dialogs::Answer::No);
        bench.output.loesungenDrucken(bench.lines);
        QVERIFY(bench.printer.documents.isEmpty());
        QCOMPARE(bench.dialogs.count(), 1);
    }

    void closingMessageComesOnlyAfterPrinting() {
        Bench bench;
        bench.navigator.locked = false;
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        QList<qsizetype> printedWhileOpen;
        bench.dialogs.whileOpen = [&bench, &printedWhileOpen](const FakeDialogs::Shown &) {
            printedWhileOpen.append(bench.printer.documents.size());
        };
        bench.output.aufgabenDrucken(bench.lines);
        QCOMPARE(printedWhileOpen, (QList<qsizetype>{0, 1}));
    }

    void printedDocumentIsTheSheetInCourierNew18_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<WorksheetText::Blatt>("blatt");
        QTest::addColumn<QString>("name");
        using B = WorksheetText::Blatt;
        QTest::newRow("addition tasks")
            << Modul::Addition << B::Aufgaben << QStringLiteral("Rechenblatt");
        QTest::newRow("subtraction solutions")
            << Modul::Subtraktion << B::Loesungen << QStringLiteral("Lösungsblatt");
        QTest::newRow("mixed tasks")
            << Modul::Gemischt << B::Aufgaben << QStringLiteral("Rechenblatt");
    }
    void printedDocumentIsTheSheetInCourierNew18() {
        QFETCH(Modul, modul);
        QFETCH(WorksheetText::Blatt, blatt);
        QFETCH(QString, name);
        Bench bench(modul);
        bench.navigator.locked = false;
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.print(blatt);
        QCOMPARE(bench.printer.documents.size(), 1);
        const Printer::Document &document = bench.printer.documents.first();
        QCOMPARE(document.name, name);
        QCOMPARE(document.fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(document.pointSize, 18);
        QCOMPARE(document.lines, WorksheetText::druckZeilen(bench.lines, modul, blatt));
        const bool tasks = blatt == WorksheetText::Blatt::Aufgaben;
        const int offset = static_cast<int>(document.lines.size() - bench.lines.size());
        for (int index : WorksheetText::ergebnisZeilen(modul)) {
            QCOMPARE(document.lines[offset + index] == QStringLiteral(" "), tasks);
        }
    }

    void printOutcomeIsReportedHonestly_data() {
        QTest::addColumn<Printer::Outcome>("outcome");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::newRow("printed") << Printer::Outcome{Kind::Printed, QStringLiteral("PDF")}
                                 << QStringLiteral("Das Lösungsblatt wird gedruckt ...\r\r")
                                 << Dialogs::Icon::None;
        QTest::newRow("no printer, saved as a file")
            << Printer::Outcome{Kind::SavedToFile,
                                QStringLiteral("/home/lehrer/Dokumente/Lösungsblatt.pdf")}
            << QStringLiteral("Es ist kein Drucker eingerichtet.\rDas Lösungsblatt wurde als "
                              "PDF-Datei gespeichert:\r/home/lehrer/Dokumente/Lösungsblatt.pdf\r\r")
            << Dialogs::Icon::None;
        QTest::newRow("failed") << Printer::Outcome{Kind::Failed, QStringLiteral("PDF")}
                                << QStringLiteral("Das Lösungsblatt konnte nicht gedruckt "
                                                  "werden.\rBitte den Drucker prüfen und noch "
                                                  "einmal versuchen.\r\r")
                                << Dialogs::Icon::Critical;
        QTest::newRow("refused by the print system")
            << Printer::Outcome{Kind::Failed, QStringLiteral("PDF"), Printers::Default,
                                QStringLiteral("Destination \"PDF\" is not accepting jobs.")}
            << QStringLiteral("Das Lösungsblatt konnte nicht gedruckt werden.\rDas Drucksystem "
                              "meldet: Destination \"PDF\" is not accepting jobs.\rBitte den "
                              "Drucker prüfen und noch einmal versuchen.\r\r")
            << Dialogs::Icon::Critical;
        QTest::newRow("printers but none the default, saved as a file")
            << Printer::Outcome{Kind::SavedToFile,
                                QStringLiteral("/home/lehrer/Dokumente/Lösungsblatt.pdf"),
                                Printers::NoDefault}
            << QStringLiteral("Es ist kein Standarddrucker eingerichtet.\rDas Lösungsblatt wurde "
                              "als PDF-Datei gespeichert:\r/home/lehrer/Dokumente/"
                              "Lösungsblatt.pdf\r\r")
            << Dialogs::Icon::None;
        // Without a printer there is none to check: the message says where saving failed.
        QTest::newRow("no printer, not saved either")
            << Printer::Outcome{Kind::Failed, QStringLiteral("/home/lehrer/Dokumente"),
                                Printers::None}
            << QStringLiteral("Es ist kein Drucker eingerichtet.\rDas Lösungsblatt konnte auch "
                              "nicht als PDF-Datei gespeichert werden in:\r/home/lehrer/"
                              "Dokumente\r\r")
            << Dialogs::Icon::Critical;
        QTest::newRow("printers but none the default, not saved either")
            << Printer::Outcome{Kind::Failed, QStringLiteral("/home/lehrer/Dokumente"),
                                Printers::NoDefault}
            << QStringLiteral("Es ist kein Standarddrucker eingerichtet.\rDas Lösungsblatt "
                              "konnte auch nicht als PDF-Datei gespeichert werden in:\r/home/"
                              "lehrer/Dokumente\r\r")
            << Dialogs::Icon::Critical;
        // Nothing is wrong with a printer when the teacher cancels its file-name dialog.
        QTest::newRow("cancelled by the teacher")
            << Printer::Outcome{Kind::Cancelled, QStringLiteral("Microsoft Print to PDF")}
            << QStringLiteral("Das Drucken wurde abgebrochen.\rDas Lösungsblatt wurde nicht "
                              "gedruckt.\r\r")
            << Dialogs::Icon::None;
        QTest::newRow("default printer set but not reachable")
            << Printer::Outcome{Kind::Unreachable, QStringLiteral("\\\\schule\\Laser 2")}
            << QStringLiteral("Das Lösungsblatt konnte nicht gedruckt werden.\rDer "
                              "Standarddrucker „\\\\schule\\Laser 2“ ist nicht erreichbar.\rBitte "
                              "prüfen, ob er eingeschaltet und verbunden ist, und noch einmal "
                              "versuchen.\r\r")
            << Dialogs::Icon::Critical;
        // No printer was asked: the message points to the folder, not to a printer.
        QTest::newRow("sheet not prepared for the print system")
            << Printer::Outcome{Kind::NotPrepared, QStringLiteral("/tmp")}
            << QStringLiteral("Das Lösungsblatt konnte nicht zum Drucken vorbereitet werden.\rDie "
                              "Druckdatei konnte nicht gespeichert werden in:\r/tmp\r\r")
            << Dialogs::Icon::Critical;
        // The browser prints nothing itself: it hands the sheet over as a PDF file, with the
        // number its script answers with saying how that ended.
        const auto handedOver = [](SheetOffer::Ended ended) {
            return SheetOffer::outcome(static_cast<int>(ended), QStringLiteral("Lösungsblatt.pdf"));
        };
        QTest::newRow("downloaded in the browser")
            << handedOver(SheetOffer::Ended::Downloaded)
            << QStringLiteral("Das Lösungsblatt wird als PDF-Datei „Lösungsblatt.pdf“ "
                              "heruntergeladen.\rZum Drucken die Datei in den Downloads des "
                              "Browsers öffnen.\r\r")
            << Dialogs::Icon::None;
        // An iPad keeps downloads in the Files app; a home-screen app has no downloads list.
        QTest::newRow("downloaded on an iPad")
            << handedOver(SheetOffer::Ended::DownloadedToFiles)
            << QStringLiteral("Das Lösungsblatt wird als PDF-Datei „Lösungsblatt.pdf“ "
                              "heruntergeladen.\rZum Drucken die Datei in der App „Dateien“ unter "
                              "„Downloads“ öffnen.\r\r")
            << Dialogs::Icon::None;
        QTest::newRow("taken by the share sheet")
            << handedOver(SheetOffer::Ended::Shared)
            << QStringLiteral("Das Lösungsblatt wurde als PDF-Datei „Lösungsblatt.pdf“ "
                              "geteilt.\r\r")
            << Dialogs::Icon::None;
        QTest::newRow("share sheet closed by the teacher")
            << handedOver(SheetOffer::Ended::ShareCancelled)
            << QStringLiteral("Das Drucken wurde abgebrochen.\rDas Lösungsblatt wurde nicht "
                              "gedruckt.\r\r")
            << Dialogs::Icon::None;
        // Never "heruntergeladen" for what did not arrive, whatever the script answered.
        for (const int refused : {static_cast<int>(SheetOffer::Ended::Refused), 7}) {
            QTest::addRow("refused by the browser (%d)", refused)
                << SheetOffer::outcome(refused, QStringLiteral("Lösungsblatt.pdf"))
                << QStringLiteral("Das Lösungsblatt konnte nicht als PDF-Datei „Lösungsblatt.pdf“ "
                                  "heruntergeladen werden: Der Browser hat es abgelehnt.\rBitte "
                                  "in den Einstellungen des Browsers Downloads für diese Seite "
                                  "erlauben.\r\r")
                << Dialogs::Icon::Critical;
        }
    }
    void printOutcomeIsReportedHonestly() {
        QFETCH(Printer::Outcome, outcome);
        QFETCH(QString, text);
        QFETCH(Dialogs::Icon, icon);
        Bench bench;
        bench.navigator.locked = false;
        bench.printer.outcome = outcome;
        bench.dialogs.answerNext(Dialogs::Answer::Yes);
        bench.output.loesungenDrucken(bench.lines);
        QCOMPARE(bench.dialogs.count(), 2);
        const FakeDialogs::Shown &told = bench.dialogs.last();
        QCOMPARE(told.title, QStringLiteral("Drucken"));
        QCOMPARE(told.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(told.icon, icon);
        QCOMPARE(told.text, text);
    }

    // What a Windows print job comes to when one of its spooler calls fails, with the error code
    // Windows gives: 1223 ERROR_CANCELLED, 63 ERROR_PRINT_CANCELLED, 1722 the printer's server
    // not answering, 5 access denied.
    void spoolerOutcomeFollowsTheFailedCall_data() {
        QTest::addColumn<SpoolerOutcome::Step>("step");
        QTest::addColumn<quint32>("lastError");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("reasonGiven");
        using Step = SpoolerOutcome::Step;
        QTest::newRow("printer cannot be opened")
            << Step::Open << 1722u << Kind::Unreachable << true;
        QTest::newRow("file-name dialog cancelled")
            << Step::StartDocument << 1223u << Kind::Cancelled << false;
        QTest::newRow("print to file cancelled")
            << Step::StartDocument << 63u << Kind::Cancelled << false;
        QTest::newRow("job deleted from the queue while its pages are spooled")
            << Step::EndPage << 63u << Kind::Cancelled << false;
        QTest::newRow("job deleted before it was closed")
            << Step::EndDocument << 63u << Kind::Cancelled << false;
        QTest::newRow("document refused") << Step::StartDocument << 5u << Kind::Failed << true;
        QTest::newRow("no device context, whatever the code said")
            << Step::DeviceContext << 1223u << Kind::Failed << true;
        QTest::newRow("page not started") << Step::StartPage << 5u << Kind::Failed << true;
        QTest::newRow("text not drawn") << Step::Draw << 8u << Kind::Failed << true;
        QTest::newRow("page not finished") << Step::EndPage << 1722u << Kind::Failed << true;
        QTest::newRow("document not closed") << Step::EndDocument << 1722u << Kind::Failed << true;
    }
    void spoolerOutcomeFollowsTheFailedCall() {
        QFETCH(SpoolerOutcome::Step, step);
        QFETCH(quint32, lastError);
        QFETCH(Kind, kind);
        QFETCH(bool, reasonGiven);
        const QString said = QStringLiteral("Meldung %1").arg(lastError);
        const Printer::Outcome outcome =
            SpoolerOutcome::failed(QStringLiteral("Laser 2"), step, lastError, said);
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.where, QStringLiteral("Laser 2"));
        QCOMPARE(outcome.printers, Printers::Default);
        QCOMPARE(outcome.reason, reasonGiven ? said : QString());
    }

    void copyPutsBothHalvesOnTheClipboardWithoutLock_data() {
        QTest::addColumn<bool>("locked");
        QTest::newRow("print mode deactivated") << true;
        QTest::newRow("print mode active") << false;
    }
    void copyPutsBothHalvesOnTheClipboardWithoutLock() {
        QFETCH(bool, locked);
        Bench bench(Modul::Gemischt);
        bench.navigator.locked = locked;
        bench.output.kopieren(bench.lines);
        QCOMPARE(bench.clipboard.texts,
                 QStringList{WorksheetText::ablageText(bench.lines, Modul::Gemischt)});
        QVERIFY(!bench.navigator.calls.contains(QStringLiteral("lock?")));
        QCOMPARE(bench.dialogs.count(), 1);
        const FakeDialogs::Shown &told = bench.dialogs.last();
        QCOMPARE(told.title, QStringLiteral("Zwischenablage"));
        QCOMPARE(told.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(told.icon, Dialogs::Icon::None);
        QCOMPARE(told.text,
                 QStringLiteral("Die Rechenaufgaben und die Lösungen wurden in die Ablage "
                                "kopiert.\r(Beim Einfügen muss die Schriftart 'COURIER NEW' "
                                "gesetzt werden!)\r\r"));
    }

    // Trying again can help where the clipboard refused, never where a browser offers none to
    // a page not served over https.
    void refusedClipboardIsReportedAsNotCopied_data() {
        QTest::addColumn<Clipboard::Outcome>("outcome");
        QTest::addColumn<QString>("advice");
        QTest::newRow("refused") << Clipboard::Outcome::Refused
                                 << QStringLiteral("Bitte noch einmal versuchen.");
        QTest::newRow("not offered without https")
            << Clipboard::Outcome::NotOffered
            << QStringLiteral("Der Browser gibt die Ablage nur Seiten, die über https geladen "
                              "sind. Bitte die Seite mit https:// öffnen (die IT der Schule kann "
                              "das einrichten) oder das Blatt drucken.");
    }
    void refusedClipboardIsReportedAsNotCopied() {
        QFETCH(Clipboard::Outcome, outcome);
        QFETCH(QString, advice);
        Bench bench;
        bench.clipboard.outcome = outcome;
        bench.output.kopieren(bench.lines);
        QVERIFY(bench.clipboard.texts.isEmpty());
        QCOMPARE(bench.dialogs.count(), 1);
        const FakeDialogs::Shown &told = bench.dialogs.last();
        QCOMPARE(told.title, QStringLiteral("Zwischenablage"));
        QCOMPARE(told.icon, Dialogs::Icon::Critical);
        QCOMPARE(told.text, QStringLiteral("Die Rechenaufgaben und die Lösungen konnten nicht in "
                                           "die Ablage kopiert werden.\r") +
                                advice + QStringLiteral("\r\r"));
    }

    void pagesKeepEveryLineOfTheSheet_data() {
        QTest::addColumn<Modul>("modul");
        QTest::addColumn<WorksheetText::Blatt>("blatt");
        QTest::addColumn<int>("linesPerPage");
        const std::pair<const char *, Modul> moduln[] = {{"addition", Modul::Addition},
                                                         {"subtraction", Modul::Subtraktion},
                                                         {"mixed", Modul::Gemischt}};
        const std::pair<const char *, WorksheetText::Blatt> blaetter[] = {
            {"tasks", WorksheetText::Blatt::Aufgaben},
            {"solutions", WorksheetText::Blatt::Loesungen}};
        // 37 lines: A4 with half-inch top and bottom margins, or Letter.
        for (int linesPerPage : {20, 37, 38}) {
            for (const auto &[modulName, modul] : moduln) {
                for (const auto &[blattName, blatt] : blaetter) {
                    QTest::addRow("%s %s, %d lines a page", modulName, blattName, linesPerPage)
                        << modul << blatt << linesPerPage;
                }
            }
        }
    }
    void pagesKeepEveryLineOfTheSheet() {
        QFETCH(Modul, modul);
        QFETCH(WorksheetText::Blatt, blatt);
        QFETCH(int, linesPerPage);
        const Bench bench(modul);
        const QStringList document = WorksheetText::druckZeilen(bench.lines, modul, blatt);
        // Only blank lines after the last printed line may be left out.
        const auto lastPrinted =
            std::find_if(document.rbegin(), document.rend(),
                         [](const QString &line) { return !line.trimmed().isEmpty(); });
        const QStringList expected = document.first(document.rend() - lastPrinted);
        QStringList printed;
        const QList<QStringList> pages = Paging::pages(document, linesPerPage);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QVERIFY(!pages[page].isEmpty());
            // A page is full before the next one starts.
            QVERIFY(page == pages.size() - 1 ? pages[page].size() <= linesPerPage
                                             : pages[page].size() == linesPerPage);
            printed += pages[page];
        }
        QCOMPARE(printed, expected);
    }

    void qtPrinterWritesAReadablePdfIntoANewFolder() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed to read the PDF back");
        QTemporaryDir temp;
        temp.setAutoRemove(false);
        const QString folder = temp.filePath(QStringLiteral("Dokumente"));
        QtPrinter printer(QtPrinter::Target::FileOnly, folder);
        Bench bench;
        const QStringList lines = WorksheetText::druckZeilen(bench.lines, Modul::Addition,
                                                             WorksheetText::Blatt::Loesungen);
        const Printer::Outcome outcome = printer.print(
            {QStringLiteral("Lösungsblatt"), lines, QStringLiteral("Courier New"), 18});
        QCOMPARE(outcome.kind, Kind::SavedToFile);
        QCOMPARE(QFileInfo(outcome.where).absolutePath(), QDir(folder).absolutePath());
        QVERIFY2(QFileInfo(outcome.where).fileName().startsWith(QStringLiteral("Lösungsblatt ")),
                 qPrintable(outcome.where));
        const QString text = pdfText(outcome.where);
        QVERIFY(text.contains(QStringLiteral("Schriftliche Addition (Lösungsblatt)")));
        // pdftotext keeps the order of the words on a line, not every space between them.
        QStringList pdfLines;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            pdfLines.append(line.simplified());
        }
        for (const QString &line : bench.lines) {
            QVERIFY2(pdfLines.contains(line.simplified()), qPrintable(line));
        }
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
    }

    void qtPrinterNeverOverwritesAnEarlierFile() {
        QTemporaryDir temp;
        QtPrinter printer(QtPrinter::Target::FileOnly, temp.path());
        const Printer::Document document{QStringLiteral("Rechenblatt"),
                                         {QStringLiteral("1")},
                                         QStringLiteral("Courier New"),
                                         18};
        const Printer::Outcome first = printer.print(document);
        const Printer::Outcome second = printer.print(document);
        QCOMPARE(first.kind, Kind::SavedToFile);
        QCOMPARE(second.kind, Kind::SavedToFile);
        QVERIFY(first.where != second.where);
        QVERIFY(QFileInfo(first.where).size() > 0);
        QVERIFY(QFileInfo(second.where).size() > 0);
    }

    void qtPrinterFailsWhenTheFolderCannotBeMade() {
        QTemporaryDir temp;
        QFile blocker(temp.filePath(QStringLiteral("Datei")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtPrinter printer(QtPrinter::Target::FileOnly, blocker.fileName() + QStringLiteral("/PDF"));
        const Printer::Outcome outcome = printer.print({QStringLiteral("Rechenblatt"),
                                                        {QStringLiteral("1")},
                                                        QStringLiteral("Courier New"),
                                                        18});
        QCOMPARE(outcome.kind, Kind::Failed);
        QCOMPARE(outcome.printers, Printers::None);
        QCOMPARE(outcome.where, blocker.fileName() + QStringLiteral("/PDF"));
    }

    void qtPrinterStartsANewPageWhenThePageIsFull() {
        QTemporaryDir temp;
        QtPrinter printer(QtPrinter::Target::FileOnly, temp.path());
        QStringList lines;
        for (int i = 1; i <= 120; ++i) {
            lines.append(QStringLiteral("Zeile %1").arg(i));
        }
        const Printer::Outcome outcome =
            printer.print({QStringLiteral("Lang"), lines, QStringLiteral("Courier New"), 18});
        QCOMPARE(outcome.kind, Kind::SavedToFile);
        const QString text = pdfText(outcome.where);
        QVERIFY(text.count(QLatin1Char('\f')) >= 3);
        for (const QString &line : lines) {
            QVERIFY2(text.contains(line + QLatin1Char('\n')), qPrintable(line));
        }
    }

    // The print system's library is opened only whole: a missing library or a missing function
    // fails the job with a reason instead of ending the program, and the real libcups has every
    // function by the name asked for.
    void cupsLibraryOpensOnlyWithEveryFunction_data() {
        QTest::addColumn<QByteArray>("fileName");
        QTest::addColumn<QString>("failure");
        QTest::newRow("libcups") << QByteArray(CupsLibrary::kFileName) << QString();
        QTest::newRow("missing library")
            << QByteArrayLiteral("libcups.so.0-missing")
            << QStringLiteral("Die Bibliothek des Drucksystems (libcups.so.0-missing) konnte "
                              "nicht geladen werden.");
        QTest::newRow("a library without the functions")
            << QByteArrayLiteral("libm.so.6")
            << QStringLiteral("Der Bibliothek des Drucksystems (libm.so.6) fehlt die Funktion "
                              "cupsGetNamedDest.");
    }
    void cupsLibraryOpensOnlyWithEveryFunction() {
        QFETCH(QByteArray, fileName);
        QFETCH(QString, failure);
        QString told;
        const std::optional<CupsLibrary> cups = CupsLibrary::open(fileName.constData(), told);
        QCOMPARE(told, failure);
        QCOMPARE(cups.has_value(), failure.isEmpty());
    }

    // Run by tests/e2e/test_print_queue.sh with a private print queue as the default printer,
    // which each row sets to take or to turn away jobs. The sheet goes to the queue as a PDF
    // written into the temporary folder first; a temporary folder that is a file (so even root
    // cannot write in it) leaves the sheet unprepared.
    void qtPrinterPrintsOnTheDefaultQueue_data() {
        QTest::addColumn<bool>("accepting");
        QTest::addColumn<bool>("temporaryFolder");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("queue rejecting jobs") << false << true << Kind::Failed;
        QTest::newRow("queue accepting jobs") << true << true << Kind::Printed;
        QTest::newRow("no temporary folder to prepare the sheet in")
            << true << false << Kind::NotPrepared;
    }
    void qtPrinterPrintsOnTheDefaultQueue() {
        QFETCH(bool, accepting);
        QFETCH(bool, temporaryFolder);
        QFETCH(Kind, kind);
        const QString queue = qEnvironmentVariable("SR_E2E_PRINT_QUEUE");
        if (queue.isEmpty()) {
            QSKIP("needs a print queue: SR_E2E_PRINT_QUEUE names it");
        }
        QCOMPARE(QProcess::execute(accepting ? QStringLiteral("cupsaccept")
                                             : QStringLiteral("cupsreject"),
                                   {queue}),
                 0);
        QTemporaryDir temp;
        QFile notAFolder(temp.filePath(QStringLiteral("Datei")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        const QByteArray kept = qgetenv("TMPDIR");
        const auto restore =
            qScopeGuard([&kept] { kept.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", kept); });
        if (!temporaryFolder) {
            qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
        }
        QtPrinter printer;
        Bench bench;
        const Printer::Outcome outcome =
            printer.print({QStringLiteral("Lösungsblatt"),
                           WorksheetText::druckZeilen(bench.lines, Modul::Addition,
                                                      WorksheetText::Blatt::Loesungen),
                           QStringLiteral("Courier New"), 18});
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.where,
                 temporaryFolder ? queue : QFileInfo(notAFolder).canonicalFilePath());
    }

    // Run by tests/e2e/test_print_queue.sh with print queues none of which is the default.
    void qtPrinterSavesAFileWhenNoQueueIsTheDefault() {
        if (qEnvironmentVariableIsEmpty("SR_E2E_NO_DEFAULT_QUEUE")) {
            QSKIP("needs print queues without a default: SR_E2E_NO_DEFAULT_QUEUE says so");
        }
        QTemporaryDir temp;
        QtPrinter printer(QtPrinter::Target::DefaultPrinter, temp.path());
        const Printer::Outcome outcome = printer.print({QStringLiteral("Rechenblatt"),
                                                        {QStringLiteral("1")},
                                                        QStringLiteral("Courier New"),
                                                        18});
        QCOMPARE(outcome.kind, Kind::SavedToFile);
        QCOMPARE(outcome.printers, Printers::NoDefault);
        QCOMPARE(QFileInfo(outcome.where).absolutePath(), QDir(temp.path()).absolutePath());
        QVERIFY(QFileInfo(outcome.where).size() > 0);
    }

    void qtClipboardKeepsTheTextExactly() {
        QtClipboard clipboard;
        Bench bench;
        const QString text = WorksheetText::ablageText(bench.lines, Modul::Addition);
        QCOMPARE(clipboard.setText(text), Clipboard::Outcome::Copied);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
