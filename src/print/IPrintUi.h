#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "DatePeriod.h"
#include "PrintSettings.h"

namespace qb {

class IPrinter;
class PrintEngine;

// What the print settings dialog is opened with.
struct PrintDialogRequest {
    PrintSettings settings;
    // "印刷の設定" with "OK" for the settings command, "印刷" with "印刷開始"
    // before a job.
    std::string title;
    std::string okText;
    // The chart's displayed period, which "画面と同じ" prints.
    DatePeriod screen;
    // Called on OK with what the dialog holds; false keeps the dialog open.
    std::function<bool(const PrintSettings&)> accept;
};

// The windows of printing: the settings dialog, the system's print dialog,
// the preview, the picture's period and the clipboard. The commands decide
// what happens; these only show and ask.
class IPrintUi {
public:
    virtual ~IPrintUi() = default;

    // The dialog's settings on OK; nothing on Cancel.
    virtual std::optional<PrintSettings> EditSettings(const PrintDialogRequest& request) = 0;
    // The system's print dialog, which chooses the printer and the pages
    // (written to settings); null when cancelled.
    virtual std::unique_ptr<IPrinter> ChooseSystemPrinter(PrintSettings& settings) = 0;
    // The printer the settings name (a PDF file for PrintSettings::kPdfPrinter).
    virtual std::unique_ptr<IPrinter> OpenPrinter(const PrintSettings& settings) = 0;
    // The laid-out pages, one at a time, until the user closes the window;
    // the main window takes no input meanwhile.
    virtual void ShowPreview(PrintEngine& engine) = 0;
    // The period of the chart picture; nothing on Cancel.
    virtual std::optional<DatePeriod> AskPicturePeriod(const DatePeriod& initial) = 0;
    // The laid-out chart on the clipboard as a picture; false when it failed.
    virtual bool CopyPicture(PrintEngine& engine) = 0;
};

}  // namespace qb
