#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "DatePeriod.h"
#include "LightningValues.h"
#include "OptionValues.h"
#include "RulerBandRequest.h"
#include "RulerFontSizes.h"

namespace qb {

class CData;
class CLink;
class CMemo;
class CSchedule;
class FavouriteShapesForm;

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
};

}  // namespace qb
