#include "ScriptedPrompt.h"

#include <algorithm>

namespace qb {

PromptAnswer ScriptedPrompt::Show(const PromptMessage& message) {
    shown_.push_back(message);
    if (!answers_.empty()) {
        const PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const bool yesNo =
        message.buttons == PromptButtons::kYesNo || message.buttons == PromptButtons::kYesNoCancel;
    return yesNo ? PromptAnswer::kYes : PromptAnswer::kOk;
}

PromptAnswer ScriptedPrompt::ShowWithDontAsk(const PromptMessage& message, bool& dontAskAgain) {
    dontAskAgain = tickDontAsk_;
    tickDontAsk_ = false;
    return Show(message);
}

std::optional<std::string> ScriptedPrompt::ChooseFile(const FileRequest& /*request*/) {
    if (files_.empty())
        return std::nullopt;
    std::optional<std::string> path = std::move(files_.front());
    files_.pop_front();
    return path;
}

std::optional<std::string> ScriptedPrompt::AskText(const TextRequest& /*request*/) {
    ++textRequests_;
    if (texts_.empty())
        return std::nullopt;
    std::optional<std::string> text = std::move(texts_.front());
    texts_.pop_front();
    return text;
}

std::optional<std::vector<std::string>> ScriptedPrompt::ChooseFiles(const FileRequest& request) {
    if (fileLists_.empty())
        return IPrompt::ChooseFiles(request);
    std::vector<std::string> paths = std::move(fileLists_.front());
    fileLists_.pop_front();
    if (paths.empty())
        return std::nullopt;
    return paths;
}

bool ScriptedPrompt::WasShown(int id) const {
    return std::any_of(shown_.begin(), shown_.end(),
                       [id](const PromptMessage& m) { return m.id == id; });
}

}  // namespace qb
