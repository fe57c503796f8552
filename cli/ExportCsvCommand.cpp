#include <string>

#include "ArchiveFile.h"
#include "CCsvWriter.h"
#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {
namespace {

constexpr std::string_view kUsage =
    "export-csv FILE.qbd OUT.csv [--separator tab|comma] [--path-separator slash|backslash] "
    "[--keep-line-breaks]";

// The options after the two files; false on anything unknown or repeated.
bool ParseOptions(const Args& args, CsvOptions& options) {
    bool separator = false, pathSeparator = false, keep = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--keep-line-breaks" && !keep) {
            keep = true;
            options.ignoreLineBreaks = false;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string_view value = args[++i];
        if (name == "--separator" && !separator && (value == "tab" || value == "comma")) {
            separator = true;
            options.tabSeparated = value == "tab";
        } else if (name == "--path-separator" && !pathSeparator &&
                   (value == "slash" || value == "backslash")) {
            pathSeparator = true;
            options.slashPath = value == "slash";
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int RunExportCsv(const Args& args) {
    CsvOptions options;
    if (args.size() < 2 || args[0].starts_with("-") || args[1].starts_with("-") ||
        !ParseOptions(args, options))
        return CliOutput::Usage(kUsage);
    std::string message;
    std::unique_ptr<CProject> project = ArchiveFile::Load(std::string(args[0]), message);
    if (!project)
        return CliOutput::Fail(message);
    CCsvWriter writer(std::string(args[1]), options);
    if (!writer.Write(*project))
        return CliOutput::Fail(writer.GetError().Describe());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
