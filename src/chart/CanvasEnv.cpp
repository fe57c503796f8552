#include "CanvasEnv.h"

#include "AppSettings.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRuler.h"
#include "CStatus.h"
#include "CanvasInput.h"
#include "ChartScene.h"
#include "IPrompt.h"
#include "ScheduleFields.h"

namespace qb {

CDisplayModel& CanvasEnv::Model() const {
    return scene_.GetModel();
}

const CRuler& CanvasEnv::Ruler() const {
    return scene_.GetRuler();
}

ChartContext CanvasEnv::Context() const {
    return scene_.Context();
}

bool CanvasEnv::HasRows() const {
    return scene_.IsOpen() && Model().IsBuilt() && !Model().GetRows().Empty();
}

bool CanvasEnv::IsReadOnly() const {
    return status_.Doc().IsReadOnly();
}

DrawPoint CanvasEnv::ToChart(DrawPoint window) const {
    return DrawPoint{window.x + Ruler().GetScrollPosition(), window.y + scene_.GetTop()};
}

PointSnap CanvasEnv::Snap(const CanvasInput& input) const {
    const AppSettings& settings = status_.Services().Settings();
    return PointSnap::For(settings.fitX, settings.fitY, input.shift, input.alt);
}

CGuiRow* CanvasEnv::TargetRow(int y) const {
    if (y < 0 || y >= Model().TotalHeight())
        return nullptr;
    CGuiRow* row = Model().RowAt(y);
    if (row == nullptr)
        return nullptr;
    if (Context().summaryMode &&
        (row->IsFolded() || (Model().IsIndentMode() && row->HasChildren())))
        return nullptr;
    return row;
}

bool CanvasEnv::HasDisplayPeriod() const {
    const CProject* project = Model().GetProject();
    return project != nullptr && (ScheduleFields::IsSet(project->GetDisplayStartDate()) ||
                                  ScheduleFields::IsSet(project->GetDisplayEndDate()));
}

bool CanvasEnv::InDisplayPeriod(int x) const {
    const COleDateTime day = Ruler().XToDate(x);
    return InDisplayPeriod(day, day);
}

bool CanvasEnv::InDisplayPeriod(const COleDateTime& from, const COleDateTime& to) const {
    const CProject* project = Model().GetProject();
    if (project == nullptr)
        return true;
    const COleDateTime& start = project->GetDisplayStartDate();
    const COleDateTime& end = project->GetDisplayEndDate();
    if (ScheduleFields::IsSet(start) && from.DatePart() < start.DatePart())
        return false;
    return !ScheduleFields::IsSet(end) || !(end.DatePart() < to.DatePart());
}

void CanvasEnv::Tell(const std::string& text) const {
    status_.Services().Prompt().Show(
        PromptMessage{0, text, PromptIcon::kWarning, PromptButtons::kOk});
}

bool CanvasEnv::Confirm(const std::string& text) const {
    return status_.Services().Prompt().Show(PromptMessage{
               0, text, PromptIcon::kQuestion, PromptButtons::kOkCancel}) == PromptAnswer::kOk;
}

bool CanvasEnv::Check(const EditResult& result) const {
    if (!result.ok && result.message)
        status_.Services().Prompt().Show(*result.message);
    return result.ok;
}

void CanvasEnv::Rebuild(const std::vector<std::int32_t>& select) const {
    CProject* project = Model().GetProject();
    if (project != nullptr && Generation() == editGeneration_) {
        Model().Rebuild(*project);
        scene_.Relayout();
        if (generation_ != nullptr)
            ++*generation_;
    }
    for (const std::int32_t id : select)
        Model().Select(id, true);
}

}  // namespace qb
