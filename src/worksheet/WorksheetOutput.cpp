// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/WorksheetOutput.h"

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Printer.h"

namespace {

QString frageTitel(Modul modul) {
    switch (modul) {
    case Modul::Addition:
        return QStringLiteral("Schriftliche Addition");
    case Modul::Subtraktion:
        return QStringLiteral("Schriftliche Subtraktion");
    case Modul::Gemischt:
        break;
    }
    return QStringLiteral("Schriftliche Addition und Subtraktion");
}

QString blattName(WorksheetText::Blatt blatt) {
    return blatt == WorksheetText::Blatt::Aufgaben ? QStringLiteral("Rechenblatt")
                                                   : QStringLiteral("Lösungsblatt");
}

// Without a default printer the sheet goes to a PDF file; the teacher is told why first.
QString keinDrucker(Printer::Outcome::Printers printers) {
    return printers == Printer::Outcome::Printers::NoDefault
               ? QStringLiteral("Es ist kein Standarddrucker eingerichtet.")
               : QStringLiteral("Es ist kein Drucker eingerichtet.");
}

QString nichtGedruckt(const QString &name, const Printer::Outcome &outcome) {
    using Kind = Printer::Outcome::Kind;
    if (outcome.kind == Kind::Refused) {
        // The browser would neither share nor download: trying again changes nothing.
        return QStringLiteral("Das %1 konnte nicht als PDF-Datei „%2“ heruntergeladen werden: "
                              "Der Browser hat es abgelehnt.\rBitte in den Einstellungen des "
                              "Browsers Downloads für diese Seite erlauben.\r\r")
            .arg(name, outcome.where);
    }
    if (outcome.kind == Kind::NotPrepared) {
        // No printer was asked: checking it would not help.
        return QStringLiteral("Das %1 konnte nicht zum Drucken vorbereitet werden.\rDie "
                              "Druckdatei konnte nicht gespeichert werden in:\r%2\r\r")
            .arg(name, outcome.where);
    }
    if (outcome.printers != Printer::Outcome::Printers::Default) {
        // There is no printer to check: say where the file could not be written.
        return QStringLiteral("%1\rDas %2 konnte auch nicht als PDF-Datei gespeichert werden "
                              "in:\r%3\r\r")
            .arg(keinDrucker(outcome.printers), name, outcome.where);
    }
    const QString gemeldet =
        outcome.reason.isEmpty()
            ? QString()
            : QStringLiteral("Das Drucksystem meldet: %1\r").arg(outcome.reason);
    if (outcome.kind == Kind::Unreachable) {
        return QStringLiteral("Das %1 konnte nicht gedruckt werden.\rDer Standarddrucker "
                              "„%2“ ist nicht erreichbar.\r%3Bitte prüfen, ob er eingeschaltet "
                              "und verbunden ist, und noch einmal versuchen.\r\r")
            .arg(name, outcome.where, gemeldet);
    }
    return QStringLiteral("Das %1 konnte nicht gedruckt werden.\r%2Bitte den Drucker prüfen und "
                          "noch einmal versuchen.\r\r")
        .arg(name, gemeldet);
}

} // namespace

WorksheetOutput::WorksheetOutput(Modul modul, const Platform &platform, Navigator &navigator,
                                 std::function<QString()> shownPoints)
    : modul_(modul), dialogs_(platform.dialogs), printer_(platform.printer),
      clipboard_(platform.clipboard),
      printLock_(platform.dialogs, navigator, std::move(shownPoints)) {
}

void WorksheetOutput::aufgabenDrucken(const QStringList &lines) {
    drucken(lines, WorksheetText::Blatt::Aufgaben);
}

void WorksheetOutput::loesungenDrucken(const QStringList &lines) {
    drucken(lines, WorksheetText::Blatt::Loesungen);
}

