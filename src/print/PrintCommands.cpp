#include "PrintCommands.h"

#include <algorithm>
#include <memory>

#include "BusyCursor.h"
#include "CCommandHandler.h"
#include "CRuler.h"
#include "CStatus.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "IPrintUi.h"
#include "IPrinter.h"
#include "LoadGraphForm.h"
#include "LoadGraphPainter.h"
#include "PrintJob.h"
#include "ViewStatus.h"

namespace qb {
namespace {

// Header position 2 is the top right, where the stamp areas are.
constexpr int kHeaderTopRight = 2;

}  // namespace

PrintCommands::PrintCommands(CStatus& status, IPrintUi& ui) : status_(status), ui_(ui) {}

PrintCommands* PrintCommands::Attach(CStatus& status, IPrintUi& ui) {
    auto commands = std::make_unique<PrintCommands>(status, ui);
    PrintCommands* raw = commands.get();
    status.Commands().Attach(std::move(commands));
    return raw;
}

bool PrintCommands::Handles(int id) const {
    return id == cmd::kPrintSetup || id == cmd::kPrintPreview || id == cmd::kPrint ||
           id == cmd::kCopyPicture;
}

CommandState PrintCommands::State(int /*id*/) const {
    return {status_.HasDocument(), false, {}};
}

bool PrintCommands::Execute(int id) {
    if (!status_.HasDocument())
        return false;
    LoadViewStatus();
    if (id == cmd::kPrintSetup)
        return Setup();
    if (id == cmd::kPrintPreview)
        return Preview();
    if (id == cmd::kPrint)
        return Print();
    return CopyPicture();
}

// The stored values are the file's; the printer, the ranges and the copies
// stay with the engine.
void PrintCommands::LoadViewStatus() {
    engine_.Settings().LoadFrom(status_.Doc().GetViewStatus());
    LoadGraph();
}

void PrintCommands::LoadGraph() {
    const LoadGraphSettings settings = LoadGraphForm::SettingsOf(status_.Doc().GetViewStatus());
    if (!settings.shown) {
        engine_.SetGraph(0, nullptr);
        return;
    }
    const LoadGraphStyle style =
        LoadGraphForm::StyleOf(status_.Services().Settings().display, status_.GetProject());
    engine_.SetGraph(
        settings.height, [settings, style](IDrawContext& dc, const PrintEngine::GraphArea& area) {
            const LoadGraphPainter painter(settings, style);
            const RulerRow& lower = area.ruler->GetRow(CRuler::Band::lower);
            painter.PaintPeriod(dc, area.strip, *area.model, area.ruler->GetTimeScale(),
                                area.firstX, lower.boundaries);
            painter.PaintScale(dc, area.scale);
        });
}

bool PrintCommands::AcceptSettings(const PrintSettings& settings) {
    IPrompt& prompt = status_.Services().Prompt();
    if (settings.printer.empty()) {
        prompt.Show(kNoPrinter.Plain());
        return false;
    }
    if (settings.range == PrintSettings::Range::kDates) {
        const bool fromSet = settings.from.IsValid();
        const bool toSet = settings.to.IsValid();
        if ((!fromSet && !toSet) || (fromSet && toSet && !(settings.from < settings.to))) {
            prompt.Show(kDatesReversed.Plain());
            return false;
        }
    }
    const CProject& project = *status_.GetProject();
    if (!project.GetParam("_Header").empty() &&
        project.GetParamInt("_HeaderPos", 0) == kHeaderTopRight &&
        project.GetParamBool("_PrintSigns", false) &&
        prompt.Show(kStampOverlap.Plain()) != PromptAnswer::kYes)
        return false;
    return true;
}

bool PrintCommands::EditSettings(bool forPrint) {
    PrintDialogRequest request;
    request.settings = engine_.Settings();
    request.title = forPrint ? "印刷" : "印刷の設定";
    request.okText = forPrint ? "印刷開始" : "OK";
    request.screen = ScreenPeriod(CurrentSource());
    request.accept = [this](const PrintSettings& settings) { return AcceptSettings(settings); };
    const std::optional<PrintSettings> chosen = ui_.EditSettings(request);
    if (!chosen)
        return false;
    engine_.Settings() = *chosen;
    engine_.Settings().StoreTo(status_.Doc().GetViewStatus());
    return true;
}

bool PrintCommands::Setup() {
    return EditSettings(false);
}

bool PrintCommands::Preview() {
    {
        BusyCursor busy(status_.Services().Prompt(), true);
        if (!engine_.Layout(CurrentSource(), true, COleDateTime::GetCurrentTime()))
            return false;
    }
    ui_.ShowPreview(engine_);
    return true;
}

bool PrintCommands::Print() {
    std::unique_ptr<IPrinter> printer;
    if (status_.Services().Settings().printComDlg) {
        printer = ui_.ChooseSystemPrinter(engine_.Settings());
        if (!printer)
            return false;
    } else {
        if (!EditSettings(true))
            return false;
        printer = ui_.OpenPrinter(engine_.Settings());
    }
    IPrompt& prompt = status_.Services().Prompt();
    if (!printer) {
        prompt.Show(PrintJob::kPrinterError.Plain());
        return false;
    }
    BusyCursor busy(prompt, true);
    if (!engine_.Layout(CurrentSource(), false, COleDateTime::GetCurrentTime()))
        return false;
    const PrintJob::Result result = PrintJob::Run(engine_, *printer, prompt);
    return result.finished && result.failed.empty();
}

bool PrintCommands::CopyPicture() {
    const PrintEngine::Source source = CurrentSource();
    const std::optional<DatePeriod> period = ui_.AskPicturePeriod(ScreenPeriod(source));
    if (!period)
        return false;
    // The picture has a period of its own; the print range stays as it was.
    const PrintSettings kept = engine_.Settings();
    engine_.Settings().range = PrintSettings::Range::kDates;
    engine_.Settings().from = period->from;
    engine_.Settings().to = period->to;
    bool copied = false;
    {
        BusyCursor busy(status_.Services().Prompt(), true);
        copied = engine_.Layout(source, false, COleDateTime::GetCurrentTime()) &&
                 ui_.CopyPicture(engine_);
    }
    engine_.Settings() = kept;
    status_.Services().Prompt().Show(copied ? kCopied.Plain() : kCopyFailed.Plain());
    return copied;
}

PrintEngine::Source PrintCommands::CurrentSource() {
    PrintEngine::Source source;
    source.project = status_.GetProject();
    const int mode = status_.GetViewMode();
    source.rulerSetting = mode >= 1 && mode <= 3 ? mode : 1;
    ViewStatus view;
    status_.View().CollectViewStatus(view);
    source.folded = view.folded;
    source.hiddenRows = view.rowHidden;
    source.hiddenColumns = view.columnHidden;
    ChartScene* scene = status_.View().GetChartScene();
    if (scene == nullptr || !scene->IsOpen())
        return source;
    const ChartContext chart = scene->Context();
    source.calendar = chart.calendar;
    source.display = chart.display;
    const CRuler& ruler = scene->GetRuler();
    source.pixelsPerDay = ruler.GetScale();
    source.headerWidth = scene->HeaderWidth();
    source.today = scene->GetToday();
    source.screenFrom = scene->LeftDate();
    source.screenTo =
        ruler.XToDate(ruler.GetScrollPosition() + std::max(1, scene->ChartWidth()) - 1);
    return source;
}

// Cut to whole days, taken again each time a dialog or the preview starts;
// without a chart on screen, the project's whole period.
DatePeriod PrintCommands::ScreenPeriod(const PrintEngine::Source& source) {
    if (source.screenFrom.IsValid() && source.screenTo.IsValid())
        return DatePeriod{source.screenFrom.DatePart(), source.screenTo.DatePart()};
    const PrintSettings::Range kept = engine_.Settings().range;
    engine_.Settings().range = PrintSettings::Range::kWholePeriod;
    const auto whole = engine_.ResolveRange(source);
    engine_.Settings().range = kept;
    if (!whole)
        return DatePeriod{COleDateTime::Null(), COleDateTime::Null()};
    return DatePeriod{whole->first, whole->second};
}

}  // namespace qb
