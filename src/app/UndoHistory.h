#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qb {

class CProject;
class IPrompt;
class ProjectSnapshot;
struct AppMessage;

// Undo and redo by whole-content snapshots of the project: at most ten undo
// steps, each with an optional operation name that undoing asks about.
// Snapshots share the copies of objects that did not change between them.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 10;

    UndoHistory();
    ~UndoHistory();

    void Record(const CProject& project, std::string name = {});
    void RecordProvisional(const CProject& project, std::string name = {});
    void ClearProvisionalMark() { provisional_ = false; }
    bool IsProvisional() const { return provisional_; }
    void DropNewest();
    void Clear();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }

    // Builds the restored state into fresh: current's project-level values
    // and holiday rules, the snapshot's content. False (nothing changed) when
    // the user declines the named step's question.
    bool Undo(const CProject& current, CProject& fresh, IPrompt& prompt);
    bool Redo(const CProject& current, CProject& fresh, IPrompt& prompt);

private:
    struct Step {
        std::unique_ptr<const ProjectSnapshot> snapshot;
        std::string name;
    };

    // The snapshot a new one most likely shares most objects with.
    const ProjectSnapshot* Newest() const;

    static bool Restore(std::vector<Step>& from, std::vector<Step>& to, const AppMessage& question,
                        const CProject& current, CProject& fresh, IPrompt& prompt);

    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool provisional_ = false;
};

}  // namespace qb
