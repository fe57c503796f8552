#include "ObjectFinder.h"

#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "DateText.h"
#include "DisplayTree.h"
#include "TextMatcher.h"

namespace qb {
namespace {

// Far outside the calendar on either side: a bound the project leaves open.
constexpr COleDateTime kEarliest(-1.0e9, COleDateTime::valid);
constexpr COleDateTime kLatest(1.0e9, COleDateTime::valid);

bool IsSet(const COleDateTime& day) {
    return day.IsValid() && day.GetDays() != 0.0;
}

std::string RowCaption(const CGuiRow* row) {
    return row != nullptr ? row->GetRow().GetCaption() : std::string();
}

bool ScheduleMatches(const CSchedule& schedule, const TextMatcher& matcher,
                     const FindOptions& options) {
    return (options.captions && matcher.Matches(schedule.GetCaption())) ||
           (options.remarks && matcher.Matches(schedule.GetRemark()));
}

}  // namespace

bool ObjectFinder::Overflows(int yOffset, const CGuiRow* row) {
    const int height = row != nullptr ? row->GetRow().GetHeight() : 0;
    return yOffset >= height;
}

bool ObjectFinder::InDisplayPeriod(const CGuiObject& object, const CDisplayModel& model) {
    const CProject* project = model.GetProject();
    if (project == nullptr)
        return true;
    const COleDateTime& start = project->GetDisplayStartDate();
    const COleDateTime& end = project->GetDisplayEndDate();
    // The last day counts whole.
    const COleDateTime from = IsSet(start) ? start.DatePart() : kEarliest;
    const COleDateTime to = IsSet(end) ? end.DatePart().AddDays(1) : kLatest;
    return object.InDateRange(from, to);
}

const char* ObjectFinder::StateOf(const CGuiObject& object, const CDisplayModel& model) {
    if (!InDisplayPeriod(object, model))
        return kOutsidePeriod;
    return object.IsVisible() ? kShown : kNotShown;
}

std::vector<FindEntry> ObjectFinder::Search(const CDisplayModel& model, std::string_view text,
                                            const FindOptions& options) {
    std::vector<FindEntry> entries;
    const TextMatcher matcher(text, options);
    if (options.captions || options.remarks) {
        const CGuiScheduleArray& schedules = model.GetSchedules();
        for (std::size_t i = 0; i < schedules.Size(); ++i) {
            const CGuiSchedule& shown = *schedules.At(i);
            const auto& schedule = static_cast<const CSchedule&>(*shown.GetData());
            if (schedule.IsDeleted() || !ScheduleMatches(schedule, matcher, options))
                continue;
            if (options.overflowOnly && !Overflows(schedule.GetYOffset(), shown.GetRow()))
                continue;
            entries.push_back({schedule.GetObjectId(), CGuiObject::kSchedule, schedule.GetCaption(),
                               StateOf(shown, model),
                               DateText::SlashDate(schedule.GetStartDate(), true, false),
                               RowCaption(shown.GetRow())});
        }
    }
    if (options.memos) {
        const CGuiMemoArray& memos = model.GetMemos();
        for (std::size_t i = 0; i < memos.Size(); ++i) {
            const CGuiMemo& shown = *memos.At(i);
            const auto& memo = static_cast<const CMemo&>(*shown.GetData());
            if (memo.IsDeleted() || !matcher.Matches(memo.GetText()))
                continue;
            if (options.overflowOnly && !Overflows(memo.GetYOffset(), shown.GetRow()))
                continue;
            entries.push_back(
                {memo.GetObjectId(), CGuiObject::kMemo, memo.GetText(), StateOf(shown, model),
                 DateText::SlashDate(memo.GetXDate(), true, false), RowCaption(shown.GetRow())});
        }
    }
    return entries;
}

}  // namespace qb
