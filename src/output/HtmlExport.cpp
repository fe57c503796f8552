#include "HtmlExport.h"

#include "AppServices.h"
#include "CDisplayModel.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "IDocumentView.h"
#include "ToolCommands.h"
#include "ViewStatus.h"

namespace qb {
namespace {

// Rows and schedules need no particular scale, only a ruler to stand on.
constexpr double kPixelsPerDay = 1.0;
constexpr int kChartWidth = 1000;
constexpr int kChartHeight = 1000;
constexpr int kDaySetting = 1;

}  // namespace

HtmlOptions HtmlExport::OptionsFrom(AppServices& services) {
    const AppSettings& settings = services.Settings();
    HtmlOptions options;
    options.showColumns = settings.showColumns;
    options.showActual = settings.display.showActual;
    options.graphShown = settings.graphShown;
    options.styleSheet = settings.htmlCss;
    // The edition is the one the home-page command goes by.
    options.homePage = ToolCommands(services).HomePageAddress();
    options.packaged = options.homePage == ToolCommands::kPackageHomePage;
    return options;
}

std::unique_ptr<ChartScene> HtmlExport::SceneFor(AppServices& services, CProject& project,
                                                 const ViewStatus& view) {
    AppSettings& settings = services.Settings();
    auto scene = std::make_unique<ChartScene>(settings.calendar, settings.display);
    scene->Open(project);
    scene->SetRulerSetting(kDaySetting);
    COleDateTime from;
    COleDateTime to;
    if (!scene->DefaultPeriod(from, to)) {
        from = COleDateTime::GetCurrentTime().DatePart();
        to = from;
    }
    scene->SetSize(scene->HeaderWidth() + kChartWidth, kChartHeight);
    scene->SetPeriod(from, to, kPixelsPerDay);
    CDisplayModel& model = scene->GetModel();
    for (const std::int32_t id : view.folded)
        model.SetFolded(id, true);
    for (const std::int32_t id : view.rowHidden)
        model.HideRow(id);
    for (const std::int32_t id : view.columnHidden)
        model.SetColumnHidden(id, true);
    scene->Relayout();
    return scene;
}

bool HtmlExport::Write(CStatus& status, const std::string& path, std::uint32_t& error) {
    error = 0;
    CProject* project = status.GetProject();
    if (project == nullptr)
        return false;
    HtmlOptions options = OptionsFrom(status.Services());
    ChartScene* shown = status.View().GetChartScene();
    if (shown != nullptr && shown->IsOpen() && shown->GetModel().IsBuilt()) {
        options.indented = shown->GetModel().IsIndentMode();
        return CHtmlWriter(path).Write(shown->GetModel(), options, error);
    }
    const std::unique_ptr<ChartScene> scene =
        SceneFor(status.Services(), *project, status.Doc().GetViewStatus());
    options.indented = scene->GetModel().IsIndentMode();
    return CHtmlWriter(path).Write(scene->GetModel(), options, error);
}

}  // namespace qb
