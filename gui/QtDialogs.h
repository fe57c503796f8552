#pragma once

#include <QPointer>

#include "IDialogs.h"

class QWidget;

namespace qb {

class CColorRuleArray;

class FindDialog;
class IPrompt;

// The dialogs of the window, modal over it; refusals go through the prompt.
class QtDialogs : public IDialogs {
public:
    explicit QtDialogs(IPrompt& prompt, QWidget* parent = nullptr)
        : prompt_(prompt), parent_(parent) {}

    // The parent may be set once the main window exists.
    void SetParent(QWidget* parent) { parent_ = parent; }
    // The colour rules the object dialogs' colour buttons offer first.
    void SetColourRules(const CColorRuleArray* rules) { colourRules_ = rules; }

    std::optional<OptionValues> EditOptions(const OptionValues& values) override;
    std::optional<RulerBandRequest> EditRulerBand(const RulerBandRequest& request) override;
    std::optional<RulerFontSizes> EditRulerFontSizes(const RulerFontSizes& sizes) override;
    std::optional<LightningValues> EditLightning(const LightningValues& values) override;
    std::optional<DatePeriod> EditScrollRange(const DatePeriod& period) override;
    std::unique_ptr<CSchedule> EditSchedule(const CSchedule& values,
                                            const ObjectPreview& preview) override;
    std::unique_ptr<CLink> EditLink(const CLink& values, const ObjectPreview& preview) override;
    std::unique_ptr<CMemo> EditMemo(const CMemo& values, const ObjectPreview& preview) override;
    void EditFavouriteShapes(FavouriteShapesForm& form) override;
    std::unique_ptr<CRow> EditRow(const CRow& values, bool newRow,
                                  const ObjectPreview& preview) override;
    std::unique_ptr<CColumn> EditColumn(const CColumn& values, bool newColumn,
                                        const ObjectPreview& preview) override;
    void InsertRowsText(const RowsTextApply& apply) override;
    std::optional<RowChanges> ChangeRows(const RowChanges& initial) override;
    void FindRow(RowSearch& search) override;
    std::optional<std::vector<std::string>> EditFilter(const FilterRequest& request) override;
    std::optional<ShiftDaysValues> EditShiftDays(const ShiftDaysValues& initial) override;
    std::optional<LinkedMoveAnswer> AskLinkedMove(const LinkedMoveQuestion& question) override;
    std::optional<PeriodCutValues> EditPeriodCut(const PeriodCutValues& initial,
                                                 const PeriodCutPreview& preview) override;
    std::optional<ExportValues> EditExport(const ExportValues& initial) override;
    std::optional<ImportValues> EditImport(const ImportValues& initial,
                                           const ShowRowIds& showRowIds) override;
    void EditLoadGraph(const LoadGraphValues& initial, const LoadGraphApply& apply) override;
    void EditSignAreas(SignAreaForm& form) override;
    void ShowFind(FindSession& session, bool replaceMode) override;
    // The find window while it is open.
    FindDialog* OpenFindDialog() const;

private:
    IPrompt& prompt_;
    QWidget* parent_;
    const CColorRuleArray* colourRules_ = nullptr;
    // "段の検索" opens with what was searched for last.
    std::string lastRowSearch_;
    bool lastMatchCase_ = false;
    QPointer<FindDialog> find_;
};

}  // namespace qb
