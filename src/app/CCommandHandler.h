#pragma once

#include <memory>
#include <vector>

#include "CommandState.h"

namespace qb {

class CStatus;
class ChartCommands;
class ClipboardCommands;
class ColumnCommands;
class DialogCommands;
class DocumentCommands;
class FilterCommands;
class FindCommands;
class ICommandGroup;
class PeriodCutCommand;
class RowCommands;
class ShiftCommand;
class ToolCommands;
class ViewCommands;

// Receives every menu command by id, and says before a menu opens whether
// each item is enabled, checked, and what it reads. Commands whose work
// belongs to a later part of the program are routed here and stay disabled.
class CCommandHandler {
public:
    explicit CCommandHandler(CStatus& status);
    ~CCommandHandler();

    // A menu command or a recent-file item.
    static bool IsKnown(int id);
    static bool IsRecentFile(int id);

    // False when the command is unknown, disabled now, or did not complete.
    bool Execute(int id);
    CommandState State(int id) const;

    DocumentCommands& Documents() { return *documents_; }
    ToolCommands& Tools() { return *tools_; }
    DialogCommands& Dialogs() { return *dialogs_; }
    RowCommands& Rows() { return *rows_; }
    ColumnCommands& Columns() { return *columns_; }
    ClipboardCommands& Clipboard() { return *clipboard_; }
    FindCommands& Find() { return *find_; }

    // Commands of a layer above this one; asked before the handler's own
    // routes, in the order attached.
    void Attach(std::unique_ptr<ICommandGroup> group);

private:
    bool IsAvailable(int id) const;
    bool CanUndoOrRedo() const;
    CommandState FileModeState() const;
    CommandState ToggleState(int id) const;
    bool ExecuteDocumentCommand(int id);
    bool ExecuteOther(int id);
    bool IsDisplayToggle(int id) const;
    bool* DisplayFlag(int id) const;
    bool Toggle(int id);
    bool SetViewMode(int mode);
    // Delete, properties and text editing go to the rows or the columns
    // while the selection is theirs, else to the chart's objects.
    CommandState EditState(int id) const;
    bool ExecuteEdit(int id);
    ICommandGroup* GroupFor(int id) const;

    CStatus& status_;
    std::unique_ptr<DocumentCommands> documents_;
    std::unique_ptr<ToolCommands> tools_;
    std::unique_ptr<DialogCommands> dialogs_;
    std::unique_ptr<ViewCommands> views_;
    std::unique_ptr<ChartCommands> charts_;
    std::unique_ptr<RowCommands> rows_;
    std::unique_ptr<ColumnCommands> columns_;
    std::unique_ptr<FilterCommands> filters_;
    std::unique_ptr<ClipboardCommands> clipboard_;
    std::unique_ptr<ShiftCommand> shift_;
    std::unique_ptr<PeriodCutCommand> periodCut_;
    std::unique_ptr<FindCommands> find_;
    // Last, so that they go before the commands they may hold on to.
    std::vector<std::unique_ptr<ICommandGroup>> groups_;
};

}  // namespace qb
