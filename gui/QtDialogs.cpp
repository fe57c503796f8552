#include "QtDialogs.h"

#include <QCheckBox>
#include <QLineEdit>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"

#include "FavouriteShapesForm.h"
#include "dialogs/ColourButton.h"
#include "dialogs/ColumnDialog.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/FavouriteShapesDialog.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/FindDialog.h"
#include "dialogs/FindRowDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/LightningDialog.h"
#include "dialogs/LinkDialog.h"
#include "dialogs/LinkedMoveDialog.h"
#include "dialogs/LoadGraphDialog.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/PeriodCutDialog.h"
#include "dialogs/RowChangeDialog.h"
#include "dialogs/RowDialog.h"
#include "dialogs/RowsTextDialog.h"
#include "dialogs/RulerBandDialog.h"
#include "dialogs/RulerFontSizeDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "dialogs/ScrollRangeDialog.h"
#include "dialogs/ShiftDaysDialog.h"
#include "dialogs/SignAreaDialog.h"

namespace qb {
namespace {

// The object dialogs let the user pick their colours by the rules' meanings.
void OfferColourRules(QWidget& dialog, const CColorRuleArray* rules) {
    for (ColourButton* button : dialog.findChildren<ColourButton*>())
        button->OfferRules(rules);
}

}  // namespace

std::optional<OptionValues> QtDialogs::EditOptions(const OptionValues& values) {
    OptionsDialog dialog(values, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

std::optional<RulerBandRequest> QtDialogs::EditRulerBand(const RulerBandRequest& request) {
    RulerBandDialog dialog(request, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Request();
}

std::optional<RulerFontSizes> QtDialogs::EditRulerFontSizes(const RulerFontSizes& sizes) {
    RulerFontSizeDialog dialog(sizes, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Sizes();
}

std::optional<LightningValues> QtDialogs::EditLightning(const LightningValues& values) {
    LightningDialog dialog(values, COleDateTime::GetCurrentTime().DatePart(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

std::optional<DatePeriod> QtDialogs::EditScrollRange(const DatePeriod& period) {
    ScrollRangeDialog dialog(period, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Period();
}

std::unique_ptr<CSchedule> QtDialogs::EditSchedule(const CSchedule& values,
                                                   const ObjectPreview& preview) {
    ScheduleDialog dialog(values, prompt_, preview, parent_);
    OfferColourRules(dialog, colourRules_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return dialog.Values();
}

std::unique_ptr<CLink> QtDialogs::EditLink(const CLink& values, const ObjectPreview& preview) {
    LinkDialog dialog(values, prompt_, preview, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return dialog.Values();
}

std::unique_ptr<CMemo> QtDialogs::EditMemo(const CMemo& values, const ObjectPreview& preview) {
    MemoDialog dialog(values, prompt_, preview, parent_);
    OfferColourRules(dialog, colourRules_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return dialog.Values();
}

void QtDialogs::EditFavouriteShapes(FavouriteShapesForm& form) {
    FavouriteShapesDialog dialog(form, form.GetPalette(), parent_);
    dialog.exec();
}

std::unique_ptr<CRow> QtDialogs::EditRow(const CRow& values, bool newRow,
                                         const ObjectPreview& preview) {
    RowDialog dialog(values, newRow, preview, parent_);
    OfferColourRules(dialog, colourRules_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return dialog.Values();
}

std::unique_ptr<CColumn> QtDialogs::EditColumn(const CColumn& values, bool newColumn,
                                               const ObjectPreview& preview) {
    ColumnDialog dialog(values, newColumn, prompt_, preview, parent_);
    OfferColourRules(dialog, colourRules_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return dialog.Values();
}

void QtDialogs::InsertRowsText(const RowsTextApply& apply) {
    RowsTextDialog dialog(apply, parent_);
    dialog.exec();
}

std::optional<RowChanges> QtDialogs::ChangeRows(const RowChanges& initial) {
    RowChangeDialog dialog(initial, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Changes();
}

void QtDialogs::FindRow(RowSearch& search) {
    FindRowDialog dialog(search, parent_);
    dialog.TextEdit()->setText(QString::fromStdString(lastRowSearch_));
    dialog.TextEdit()->selectAll();
    dialog.MatchCaseBox()->setChecked(lastMatchCase_);
    dialog.exec();
    lastRowSearch_ = dialog.TextEdit()->text().toStdString();
    lastMatchCase_ = dialog.MatchCaseBox()->isChecked();
}

std::optional<std::vector<std::string>> QtDialogs::EditFilter(const FilterRequest& request) {
    FilterDialog dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

std::optional<ShiftDaysValues> QtDialogs::EditShiftDays(const ShiftDaysValues& initial) {
    ShiftDaysDialog dialog(initial, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

std::optional<LinkedMoveAnswer> QtDialogs::AskLinkedMove(const LinkedMoveQuestion& question) {
    LinkedMoveDialog dialog(question, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

std::optional<PeriodCutValues> QtDialogs::EditPeriodCut(const PeriodCutValues& initial,
                                                        const PeriodCutPreview& preview) {
    PeriodCutDialog dialog(initial, preview, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

std::optional<ExportValues> QtDialogs::EditExport(const ExportValues& initial) {
    ExportDialog dialog(initial, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

std::optional<ImportValues> QtDialogs::EditImport(const ImportValues& initial,
                                                  const ShowRowIds& showRowIds) {
    ImportDialog dialog(initial, showRowIds, prompt_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Values();
}

void QtDialogs::EditLoadGraph(const LoadGraphValues& initial, const LoadGraphApply& apply) {
    LoadGraphDialog dialog(initial, apply, parent_);
    dialog.exec();
}

void QtDialogs::EditSignAreas(SignAreaForm& form) {
    SignAreaDialog dialog(form, parent_);
    dialog.exec();
}

FindDialog* QtDialogs::OpenFindDialog() const {
    return find_.data();
}

// One find window at a time: asked for in its own mode it comes to the
// front, in the other mode it gives way to a new one.
void QtDialogs::ShowFind(FindSession& session, bool replaceMode) {
    if (find_ != nullptr && find_->IsReplaceMode() == replaceMode) {
        find_->show();
        find_->raise();
        find_->activateWindow();
        return;
    }
    if (find_ != nullptr)
        find_->close();
    find_ = new FindDialog(session, replaceMode, parent_);
    find_->setAttribute(Qt::WA_DeleteOnClose);
    find_->show();
}

}  // namespace qb
