#pragma once

#include <memory>
#include <string>

#include "AppEnvironment.h"
#include "AppSettings.h"
#include "BackupCopies.h"
#include "CFileAccessor.h"
#include "CHolidayArray.h"
#include "COleDateTime.h"
#include "CProject.h"
#include "DiagnosticLog.h"
#include "OpenRetryPolicy.h"
#include "RecentFiles.h"
#include "UndoHistory.h"
#include "WorkingFolders.h"

namespace qb {

class CCommandHandler;
class EditSession;
class IDocumentView;
class IPrompt;
class IShell;
class ISettingsStore;

// The application state for the life of the process: the open document and
// its file, the user's settings, the working folders, the undo history and
// the command handler. Settings are read when it is built and written when
// it ends.
class CStatus {
public:
    enum ViewMode { kProjectPage = 0, kDayView = 1, kMonthView = 2, kYearView = 3 };

    CStatus(ISettingsStore& store, IPrompt& prompt, IShell& shell, AppEnvironment environment);
    ~CStatus();
    CStatus(const CStatus&) = delete;
    CStatus& operator=(const CStatus&) = delete;

    // Writes the settings now (also done when the state ends).
    void SaveSettings();

    // The open document; null when none is open.
    CProject* GetProject() const { return project_.get(); }
    void SetProject(std::unique_ptr<CProject> project) { project_ = std::move(project); }
    std::unique_ptr<CProject> TakeProject() { return std::move(project_); }
    CFileAccessor* GetAccessor() const { return accessor_.get(); }
    void SetAccessor(std::unique_ptr<CFileAccessor> accessor) { accessor_ = std::move(accessor); }
    bool HasDocument() const { return project_ != nullptr; }
    bool IsShared() const { return project_ && project_->IsShared(); }

    // Full path of the open file; empty for a new document never saved.
    std::string path;
    bool modified = false;
    bool readOnly = false;
    bool showingForeignData = false;
    bool projectSetOpen = false;
    bool editOpen = false;
    int viewMode = kMonthView;
    // How opening a project file waits while another process holds it.
    OpenRetryPolicy fileRetry;
    // The progress line is drawn (not kept between runs).
    bool showLightning = false;
    // Where to scroll after the next open; null when unset.
    COleDateTime initialDisplayDate = COleDateTime::Null();

    AppSettings& Settings() { return settings_; }
    const AppSettings& Settings() const { return settings_; }
    RecentFiles& Recent() { return recent_; }
    WorkingFolders& Folders() { return folders_; }
    BackupCopies& Backups() { return backups_; }
    UndoHistory& Undo() { return undo_; }
    EditSession& Edit() { return *edit_; }
    CCommandHandler& Commands() { return *commands_; }
    // The diagnostic log in the base folder (whether it is on is decided once).
    DiagnosticLog& Log();
    const CHolidayArray* MasterHolidays() const { return masterHolidays_.get(); }

    ISettingsStore& Store() { return store_; }
    IPrompt& Prompt() { return prompt_; }
    IShell& Shell() { return shell_; }
    const AppEnvironment& Environment() const { return environment_; }
    IDocumentView& View() { return *view_; }
    // The window registers itself; without one a view that shows nothing.
    void SetView(IDocumentView* view);

private:
    void LoadMasterHolidays();

    ISettingsStore& store_;
    IPrompt& prompt_;
    IShell& shell_;
    AppEnvironment environment_;
    AppSettings settings_;
    RecentFiles recent_;
    WorkingFolders folders_;
    BackupCopies backups_;
    UndoHistory undo_;
    std::unique_ptr<CHolidayArray> masterHolidays_;
    std::unique_ptr<DiagnosticLog> log_;
    std::unique_ptr<IDocumentView> nullView_;
    IDocumentView* view_ = nullptr;
    std::unique_ptr<CFileAccessor> accessor_;
    std::unique_ptr<CProject> project_;
    std::unique_ptr<EditSession> edit_;
    std::unique_ptr<CCommandHandler> commands_;
};

}  // namespace qb
