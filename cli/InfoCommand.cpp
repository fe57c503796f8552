#include <cstdio>
#include <string>

#include "ArchiveFile.h"
#include "CMemo.h"
#include "CliOutput.h"
#include "Commands.h"
#include "ProcessExit.h"

namespace qb::cli {
namespace {

// Live rows of every level; the children of a deleted row are gone with it.
int CountLiveRows(const CRowArray& rows) {
    int count = 0;
    rows.ForEach([&](const CRow& row) {
        if (!row.IsDeleted())
            count += 1 + CountLiveRows(row.GetChildren());
    });
    return count;
}

int CountLiveMemos(const CDrawPartArray& parts) {
    int count = 0;
    parts.ForEach([&](const CDrawPart& part) {
        if (!part.IsDeleted() && part.GetType() == CData::kMemo)
            ++count;
    });
    return count;
}

std::string Summary(std::int32_t version, const CProject& project) {
    auto field = [](const char* name, const std::string& value) {
        return std::string("\"") + name + "\":" + value;
    };
    auto number = [&](const char* name, long value) { return field(name, std::to_string(value)); };
    std::string json = "{";
    json += number("version", version) + ",";
    json += field("title", CliOutput::JsonString(project.GetTitle())) + ",";
    json += number("lastObjectId", project.GetLastObjectId()) + ",";
    json += field("shared", project.IsShared() ? "true" : "false") + ",";
    json += number("rows", CountLiveRows(project.GetRows())) + ",";
    json += number("columns", project.GetColumns().GetCount(true)) + ",";
    json += number("schedules", project.GetSchedules().GetCount(true)) + ",";
    json += number("links", project.GetLinks().GetCount(true)) + ",";
    json += number("memos", CountLiveMemos(project.GetDrawParts())) + ",";
    json += number("holidays", project.GetHolidays().GetCount(true));
    return json + "}";
}

}  // namespace

int RunInfo(const Args& args) {
    if (args.size() != 1 || args[0].starts_with("-"))
        return CliOutput::Usage("info FILE.qbd");
    const std::string path(args[0]);
    std::string message;
    std::unique_ptr<CProject> project = ArchiveFile::Load(path, message);
    if (!project)
        return CliOutput::Fail(message);
    std::int32_t version = ArchiveFile::ReadVersion(path);
    std::printf("%s\n", Summary(version, *project).c_str());
    ProcessExit::Now(CliOutput::kSuccess);
}

}  // namespace qb::cli
