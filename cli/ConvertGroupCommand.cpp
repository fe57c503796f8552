#include <sys/stat.h>

#include <string>

#include "AppEnvironment.h"
#include "AppSettings.h"
#include "CGroupLink.h"
#include "CProjectFile.h"
#include "CliOutput.h"
#include "Commands.h"
#include "InMemorySettingsStore.h"
#include "NewProjectDefaults.h"
#if QB_HAVE_QT
#include "QtSettingsStore.h"
#endif

namespace qb::cli {
namespace {

constexpr const char* kUsageText = "convert-group FILE.group --from YYYYMM --to YYYYMM OUT.qbd";

struct ConvertArgs {
    std::string group;
    std::string output;
    int from = 0;
    int to = 0;
};

// A month as YYYYMM, year 100 to 9999.
bool ParseMonth(std::string_view text, int& month) {
    if (text.size() != 6 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    month = std::stoi(std::string(text));
    return month / 100 >= 100 && month % 100 >= 1 && month % 100 <= 12;
}

bool Parse(const Args& args, ConvertArgs& parsed) {
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--from" || args[i] == "--to") && i + 1 < args.size()) {
            if (!ParseMonth(args[i + 1], args[i] == "--from" ? parsed.from : parsed.to))
                return false;
            ++i;
        } else if (args[i].starts_with("-")) {
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || parsed.from == 0 || parsed.to == 0 || parsed.to < parsed.from)
        return false;
    parsed.group = positional[0];
    parsed.output = positional[1];
    return true;
}

// The user's settings as the program reads them, never written back here.
AppSettings UserSettings() {
    AppSettings settings;
#if QB_HAVE_QT
    QtSettingsStore store(QtSettingsStore::DefaultPath());
    settings.Load(store, AppEnvironment{});
#else
    settings.Load(InMemorySettingsStore(), AppEnvironment{});
#endif
    return settings;
}

bool PathTaken(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

// The months of a period of a Tallyframe group, written as a native project
// file. An existing file is never replaced.
int RunConvertGroup(const Args& args) {
    ConvertArgs parsed;
    if (!Parse(args, parsed))
        return CliOutput::Usage(kUsageText);
    if (PathTaken(parsed.output))
        return CliOutput::Fail("ファイルは既に存在します: " + parsed.output);
    const AppSettings settings = UserSettings();
    CProject project;
    NewProjectDefaults::Apply(project, settings);
    CGroupLink link(parsed.group, settings.group);
    if (!link.OpenGroup(project))
        return CliOutput::Fail(link.GetError().Describe() + ": " + parsed.group);
    link.LoadMonths(project, parsed.from / 100, parsed.from % 100, parsed.to / 100,
                    parsed.to % 100);
    CProjectFile file(parsed.output);
    if (!file.Save(&project, true))
        return CliOutput::Fail(file.GetError().Describe() + ": " + parsed.output);
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
