#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "ArchiveFile.h"
#include "CProject.h"
#include "CRuler.h"
#include "ChartScene.h"
#include "ChartTexts.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DateEntry.h"
#include "ImageRenderer.h"
#include "OffscreenQt.h"
#include "ProcessExit.h"
#include "QtDrawContext.h"

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "render FILE.qbd OUT.png|OUT.svg|OUT.pdf [--from YYYYMMDD] [--to YYYYMMDD] "
    "[--scale PIXELS_PER_DAY] [--width PIXELS] [--height PIXELS] [--top PIXELS]";

constexpr int kDefaultWidth = 1200;
// A project without a display period or schedules shows this many days from today.
constexpr int kDefaultDays = 60;
// The day chart is ruler setting 1.
constexpr int kDayChartSetting = 1;

struct RenderOptions {
    std::string input;
    std::string output;
    COleDateTime from;
    COleDateTime to;
    double scale = 0.0;
    // 0: not given.
    int width = 0;
    int height = 0;
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
        return ParseInt(value, 1, options.width);
    if (name == "--height")
        return ParseInt(value, CRuler::kHeight + 1, options.height);
    return ParseInt(value, 0, options.top);
}

// Options not given keep the zero date.
bool IsGiven(const COleDateTime& day) {
    return day.IsValid() && day.GetDays() != 0.0;
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
    return !(IsGiven(options.from) && IsGiven(options.to) && options.to < options.from);
}

// The period: the options, else the project's display period or the span
// of its schedules, else kDefaultDays from today.
void ChoosePeriod(const RenderOptions& options, const ChartScene& scene, COleDateTime& from,
                  COleDateTime& to) {
    if (!scene.DefaultPeriod(from, to)) {
        from = COleDateTime::GetCurrentTime().DatePart();
        to = from.AddDays(kDefaultDays - 1);
    }
    if (IsGiven(options.from))
        from = options.from;
    if (IsGiven(options.to))
        to = options.to;
    if (to < from)
        to = from;
}

// Without --scale the period fills the width; with --scale but no --width
// the picture is as wide as the period. Without --height the picture holds
// the whole row tree, with it the chart is a window scrolled --top down.
bool SetUpScene(const RenderOptions& options, ChartScene& scene, std::string& message) {
    scene.SetRulerSetting(kDayChartSetting);
    COleDateTime from;
    COleDateTime to;
    ChoosePeriod(options, scene, from, to);
    int width = options.width;
    if (width == 0 && options.scale > 0.0) {
        const double days = (to - from).GetTotalDays() + 1.0;
        width = scene.HeaderWidth() +
                static_cast<int>(std::min(days * options.scale, CRuler::kMaxSpan - 1.0));
    }
    if (width == 0)
        width = kDefaultWidth;
    if (width <= scene.HeaderWidth()) {
        message = "--width must exceed the row header's ";
        message += std::to_string(scene.HeaderWidth());
        message += " pixels";
        return false;
    }
    // The height follows the layout, which needs the period first.
    scene.SetSize(width, options.height > 0 ? options.height : CRuler::kHeight + 1);
    scene.SetPeriod(from, to, options.scale);
    if (options.height == 0)
        scene.SetSize(width, CRuler::kHeight + scene.TotalHeight() + 1);
    scene.SetTop(options.top);
    return true;
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

    const std::unique_ptr<QGuiApplication> qt = OffscreenQt::Start();
    ChartScene scene;
    ChartTexts::Install(scene);
    scene.SetToday(COleDateTime::GetCurrentTime().DatePart());
    // The period is set next, which lays the plan out.
    scene.Open(*project, ChartScene::Placing::kAtSetPeriod);
    if (!SetUpScene(options, scene, message))
        return CliOutput::Fail(message);

    ImageRenderer renderer;
    if (!renderer.Render(options.output, scene.HeaderWidth() + scene.ChartWidth(),
                         CRuler::kHeight + scene.ChartHeight(),
                         [&](QtDrawContext& dc) { scene.PaintAll(dc); }))
        return CliOutput::Fail(renderer.ErrorString());
    // The picture is written and closed.
    ProcessExit::Now(CliOutput::kSuccess);
}

}  // namespace qb::cli
