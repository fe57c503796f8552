#include "CCommandHandler.h"

#include "AppMessages.h"
#include "CStatus.h"
#include "ChartCommands.h"
#include "ClipboardCommands.h"
#include "ColumnCommands.h"
#include "CommandIds.h"
#include "DialogCommands.h"
#include "DocumentCommands.h"
#include "EditSession.h"
#include "FilterCommands.h"
#include "FindCommands.h"
#include "ICommandGroup.h"
#include "IDocumentView.h"
#include "MenuTable.h"
#include "PeriodCutCommand.h"
#include "RecentFiles.h"
#include "RowCommands.h"
#include "ShiftCommand.h"
#include "ToolCommands.h"
#include "ViewCommands.h"

namespace qb {
namespace {

constexpr int kViewModeIds[] = {cmd::kViewProject, cmd::kViewDay, cmd::kViewMonth, cmd::kViewYear};

// Commands that need no open document.
// The open file's view status says whether its graph is shown; the user
// setting follows each toggle, so the last choice is what the list in the
// browser and a window without a file go by.
bool IsGraphShown(const CStatus& status) {
    if (status.HasDocument())
        return status.Doc().GetViewStatus().showGraph != 0;
    return status.Services().Settings().graphShown;
}

void ToggleGraph(CStatus& status) {
    const bool shown = !IsGraphShown(status);
    status.Services().Settings().graphShown = shown;
    if (status.HasDocument())
        status.Doc().GetViewStatus().showGraph = shown ? 1 : 0;
}

bool WorksWithoutDocument(int id) {
    switch (id) {
        case cmd::kNew:
        case cmd::kOpen:
        case cmd::kOpenTemplate:
        case cmd::kProjectSetCreate:
        case cmd::kProjectSetOpen:
        case cmd::kExit:
        case cmd::kViewProject:
        case cmd::kViewDay:
        case cmd::kViewMonth:
        case cmd::kViewYear:
        case cmd::kViewCycle:
        case cmd::kAssociate:
        case cmd::kCleanupViewStatus:
        case cmd::kManual:
        case cmd::kHomePage:
        case cmd::kAbout:
        case cmd::kColourRuleEditor:
        case cmd::kHolidayEditor:
            return true;
        default:
            return false;
    }
}

int ViewModeOf(int id) {
    for (int mode = 0; mode < 4; ++mode) {
        if (kViewModeIds[mode] == id)
            return mode;
    }
    return -1;
}

}  // namespace

CCommandHandler::CCommandHandler(CStatus& status)
    : status_(status),
      documents_(std::make_unique<DocumentCommands>(status.Doc(), status.Services(), status.Undo(),
                                                    status.Edit(), status.Views())),
      tools_(std::make_unique<ToolCommands>(status.Services())),
      dialogs_(std::make_unique<DialogCommands>(status)),
      views_(std::make_unique<ViewCommands>(status)),
      charts_(std::make_unique<ChartCommands>(status)),
      rows_(std::make_unique<RowCommands>(status)),
      columns_(std::make_unique<ColumnCommands>(status)),
      filters_(std::make_unique<FilterCommands>(status)),
      clipboard_(std::make_unique<ClipboardCommands>(status)),
      shift_(std::make_unique<ShiftCommand>(status)),
      periodCut_(std::make_unique<PeriodCutCommand>(status)),
      find_(std::make_unique<FindCommands>(status)) {}

CCommandHandler::~CCommandHandler() = default;

bool CCommandHandler::IsKnown(int id) {
    return IsRecentFile(id) || MenuTable::Find(id) != nullptr;
}

bool CCommandHandler::IsRecentFile(int id) {
    return id >= RecentFiles::kFirstCommand &&
           id < RecentFiles::kFirstCommand + RecentFiles::kMaxEntries;
}

CommandState CCommandHandler::State(int id) const {
    if (!IsKnown(id))
        return {};
    if (IsRecentFile(id)) {
        const auto index = static_cast<std::size_t>(id - RecentFiles::kFirstCommand);
        return {index < status_.Services().Recent().Entries().size(), false, {}};
    }
    if (const int mode = ViewModeOf(id); mode >= 0)
        return {true, status_.GetViewMode() == mode, {}};
    if (id == cmd::kFileMode)
        return FileModeState();
    if (id == cmd::kToolBar || id == cmd::kViewBar)
        return {true, status_.View().IsToolBarShown(id), {}};
    if (!WorksWithoutDocument(id) && !status_.HasDocument())
        return {};
    if (id == cmd::kPaletteBar)
        return {true, status_.View().IsToolBarShown(id), {}};
    if (IsDisplayToggle(id))
        return ToggleState(id);
    if (const ICommandGroup* group = GroupFor(id))
        return group->State(id);
    if (ViewCommands::Handles(id))
        return views_->State(id);
    if (RowCommands::Handles(id))
        return rows_->State(id);
    if (ColumnCommands::Handles(id))
        return columns_->State(id);
    if (FilterCommands::Handles(id))
        return filters_->State(id);
    if (ClipboardCommands::Handles(id))
        return clipboard_->State(id);
    if (ShiftCommand::Handles(id))
        return shift_->State(id);
    if (PeriodCutCommand::Handles(id))
        return periodCut_->State(id);
    if (FindCommands::Handles(id))
        return find_->State(id);
    if (ChartCommands::Handles(id))
        return EditState(id);
    return {IsAvailable(id), false, {}};
}

bool CCommandHandler::IsAvailable(int id) const {
    if (WorksWithoutDocument(id))
        return true;
    switch (id) {
        case cmd::kClose:
        case cmd::kSaveAs:
        case cmd::kRefresh:
            return true;
        case cmd::kSave:
            return !status_.Doc().IsReadOnly() && !status_.IsShared();
        case cmd::kProjectSetChange:
            return status_.Doc().IsProjectSet();
        case cmd::kUndo:
            return CanUndoOrRedo() && status_.Undo().CanUndo();
        case cmd::kRedo:
            return CanUndoOrRedo() && status_.Undo().CanRedo();
        case cmd::kOptions:
        case cmd::kRulerUpper:
        case cmd::kRulerLower:
        case cmd::kLightningSettings:
        case cmd::kStyleEditor:
        case cmd::kGraphSettings:
        case cmd::kSignAreaEditor:
            return dialogs_->IsAvailable(id);
        default:
            // Routed here, but their work is not part of the program yet.
            return false;
    }
}

bool CCommandHandler::CanUndoOrRedo() const {
    return status_.HasDocument() && !status_.Doc().IsReadOnly() && !status_.IsShared() &&
           status_.GetViewMode() != CStatus::kProjectPage;
}

CommandState CCommandHandler::FileModeState() const {
    if (!status_.HasDocument() || status_.Doc().IsReadOnly())
        return {false, false, "ファイルモードの変更(&G)"};
    if (status_.IsShared())
        return {true, false, "シングルモードに変更(&G)"};
    return {true, false, "共有モードに変更(&G)"};
}

CommandState CCommandHandler::ToggleState(int id) const {
    if (id == cmd::kShowTotal && status_.Doc().ShowsForeignData())
        return {false, false, {}};
    if (id == cmd::kLightningLine)
        return {true, status_.IsShowingLightning(), {}};
    if (id == cmd::kGraphShown)
        return {true, IsGraphShown(status_), {}};
    return {true, *DisplayFlag(id), {}};
}

bool CCommandHandler::Execute(int id) {
    if (!State(id).enabled)
        return false;
    if (IsRecentFile(id))
        return documents_->CommandOpenRecent(id - RecentFiles::kFirstCommand);
    if (const int mode = ViewModeOf(id); mode >= 0)
        return SetViewMode(mode);
    if (IsDisplayToggle(id))
        return Toggle(id);
    if (ICommandGroup* group = GroupFor(id))
        return group->Execute(id);
    if (ViewCommands::Handles(id))
        return views_->Execute(id);
    if (RowCommands::Handles(id))
        return rows_->Execute(id);
    if (ColumnCommands::Handles(id))
        return columns_->Execute(id);
    if (FilterCommands::Handles(id))
        return filters_->Execute(id);
    if (ClipboardCommands::Handles(id))
        return clipboard_->Execute(id);
    if (ShiftCommand::Handles(id))
        return shift_->Execute(id);
    if (PeriodCutCommand::Handles(id))
        return periodCut_->Execute(id);
    if (FindCommands::Handles(id))
        return find_->Execute(id);
    if (ChartCommands::Handles(id))
        return ExecuteEdit(id);
    return ExecuteDocumentCommand(id) || ExecuteOther(id);
}

void CCommandHandler::Attach(std::unique_ptr<ICommandGroup> group) {
    groups_.push_back(std::move(group));
}

ICommandGroup* CCommandHandler::GroupFor(int id) const {
    for (const auto& group : groups_)
        if (group->Handles(id))
            return group.get();
    return nullptr;
}

CommandState CCommandHandler::EditState(int id) const {
    if (columns_->Takes(id))
        return columns_->State(id);
    if (rows_->Takes(id))
        return rows_->State(id);
    return charts_->State(id);
}

bool CCommandHandler::ExecuteEdit(int id) {
    if (columns_->Takes(id))
        return columns_->Execute(id);
    if (rows_->Takes(id))
        return rows_->Execute(id);
    return charts_->Execute(id);
}

bool CCommandHandler::ExecuteDocumentCommand(int id) {
    switch (id) {
        case cmd::kNew:
            return documents_->CommandNew();
        case cmd::kOpen:
            return documents_->CommandOpen();
        case cmd::kOpenTemplate:
            return documents_->CommandOpenTemplate();
        case cmd::kClose:
            return documents_->CommandClose();
        case cmd::kSave:
            return documents_->CommandSave();
        case cmd::kSaveAs:
            return documents_->CommandSaveAs();
        case cmd::kProjectSetCreate:
            return documents_->CommandProjectSetCreate();
        case cmd::kProjectSetOpen:
            return documents_->CommandProjectSetOpen();
        case cmd::kProjectSetChange:
            return documents_->CommandProjectSetChange();
        case cmd::kUndo:
            return documents_->Undo();
        case cmd::kRedo:
            return documents_->Redo();
        case cmd::kRefresh:
            documents_->Refresh();
            return true;
        default:
            return false;
    }
}

bool CCommandHandler::ExecuteOther(int id) {
    switch (id) {
        case cmd::kExit:
            status_.View().RequestClose();
            return true;
        case cmd::kFileMode:
            return status_.Edit().SwitchFileMode();
        case cmd::kToolBar:
        case cmd::kViewBar:
        case cmd::kPaletteBar:
            status_.View().ShowToolBar(id, !status_.View().IsToolBarShown(id));
            return true;
        case cmd::kOptions:
        case cmd::kRulerUpper:
        case cmd::kRulerLower:
        case cmd::kLightningSettings:
        case cmd::kStyleEditor:
        case cmd::kGraphSettings:
        case cmd::kSignAreaEditor:
            return dialogs_->Execute(id);
        case cmd::kViewCycle: {
            const int mode = status_.GetViewMode();
            return SetViewMode(mode >= 0 && mode < 3 ? mode + 1 : 0);
        }
        default:
            return tools_->Execute(id);
    }
}

bool CCommandHandler::IsDisplayToggle(int id) const {
    return id == cmd::kLightningLine || DisplayFlag(id) != nullptr;
}

bool* CCommandHandler::DisplayFlag(int id) const {
    AppSettings& settings = status_.Services().Settings();
    switch (id) {
        case cmd::kFitX:
            return &settings.fitX;
        case cmd::kFitY:
            return &settings.fitY;
        case cmd::kPaintHoliday:
            return &settings.calendar.paintHoliday;
        case cmd::kPaintToday:
            return &settings.calendar.paintToday;
        case cmd::kShowTotal:
            return &settings.display.showTotal;
        case cmd::kSummary:
            return &settings.display.summary;
        case cmd::kShowSpan:
            return &settings.display.showSpan;
        case cmd::kShowTerm:
            return &settings.display.showTerm;
        case cmd::kShowActual:
            return &settings.display.showActual;
        case cmd::kPaintProgress:
            return &settings.display.paintProgress;
        case cmd::kShowColumns:
            return &settings.showColumns;
        case cmd::kGraphShown:
            return &settings.graphShown;
        default:
            return nullptr;
    }
}

bool CCommandHandler::Toggle(int id) {
    if (id == cmd::kLightningLine) {
        status_.SetShowLightning(!status_.IsShowingLightning());
    } else if (id == cmd::kGraphShown) {
        ToggleGraph(status_);
    } else {
        bool& flag = *DisplayFlag(id);
        flag = !flag;
        if (id == cmd::kShowColumns && status_.HasDocument())
            status_.GetProject()->SetDisplayColumns(flag);
    }
    // The snaps change no drawing; the menu shows their marks itself.
    if (id != cmd::kFitX && id != cmd::kFitY)
        status_.View().DisplaySettingsChanged();
    return true;
}

// Leaving the project information page hands its typed values to a
// single-mode project, which keeps them for the next save; input the page
// refuses keeps it shown. A shared-mode document keeps them on the page:
// they reach the file with the page's apply button or with the question that
// protects unsaved changes.
bool CCommandHandler::SetViewMode(int mode) {
    if (status_.GetViewMode() == CStatus::kProjectPage && mode != CStatus::kProjectPage &&
        !status_.IsShared() && !documents_->CommitPageInput())
        return false;
    status_.SetViewMode(mode);
    status_.Services().Settings().tabMode = mode;
    status_.View().ViewModeChanged(mode);
    return true;
}

}  // namespace qb
