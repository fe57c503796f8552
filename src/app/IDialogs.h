#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DatePeriod.h"
#include "ExportValues.h"
#include "FilterRequest.h"
#include "ImportValues.h"
#include "LightningValues.h"
#include "LinkedMoveQuestion.h"
#include "LoadGraphValues.h"
#include "OptionValues.h"
#include "PeriodCutValues.h"
#include "RowChanges.h"
#include "RulerBandRequest.h"
#include "RulerFontSizes.h"
#include "ShiftDaysValues.h"

namespace qb {

class CColumn;
class CData;
class CLink;
class CMemo;
class CRow;
class CSchedule;
class FavouriteShapesForm;
class FindSession;
class RowSearch;
class SignAreaForm;

// The dialogs the commands open: each shows the values it is given and
// gives back what the user confirmed with OK, or nothing for Cancel. The
// window shows real dialogs; tests script the answers.
class IDialogs {
public:
    virtual ~IDialogs() = default;

    // "オプション": the user settings.
    virtual std::optional<OptionValues> EditOptions(const OptionValues& values) = 0;
    // "ルーラーの設定": one band of the current chart's ruler.
    virtual std::optional<RulerBandRequest> EditRulerBand(const RulerBandRequest& request) = 0;
    // The ruler's font sizes.
    virtual std::optional<RulerFontSizes> EditRulerFontSizes(const RulerFontSizes& sizes) = 0;
    // The progress line: reference date, colour, width.
    virtual std::optional<LightningValues> EditLightning(const LightningValues& values) = 0;
    // The days the chart's horizontal scroll bar covers.
    virtual std::optional<DatePeriod> EditScrollRange(const DatePeriod& period) = 0;

    // Shows a dialog's current values on the chart in place of the object
    // while the dialog is open; null shows the object as its data says.
    using ObjectPreview = std::function<void(const CData*)>;
    // "スケジュールのプロパティ", "リンクのプロパティ", "メモのプロパティ":
    // the object's values as confirmed, or null for Cancel. Bad input is
    // refused in the dialog, which stays open.
    virtual std::unique_ptr<CSchedule> EditSchedule(const CSchedule& values,
                                                    const ObjectPreview& preview) = 0;
    virtual std::unique_ptr<CLink> EditLink(const CLink& values, const ObjectPreview& preview) = 0;
    virtual std::unique_ptr<CMemo> EditMemo(const CMemo& values, const ObjectPreview& preview) = 0;
    // "よく使う形状エディタ" over the form, which holds the style file being
    // edited and does the work.
    virtual void EditFavouriteShapes(FavouriteShapesForm& form) = 0;

    // The row's properties (caption, font, colours, pens, height, width),
    // for a row about to be inserted (newRow) or an existing one; the
    // preview shows the dialog's values on the row while it is open.
    virtual std::unique_ptr<CRow> EditRow(const CRow& values, bool newRow,
                                          const ObjectPreview& preview) = 0;
    // The column's properties (caption, width of at least 10, fonts, colours,
    // right border pen, kind "_Auto"), for a new column or an existing one.
    virtual std::unique_ptr<CColumn> EditColumn(const CColumn& values, bool newColumn,
                                                const ObjectPreview& preview) = 0;
    // "段の一括挿入": OK hands the text to apply, which inserts the rows; the
    // dialog closes when apply returns true and keeps the text otherwise.
    using RowsTextApply = std::function<bool(const std::string&)>;
    virtual void InsertRowsText(const RowsTextApply& apply) = 0;
    // "段の一括変更": which of the values to give every selected row.
    virtual std::optional<RowChanges> ChangeRows(const RowChanges& initial) = 0;
    // "段の検索": modeless in feel, each "次を検索" asks the search.
    virtual void FindRow(RowSearch& search) = 0;
    // "フィルタ": the values chosen in the four lists, in list order (empty:
    // every list at "(設定なし)"); nothing for Cancel.
    virtual std::optional<std::vector<std::string>> EditFilter(const FilterRequest& request) = 0;

    // "値の指定": the shift the user confirmed. A number of days beyond
    // ShiftDaysValues::kMaxDays is refused in the dialog, which stays open.
    virtual std::optional<ShiftDaysValues> EditShiftDays(const ShiftDaysValues& initial) = 0;
    // "連結されたオブジェクトの移動": the choice, or nothing for Cancel.
    virtual std::optional<LinkedMoveAnswer> AskLinkedMove(const LinkedMoveQuestion& question) = 0;
    // "期間を指定して削除/切り出し": preview is called with the dialog's values
    // as they change, and with nothing while they name no period; it answers
    // what the values do to the chart, for the dialog to say. The caller puts
    // the chart back once the dialog has closed.
    using PeriodCutPreview = std::function<PeriodCutSummary(const std::optional<PeriodCutValues>&)>;
    virtual std::optional<PeriodCutValues> EditPeriodCut(const PeriodCutValues& initial,
                                                         const PeriodCutPreview& preview) = 0;

    // "エクスポート": the file, its kind and the CSV options. An empty file
    // name is refused in the dialog, which stays open.
    virtual std::optional<ExportValues> EditExport(const ExportValues& initial) = 0;
    // "インポート": the file to read. showRowIds is called when the user
    // turns the row ids on or off, so the chart can show them at once.
    using ShowRowIds = std::function<void(bool)>;
    virtual std::optional<ImportValues> EditImport(const ImportValues& initial,
                                                   const ShowRowIds& showRowIds) = 0;

    // "負荷グラフの設定": OK hands the values to apply, which takes what it
    // accepts; the dialog closes when apply returns true and stays open with
    // the values otherwise.
    using LoadGraphApply = std::function<bool(const LoadGraphValues&)>;
    virtual void EditLoadGraph(const LoadGraphValues& initial, const LoadGraphApply& apply) = 0;
    // "検印欄パターンエディタ" over the form, which holds the stamp-area file
    // being edited and does the work.
    virtual void EditSignAreas(SignAreaForm& form) = 0;
    // "検索" or, in replace mode, "置換": the one modeless find window over
    // session. Asked again while it is open, it comes to the front in the
    // same mode and opens anew in the other.
    virtual void ShowFind(FindSession& /*session*/, bool /*replaceMode*/) {}
};

}  // namespace qb
