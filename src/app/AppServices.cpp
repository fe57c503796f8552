#include "AppServices.h"

#include "ErrorSlot.h"
#include "ISettingsStore.h"
#include "SystemHolidays.h"

namespace qb {

AppServices::AppServices(ISettingsStore& store, IPrompt& prompt, IShell& shell,
                         AppEnvironment environment)
    : store_(store),
      prompt_(prompt),
      shell_(shell),
      environment_(std::move(environment)),
      folders_(environment_),
      backups_(folders_) {
    settings_.Load(store_, environment_);
    recent_.Load(store_);
    LoadMasterHolidays();
}

void AppServices::SaveSettings() {
    settings_.Save(store_);
    recent_.Save(store_);
}

DiagnosticLog& AppServices::Log() {
    if (!log_)
        log_ = std::make_unique<DiagnosticLog>(folders_.Base());
    return *log_;
}

void AppServices::LoadMasterHolidays() {
    ErrorSlot error;
    std::string path = settings_.calendar.masterHoliday;
    if (path == CalendarSettings::kMasterHolidayUnset)
        path = SystemHolidays::DefaultPath(environment_.programFolder);
    masterHolidays_ = SystemHolidays::LoadSystemRules(path, error);
}

}  // namespace qb
