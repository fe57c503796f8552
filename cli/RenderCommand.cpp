#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "ArchiveFile.h"
#include "CProject.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateEntry.h"
#include "HolidayCache.h"
#include "ImageRenderer.h"
#include "QtDrawContext.h"
#include "SystemHolidays.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "render FILE.qbd OUT.png|OUT.svg|OUT.pdf [--from YYYYMMDD] [--to YYYYMMDD] "
    "[--scale PIXELS_PER_DAY] [--width PIXELS] [--height PIXELS] [--top PIXELS]";

// The panes as the main window lays them out.
constexpr int kRowHeaderWidth = 200;
constexpr int kDefaultWidth = 1200;
constexpr int kDefaultHeight = 600;
constexpr double kDefaultScale = 20.0;
constexpr int kDefaultDays = 60;
// The day chart is ruler setting 1.
constexpr int kDayChartSetting = 1;
constexpr DrawColour kPaneLineColour = 0x808080;

struct RenderOptions {
    std::string input;
    std::string output;
    COleDateTime from;
    COleDateTime to;
    double scale = 0.0;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int top = 0;
};

bool IsKnownOption(std::string_view name) {
    return name == "--from" || name == "--to" || name == "--scale" || name == "--width" ||
           name == "--height" || name == "--top";
}

bool ParseInt(std::string_view text, int minimum, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= minimum;
}

bool ParseScale(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    // Below a tenth of a pixel per day the ruler has nothing left to show.
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= 0.1 &&
           value <= 10000.0;
}

bool ParseDay(std::string_view text, COleDateTime& day) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos ||
        !DateEntry::IsValidCompactDate(text))
        return false;
    day = DateEntry::ParseCompactDate(text);
    return day.IsValid();
}

bool ParseOption(std::string_view name, std::string_view value, RenderOptions& options) {
    if (name == "--from")
        return ParseDay(value, options.from);
    if (name == "--to")
        return ParseDay(value, options.to);
    if (name == "--scale")
        return ParseScale(value, options.scale);
    if (name == "--width")
        return ParseInt(value, kRowHeaderWidth + 1, options.width);
    if (name == "--height")
        return ParseInt(value, CRuler::kHeight + 1, options.height);
    return ParseInt(value, 0, options.top);
}

bool ParseArgs(const Args& args, RenderOptions& options) {
    if (args.size() < 2 || args.size() % 2 != 0)
        return false;
    options.input = std::string(args[0]);
    options.output = std::string(args[1]);
    std::map<std::string_view, bool> seen;
    for (size_t i = 2; i < args.size(); i += 2) {
        if (!IsKnownOption(args[i]) || seen[args[i]] || !ParseOption(args[i], args[i + 1], options))
            return false;
        seen[args[i]] = true;
    }
    return !(options.from.IsValid() && options.to.IsValid() && options.to < options.from);
}

bool IsDisplayLimit(const COleDateTime& day) {
    return day.IsValid() && day.GetDays() != 0.0;
}

// The period drawn: the options, else the project's display period, else
// kDefaultDays from today. With --from and --to but no --scale the period
// fills the chart's width.
void SetUpRuler(const RenderOptions& options, const CProject& project, CRuler& ruler) {
    const int chartWidth = options.width - kRowHeaderWidth;
    COleDateTime from = options.from;
    if (!from.IsValid())
        from = IsDisplayLimit(project.GetDisplayStartDate())
                   ? project.GetDisplayStartDate().DatePart()
                   : COleDateTime::GetCurrentTime().DatePart();
    COleDateTime to = options.to;
    if (!to.IsValid())
        to = IsDisplayLimit(project.GetDisplayEndDate()) &&
                     from <= project.GetDisplayEndDate().DatePart()
                 ? project.GetDisplayEndDate().DatePart()
                 : from.AddDays(kDefaultDays - 1);
    ruler.ApplyProject(project, kDayChartSetting);
    if (options.scale > 0.0) {
        ruler.SetOrigin(from);
        ruler.SetScale(options.scale);
        ruler.SetEnd(to);
        ruler.SetWidth(chartWidth);
    } else if (options.from.IsValid() && options.to.IsValid()) {
        ruler.SetView(chartWidth, from, to);
    } else {
        ruler.SetOrigin(from);
        ruler.SetScale(kDefaultScale);
        ruler.SetEnd(to);
        ruler.SetWidth(chartWidth);
    }
    ruler.Rebuild();
}

// The row header on the left, the ruler above the chart. The rows and the
// chart's content come from the display model.
void PaintPanes(QtDrawContext& dc, CRuler& ruler, const RenderOptions& options) {
    dc.FillRect(DrawRect{0, 0, options.width, options.height}, 0xFFFFFF);
    dc.SaveState();
    dc.Translate(kRowHeaderWidth, 0);
    dc.IntersectClip(DrawRect{0, 0, ruler.GetWidth(), CRuler::kHeight});
    ruler.Paint(dc);
    dc.RestoreState();
    dc.SetPen(DrawPen{kPenSolid, 1, kPaneLineColour});
    dc.DrawLine(DrawPoint{kRowHeaderWidth - 1, 0}, DrawPoint{kRowHeaderWidth - 1, options.height});
    dc.DrawLine(DrawPoint{0, CRuler::kHeight - 1}, DrawPoint{options.width, CRuler::kHeight - 1});
}

// Fonts and painters need an application object; a command-line picture
// never needs a screen, so it uses the off-screen platform.
std::unique_ptr<QGuiApplication> StartQt() {
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quellbrandiren-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunRender(const Args& args) {
    RenderOptions options;
    if (!ParseArgs(args, options))
        return CliOutput::Usage(kUsage);
    std::string message;
    const std::unique_ptr<CProject> project = ArchiveFile::Load(options.input, message);
    if (project == nullptr)
        return CliOutput::Fail(message);

    const std::unique_ptr<QGuiApplication> qt = StartQt();
    CalendarSettings settings;
    HolidayCache holidays(settings);
    holidays.SetSystemRules(SystemHolidays::BuiltInRules());
    holidays.SetProjectRules(&project->GetHolidays(), project->IsUseSystemHolidays());
    CRuler ruler(settings, &holidays);
    SetUpRuler(options, *project, ruler);

    ImageRenderer renderer;
    if (!renderer.Render(options.output, options.width, options.height,
                         [&](QtDrawContext& dc) { PaintPanes(dc, ruler, options); }))
        return CliOutput::Fail(renderer.ErrorString());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
