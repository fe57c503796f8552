#include <charconv>
#include <string>

#include "ArchiveFile.h"
#include "CliOutput.h"
#include "Commands.h"
#include "ProjectGenerator.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText =
    "generate --rows N --schedules M [--links K] [--memos K] [--seed S] OUT.qbd";
// Far beyond any real plan, and still within memory on an ordinary machine.
constexpr long kMaxCount = 10'000'000;

bool ParseCount(std::string_view text, long limit, long& value) {
    const char* end = text.data() + text.size();
    auto [rest, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc() && rest == end && value >= 0 && value <= limit;
}

// Fills options from the arguments; false on anything it does not understand.
bool ParseArgs(const Args& args, ProjectGenerator::Options& options, std::string& out) {
    bool haveRows = false;
    bool haveSchedules = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            if (!out.empty())
                return false;
            out = arg;
            continue;
        }
        long value = 0;
        const bool isSeed = arg == "--seed";
        if (i + 1 == args.size() || !ParseCount(args[++i], isSeed ? 0xFFFFFFFFL : kMaxCount, value))
            return false;
        if (arg == "--rows") {
            options.rows = static_cast<int>(value);
            haveRows = true;
        } else if (arg == "--schedules") {
            options.schedules = static_cast<int>(value);
            haveSchedules = true;
        } else if (arg == "--links") {
            options.links = static_cast<int>(value);
        } else if (arg == "--memos") {
            options.memos = static_cast<int>(value);
        } else if (isSeed) {
            options.seed = static_cast<unsigned>(value);
        } else {
            return false;
        }
    }
    return haveRows && haveSchedules && !out.empty();
}

}  // namespace

int RunGenerate(const Args& args) {
    ProjectGenerator::Options options;
    std::string path;
    if (!ParseArgs(args, options, path))
        return CliOutput::Usage(kUsageText);
    std::string message;
    if (!ArchiveFile::Save(path, *ProjectGenerator::Generate(options), message))
        return CliOutput::Fail(message);
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
