#include "CStatus.h"

#include "CCommandHandler.h"
#include "EditSession.h"
#include "ErrorSlot.h"
#include "ISettingsStore.h"
#include "NullDocumentView.h"
#include "SystemHolidays.h"

namespace qb {

CStatus::CStatus(ISettingsStore& store, IPrompt& prompt, IShell& shell, AppEnvironment environment)
    : store_(store),
      prompt_(prompt),
      shell_(shell),
      environment_(std::move(environment)),
      folders_(environment_),
      backups_(folders_),
      nullView_(std::make_unique<NullDocumentView>()),
      view_(nullView_.get()) {
    settings_.Load(store_, environment_);
    recent_.Load(store_);
    viewMode = settings_.tabMode;
    LoadMasterHolidays();
    edit_ = std::make_unique<EditSession>(*this);
    commands_ = std::make_unique<CCommandHandler>(*this);
}

CStatus::~CStatus() {
    SaveSettings();
    undo_.Clear();
}

void CStatus::SaveSettings() {
    settings_.tabMode = viewMode;
    settings_.Save(store_);
    recent_.Save(store_);
}

DiagnosticLog& CStatus::Log() {
    if (!log_)
        log_ = std::make_unique<DiagnosticLog>(folders_.Base());
    return *log_;
}

void CStatus::SetView(IDocumentView* view) {
    view_ = view ? view : nullView_.get();
}

void CStatus::LoadMasterHolidays() {
    ErrorSlot error;
    std::string path = settings_.calendar.masterHoliday;
    if (path == CalendarSettings::kMasterHolidayUnset)
        path = SystemHolidays::DefaultPath(environment_.programFolder);
    masterHolidays_ = SystemHolidays::LoadSystemRules(path, error);
}

}  // namespace qb
