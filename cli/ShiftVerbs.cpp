#include <charconv>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"
#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "DayShift.h"
#include "EditReply.h"
#include "EditVerbs.h"
#include "IChartEdits.h"
#include "LinkedMove.h"

namespace qb::cli {
namespace {

constexpr const char* kShiftUsage =
    "edit FILE.qbd shift --ids ID,ID,... (--days N | --to-date YYYYMMDD) [--actuals 1|2|3|4]";
constexpr const char* kMoveUsage = "edit FILE.qbd move ID --days N --linked 1|2|3";

// One of 1 to last.
bool ParseChoice(std::string_view text, int last, int& value) {
    return CliOptions::ParseNumber(text, value) && value >= 1 && value <= last;
}

// The live schedule or memo with the id, or null.
const CData* Movable(const CProject& project, std::int32_t id) {
    const CData* object = project.FindSchedule(id);
    if (object == nullptr) {
        object = project.FindDrawPart(id);
        if (object != nullptr && object->GetType() != CData::kMemo)
            object = nullptr;
    }
    return object != nullptr && !object->IsDeleted() ? object : nullptr;
}

int NotMovable(std::int32_t id, const char* what) {
    return CliOutput::Fail("ID " + std::to_string(id) + " is not " + what + " of the project.");
}

}  // namespace

int RunShiftVerb(CliDocument& document, const Args& args) {
    CliOptions options;
    std::vector<std::int32_t> ids;
    if (!options.Parse(args, {"--ids", "--days", "--to-date", "--actuals"}, {"--ids"}) ||
        options.Has("--days") == options.Has("--to-date") ||
        !EditReply::ParseIds(options.Get("--ids"), ids))
        return CliOutput::Usage(kShiftUsage);
    ShiftDaysValues values;
    int actuals = 1;
    if (options.Has("--actuals") && !ParseChoice(options.Get("--actuals"), 4, actuals))
        return CliOutput::Usage(kShiftUsage);
    values.actuals = static_cast<ShiftDaysValues::Actuals>(actuals);
    if (options.Has("--days")) {
        int days = 0;
        if (!CliOptions::ParseNumber(options.Get("--days"), days))
            return CliOutput::Usage(kShiftUsage);
        values.daysText = std::to_string(days);
        values.left = false;
    } else {
        COleDateTime target;
        if (!CliOptions::ParseDay(options.Get("--to-date"), target))
            return CliOutput::Usage(kShiftUsage);
        values.mode = ShiftDaysValues::Mode::kToDate;
        values.targetDate = target;
    }
    const CProject& project = *document.Status().GetProject();
    for (const std::int32_t id : ids) {
        if (Movable(project, id) == nullptr)
            return NotMovable(id, "a schedule or memo");
    }
    CStatus& status = document.Status();
    return EditReply::Finish(document, DayShift::Run(status.Doc(), status.Edit(), ids, values));
}

// The schedule's start, and its end when it has one, moved by whole days as
// a drag would; the linked objects follow as the choice says.
int RunMoveVerb(CliDocument& document, const Args& args) {
    std::int32_t id = 0;
    int linked = 0;
    CliOptions options;
    if (args.empty() || !EditReply::ParseId(args[0], id) ||
        !options.Parse(Args(args.begin() + 1, args.end()), {"--days", "--linked"},
                       {"--days", "--linked"}) ||
        !ParseChoice(options.Get("--linked"), 3, linked))
        return CliOutput::Usage(kMoveUsage);
    int days = 0;
    if (!CliOptions::ParseNumber(options.Get("--days"), days))
        return CliOutput::Usage(kMoveUsage);
    if (!DayShift::InRange(days))
        return CliOutput::Fail(DayShift::kTooFar.text);
    CStatus& status = document.Status();
    const CSchedule* schedule = status.GetProject()->FindSchedule(id);
    if (schedule == nullptr || schedule->IsDeleted())
        return NotMovable(id, "a schedule");
    auto values = std::make_unique<CSchedule>();
    values->Assign(*schedule);
    values->SetStartDate(values->GetStartDate().AddDays(days));
    values->SetEndDate(values->GetEndDate().AddDays(days));
    if (!values->GetStartDate().IsValid() ||
        (schedule->GetEndDate().IsValid() && !values->GetEndDate().IsValid()))
        return CliOutput::Fail(DayShift::kOutOfCalendar.text);
    // Settings here live in memory only: the choice is taken as remembered,
    // without the question.
    status.Services().Settings().slideLinked = linked;
    return EditReply::Finish(document, status.ChartEdit().MoveSchedule(*values, false));
}

}  // namespace qb::cli
