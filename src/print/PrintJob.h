#pragma once

#include <vector>

#include "AppMessage.h"

namespace qb {

class IPrinter;
class IPrompt;
class PrintEngine;

// One print job: the laid-out pages of the engine's page range, page by
// page, to a printer. A page that cannot be started is reported and
// skipped; at the end the user is told which pages are missing, so a job
// with gaps never passes for a complete one.
class PrintJob {
public:
    static constexpr AppMessage kNotSetUp{0, "印刷設定を行っていません。", PromptIcon::kWarning,
                                          PromptButtons::kOk};
    static constexpr AppMessage kPrinterError{117, "プリンタのエラーが発生しました。",
                                              PromptIcon::kError, PromptButtons::kOk};
    static constexpr AppMessage kPagesMissing{0, "次のページは印刷されませんでした。\n%s",
                                              PromptIcon::kWarning, PromptButtons::kOk};

    struct Result {
        bool started = false;
        std::vector<int> printed;
        // Pages (from 1) that could not be started.
        std::vector<int> failed;
        bool finished = false;
    };

    // The engine must be laid out. The prompt gets every message.
    static Result Run(PrintEngine& engine, IPrinter& printer, IPrompt& prompt);
    // "2, 5, 7-9": the pages, runs of three or more joined by a dash.
    static std::string PageList(const std::vector<int>& pages);
};

}  // namespace qb
