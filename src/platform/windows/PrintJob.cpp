// SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintJob.h"

#include "platform/Paging.h"
#include "platform/SpoolerOutcome.h"

#include <QPrinterInfo>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include <windows.h>

// The sheet goes to the spooler through GDI calls of our own, each one checked: Qt's print engine
// passes on a failure only when the job is opened. Under Wine it also crashed the PostScript
// driver: it hands over the font that Wine's DirectWrite names for its glyphs (C059, an OpenType
// font with CFF outlines, whatever family was asked), and the driver's Type 42 download reads
// that font's missing TrueType "loca" table. Here the font is the one asked for, chosen by GDI,
// and the lines are drawn as text, so the printout keeps them as text.
//
// The job counts as printed when EndDoc succeeds: by then the spooler holds the whole document,
// as a job number does on CUPS. Looking the job up afterwards would race with the printer: a job
// already printed is gone from the queue, just like one that was lost.

namespace {

using Step = SpoolerOutcome::Step;

struct ClosePrinterHandle {
    void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
struct DeleteDeviceContext {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteFont {
    void operator()(HFONT font) const { DeleteObject(font); }
};

QString systemText(DWORD error) {
    if (error == ERROR_SUCCESS) {
        return {};
    }
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    const QString result = QString::fromWCharArray(text, static_cast<int>(length)).trimmed();
    LocalFree(text);
    return result;
}

// Draws the pages of a started document; the step that failed, if one did.
std::optional<Step> drawPages(HDC dc, HFONT font, const QStringList &lines) {
    TEXTMETRICW metrics;
    SelectObject(dc, font);
    SetLastError(ERROR_SUCCESS);
    if (!GetTextMetricsW(dc, &metrics)) {
        return Step::Draw;
    }
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    for (const QStringList &page :
         Paging::pages(lines, GetDeviceCaps(dc, VERTRES) / std::max(lineHeight, 1))) {
        SetLastError(ERROR_SUCCESS);
        if (StartPage(dc) <= 0) {
            return Step::StartPage;
        }
        // A driver may reset the device context with a new page: the font is chosen again.
        SelectObject(dc, font);
        int top = 0;
        for (const QString &line : page) {
            const std::wstring text = line.toStdWString();
            SetLastError(ERROR_SUCCESS);
            if (!TextOutW(dc, 0, top, text.c_str(), static_cast<int>(text.size()))) {
                return Step::Draw;
            }
            top += lineHeight;
        }
        SetLastError(ERROR_SUCCESS);
        if (EndPage(dc) <= 0) {
            return Step::EndPage;
        }
    }
    return std::nullopt;
}

} // namespace

Printer::Outcome PrintJob::submit(const QPrinterInfo &printer, const Printer::Document &document) {
    const QString name = printer.printerName();
    const auto failedAt = [&name](Step step) {
        const DWORD error = GetLastError();
        return SpoolerOutcome::failed(name, step, error, systemText(error));
    };
    std::wstring printerName = name.toStdWString();

    HANDLE opened = nullptr;
    SetLastError(ERROR_SUCCESS);
    if (!OpenPrinterW(printerName.data(), &opened, nullptr)) {
        return failedAt(Step::Open);
    }
    const std::unique_ptr<void, ClosePrinterHandle> printerHandle(opened);
    SetLastError(ERROR_SUCCESS);
    const std::unique_ptr<HDC__, DeleteDeviceContext> dc(
        CreateDCW(nullptr, printerName.c_str(), nullptr, nullptr));
    if (!dc) {
        return failedAt(Step::DeviceContext);
    }
    // The font at the printer's resolution: its points on paper are the document's points.
    const std::wstring family = document.fontFamily.toStdWString();
    const std::unique_ptr<HFONT__, DeleteFont> font(
        CreateFontW(-MulDiv(document.pointSize, GetDeviceCaps(dc.get(), LOGPIXELSY), 72), 0, 0, 0,
                    FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, family.c_str()));
    if (!font) {
        return failedAt(Step::Draw);
    }

    const std::wstring jobName = document.name.toStdWString();
    DOCINFOW job{};
    job.cbSize = sizeof job;
    job.lpszDocName = jobName.c_str();
    SetLastError(ERROR_SUCCESS);
    if (StartDocW(dc.get(), &job) <= 0) {
        return failedAt(Step::StartDocument);
    }
    if (const std::optional<Step> failed = drawPages(dc.get(), font.get(), document.lines)) {
        const Printer::Outcome outcome = failedAt(*failed);
        AbortDoc(dc.get());
        return outcome;
    }
    SetLastError(ERROR_SUCCESS);
    if (EndDoc(dc.get()) <= 0) {
        return failedAt(Step::EndDocument);
    }
    return {Printer::Outcome::Kind::Printed, name};
}
