#pragma once

#include <memory>

#include "AppEnvironment.h"
#include "AppSettings.h"
#include "BackupCopies.h"
#include "CHolidayArray.h"
#include "DiagnosticLog.h"
#include "MemoryClipboard.h"
#include "NullDialogs.h"
#include "OpenRetryPolicy.h"
#include "RecentFiles.h"
#include "WorkingFolders.h"

namespace qb {

class IPrompt;
class IShell;
class ISettingsStore;

// What the commands use around the document: the user's settings and recent
// files, the working folders and their copies, the diagnostic log, the
// prompt and shell, and the master holiday rules. Settings are read when it
// is built; the application state writes them.
class AppServices {
public:
    AppServices(ISettingsStore& store, IPrompt& prompt, IShell& shell, AppEnvironment environment);
    AppServices(const AppServices&) = delete;
    AppServices& operator=(const AppServices&) = delete;

    // Writes the settings and the recent files now.
    void SaveSettings();

    AppSettings& Settings() { return settings_; }
    const AppSettings& Settings() const { return settings_; }
    RecentFiles& Recent() { return recent_; }
    WorkingFolders& Folders() { return folders_; }
    BackupCopies& Backups() { return backups_; }
    // The diagnostic log in the base folder (whether it is on is decided once).
    DiagnosticLog& Log();
    const CHolidayArray* MasterHolidays() const { return masterHolidays_.get(); }
    // How opening a project file waits while another process holds it.
    OpenRetryPolicy& FileRetry() { return fileRetry_; }

    ISettingsStore& Store() { return store_; }
    IPrompt& Prompt() { return prompt_; }
    IShell& Shell() { return shell_; }
    // The window's dialogs once it has registered them; until then and after
    // it has gone, dialogs that are always cancelled.
    IDialogs& Dialogs() { return *dialogs_; }
    void SetDialogs(IDialogs* dialogs) { dialogs_ = dialogs ? dialogs : &noDialogs_; }
    // The window's system clipboard once it has registered it; until then
    // one in memory, private to this process.
    IClipboard& Clipboard() { return *clipboard_; }
    void SetClipboard(IClipboard* clipboard) {
        clipboard_ = clipboard ? clipboard : &ownClipboard_;
    }
    const AppEnvironment& Environment() const { return environment_; }

    // Reads the master holiday rules again from the file the settings name.
    void LoadMasterHolidays();

private:
    ISettingsStore& store_;
    IPrompt& prompt_;
    IShell& shell_;
    NullDialogs noDialogs_;
    IDialogs* dialogs_ = &noDialogs_;
    MemoryClipboard ownClipboard_;
    IClipboard* clipboard_ = &ownClipboard_;
    AppEnvironment environment_;
    AppSettings settings_;
    RecentFiles recent_;
    WorkingFolders folders_;
    BackupCopies backups_;
    OpenRetryPolicy fileRetry_;
    std::unique_ptr<CHolidayArray> masterHolidays_;
    std::unique_ptr<DiagnosticLog> log_;
};

}  // namespace qb
