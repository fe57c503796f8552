#include "DocumentLoader.h"

#include <cstdio>

#include "AppMessages.h"
#include "CProjectFile.h"
#include "EditSession.h"
#include "ErrorSlot.h"

namespace qb {

DocumentLoader::Result DocumentLoader::Load(const std::string& path, const OpenRetryPolicy& retry,
                                            bool keepShared) {
    Result result;
    auto file = std::make_unique<CProjectFile>(path, retry);
    std::unique_ptr<CProject> project = file->Load(keepShared);
    if (!project) {
        result.failure = LoadFailure(file->GetError(), path);
        return result;
    }
    // Saving would drop what a newer program stored.
    if (std::optional<PromptMessage> refusal = NewerVersionRefusal(*project)) {
        result.failure = std::move(refusal);
        return result;
    }
    result.project = std::move(project);
    result.accessor = std::move(file);
    return result;
}

PromptMessage DocumentLoader::LoadFailure(const ErrorSlot& error, const std::string& path) {
    PromptMessage message = EditSession::ErrorMessage(error).value_or(
        PromptMessage{0, error.Describe(), PromptIcon::kWarning, PromptButtons::kOk});
    message.text += "\r\n" + path;
    return message;
}

std::optional<PromptMessage> DocumentLoader::NewerVersionRefusal(const CProject& project) {
    const int required = project.GetAvailableVersion();
    if (required <= kReadableVersion)
        return std::nullopt;
    char version[32];
    std::snprintf(version, sizeof version, "%d.%d", required / 100, required % 100);
    return messages::kVersionTooNew.Format(version);
}

}  // namespace qb
