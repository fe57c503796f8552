#pragma once

#include <memory>

#include "CData.h"
#include "CScheduleStyleArray.h"

namespace qb {

// The root object of a style file: it holds one set of schedule styles.
class CStyleData : public CData, public IPropertyChangeListener {
public:
    explicit CStyleData(std::int32_t objectId = 0);

    int GetType() const override { return kStyleData; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void OnPropertyChanged() override { NotifyListeners(); }

    CScheduleStyleArray& GetStyles() { return *styles_; }
    const CScheduleStyleArray& GetStyles() const { return *styles_; }

private:
    std::unique_ptr<CScheduleStyleArray> styles_;
};

}  // namespace qb
