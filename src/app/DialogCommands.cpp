#include "DialogCommands.h"

#include "AppServices.h"
#include "CProject.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "FavouriteShapesForm.h"
#include "IDialogs.h"
#include "IDocumentView.h"
#include "LoadGraphForm.h"
#include "OptionsForm.h"
#include "RulerBandForm.h"
#include "RulerBands.h"
#include "SignAreaForm.h"
#include "ViewStatus.h"

namespace qb {
namespace {

PromptMessage Warning(const char* text) {
    return {0, text, PromptIcon::kWarning, PromptButtons::kOk};
}

// The band of bands the request is about takes the request's unit and format.
void Choose(RulerBands& bands, const RulerBandRequest& choice) {
    if (choice.upper) {
        bands.upperUnit = choice.unit;
        bands.upperFormat = choice.format;
    } else {
        bands.lowerUnit = choice.unit;
        bands.lowerFormat = choice.format;
    }
}

RulerBandRequest RequestFor(const RulerBands& bands, bool upper) {
    RulerBandRequest request;
    request.upper = upper;
    request.unit = upper ? bands.upperUnit : bands.lowerUnit;
    request.format = upper ? bands.upperFormat : bands.lowerFormat;
    request.otherUnit = upper ? bands.lowerUnit : bands.upperUnit;
    return request;
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

bool DialogCommands::Execute(int id) {
    switch (id) {
        case cmd::kOptions:
            return EditOptions();
        case cmd::kRulerUpper:
            return EditRulerBand(true);
        case cmd::kRulerLower:
            return EditRulerBand(false);
        case cmd::kLightningSettings:
            return EditLightning();
        case cmd::kStyleEditor:
            return EditFavouriteShapes();
        case cmd::kGraphSettings:
            return EditLoadGraph();
        case cmd::kSignAreaEditor:
            return EditSignAreas();
        default:
            return false;
    }
}

bool DialogCommands::IsAvailable(int id) const {
    if (!status_.HasDocument())
        return false;
    switch (id) {
        case cmd::kRulerUpper:
        case cmd::kRulerLower:
            return InChartView();
        case cmd::kOptions:
        case cmd::kLightningSettings:
        case cmd::kStyleEditor:
        case cmd::kGraphSettings:
        case cmd::kSignAreaEditor:
            return true;
        default:
            return false;
    }
}

bool DialogCommands::EditFavouriteShapes() {
    FavouriteShapesForm form(status_);
    status_.Services().Dialogs().EditFavouriteShapes(form);
    return true;
}

bool DialogCommands::EditSignAreas() {
    SignAreaForm form(status_);
    status_.Services().Dialogs().EditSignAreas(form);
    return true;
}

// The values the checks accept reach the file's view status one by one,
// even when a later one is refused and the dialog stays open; the window
// then shows the graph as they say.
bool DialogCommands::EditLoadGraph() {
    if (!status_.HasDocument())
        return false;
    ViewStatus& view = status_.Doc().GetViewStatus();
    bool accepted = false;
    status_.Services().Dialogs().EditLoadGraph(
        LoadGraphForm::ValuesOf(view), [this, &view, &accepted](const LoadGraphValues& values) {
            const auto refusal = LoadGraphForm::Apply(values, view);
            if (refusal)
                status_.Services().Prompt().Show(*refusal);
            accepted = !refusal;
            return accepted;
        });
    status_.View().DisplaySettingsChanged();
    return accepted;
}

bool DialogCommands::InChartView() const {
    const int mode = status_.GetViewMode();
    return mode >= CStatus::kDayView && mode <= CStatus::kYearView;
}

bool DialogCommands::Refuse(const PromptMessage& message) {
    status_.Services().Prompt().Show(message);
    return false;
}

bool DialogCommands::EditOptions() {
    if (!status_.HasDocument())
        return false;
    AppSettings& settings = status_.Services().Settings();
    const auto values =
        status_.Services().Dialogs().EditOptions(OptionsForm::FromSettings(settings));
    if (!values)
        return false;
    if (const auto refusal = OptionsForm::Validate(*values))
        return Refuse(*refusal);
    const bool newHolidayFile = values->masterHoliday != settings.calendar.masterHoliday;
    OptionsForm::Apply(*values, settings);
    if (newHolidayFile) {
        status_.Services().LoadMasterHolidays();
        status_.View().SystemHolidaysChanged();
    }
    status_.View().DisplaySettingsChanged();
    return true;
}

RulerBands DialogCommands::CurrentBands(int setting) const {
    if (const auto& temporary = status_.Session().TemporaryBands(setting))
        return *temporary;
    return RulerBands::OfProject(*status_.GetProject(), setting);
}

bool DialogCommands::EditRulerBand(bool upper) {
    if (!status_.HasDocument() || !InChartView())
        return false;
    const int setting = status_.GetViewMode();
    RulerBands bands = CurrentBands(setting);
    RulerBandRequest request = RequestFor(bands, upper);
    request.canSave = !status_.Doc().IsReadOnly();
    auto choice = status_.Services().Dialogs().EditRulerBand(request);
    if (!choice)
        return false;
    // The dialog chooses a unit and a format, nothing else.
    choice->upper = upper;
    choice->otherUnit = request.otherUnit;
    choice->saveToFile = choice->saveToFile && request.canSave;
    if (const auto refusal = RulerBandForm::Validate(*choice))
        return Refuse(*refusal);
    Choose(bands, *choice);
    if (choice->saveToFile)
        return SaveBand(setting, *choice);
    status_.Session().SetTemporaryBands(setting, bands);
    status_.View().DisplaySettingsChanged();
    return true;
}

// In shared mode the step reloads the project, so the band goes into the
// bands the file holds now, and is checked against them again.
bool DialogCommands::SaveBand(int setting, const RulerBandRequest& choice) {
    EditSession& edit = status_.Edit();
    if (!edit.BeginStep())
        return false;
    CProject& project = *status_.GetProject();
    RulerBands stored = RulerBands::OfProject(project, setting);
    Choose(stored, choice);
    RulerBandRequest check = RequestFor(stored, choice.upper);
    if (const auto refusal = RulerBandForm::Validate(check)) {
        edit.AbandonStep();
        return Refuse(*refusal);
    }
    stored.StoreIn(project, setting);
    edit.Stamp().Changed(project);
    // A temporary choice of the other band stays; this band is the file's now.
    if (auto temporary = status_.Session().TemporaryBands(setting)) {
        Choose(*temporary, choice);
        status_.Session().SetTemporaryBands(setting, temporary);
    }
    return edit.Commit();
}

bool DialogCommands::EditRulerFontSizes() {
    if (!status_.HasDocument() || !InChartView())
        return false;
    CalendarSettings& calendar = status_.Services().Settings().calendar;
    const auto sizes = status_.Services().Dialogs().EditRulerFontSizes(
        RulerFontSizes{calendar.rulerFontSize1, calendar.rulerFontSize2});
    if (!sizes)
        return false;
    if (!InRange(sizes->upper, RulerFontSizes::kMin, RulerFontSizes::kMax) ||
        !InRange(sizes->lower, RulerFontSizes::kMin, RulerFontSizes::kMax))
        return Refuse(Warning("ルーラーのフォントサイズは6から20の間で指定してください。"));
    calendar.rulerFontSize1 = sizes->upper;
    calendar.rulerFontSize2 = sizes->lower;
    status_.View().DisplaySettingsChanged();
    return true;
}

bool DialogCommands::EditLightning() {
    if (!status_.HasDocument())
        return false;
    DisplaySettings& display = status_.Services().Settings().display;
    LightningValues values;
    values.date = status_.Session().LightningDateOr(COleDateTime::GetCurrentTime().DatePart());
    values.colour = display.lightningColour;
    values.width = display.lightningWidth;
    values.show = status_.IsShowingLightning();
    const auto answer = status_.Services().Dialogs().EditLightning(values);
    if (!answer)
        return false;
    if (!answer->date.IsValid())
        return Refuse(Warning("基準日が不正です。"));
    if (!InRange(answer->width, LightningValues::kMinWidth, LightningValues::kMaxWidth))
        return Refuse(Warning("イナズマ線の太さは1から10の間で指定してください。"));
    status_.Session().SetLightningDate(answer->date.DatePart());
    display.lightningColour = answer->colour & 0xFFFFFFu;
    display.lightningWidth = answer->width;
    status_.SetShowLightning(answer->show);
    status_.View().DisplaySettingsChanged();
    return true;
}

}  // namespace qb
