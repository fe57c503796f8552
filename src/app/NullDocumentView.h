#pragma once

#include "IDocumentView.h"

namespace qb {

// The command-line tool and the tests: a view that shows nothing.
class NullDocumentView : public IDocumentView {
public:
    void DisplaySettingsChanged() override {}
    void ViewModeChanged(int /*mode*/) override {}
    void ScrollToDate(const COleDateTime& /*day*/) override {}
    void ClearSelection() override {}
    void CollectViewStatus(ViewStatus& /*status*/) const override {}
    void ApplyViewStatus(const ViewStatus& /*status*/) override {}
};

}  // namespace qb
