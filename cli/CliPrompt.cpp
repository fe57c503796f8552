#include "CliPrompt.h"

namespace qb::cli {

PromptAnswer CliPrompt::Show(const PromptMessage& message) {
    std::fprintf(out_, "message %d: %s\n", message.id, message.text.c_str());
    std::fflush(out_);
    ++shown_;
    lastId_ = message.id;
    switch (message.buttons) {
        case PromptButtons::kYesNo:
        case PromptButtons::kYesNoCancel:
            return PromptAnswer::kYes;
        case PromptButtons::kOk:
        case PromptButtons::kOkCancel:
            break;
    }
    return PromptAnswer::kOk;
}

std::optional<std::string> CliPrompt::ChooseFile(const FileRequest& /*request*/) {
    return std::nullopt;
}

std::optional<std::string> CliPrompt::AskText(const TextRequest& /*request*/) {
    return std::nullopt;
}

}  // namespace qb::cli
