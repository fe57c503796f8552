#pragma once

#include <optional>

#include "DatePeriod.h"
#include "LightningValues.h"
#include "OptionValues.h"
#include "RulerBandRequest.h"
#include "RulerFontSizes.h"

namespace qb {

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
};

}  // namespace qb
