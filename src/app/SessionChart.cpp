#include "SessionChart.h"

namespace qb {

namespace {

const std::optional<RulerBands> kNoBands;

bool IsSetting(int setting) {
    return setting >= 1 && setting <= 3;
}

}  // namespace

COleDateTime SessionChart::LightningDateOr(const COleDateTime& today) const {
    return lightningDate_.IsValid() ? lightningDate_ : today;
}

const std::optional<RulerBands>& SessionChart::TemporaryBands(int setting) const {
    return IsSetting(setting) ? bands_[setting - 1] : kNoBands;
}

void SessionChart::SetTemporaryBands(int setting, std::optional<RulerBands> bands) {
    if (IsSetting(setting))
        bands_[setting - 1] = bands;
}

void SessionChart::DocumentReplaced() {
    bands_.fill(std::nullopt);
}

}  // namespace qb
