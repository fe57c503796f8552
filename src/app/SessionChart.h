#pragma once

#include <array>
#include <optional>

#include "COleDateTime.h"
#include "IDocumentObserver.h"
#include "RulerBands.h"

namespace qb {

// What the charts show for this session only, never stored: the progress
// line's reference date and ruler bands chosen as a temporary setting. The
// temporary bands belong to the document they were chosen for and go when
// another one is opened.
class SessionChart : public IDocumentObserver {
public:
    // The reference date set by the user; null while the line follows today.
    const COleDateTime& LightningDate() const { return lightningDate_; }
    void SetLightningDate(const COleDateTime& day) { lightningDate_ = day; }
    // The set date, or today while none is set.
    COleDateTime LightningDateOr(const COleDateTime& today) const;

    // Ruler setting 1..3 (day, month, year chart); nothing for other numbers.
    const std::optional<RulerBands>& TemporaryBands(int setting) const;
    void SetTemporaryBands(int setting, std::optional<RulerBands> bands);

    void DocumentReplaced() override;
    void ContentChanged() override {}
    void FlagsChanged() override {}

private:
    COleDateTime lightningDate_ = COleDateTime::Null();
    std::array<std::optional<RulerBands>, 3> bands_;
};

}  // namespace qb
