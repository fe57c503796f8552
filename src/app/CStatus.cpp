#include "CStatus.h"

#include "CCommandHandler.h"
#include "ChartEdits.h"
#include "ColumnEdits.h"
#include "EditSession.h"
#include "RowEdits.h"

namespace qb {

CStatus::CStatus(ISettingsStore& store, IPrompt& prompt, IShell& shell, AppEnvironment environment)
    : services_(store, prompt, shell, std::move(environment)),
      palette_(services_.Settings()),
      viewMode_(services_.Settings().tabMode) {
    palette_.LoadDefaultFavourites(services_.Prompt());
    edit_ = std::make_unique<EditSession>(document_, services_, undo_, view_);
    chartEdits_ = std::make_unique<ChartEdits>(document_, *edit_, services_);
    rowEdits_ = std::make_unique<RowEdits>(document_, *edit_, services_);
    columnEdits_ = std::make_unique<ColumnEdits>(document_, *edit_, services_);
    // First among the observers, so the window sees the session's state for
    // the new document.
    document_.AddObserver(&session_);
    commands_ = std::make_unique<CCommandHandler>(*this);
}

CStatus::~CStatus() {
    document_.RemoveObserver(&session_);
    SaveSettings();
    undo_.Clear();
}

IChartEdits& CStatus::ChartEdit() {
    return *chartEdits_;
}

void CStatus::SaveSettings() {
    services_.Settings().tabMode = viewMode_;
    services_.SaveSettings();
}

}  // namespace qb
