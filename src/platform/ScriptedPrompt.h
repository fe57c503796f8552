#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "IPrompt.h"

namespace qb {

// A prompt that answers from a script and remembers what it was shown. With
// the script empty it answers OK or Yes, cancels choosers and text questions.
class ScriptedPrompt : public IPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override;
    PromptAnswer ShowWithDontAsk(const PromptMessage& message, bool& dontAskAgain) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
    std::optional<std::string> AskText(const TextRequest& request) override;
    std::optional<std::vector<std::string>> ChooseFiles(const FileRequest& request) override;

    void QueueAnswer(PromptAnswer answer) { answers_.push_back(answer); }
    void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void QueueText(std::optional<std::string> text) { texts_.push_back(std::move(text)); }
    // An empty list stands for a cancelled chooser.
    void QueueFiles(std::vector<std::string> paths) { fileLists_.push_back(std::move(paths)); }
    // The next "do not ask again" box comes back ticked.
    void TickDontAsk() { tickDontAsk_ = true; }

    const std::vector<PromptMessage>& Shown() const { return shown_; }
    // The number of the last message shown, 0 when none was.
    int LastId() const { return shown_.empty() ? 0 : shown_.back().id; }
    bool WasShown(int id) const;
    void Clear() { shown_.clear(); }
    int TextRequests() const { return textRequests_; }

private:
    std::deque<PromptAnswer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::optional<std::string>> texts_;
    std::deque<std::vector<std::string>> fileLists_;
    std::vector<PromptMessage> shown_;
    int textRequests_ = 0;
    bool tickDontAsk_ = false;
};

}  // namespace qb
