#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ArchiveFile.h"
#include "CDisplayModel.h"
#include "CProject.h"
#include "ChartScene.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "LoadGraph.h"
#include "TimeScale.h"
#include "ViewStatus.h"
#include "ViewStatusStore.h"

#if QB_HAVE_QT
#include "QtSettingsStore.h"
#endif

namespace qb::cli {
namespace {

constexpr const char* kUsage =
    "load-graph FILE.qbd --from YYYYMMDD --to YYYYMMDD --scale PIXELS_PER_DAY [--shown-only]";
// The day chart is ruler setting 1.
constexpr int kDayChartSetting = 1;

bool ParseScale(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= 0.1 &&
           value <= 10000.0;
}

// The folded and hidden rows the program keeps for the file, read from the
// user's settings without writing them: they decide what --shown-only sums.
ViewStatus ReadViewStatus(const std::string& path) {
#if QB_HAVE_QT
    QtSettingsStore store(QtSettingsStore::DefaultPath());
    return ViewStatusStore(store).Load(path);
#else
    (void)path;
    return ViewStatus{};
#endif
}

void ApplyRowStates(const ViewStatus& view, ChartScene& scene) {
    CDisplayModel& model = scene.GetModel();
    for (const std::int32_t id : view.folded)
        model.SetFolded(id, true);
    for (const std::int32_t id : view.rowHidden)
        model.HideRow(id);
    scene.Relayout();
}

}  // namespace

int RunLoadGraph(const Args& args) {
    std::vector<std::string_view> rest;
    bool shownOnly = false;
    for (const std::string_view arg : args) {
        if (arg == "--shown-only")
            shownOnly = true;
        else
            rest.push_back(arg);
    }
    if (rest.empty() || rest.front().starts_with("-"))
        return CliOutput::Usage(kUsage);
    const std::string input(rest.front());
    CliOptions options;
    COleDateTime from;
    COleDateTime to;
    double pixelsPerDay = 0.0;
    if (!options.Parse(Args(rest.begin() + 1, rest.end()), {"--from", "--to", "--scale"},
                       {"--from", "--to", "--scale"}) ||
        !CliOptions::ParseDay(options.Get("--from"), from) ||
        !CliOptions::ParseDay(options.Get("--to"), to) || to < from ||
        !ParseScale(options.Get("--scale"), pixelsPerDay))
        return CliOutput::Usage(kUsage);

    // The columns of the days from..to, the first pixel of --from being 0.
    const TimeScale scale(from, pixelsPerDay);
    const int width = scale.DateToX(to.AddDays(1));
    if (width > LoadBuffer::kMaxColumns)
        return CliOutput::Fail("load-graph: the range is too wide at this scale");

    std::string message;
    const std::unique_ptr<CProject> project = ArchiveFile::Load(input, message);
    if (project == nullptr)
        return CliOutput::Fail(message);
    ChartScene scene;
    scene.Open(*project);
    scene.SetRulerSetting(kDayChartSetting);
    ApplyRowStates(ReadViewStatus(input), scene);

    const auto buffer = LoadGraph::Compute(scene.GetModel(), scale, 0, width, shownOnly);
    if (!buffer)
        return CliOutput::kSuccess;
    std::string out;
    for (int x = 0; x < width; ++x) {
        out += std::to_string(x);
        out += '\t';
        out += std::to_string(buffer->At(x));
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
