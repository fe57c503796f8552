#pragma once

#include <memory>
#include <string>

#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"

namespace qb {

// Builds small row trees for the display tests.
class RowTreeBuilder {
public:
    RowTreeBuilder() : project_(std::make_unique<CProject>()) {}

    CProject& Project() { return *project_; }

    CRow& Add(CRowArray& rows, const std::string& caption, int height, int width = 64) {
        auto row = std::make_unique<CRow>(project_->NewObjectId());
        row->SetCaption(caption);
        row->SetHeight(height);
        row->SetWidth(width);
        CRow& added = *row;
        rows.Add(std::move(row));
        return added;
    }
    CRow& Add(const std::string& caption, int height, int width = 64) {
        return Add(project_->GetRows(), caption, height, width);
    }
    CRow& Child(CRow& parent, const std::string& caption, int height, int width = 64) {
        return Add(parent.GetChildren(), caption, height, width);
    }

private:
    std::unique_ptr<CProject> project_;
};

}  // namespace qb
