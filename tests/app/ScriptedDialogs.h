#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"
#include "IDialogs.h"
#include "RowSearch.h"

namespace qb::test {

// Dialogs that answer from a script: each queued edit receives the values
// the dialog was opened with and changes them as the user would; with
// nothing queued the dialog is cancelled. The values each dialog was opened
// with are kept.
class ScriptedDialogs : public IDialogs {
public:
    template <class T>
    using Edit = std::function<void(T&)>;

    std::optional<OptionValues> EditOptions(const OptionValues& values) override {
        shownOptions = values;
        return Answer(options, values);
    }
    std::optional<RulerBandRequest> EditRulerBand(const RulerBandRequest& request) override {
        shownBand = request;
        return Answer(bands, request);
    }
    std::optional<RulerFontSizes> EditRulerFontSizes(const RulerFontSizes& sizes) override {
        shownFonts = sizes;
        return Answer(fonts, sizes);
    }
    std::optional<LightningValues> EditLightning(const LightningValues& values) override {
        shownLightning = values;
        return Answer(lightning, values);
    }

    std::optional<DatePeriod> EditScrollRange(const DatePeriod& period) override {
        shownPeriod = period;
        return Answer(periods, period);
    }

    std::unique_ptr<CSchedule> EditSchedule(const CSchedule& values,
                                            const ObjectPreview& preview) override {
        return AnswerObject(schedules, values, preview);
    }
    std::unique_ptr<CLink> EditLink(const CLink& values, const ObjectPreview& preview) override {
        return AnswerObject(links, values, preview);
    }
    std::unique_ptr<CMemo> EditMemo(const CMemo& values, const ObjectPreview& preview) override {
        return AnswerObject(memos, values, preview);
    }
    void EditFavouriteShapes(FavouriteShapesForm& form) override {
        if (!favouriteShapes.empty()) {
            favouriteShapes.front()(form);
            favouriteShapes.pop_front();
        }
    }

    std::unique_ptr<CRow> EditRow(const CRow& values, bool newRow,
                                  const ObjectPreview& preview) override {
        rowDialogNew = newRow;
        return AnswerObject(rows, values, preview);
    }
    std::unique_ptr<CColumn> EditColumn(const CColumn& values, bool newColumn,
                                        const ObjectPreview& preview) override {
        columnDialogNew = newColumn;
        return AnswerObject(columns, values, preview);
    }
    // Each queued text is offered in turn while apply refuses it; the
    // answers apply gave are kept.
    void InsertRowsText(const RowsTextApply& apply) override {
        while (!rowsTexts.empty()) {
            const std::string text = rowsTexts.front();
            rowsTexts.pop_front();
            const bool closed = apply(text);
            rowsTextAnswers.push_back(closed);
            if (closed)
                return;
        }
    }
    std::optional<RowChanges> ChangeRows(const RowChanges& initial) override {
        shownRowChanges = initial;
        return Answer(rowChanges, initial);
    }
    void ShowFind(FindSession& /*session*/, bool replaceMode) override {
        findModes.push_back(replaceMode);
    }
    void FindRow(RowSearch& search) override {
        if (!rowSearches.empty()) {
            rowSearches.front()(search);
            rowSearches.pop_front();
        }
    }
    std::optional<std::vector<std::string>> EditFilter(const FilterRequest& request) override {
        shownFilter = request;
        if (filters.empty())
            return std::nullopt;
        auto answer = filters.front()(request);
        filters.pop_front();
        return answer;
    }

    std::optional<ShiftDaysValues> EditShiftDays(const ShiftDaysValues& initial) override {
        shownShiftDays = initial;
        return Answer(shiftDays, initial);
    }
    std::optional<LinkedMoveAnswer> AskLinkedMove(const LinkedMoveQuestion& question) override {
        shownLinkedMoves.push_back(question);
        if (linkedMoves.empty())
            return std::nullopt;
        auto answer = linkedMoves.front();
        linkedMoves.pop_front();
        return answer;
    }
    // Each queued edit gets the initial values and the preview, so that it can
    // show values on the chart before it answers.
    std::optional<PeriodCutValues> EditPeriodCut(const PeriodCutValues& initial,
                                                 const PeriodCutPreview& preview) override {
        shownPeriodCut = initial;
        if (periodCuts.empty())
            return std::nullopt;
        auto answer = periodCuts.front()(initial, preview);
        periodCuts.pop_front();
        return answer;
    }
    std::optional<ExportValues> EditExport(const ExportValues& initial) override {
        shownExport = initial;
        return Answer(exports, initial);
    }
    std::optional<ImportValues> EditImport(const ImportValues& initial,
                                           const ShowRowIds& showRowIds) override {
        shownImport = initial;
        if (imports.empty())
            return std::nullopt;
        auto answer = imports.front()(initial, showRowIds);
        imports.pop_front();
        return answer;
    }

