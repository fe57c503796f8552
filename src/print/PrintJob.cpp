#include "PrintJob.h"

#include <string>

#include "CProject.h"
#include "IPrinter.h"
#include "IPrompt.h"
#include "PrintEngine.h"

namespace qb {

PrintJob::Result PrintJob::Run(PrintEngine& engine, IPrinter& printer, IPrompt& prompt) {
    Result result;
    if (engine.Settings().printer.empty() || !engine.IsLaidOut()) {
        prompt.Show(kNotSetUp.Plain());
        return result;
    }
    if (!printer.BeginDocument(engine.Title(), engine.PaperSize(), engine.Settings().copies)) {
        prompt.Show(kPrinterError.Plain());
        return result;
    }
    result.started = true;
    const auto [first, last] =
        engine.GetLayout().PageSpan(engine.Settings().firstPage, engine.Settings().lastPage);
    for (int page = first; page <= last; ++page) {
        IDrawContext* dc = printer.BeginPage();
        if (dc == nullptr) {
            prompt.Show(kPrinterError.Plain());
            result.failed.push_back(page);
            continue;
        }
        engine.DrawPage(page - 1, *dc);
        printer.EndPage();
        result.printed.push_back(page);
    }
    result.finished = printer.EndDocument();
    if (!result.finished)
        prompt.Show(kPrinterError.Plain());
    if (!result.failed.empty())
        prompt.Show(kPagesMissing.Format(PageList(result.failed)));
    return result;
}

std::string PrintJob::PageList(const std::vector<int>& pages) {
    std::string text;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t end = i + 1;
        while (end < pages.size() && pages[end] == pages[end - 1] + 1)
            ++end;
        if (!text.empty())
            text += ", ";
        text += std::to_string(pages[i]);
        if (end - i >= 3) {
            text += "-" + std::to_string(pages[end - 1]);
        } else if (end - i == 2) {
            text += ", " + std::to_string(pages[i + 1]);
        }
        i = end;
    }
    return text;
}

}  // namespace qb
