#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "DataRemoval.h"
#include "DiagnosticLog.h"
#include "EditReply.h"
#include "EditVerbs.h"
#include "FileIo.h"
#include "IChartEdits.h"
#include "ObjectClipboardStream.h"
#include "ObjectPaste.h"
#include "RowPaste.h"
#include "ScheduleFields.h"

namespace qb::cli {

namespace {

constexpr const char* kPasteUsage = "edit FILE.qbd paste IN.bin [--row ID] [--at YYYYMMDD]";

// The day an object starts on.
COleDateTime DayOf(const CData& object) {
    if (const auto* schedule = dynamic_cast<const CSchedule*>(&object))
        return schedule->GetStartDate().DatePart();
    if (const auto* memo = dynamic_cast<const CMemo*>(&object))
        return memo->GetXDate().DatePart();
    return COleDateTime::Null();
}

// Moves a schedule or memo by whole days onto the row (kNoObject: its own).
void PlaceObject(CData& object, int days, std::int32_t row) {
    if (auto* schedule = dynamic_cast<CSchedule*>(&object)) {
        schedule->SetStartDate(schedule->GetStartDate().AddDays(days));
        if (ScheduleFields::IsSet(schedule->GetEndDate()))
            schedule->SetEndDate(schedule->GetEndDate().AddDays(days));
        if (row != CData::kNoObject)
            schedule->SetRowObjectId(row);
    } else if (auto* memo = dynamic_cast<CMemo*>(&object)) {
        memo->SetXDate(memo->GetXDate().AddDays(days));
        if (row != CData::kNoObject)
            memo->SetYRowId(row);
    }
}

// The objects of a block moved so that the first starts on the day (null:
// where they are), each on the row or on its own.
int PasteObjects(CliDocument& document, std::vector<ClipboardObject>& objects,
                 const COleDateTime& day, std::int32_t row) {
    const CProject& project = *document.Status().GetProject();
    const COleDateTime first = DayOf(*objects.front().data);
    const int days =
        day.IsValid() && first.IsValid() ? static_cast<int>((day.DatePart() - first).GetDays()) : 0;
    std::vector<std::unique_ptr<CData>> values;
    for (ClipboardObject& object : objects) {
        PlaceObject(*object.data, days, row);
        const std::int32_t own = DataRemoval::OwningRow(object.data.get());
        if (object.data->GetType() != CData::kLink && !DataRemoval::IsLiveRow(project, own))
            return CliOutput::Fail("ID " + std::to_string(own) + " の段はありません。");
        values.push_back(std::move(object.data));
    }
    // Links go in after both their ends, wherever the block had them.
    std::stable_partition(values.begin(), values.end(),
                          [](const auto& value) { return value->GetType() != CData::kLink; });
    const EditResult result = ObjectPaste(document.Status()).Add(std::move(values));
    return EditReply::FinishWithIds(document, result, result.ids);
}

}  // namespace

// An objects block when it reads as one, else a row block inserted above
// --row; the new ids one per line.
int RunPasteVerb(CliDocument& document, const Args& args) {
    CliOptions options;
    if (args.empty() || !options.Parse(Args(args.begin() + 1, args.end()), {"--row", "--at"}, {}))
        return CliOutput::Usage(kPasteUsage);
    int row = CData::kNoObject;
    COleDateTime day = COleDateTime::Null();
    if ((options.Has("--row") &&
         (!CliOptions::ParseNumber(options.Get("--row"), row) || row < 0)) ||
        (options.Has("--at") && !CliOptions::ParseDay(options.Get("--at"), day)))
        return CliOutput::Usage(kPasteUsage);
    std::string block;
    std::uint32_t error = 0;
    const std::string path(args.front());
    if (!FileIo::ReadAll(path, block, error))
        return CliOutput::Fail(path + ": " + DiagnosticLog::SystemErrorText(error));
    if (auto objects = ObjectClipboardStream::Read(block); objects && !objects->empty())
        return PasteObjects(document, *objects, day, row);
    const EditResult result = RowPaste(document.Status()).Paste(block, row);
    return EditReply::FinishWithIds(
        document, result, result.ids.empty() ? std::vector<std::int32_t>{result.id} : result.ids);
}

namespace {

constexpr const char* kAddLinkUsage = "edit FILE.qbd add-link --from ID --to ID";
constexpr const char* kAddMemoUsage = "edit FILE.qbd add-memo --row ID --date YYYYMMDD --text TEXT";

}  // namespace

// A link drawn as the chart draws one: the palette's line and end styles,
// from the first object to the second.
int RunAddLinkVerb(CliDocument& document, const Args& args) {
    CliOptions options;
    std::int32_t from = 0;
    std::int32_t to = 0;
    if (!options.Parse(args, {"--from", "--to"}, {"--from", "--to"}) ||
        !EditReply::ParseId(options.Get("--from"), from) ||
        !EditReply::ParseId(options.Get("--to"), to))
        return CliOutput::Usage(kAddLinkUsage);
    if (from == to)
        return CliOutput::Fail("リンクの始点と終点に同じオブジェクトは指定できません。");
    CLink link(CData::kNoObject);
    document.Status().GetPalette().ApplyTo(link);
    link.SetFromId(from);
    link.SetToId(to);
    return EditReply::FinishWithId(document, document.Status().ChartEdit().AddObject(link));
}

// A memo placed as a click of the memo input places one: the palette's
// memo style and size, at the start of the day and the top of the row.
int RunAddMemoVerb(CliDocument& document, const Args& args) {
    CliOptions options;
    std::int32_t row = 0;
    if (!options.Parse(args, {"--row", "--date", "--text"}, {"--row", "--date", "--text"}) ||
        !EditReply::ParseId(options.Get("--row"), row))
        return CliOutput::Usage(kAddMemoUsage);
    // A date that names no day is wrong usage, as for the other verbs.
    COleDateTime day;
    if (!CliOptions::ParseDay(options.Get("--date"), day))
        return CliOutput::Usage(kAddMemoUsage);
    CMemo memo(CData::kNoObject);
    document.Status().GetPalette().ApplyTo(memo);
    memo.SetYRowId(row);
    memo.SetXDate(day.DatePart());
    memo.SetXOffset(0);
    memo.SetYOffset(0);
    memo.SetText(std::string(options.Get("--text")));
    return EditReply::FinishWithId(document, document.Status().ChartEdit().AddObject(memo));
}

}  // namespace qb::cli