void WorksheetOutput::drucken(const QStringList &lines, WorksheetText::Blatt blatt) {
    if (!printLock_.druckenErlaubt()) {
        return;
    }
    const QString name = blattName(blatt);
    const Dialogs::Answer answer = dialogs_.message(
        QStringLiteral("Das %1 jetzt ausdrucken?\r\r").arg(name), frageTitel(modul_),
        Dialogs::Buttons::YesNo, Dialogs::Answer::No, Dialogs::Icon::Question);
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    const Printer::Outcome outcome =
        printer_.print({name, WorksheetText::druckZeilen(lines, modul_, blatt),
                        QStringLiteral("Courier New"), 18});
    const QString titel = QStringLiteral("Drucken");
    switch (outcome.kind) {
    case Printer::Outcome::Kind::Printed:
        dialogs_.inform(QStringLiteral("Das %1 wird gedruckt ...\r\r").arg(name), titel);
        break;
    case Printer::Outcome::Kind::SavedToFile:
        dialogs_.inform(QStringLiteral("%1\rDas %2 wurde als PDF-Datei gespeichert:\r%3\r\r")
                            .arg(keinDrucker(outcome.printers), name, outcome.where),
                        titel);
        break;
    case Printer::Outcome::Kind::Downloaded:
    case Printer::Outcome::Kind::DownloadedToFiles:
        dialogs_.inform(
            QStringLiteral("Das %1 wird als PDF-Datei „%2“ heruntergeladen.\rZum Drucken die Datei "
                           "%3 öffnen.\r\r")
                .arg(name, outcome.where,
                     outcome.kind == Printer::Outcome::Kind::Downloaded
                         ? QStringLiteral("in den Downloads des Browsers")
                         : QStringLiteral("in der App „Dateien“ unter „Downloads“")),
            titel);
        break;
    case Printer::Outcome::Kind::Shared:
        dialogs_.inform(
            QStringLiteral("Das %1 wurde als PDF-Datei „%2“ geteilt.\r\r").arg(name, outcome.where),
            titel);
        break;
    case Printer::Outcome::Kind::Cancelled:
        // The teacher stopped it: nothing is wrong with a printer.
        dialogs_.inform(
            QStringLiteral("Das Drucken wurde abgebrochen.\rDas %1 wurde nicht gedruckt.\r\r")
                .arg(name),
            titel);
        break;
    case Printer::Outcome::Kind::Failed:
    case Printer::Outcome::Kind::Unreachable:
    case Printer::Outcome::Kind::NotPrepared:
    case Printer::Outcome::Kind::Refused:
        dialogs_.message(nichtGedruckt(name, outcome), titel, Dialogs::Buttons::Ok,
                         Dialogs::Answer::Ok, Dialogs::Icon::Critical);
        break;
    }
}

void WorksheetOutput::kopieren(const QStringList &lines) {
    const QString titel = QStringLiteral("Zwischenablage");
    const QString nicht = QStringLiteral("Die Rechenaufgaben und die Lösungen konnten nicht in die "
                                         "Ablage kopiert werden.\r");
    switch (clipboard_.setText(WorksheetText::ablageText(lines, modul_))) {
    case Clipboard::Outcome::Copied:
        break;
    case Clipboard::Outcome::Refused:
        dialogs_.message(nicht + QStringLiteral("Bitte noch einmal versuchen.\r\r"), titel,
                         Dialogs::Buttons::Ok, Dialogs::Answer::Ok, Dialogs::Icon::Critical);
        return;
    case Clipboard::Outcome::NotOffered:
        dialogs_.message(nicht + QStringLiteral("Der Browser gibt die Ablage nur Seiten, die über "
                                                "https geladen sind. Bitte die Seite mit "
                                                "https:// öffnen (die IT der Schule kann das "
                                                "einrichten) oder das Blatt drucken.\r\r"),
                         titel, Dialogs::Buttons::Ok, Dialogs::Answer::Ok, Dialogs::Icon::Critical);
        return;
    }
    dialogs_.inform(QStringLiteral("Die Rechenaufgaben und die Lösungen wurden in die Ablage "
                                   "kopiert.\r(Beim Einfügen muss die Schriftart 'COURIER NEW' "
                                   "gesetzt werden!)\r\r"),
                    titel);
}
