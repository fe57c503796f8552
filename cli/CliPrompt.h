#pragma once

#include <cstdio>

#include "IPrompt.h"

namespace qb::cli {

// The prompt of the command-line tool: every message goes to stderr as
// "message <id>: <text>", every question gets its affirmative answer, and
// file choosers and text questions are cancelled. It never waits for input.
class CliPrompt : public IPrompt {
public:
    explicit CliPrompt(std::FILE* out = stderr) : out_(out) {}

    PromptAnswer Show(const PromptMessage& message) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
    std::optional<std::string> AskText(const TextRequest& request) override;

    // How many messages were shown; the number of the last one (0 for none).
    int ShownCount() const { return shown_; }
    int LastId() const { return lastId_; }

private:
    std::FILE* out_;
    int shown_ = 0;
    int lastId_ = 0;
};

}  // namespace qb::cli
