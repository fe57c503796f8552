#include <string>

#include "CDisplayModel.h"
#include "CHtmlWriter.h"
#include "ChartScene.h"
#include "CliDocument.h"
#include "CliOutput.h"
#include "Commands.h"
#include "HtmlExport.h"
#include "SystemError.h"
#include "ViewStatusStore.h"

#if QB_HAVE_QT
#include "QtSettingsStore.h"
#endif

namespace qb::cli {
namespace {

constexpr const char* kUsageText =
    "export-html FILE.qbd OUT.html [--indent] [--no-columns] [--no-actual] [--no-graph]";

struct HtmlArgs {
    std::string input;
    std::string output;
    bool indent = false;
    bool noColumns = false;
    bool noActual = false;
    bool noGraph = false;
};

bool Parse(const Args& args, HtmlArgs& parsed) {
    std::vector<std::string> positional;
    for (const auto& arg : args) {
        if (arg == "--indent")
            parsed.indent = true;
        else if (arg == "--no-columns")
            parsed.noColumns = true;
        else if (arg == "--no-actual")
            parsed.noActual = true;
        else if (arg == "--no-graph")
            parsed.noGraph = true;
        else if (arg.starts_with("-"))
            return false;
        else
            positional.emplace_back(arg);
    }
    if (positional.size() != 2)
        return false;
    parsed.input = positional[0];
    parsed.output = positional[1];
    return true;
}

// What the program keeps for the file and the user's style sheet, read from
// the user's settings without writing them.
void ReadUserState(const std::string& path, ViewStatus& view, std::string& styleSheet) {
#if QB_HAVE_QT
    QtSettingsStore store(QtSettingsStore::DefaultPath());
    view = ViewStatusStore(store).Load(path);
    if (auto css = store.ReadString(AppSettings::kSection, "HtmlCss"))
        styleSheet = *css;
#else
    (void)path;
    (void)view;
    (void)styleSheet;
#endif
}

}  // namespace

int RunExportHtml(const Args& args) {
    HtmlArgs parsed;
    if (!Parse(args, parsed))
        return CliOutput::Usage(kUsageText);
    CliDocument document;
    if (!document.Open(parsed.input))
        return CliOutput::kFailure;
    CStatus& status = document.Status();
    ViewStatus view;
    std::string styleSheet = AppSettings::kHtmlCssDefault;
    ReadUserState(parsed.input, view, styleSheet);
    const std::unique_ptr<ChartScene> scene =
        HtmlExport::SceneFor(status.Services(), *status.GetProject(), view);
    HtmlOptions options = HtmlExport::OptionsFrom(status.Services());
    options.styleSheet = styleSheet;
    options.showColumns = !parsed.noColumns;
    options.showActual = !parsed.noActual;
    options.graphShown = !parsed.noGraph;
    options.indented = parsed.indent || scene->GetModel().IsIndentMode();
    std::uint32_t error = 0;
    if (!CHtmlWriter(parsed.output).Write(scene->GetModel(), options, error))
        return CliOutput::Fail(parsed.output + ": " + SystemError::DescribeCode(error));
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
