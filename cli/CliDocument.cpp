#include "CliDocument.h"

#include "AppMessages.h"
#include "CProjectFile.h"
#include "DocumentCommands.h"
#include "EditSession.h"
#include "PasswordCheck.h"

namespace qb::cli {
namespace {

constexpr AppMessage kProtected{
    0, "パスワードで保護されたファイルは、コマンドラインでは編集できません。", PromptIcon::kWarning,
    PromptButtons::kOk};

}  // namespace

CliDocument::CliDocument()
    : status_(store_, prompt_, shell_, AppEnvironment::FromProcess("quellbrandiren-cli")) {}

bool CliDocument::Open(const std::string& path) {
    auto file = std::make_unique<CProjectFile>(path, status_.fileRetry);
    CProjectFile& handle = *file;
    std::unique_ptr<CProject> project = handle.Load(true);
    status_.SetAccessor(std::move(file));
    if (!project) {
        prompt_.Show(DocumentCommands::LoadFailure(status_.GetAccessor()->GetError(), path));
        return false;
    }
    // Saving would drop what a newer program stored, and the passwords are
    // asked by the window only.
    if (const auto refusal = DocumentCommands::NewerVersionRefusal(*project)) {
        prompt_.Show(*refusal);
        return false;
    }
    if (PasswordCheck::IsProtected(*project)) {
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
