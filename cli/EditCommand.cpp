#include <cstdio>
#include <string>

#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "EditSession.h"
#include "ProjectEdits.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText =
    "edit FILE.qbd add-row --caption TEXT [--parent ID] [--index N]\n"
    "   | add-schedule --row ID --start YYYYMMDD[hhmm] [--end YYYYMMDD[hhmm]] [--caption TEXT]\n"
    "   | set ID NAME=VALUE ...\n"
    "   | delete ID\n"
    "   | mode shared|single";

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

bool ParseId(std::string_view text, std::int32_t& id) {
    int value = 0;
    if (!CliOptions::ParseNumber(text, value) || value < 0)
        return false;
    id = value;
    return true;
}

// Shows a refusal; the id of a new object goes to stdout.
int Finish(CliDocument& document, const EditResult& result, bool printId) {
    if (!result.ok) {
        if (result.message)
            document.Prompt().Show(*result.message);
        return CliOutput::kFailure;
    }
    if (!document.SaveIfSingle())
        return CliOutput::kFailure;
    if (printId)
        std::printf("%d\n", result.id);
    return CliOutput::kSuccess;
}

int AddRow(CliDocument& document, const Args& args) {
    CliOptions options;
    if (!options.Parse(args, {"--caption", "--parent", "--index"}, {"--caption"}))
        return CliOutput::Usage(kUsageText);
    std::int32_t parent = CData::kNoObject;
    int index = -1;
    if ((options.Has("--parent") && !ParseId(options.Get("--parent"), parent)) ||
        (options.Has("--index") &&
         (!CliOptions::ParseNumber(options.Get("--index"), index) || index < 0))) {
        return CliOutput::Usage(kUsageText);
    }
    ProjectEdits edits = document.Edits();
    return Finish(document, edits.AddRow(std::string(options.Get("--caption")), parent, index),
                  true);
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
    if (!ParseId(options.Get("--row"), row) || !ParseEnd(options.Get("--start"), false, start) ||
        !ParseEnd(endText, true, end)) {
        return CliOutput::Usage(kUsageText);
    }
    ProjectEdits edits = document.Edits();
    return Finish(document,
                  edits.AddSchedule(row, start, end, std::string(options.Get("--caption"))), true);
}

int Set(CliDocument& document, const Args& args) {
    std::int32_t id = 0;
    if (args.size() < 2 || !ParseId(args[0], id))
        return CliOutput::Usage(kUsageText);
    ProjectEdits::PropertyValues values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        if (equals == std::string_view::npos || equals == 0)
            return CliOutput::Usage(kUsageText);
        values.emplace_back(args[i].substr(0, equals), args[i].substr(equals + 1));
    }
    ProjectEdits edits = document.Edits();
    return Finish(document, edits.SetProperties(id, values), false);
}

int Delete(CliDocument& document, const Args& args) {
    std::int32_t id = 0;
    if (args.size() != 1 || !ParseId(args[0], id))
        return CliOutput::Usage(kUsageText);
    ProjectEdits edits = document.Edits();
    return Finish(document, edits.DeleteObject(id), false);
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
    else if (verb == "set")
        run = Set;
    else if (verb == "delete")
        run = Delete;
    else if (verb == "mode")
        run = Mode;
    else
        return CliOutput::Usage(kUsageText);
    CliDocument document;
    if (!document.Open(path))
        return CliOutput::kFailure;
    return run(document, rest);
}

}  // namespace qb::cli
