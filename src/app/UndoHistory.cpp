#include "UndoHistory.h"

#include "CProject.h"

namespace qb {

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;
void UndoHistory::Record(const CProject& /*project*/, std::string /*name*/) {}
void UndoHistory::RecordProvisional(const CProject& /*project*/) {}
void UndoHistory::DropNewest() {}
void UndoHistory::Clear() {}
bool UndoHistory::Undo(const CProject& /*current*/, CProject& /*fresh*/, IPrompt& /*prompt*/) {
    return false;
}
bool UndoHistory::Redo(const CProject& /*current*/, CProject& /*fresh*/, IPrompt& /*prompt*/) {
    return false;
}

}  // namespace qb
