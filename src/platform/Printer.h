// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The system's default printer. A document is handed over whole, line by line in one font;
// the printing layer breaks pages when a page is full.
class Printer {
public:
    struct Document {
        QString name; // names the print job, or the file where the document goes to a file
        QStringList lines;
        QString fontFamily;
        int pointSize;
    };

    struct Outcome {
        // Failed: the printer or the print system did not take the job. Cancelled: the user
        // stopped it (a file-name dialog of a printer that prints to a file). Unreachable: a
        // default printer is set but cannot be opened. NotPrepared: the sheet could not be made
        // ready for the print system, so no printer was ever asked. Downloaded: the browser took
        // the sheet as a PDF download, to be printed from there (DownloadedToFiles: on an iPad,
        // into the Files app). Shared: the system's share sheet took it. Refused: the browser
        // took it neither way.
        enum class Kind {
            Printed,
            SavedToFile,
            Failed,
            Cancelled,
            Unreachable,
            NotPrepared,
            Downloaded,
            DownloadedToFiles,
            Shared,
            Refused
        };
        // What the system had to print on; without a default printer the document goes to a file.
        enum class Printers { Default, NoDefault, None };
        Kind kind;
        // The printer's name, the path of the file written, or the folder tried (also for
        // NotPrepared); the download's file name; paths as the system writes them (backslashes on
        // Windows), for the teacher to find them.
        QString where;
        Printers printers = Printers::Default;
        QString reason = {}; // the print system's own words for a job it did not take
    };

    virtual ~Printer() = default;
    virtual Outcome print(const Document &document) = 0;
};
