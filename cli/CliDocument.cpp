#include "CliDocument.h"

#include "AppMessages.h"
#include "DocumentLoader.h"
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
    // Still held, also in shared mode: the edit that follows finds the file
    // taken and the project fresh, and its write lets the file go.
    DocumentLoader::Result loaded =
        DocumentLoader::Load(path, status_.Services().FileRetry(), true);
    if (loaded.failure) {
        prompt_.Show(*loaded.failure);
        return false;
    }
    // The passwords are asked by the window only.
    if (PasswordCheck::IsProtected(*loaded.project)) {
        prompt_.Show(kProtected.Plain());
        return false;
    }
    const bool readOnly = loaded.accessor->IsReadOnly();
    status_.Edit().Sweep(*loaded.project);
    Document& document = status_.Doc();
    document.Open(std::move(loaded.project), std::move(loaded.accessor), path);
    document.SetReadOnly(readOnly);
    return true;
}

bool CliDocument::SaveIfSingle() {
    Document& document = status_.Doc();
    CProject* project = document.GetProject();
    if (project == nullptr || project->IsShared() || !document.IsModified())
        return true;
    if (!document.GetAccessor()->Save(project, true)) {
        status_.Edit().ReportAccessorError();
        return false;
    }
    document.MarkModified(false);
    return true;
}

}  // namespace qb::cli
