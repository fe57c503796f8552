#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ArchiveFile.h"
#include "CProject.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "CliPrompt.h"
#include "Commands.h"
#include "OffscreenQt.h"
#include "PaperSize.h"
#include "PrintEngine.h"
#include "PrintJob.h"
#include "QtPrinter.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "print FILE.qbd OUT.pdf [--from YYYYMMDD] [--to YYYYMMDD] "
    "[--paper A3|B4|A4|B5|A5|postcard] [--orientation portrait|landscape] "
    "[--margins L,T,R,B] [--page-format 0-7] [--page-align 0-5] [--title-size 0-3] "
    "[--output-date 0|1|2] [--progress] [--no-title] [--no-holidays] [--no-today] "
    "[--pages FIRST-LAST]";

// The day chart's scale the window starts with.
constexpr double kDayScale = 20.0;
// Margins wider than this leave no paper to print on.
constexpr int kMaxMarginMm = 100;

bool ParseRange(std::string_view text, int low, int high, int& value) {
    return CliOptions::ParseNumber(text, value) && value >= low && value <= high;
}

// "L,T,R,B" in whole millimetres.
bool ParseMargins(std::string_view text, PrintSettings& settings) {
    int* targets[] = {&settings.marginLeft, &settings.marginTop, &settings.marginRight,
                      &settings.marginBottom};
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',') : text.size();
        if (comma == std::string_view::npos)
            return false;
        int mm = 0;
        if (!ParseRange(text.substr(0, comma), 0, kMaxMarginMm, mm))
            return false;
        *targets[i] = mm * 10;
        text.remove_prefix(std::min(text.size(), comma + 1));
    }
    return true;
}

bool ParsePages(std::string_view text, PrintSettings& settings) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos)
        return false;
    return ParseRange(text.substr(0, dash), 1, 1'000'000, settings.firstPage) &&
           ParseRange(text.substr(dash + 1), 1, 1'000'000, settings.lastPage) &&
           settings.firstPage <= settings.lastPage;
}

bool ApplyFlag(std::string_view flag, PrintSettings& settings) {
    if (flag == "--progress")
        settings.progress = true;
    else if (flag == "--no-title")
        settings.title = false;
    else if (flag == "--no-holidays")
        settings.holiday = false;
    else if (flag == "--no-today")
        settings.today = false;
    else
        return false;
    return true;
}

bool ApplyOptions(const CliOptions& options, PrintSettings& settings) {
    if (options.Has("--paper")) {
        const auto paper = PaperSize::ForName(options.Get("--paper"));
        if (!paper || paper->code == 0)
            return false;
        settings.paperSize = paper->code;
    }
    if (options.Has("--orientation")) {
        const std::string_view value = options.Get("--orientation");
        if (value != "portrait" && value != "landscape")
            return false;
        settings.orientation =
            value == "portrait" ? PrintSettings::kPortrait : PrintSettings::kLandscape;
    }
    const auto number = [&options](std::string_view name, int high, int& value) {
        return !options.Has(name) || ParseRange(options.Get(name), 0, high, value);
    };
    if (!number("--page-format", 7, settings.pageFormat) ||
        !number("--page-align", 5, settings.pageAlign) ||
        !number("--title-size", 3, settings.titleSize) ||
        !number("--output-date", 2, settings.outputDate))
        return false;
    if (options.Has("--margins") && !ParseMargins(options.Get("--margins"), settings))
        return false;
    if (options.Has("--pages") && !ParsePages(options.Get("--pages"), settings))
        return false;
    settings.range = PrintSettings::Range::kWholePeriod;
    if (options.Has("--from") || options.Has("--to")) {
        settings.range = PrintSettings::Range::kDates;
        if (options.Has("--from") && !CliOptions::ParseDay(options.Get("--from"), settings.from))
            return false;
        if (options.Has("--to") && !CliOptions::ParseDay(options.Get("--to"), settings.to))
            return false;
        if (settings.from.IsValid() && settings.to.IsValid() && settings.to < settings.from)
            return false;
    }
    return true;
}

bool ParseArgs(const Args& args, std::string& input, std::string& output, PrintSettings& settings) {
    if (args.size() < 2)
        return false;
    input = args[0];
    output = args[1];
    Args pairs;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool flag = arg == "--progress" || arg.starts_with("--no-");
        if (flag && !ApplyFlag(arg, settings))
            return false;
        if (!flag)
            pairs.push_back(arg);
    }
    CliOptions options;
    return options.Parse(
               pairs,
               {"--from", "--to", "--paper", "--orientation", "--margins", "--page-format",
                "--page-align", "--title-size", "--output-date", "--pages"},
               {}) &&
           ApplyOptions(options, settings);
}

}  // namespace

int RunPrint(const Args& args) {
    PrintEngine engine;
    std::string input;
    std::string output;
    if (!ParseArgs(args, input, output, engine.Settings()))
        return CliOutput::Usage(kUsage);
    engine.Settings().printer = PrintSettings::kPdfPrinter;
    engine.Settings().pdfPath = output;
    std::string message;
    const std::unique_ptr<CProject> project = ArchiveFile::Load(input, message);
    if (project == nullptr)
        return CliOutput::Fail(message);

    const std::unique_ptr<QGuiApplication> qt = OffscreenQt::Start();
    PrintEngine::Source source;
    source.project = project.get();
    source.pixelsPerDay = kDayScale;
    if (!engine.Layout(source, false, COleDateTime::GetCurrentTime()))
        return CliOutput::Fail("nothing to print");
    const auto [first, last] =
        engine.GetLayout().PageSpan(engine.Settings().firstPage, engine.Settings().lastPage);
    if (last < first)
        return CliOutput::Fail("the plan has only " + std::to_string(engine.PageCount()) +
                               " pages");
    const std::unique_ptr<QtPrinter> printer = QtPrinter::ForPdf(output);
    CliPrompt prompt;
    const PrintJob::Result result = PrintJob::Run(engine, *printer, prompt);
    if (!result.finished || !result.failed.empty())
        return CliOutput::Fail("cannot write " + output);
    std::printf("%zu\n", result.printed.size());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
