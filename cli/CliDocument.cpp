#include "CliDocument.h"

#include <cstdio>

#include "AppMessages.h"
#include "CProjectFile.h"
#include "EditSession.h"
#include "SystemError.h"

namespace qb::cli {
namespace {

// The newest data this program may change; the document commands refuse
// newer files on open for the same reason.
constexpr int kReadableVersion = 290;

constexpr AppMessage kProtected{
    0, "パスワードで保護されたファイルは、コマンドラインでは編集できません。", PromptIcon::kWarning,
    PromptButtons::kOk};

std::string VersionText(int version) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", version / 100, version % 100);
    return text;
}

}  // namespace

CliDocument::CliDocument()
    : status_(store_, prompt_, shell_, AppEnvironment::FromProcess("quellbrandiren-cli")) {}

bool CliDocument::Open(const std::string& path) {
    auto file = std::make_unique<CProjectFile>(path, status_.fileRetry);
    CProjectFile& handle = *file;
    std::unique_ptr<CProject> project = handle.Load(true);
    status_.SetAccessor(std::move(file));
    if (!project) {
        ReportOpenFailure(path);
        return false;
    }
    // Saving would drop what a newer program stored, and the passwords are
    // asked by the window only.
    if (project->GetAvailableVersion() > kReadableVersion) {
        prompt_.Show(messages::kVersionTooNew.Format(VersionText(project->GetAvailableVersion())));
        return false;
    }
    if (!project->GetViewPassword().empty() || !project->GetEditPassword().empty()) {
        prompt_.Show(kProtected.Plain());
        return false;
    }
    // Still held, also in shared mode: the edit that follows finds the file
    // taken and the project fresh, and its write lets the file go.
    status_.SetProject(std::move(project));
    status_.path = path;
    status_.readOnly = handle.IsReadOnly();
    status_.Edit().ConsistencySweep();
    return true;
}

// As the open command says it: the reason, then the file.
void CliDocument::ReportOpenFailure(const std::string& path) {
    const ErrorSlot& error = status_.GetAccessor()->GetError();
    const bool locked = error.GetCode() == SystemError::kSharingViolation;
    PromptMessage message =
        locked ? messages::kLocked.Plain()
               : PromptMessage{0, error.Describe(), PromptIcon::kWarning, PromptButtons::kOk};
    message.text += "\r\n" + path;
    prompt_.Show(message);
}

bool CliDocument::SaveIfSingle() {
    CProject* project = status_.GetProject();
    if (project == nullptr || project->IsShared() || !status_.modified)
        return true;
    if (!status_.GetAccessor()->Save(project, true)) {
        status_.Edit().ReportAccessorError();
        return false;
    }
    status_.modified = false;
    return true;
}

}  // namespace qb::cli
