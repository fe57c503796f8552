#include "FindSession.h"

#include <algorithm>

#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "EditSession.h"
#include "IDocumentView.h"
#include "ObjectFinder.h"
#include "TextReplacer.h"

namespace qb {
namespace {

// The chart of the open project, whichever tab is shown.
ChartScene* OpenChart(CStatus& status) {
    if (!status.HasDocument())
        return nullptr;
    ChartScene* chart = status.View().GetChartScene();
    return chart != nullptr && chart->IsOpen() ? chart : nullptr;
}

// The day an object stands at: a schedule's start, a memo's date.
COleDateTime DateOf(const CGuiObject& object) {
    if (object.GetObjectType() == CGuiObject::kSchedule)
        return static_cast<const CSchedule&>(*object.GetData()).GetStartDate();
    return static_cast<const CMemo&>(*object.GetData()).GetXDate();
}

const CGuiRow* RowOf(const CGuiObject& object) {
    if (object.GetObjectType() == CGuiObject::kSchedule)
        return static_cast<const CGuiSchedule&>(object).GetRow();
    return static_cast<const CGuiMemo&>(object).GetRow();
}

}  // namespace

FindSession::FindSession(CStatus& status) : status_(status) {
    status_.Doc().AddObserver(this);
}

FindSession::~FindSession() {
    status_.Doc().RemoveObserver(this);
}

void FindSession::DocumentReplaced() {
    current_ = false;
}

bool FindSession::CanFind(const CStatus& status) {
    return status.HasDocument();
}

bool FindSession::CanReplace(const CStatus& status) {
    return status.HasDocument() && !status.IsShared() && !status.Doc().IsReadOnly();
}

void FindSession::Search(const std::string& text) {
    results_.clear();
    ChartScene* chart = OpenChart(status_);
    current_ = chart != nullptr;
    if (chart != nullptr)
        results_ = ObjectFinder::Search(chart->GetModel(), text, options_);
}

bool FindSession::Jump(std::size_t index) {
    if (!current_ || !status_.HasDocument()) {
        status_.Services().Prompt().Show(kOtherProject.Plain());
        return false;
    }
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || index >= results_.size())
        return false;
    CDisplayModel& model = chart->GetModel();
    const CGuiObject* object = model.FindObject(results_[index].id);
    if (object == nullptr || (object->GetObjectType() != CGuiObject::kSchedule &&
                              object->GetObjectType() != CGuiObject::kMemo))
        return false;
    if (!object->IsVisible() || !ObjectFinder::InDisplayPeriod(*object, model))
        return false;
    const std::int32_t id = results_[index].id;
    const COleDateTime day = DateOf(*object).DatePart();
    chart->ScrollLeftTo(day.AddDays(-1));
    // Scrolling may have laid the objects out again.
    if (const CGuiObject* moved = model.FindObject(id); moved != nullptr)
        if (const CGuiRow* row = RowOf(*moved))
            chart->ScrollToShow(row->GetRect().top, row->GetRect().bottom);
    ChartAccess::SelectAlone(status_, *chart, id);
    return true;
}

bool FindSession::ReplaceAll(const std::string& text, const std::string& replacement) {
    int changed = 0;
    const EditResult result =
        TextReplacer::Run(status_.Doc(), status_.Edit(), text, replacement, options_, changed);
    if (!ChartAccess::Report(status_, result))
        return false;
    if (ChartScene* chart = OpenChart(status_))
        ChartAccess::Rebuild(status_, *chart);
    IPrompt& prompt = status_.Services().Prompt();
    if (changed == 0)
        prompt.Show(kNothingReplaced.Plain());
    else
        prompt.Show(
            AppMessage{0, kReplacedFormat, PromptIcon::kInformation, PromptButtons::kOk}.Format(
                changed));
    Search(text);
    return true;
}

}  // namespace qb
