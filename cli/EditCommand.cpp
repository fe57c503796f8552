#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "BulkRowText.h"
#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "ColumnEdits.h"
#include "ColumnKinds.h"
#include "Commands.h"
#include "DataRemoval.h"
#include "DiagnosticLog.h"
#include "EditReply.h"
#include "EditSession.h"
#include "EditVerbs.h"
#include "FileIo.h"
#include "LiveIndex.h"
#include "ProjectEdits.h"
#include "RowDefaults.h"
#include "RowEdits.h"
#include "TextCodec.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText =
    "edit FILE.qbd add-row --caption TEXT [--parent ID] [--index N]\n"
    "   | add-schedule --row ID --start YYYYMMDD[hhmm] [--end YYYYMMDD[hhmm]] [--caption TEXT]\n"
    "   | insert-rows --text-file F.txt [--above ID]\n"
    "   | add-column --caption TEXT [--kind 0-11] [--width N>=10]\n"
    "   | set-cell ROW COLUMN TEXT\n"
    "   | set ID|project NAME=VALUE ...\n"
    "   | delete ID\n"
    "   | mode shared|single\n"
    "   | shift --ids ID,ID,... (--days N | --to-date YYYYMMDD) [--actuals 1|2|3|4]\n"
    "   | move ID --days N --linked 1|2|3\n"
    "   | paste IN.bin [--row ID] [--at YYYYMMDD]\n"
    "   | add-link --from ID --to ID\n"
    "   | add-memo --row ID --date YYYYMMDD --text TEXT\n"
    "   | replace FIND REPLACEMENT [--captions] [--remarks] [--memos] [--ignore-case]\n"
    "     [--ignore-width] [--ignore-spaces] [--overflow-only]";

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A day gives its start, or with isEnd its last moment; a time gives its
// position inside the day.
bool ParseEnd(std::string_view text, bool isEnd, DateOffset& out) {
    COleDateTime value;
    if (CliOptions::ParseDay(text, value)) {
        out = DateOffset(value, isEnd ? DateOffset::kOffsetsPerDay - 1 : 0);
        return true;
    }
    if (!CliOptions::ParseMoment(text, value))
        return false;
    const int minutes =
        std::stoi(std::string(text.substr(8, 2))) * 60 + std::stoi(std::string(text.substr(10, 2)));
    COleDateTime day;
    CliOptions::ParseDay(text.substr(0, 8), day);
    out = DateOffset(day, minutes * DateOffset::kOffsetsPerDay / (24 * 60));
    return true;
}

// The lines of a UTF-8 text file, as the bulk insertion dialog takes them.
bool ReadCaptions(const std::string& path, std::vector<std::string>& captions) {
    std::string text;
    std::uint32_t error = 0;
    if (!FileIo::ReadAll(path, text, error)) {
        CliOutput::Fail(path + ": " + DiagnosticLog::SystemErrorText(error));
        return false;
    }
    if (!TextCodec::IsValidUtf8(text)) {
        CliOutput::Fail(path + ": UTF-8 のテキストではありません。");
        return false;
    }
    std::string_view body = text;
    if (body.starts_with(kUtf8Bom))
        body.remove_prefix(kUtf8Bom.size());
    captions = BulkRowText::Captions(body);
    return true;
}

// The place above a live row: its sibling list and its index there.
bool PlaceAbove(const CProject& project, std::int32_t rowId, std::int32_t& owner, int& index) {
    if (!DataRemoval::IsLiveRow(project, rowId))
        return false;
    const CRow& row = *project.FindRow(rowId);
    const CRow* parent = row.GetParentRow();
    owner = parent ? parent->GetObjectId() : CData::kNoObject;
    index = LiveIndex::Of(*row.GetHolder(), row);
    return true;
}

int InsertRows(CliDocument& document, const Args& args) {
    CliOptions options;
    std::int32_t above = CData::kNoObject;
    if (!options.Parse(args, {"--text-file", "--above"}, {"--text-file"}) ||
        (options.Has("--above") && !EditReply::ParseId(options.Get("--above"), above))) {
        return CliOutput::Usage(kUsageText);
    }
    std::vector<std::string> captions;
    if (!ReadCaptions(std::string(options.Get("--text-file")), captions))
        return CliOutput::kFailure;
    if (captions.empty())
        return CliOutput::kSuccess;
    CStatus& status = document.Status();
    const CProject& project = *status.GetProject();
    std::int32_t owner = CData::kNoObject;
    int index = -1;
    if (options.Has("--above") && !PlaceAbove(project, above, owner, index))
        return CliOutput::Fail("ID " + std::to_string(above) + " の段はありません。");
    std::vector<std::unique_ptr<CRow>> rows;
    for (const std::string& caption : captions)
        rows.push_back(
            RowDefaults::Prepare(project, caption, status.Services().Settings().defRowHeight));
    const EditResult result = status.RowEdit().InsertRows(rows, owner, index);
    return EditReply::FinishWithIds(document, result, result.ids);
}

