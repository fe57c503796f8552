#include "LoadGraphForm.h"

#include "CProject.h"
#include "DisplaySettings.h"
#include "ViewStatus.h"

namespace qb {
namespace {

PromptMessage Refusal(const char* text) {
    return {0, text, PromptIcon::kWarning, PromptButtons::kOk};
}

}  // namespace

LoadGraphSettings LoadGraphForm::SettingsOf(const ViewStatus& status) {
    LoadGraphSettings settings;
    settings.max = status.graphMax;
    settings.height = status.graphHeight;
    settings.shownOnly = status.graphShownOnly != 0;
    settings.auxLine = status.graphSLine;
    settings.shown = status.showGraph != 0;
    return settings.Usable();
}

LoadGraphValues LoadGraphForm::ValuesOf(const ViewStatus& status) {
    const LoadGraphSettings settings = SettingsOf(status);
    return LoadGraphValues{settings.max, settings.EnteredHeight(), settings.auxLine,
                           settings.shownOnly};
}

LoadGraphStyle LoadGraphForm::StyleOf(const DisplaySettings& display, const CProject* project) {
    LoadGraphStyle style;
    style.graphColour = display.graphColor;
    style.fontFace = display.guiFont;
    if (project != nullptr) {
        const CPenInfo& pen = project->GetVertLineSCode();
        style.divisionPen = DrawPen{pen.GetStyle(), pen.GetWidth(), pen.GetColour()};
    }
    return style;
}

std::optional<PromptMessage> LoadGraphForm::Apply(const LoadGraphValues& values,
                                                  ViewStatus& status) {
    if (values.auxLine < 0)
        return Refusal("補助線の位置は0以上の値を指定してください。");
    status.graphSLine = values.auxLine;
    if (values.max <= 0)
        return Refusal("グラフの上限値は1以上の値を指定してください。");
    status.graphMax = values.max;
    if (values.height < LoadGraphSettings::kMinEnteredHeight ||
        values.height > LoadGraphSettings::kMaxEnteredHeight)
        return Refusal("グラフ表示部の高さは1～1000の範囲で指定してください。");
    status.graphHeight = values.height + 1;
    status.graphShownOnly = values.shownOnly ? 1 : 0;
    return std::nullopt;
}

}  // namespace qb
