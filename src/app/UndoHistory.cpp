#include "UndoHistory.h"

#include "AppMessages.h"
#include "CProject.h"
#include "IPrompt.h"
#include "ProjectCopy.h"
#include "ProjectSnapshot.h"

namespace qb {

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

const ProjectSnapshot* UndoHistory::Newest() const {
    if (!undo_.empty())
        return undo_.back().snapshot.get();
    return redo_.empty() ? nullptr : redo_.back().snapshot.get();
}

void UndoHistory::Record(const CProject& project, std::string name) {
    auto snapshot = ProjectSnapshot::Take(project, Newest());
    redo_.clear();
    undo_.push_back({std::move(snapshot), std::move(name)});
    while (undo_.size() > kMaxSteps)
        undo_.erase(undo_.begin());
}

void UndoHistory::RecordProvisional(const CProject& project, std::string name) {
    Record(project, std::move(name));
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
    // The current state was most likely built from, or recorded as, this step
    // but for the last change: its copies serve again.
    auto left = ProjectSnapshot::Take(current, step.snapshot.get());
    ProjectCopy::CopyProjectValues(current, fresh);
    ProjectCopy::CopyHolidays(current, fresh);
    step.snapshot->CopyTo(fresh);
    std::string name = std::move(step.name);
    from.pop_back();
    to.push_back({std::move(left), std::move(name)});
    return true;
}

}  // namespace qb
