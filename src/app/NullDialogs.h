#pragma once

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"
#include "IDialogs.h"

namespace qb {

// Where no window shows dialogs (the command-line tool): every dialog is
// cancelled.
class NullDialogs : public IDialogs {
public:
    std::optional<OptionValues> EditOptions(const OptionValues&) override { return {}; }
    std::optional<RulerBandRequest> EditRulerBand(const RulerBandRequest&) override { return {}; }
    std::optional<RulerFontSizes> EditRulerFontSizes(const RulerFontSizes&) override { return {}; }
    std::optional<LightningValues> EditLightning(const LightningValues&) override { return {}; }
    std::optional<DatePeriod> EditScrollRange(const DatePeriod&) override { return {}; }
    std::unique_ptr<CSchedule> EditSchedule(const CSchedule&, const ObjectPreview&) override {
        return nullptr;
    }
    std::unique_ptr<CLink> EditLink(const CLink&, const ObjectPreview&) override { return nullptr; }
    std::unique_ptr<CMemo> EditMemo(const CMemo&, const ObjectPreview&) override { return nullptr; }
    void EditFavouriteShapes(FavouriteShapesForm&) override {}
    std::unique_ptr<CRow> EditRow(const CRow&, bool, const ObjectPreview&) override {
        return nullptr;
    }
    std::unique_ptr<CColumn> EditColumn(const CColumn&, bool, const ObjectPreview&) override {
        return nullptr;
    }
    void InsertRowsText(const RowsTextApply&) override {}
    std::optional<RowChanges> ChangeRows(const RowChanges&) override { return {}; }
    void FindRow(RowSearch&) override {}
    std::optional<std::vector<std::string>> EditFilter(const FilterRequest&) override { return {}; }
    std::optional<ShiftDaysValues> EditShiftDays(const ShiftDaysValues&) override { return {}; }
    std::optional<LinkedMoveAnswer> AskLinkedMove(const LinkedMoveQuestion&) override { return {}; }
    std::optional<PeriodCutValues> EditPeriodCut(const PeriodCutValues&,
                                                 const PeriodCutPreview&) override {
        return {};
    }
    std::optional<ExportValues> EditExport(const ExportValues&) override { return {}; }
    std::optional<ImportValues> EditImport(const ImportValues&, const ShowRowIds&) override {
        return {};
    }
    void EditLoadGraph(const LoadGraphValues&, const LoadGraphApply&) override {}
    void EditSignAreas(SignAreaForm&) override {}
};

}  // namespace qb
