#include "UndoHistory.h"

#include "AppMessages.h"
#include "CProject.h"
#include "IPrompt.h"
#include "ProjectCopy.h"

namespace qb {
namespace {

std::unique_ptr<CProject> ContentOf(const CProject& project) {
    auto snapshot = std::make_unique<CProject>();
    ProjectCopy::CopyContent(project, *snapshot);
    return snapshot;
}

}  // namespace

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

void UndoHistory::Record(const CProject& project, std::string name) {
    redo_.clear();
    undo_.push_back({ContentOf(project), std::move(name)});
    while (undo_.size() > kMaxSteps)
        undo_.erase(undo_.begin());
}

void UndoHistory::RecordProvisional(const CProject& project) {
    Record(project);
    provisional_ = true;
}

void UndoHistory::DropNewest() {
    provisional_ = false;
    if (!undo_.empty())
        undo_.pop_back();
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    provisional_ = false;
}

bool UndoHistory::Undo(const CProject& current, CProject& fresh, IPrompt& prompt) {
    return Restore(undo_, redo_, messages::kUndoNamed, current, fresh, prompt);
}

bool UndoHistory::Redo(const CProject& current, CProject& fresh, IPrompt& prompt) {
    return Restore(redo_, undo_, messages::kRedoNamed, current, fresh, prompt);
}

// The current project's own values and holiday rules stay; only the content
// goes back. The state left behind becomes the newest step of the other side.
bool UndoHistory::Restore(std::vector<Step>& from, std::vector<Step>& to,
                          const AppMessage& question, const CProject& current, CProject& fresh,
                          IPrompt& prompt) {
    if (from.empty())
        return false;
    Step& step = from.back();
    if (!step.name.empty() && prompt.Show(question.Format(step.name)) != PromptAnswer::kOk)
        return false;
    std::unique_ptr<CProject> left = ContentOf(current);
    ProjectCopy::CopyProjectValues(current, fresh);
    ProjectCopy::CopyHolidays(current, fresh);
    ProjectCopy::CopyContent(*step.snapshot, fresh);
    std::string name = std::move(step.name);
    from.pop_back();
    to.push_back({std::move(left), std::move(name)});
    return true;
}

}  // namespace qb
