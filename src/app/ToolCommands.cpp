#include "ToolCommands.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CommandIds.h"
#include "ISettingsStore.h"
#include "IShell.h"
#include "SystemError.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

constexpr AppMessage kManualNotOpened{0, "マニュアルを開けませんでした。\r\n%s",
                                      PromptIcon::kWarning, PromptButtons::kOk};

// The "Package" value of the "Version" section of QBRANDIR.INI; 0 when the
// file or the value is missing.
int PackageNumber(const std::string& iniPath) {
    std::ifstream in(iniPath);
    std::string line;
    bool inVersion = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inVersion = line == "[Version]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inVersion && equals != std::string::npos && line.substr(0, equals) == "Package")
            return std::atoi(line.c_str() + equals + 1);
    }
    return 0;
}

}  // namespace

bool ToolCommands::Execute(int id) {
    switch (id) {
        case cmd::kCleanupViewStatus:
            CleanupViewStatus();
            return true;
        case cmd::kManual:
            OpenManual();
            return true;
        case cmd::kHomePage:
            OpenHomePage();
            return true;
        case cmd::kAbout:
            ShowAbout();
            return true;
        case cmd::kAssociate:
            Associate();
            return true;
        default:
            return false;
    }
}

void ToolCommands::CleanupViewStatus() {
    IPrompt& prompt = services_.Prompt();
    if (prompt.Show(messages::kCleanupQuestion.Plain()) != PromptAnswer::kYes)
        return;
    int removed = 0;
    {
        BusyCursor busy(prompt, true);
        removed = ViewStatusStore(services_.Store()).Cleanup(COleDateTime::GetCurrentTime());
    }
    prompt.Show(messages::kCleanupDone.Format(removed));
}

void ToolCommands::OpenManual() {
    ISettingsStore& store = services_.Store();
    const bool ask = store.ReadInt(kOnceSection, kOpenManualKey).value_or(1) != 0;
    if (ask) {
        bool dontAskAgain = false;
        const PromptAnswer answer =
            services_.Prompt().ShowWithDontAsk(messages::kOpenManual.Plain(), dontAskAgain);
        if (answer != PromptAnswer::kYes)
            return;
        if (dontAskAgain)
            store.WriteInt(kOnceSection, kOpenManualKey, 0);
    }
    const std::string path = services_.Environment().programFolder + kManualName;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        services_.Prompt().Show(
            kManualNotOpened.Format(path + "\r\n" + SystemError::Describe(errno)));
        return;
    }
    // The desktop gives no reason when no program takes the file.
    if (!services_.Shell().Open(path))
        services_.Prompt().Show(kManualNotOpened.Format(path));
}

std::string ToolCommands::HomePageAddress() const {
    const bool package = PackageNumber(services_.Environment().programFolder + "QBRANDIR.INI") > 0;
    return package ? kPackageHomePage : kHomePage;
}

void ToolCommands::OpenHomePage() {
    services_.Shell().Open(HomePageAddress());
}

void ToolCommands::ShowAbout() {
    PromptMessage about{0, "Quellbrandiren for Linux\nバージョン 1.2.0", PromptIcon::kInformation,
                        PromptButtons::kOk};
    services_.Prompt().Show(about);
}

void ToolCommands::Associate() {
    FileAssociation::ForEnvironment(services_.Environment(), runner_)
        .Register(services_.Prompt(), true);
}

}  // namespace qb