int AddColumn(CliDocument& document, const Args& args) {
    CliOptions options;
    int kind = ColumnKinds::kFreeText;
    int width = CColumn().GetWidth();
    if (!options.Parse(args, {"--caption", "--kind", "--width"}, {"--caption"}) ||
        (options.Has("--kind") && (!CliOptions::ParseNumber(options.Get("--kind"), kind) ||
                                   kind < 0 || kind >= ColumnKinds::kCount)) ||
        (options.Has("--width") && (!CliOptions::ParseNumber(options.Get("--width"), width) ||
                                    width < ColumnEdits::kMinWidth))) {
        return CliOutput::Usage(kUsageText);
    }
    CColumn values(CData::kNoObject);
    values.SetCaption(std::string(options.Get("--caption")));
    values.SetWidth(width);
    values.SetParamInt("_Auto", kind);
    return EditReply::FinishWithId(document, document.Status().ColumnEdit().AddColumn(values));
}

int SetCell(CliDocument& document, const Args& args) {
    std::int32_t row = 0;
    std::int32_t column = 0;
    if (args.size() != 3 || !EditReply::ParseId(args[0], row) ||
        !EditReply::ParseId(args[1], column))
        return CliOutput::Usage(kUsageText);
    return EditReply::Finish(
        document, document.Status().ColumnEdit().SetCellText(row, column, std::string(args[2])));
}

int AddRow(CliDocument& document, const Args& args) {
    CliOptions options;
    if (!options.Parse(args, {"--caption", "--parent", "--index"}, {"--caption"}))
        return CliOutput::Usage(kUsageText);
    std::int32_t parent = CData::kNoObject;
    int index = -1;
    if ((options.Has("--parent") && !EditReply::ParseId(options.Get("--parent"), parent)) ||
        (options.Has("--index") &&
         (!CliOptions::ParseNumber(options.Get("--index"), index) || index < 0))) {
        return CliOutput::Usage(kUsageText);
    }
    ProjectEdits edits = document.Edits();
    return EditReply::FinishWithId(
        document, edits.AddRow(std::string(options.Get("--caption")), parent, index));
}

int AddSchedule(CliDocument& document, const Args& args) {
    CliOptions options;
    if (!options.Parse(args, {"--row", "--start", "--end", "--caption"}, {"--row", "--start"}))
        return CliOutput::Usage(kUsageText);
    std::int32_t row = 0;
    DateOffset start;
    DateOffset end;
    const std::string_view endText =
        options.Has("--end") ? options.Get("--end") : options.Get("--start").substr(0, 8);
    if (!EditReply::ParseId(options.Get("--row"), row) ||
        !ParseEnd(options.Get("--start"), false, start) || !ParseEnd(endText, true, end)) {
        return CliOutput::Usage(kUsageText);
    }
    ProjectEdits edits = document.Edits();
    return EditReply::FinishWithId(
        document, edits.AddSchedule(row, start, end, std::string(options.Get("--caption"))));
}

int Set(CliDocument& document, const Args& args) {
    std::int32_t id = 0;
    const bool project = !args.empty() && args[0] == "project";
    if (args.size() < 2 || (!project && !EditReply::ParseId(args[0], id)))
        return CliOutput::Usage(kUsageText);
    ProjectEdits::PropertyValues values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        if (equals == std::string_view::npos || equals == 0)
            return CliOutput::Usage(kUsageText);
        values.emplace_back(args[i].substr(0, equals), args[i].substr(equals + 1));
    }
    ProjectEdits edits = document.Edits();
    return EditReply::Finish(
        document, project ? edits.SetProjectValues(values) : edits.SetProperties(id, values));
}

int Delete(CliDocument& document, const Args& args) {
    std::int32_t id = 0;
    if (args.size() != 1 || !EditReply::ParseId(args[0], id))
        return CliOutput::Usage(kUsageText);
    ProjectEdits edits = document.Edits();
    return EditReply::Finish(document, edits.DeleteObject(id));
}

int Mode(CliDocument& document, const Args& args) {
    if (args.size() != 1 || (args[0] != "shared" && args[0] != "single"))
        return CliOutput::Usage(kUsageText);
    CStatus& status = document.Status();
    if (status.IsShared() == (args[0] == "shared"))
        return CliOutput::kSuccess;
    if (!status.Edit().SwitchFileMode())
        return CliOutput::kFailure;
    return document.SaveIfSingle() ? CliOutput::kSuccess : CliOutput::kFailure;
}

}  // namespace

int RunEdit(const Args& args) {
    if (args.size() < 2)
        return CliOutput::Usage(kUsageText);
    const std::string path(args[0]);
    const std::string_view verb = args[1];
    const Args rest(args.begin() + 2, args.end());
    int (*run)(CliDocument&, const Args&) = nullptr;
    if (verb == "add-row")
        run = AddRow;
    else if (verb == "add-schedule")
        run = AddSchedule;
    else if (verb == "insert-rows")
        run = InsertRows;
    else if (verb == "add-column")
        run = AddColumn;
    else if (verb == "set-cell")
        run = SetCell;
    else if (verb == "set")
        run = Set;
    else if (verb == "delete")
        run = Delete;
    else if (verb == "mode")
        run = Mode;
    else if (verb == "shift")
        run = RunShiftVerb;
    else if (verb == "move")
        run = RunMoveVerb;
    else if (verb == "paste")
        run = RunPasteVerb;
    else if (verb == "add-link")
        run = RunAddLinkVerb;
    else if (verb == "add-memo")
        run = RunAddMemoVerb;
    else if (verb == "replace")
        run = RunReplaceVerb;
    else
        return CliOutput::Usage(kUsageText);
    CliDocument document;
    if (!document.Open(path))
        return CliOutput::kFailure;
    return run(document, rest);
}

}  // namespace qb::cli
