#include <cstdio>
#include <memory>
#include <string>

#include "ArchiveFile.h"
#include "COleDateTime.h"
#include "CProject.h"
#include "ChartScene.h"
#include "CliOutput.h"
#include "Commands.h"
#include "FindFlags.h"
#include "ObjectFinder.h"

namespace qb::cli {
namespace {

// A chart as large as the window's first one, for what "shown" means.
constexpr int kChartWidth = 1200;
constexpr int kChartHeight = 800;

// One line per entry: tabs and line breaks inside a text become spaces.
std::string OneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
    }
    return line;
}

}  // namespace

int RunFind(const Args& args) {
    const std::string usage = std::string("find FILE.qbd TEXT ") + FindFlags::kUsage;
    FindOptions options;
    if (args.size() < 2 || args[0].starts_with("-") ||
        !FindFlags::Parse(Args(args.begin() + 2, args.end()), options))
        return CliOutput::Usage(usage);
    std::string message;
    std::unique_ptr<CProject> project = ArchiveFile::Load(std::string(args[0]), message);
    if (project == nullptr)
        return CliOutput::Fail(message);
    ChartScene chart;
    chart.Open(*project);
    chart.SetSize(kChartWidth, kChartHeight);
    COleDateTime from;
    COleDateTime to;
    if (chart.DefaultPeriod(from, to))
        chart.SetPeriod(from, to, 0.0);
    for (const FindEntry& entry : ObjectFinder::Search(chart.GetModel(), args[1], options)) {
        std::printf("%d\t%s\t%s\t%s\t%s\n", entry.id, OneLine(entry.text).c_str(),
                    entry.state.c_str(), entry.x.c_str(), OneLine(entry.y).c_str());
    }
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