    std::deque<Edit<ShiftDaysValues>> shiftDays;
    std::optional<ShiftDaysValues> shownShiftDays;
    // Nothing queued, or a queued nullopt, is Cancel.
    std::deque<std::optional<LinkedMoveAnswer>> linkedMoves;
    std::vector<LinkedMoveQuestion> shownLinkedMoves;
    std::deque<std::function<std::optional<PeriodCutValues>(const PeriodCutValues&,
                                                            const PeriodCutPreview&)>>
        periodCuts;
    std::optional<PeriodCutValues> shownPeriodCut;

    void EditLoadGraph(const LoadGraphValues& initial, const LoadGraphApply& apply) override {
        shownLoadGraph = initial;
        while (!loadGraphs.empty()) {
            LoadGraphValues values = initial;
            loadGraphs.front()(values);
            loadGraphs.pop_front();
            const bool closed = apply(values);
            loadGraphAnswers.push_back(closed);
            if (closed)
                return;
        }
    }

    void EditSignAreas(SignAreaForm& form) override {
        if (!signAreas.empty()) {
            signAreas.front()(form);
            signAreas.pop_front();
        }
    }

    // Each queued edit is one press of OK; the dialog is cancelled when the
    // script runs out while it is still open.
    std::deque<Edit<LoadGraphValues>> loadGraphs;
    std::vector<bool> loadGraphAnswers;
    std::optional<LoadGraphValues> shownLoadGraph;
    std::deque<Edit<SignAreaForm>> signAreas;

    std::deque<Edit<ExportValues>> exports;
    std::optional<ExportValues> shownExport;
    // Each queued answer may turn the row ids on or off before it answers.
    std::deque<std::function<std::optional<ImportValues>(const ImportValues&, const ShowRowIds&)>>
        imports;
    std::optional<ImportValues> shownImport;

    std::deque<Edit<CRow>> rows;
    std::deque<Edit<CColumn>> columns;
    bool rowDialogNew = false;
    bool columnDialogNew = false;
    std::deque<std::string> rowsTexts;
    std::vector<bool> rowsTextAnswers;
    std::deque<Edit<RowChanges>> rowChanges;
    std::optional<RowChanges> shownRowChanges;
    std::deque<Edit<RowSearch>> rowSearches;
    // The find window's mode each time it was asked for (true: replace).
    std::vector<bool> findModes;
    std::deque<std::function<std::optional<std::vector<std::string>>(const FilterRequest&)>>
        filters;
    std::optional<FilterRequest> shownFilter;

    std::deque<Edit<CSchedule>> schedules;
    std::deque<Edit<CLink>> links;
    std::deque<Edit<CMemo>> memos;
    std::deque<Edit<FavouriteShapesForm>> favouriteShapes;
    // How many object dialogs were opened.
    int objectDialogs = 0;

    std::deque<Edit<OptionValues>> options;
    std::deque<Edit<RulerBandRequest>> bands;
    std::deque<Edit<RulerFontSizes>> fonts;
    std::deque<Edit<LightningValues>> lightning;
    std::deque<Edit<DatePeriod>> periods;

    std::optional<OptionValues> shownOptions;
    std::optional<RulerBandRequest> shownBand;
    std::optional<RulerFontSizes> shownFonts;
    std::optional<LightningValues> shownLightning;
    std::optional<DatePeriod> shownPeriod;

private:
    // The edit works on a copy, which is previewed and then confirmed.
    template <class T>
    std::unique_ptr<T> AnswerObject(std::deque<Edit<T>>& script, const T& shown,
                                    const ObjectPreview& preview) {
        ++objectDialogs;
        if (script.empty())
            return nullptr;
        auto values = std::make_unique<T>();
        values->Assign(shown);
        script.front()(*values);
        script.pop_front();
        if (preview) {
            preview(values.get());
            preview(nullptr);
        }
        return values;
    }

    template <class T>
    static std::optional<T> Answer(std::deque<Edit<T>>& script, const T& shown) {
        if (script.empty())
            return std::nullopt;
        T values = shown;
        script.front()(values);
        script.pop_front();
        return values;
    }
};

}  // namespace qb::test
