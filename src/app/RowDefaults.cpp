#include "RowDefaults.h"

#include "CProject.h"
#include "CRow.h"

namespace qb {
namespace {

constexpr int kDefaultWidth = 64;
constexpr ColorRef kNotFilled = 0xFFFFFF;

CPenInfo DefaultPen(const CProject& project, const std::string& prefix) {
    const CPenInfo fallback;
    return CPenInfo(
        project.GetParamInt(prefix + "Style", fallback.GetStyle()),
        project.GetParamInt(prefix + "Width", fallback.GetWidth()),
        static_cast<ColorRef>(project.GetParamInt(prefix + "Color", static_cast<int>(kBlack))));
}

}  // namespace

std::unique_ptr<CRow> RowDefaults::Prepare(const CProject& project, const std::string& caption,
                                           int defaultHeight) {
    auto row = std::make_unique<CRow>(CData::kNoObject);
    row->SetCaption(caption);
    row->SetHeight(project.GetParamInt("_DefRowHeight", defaultHeight));
    row->SetWidth(kDefaultWidth);
    row->SetTextFont(CFontInfo());
    row->SetTextColor(
        static_cast<ColorRef>(project.GetParamInt("_DefRowTextColor", static_cast<int>(kBlack))));
    row->SetParamInt("_BackColor",
                     project.GetParamInt("_DefRowBackColor", static_cast<int>(kNotFilled)));
    row->SetBottomLinePen(DefaultPen(project, "_DefRowBottomPen"));
    row->SetRightLinePen(DefaultPen(project, "_DefRowRightPen"));
    return row;
}

void RowDefaults::TakeParentHeight(CRow& row, const CProject& project, const CRow& parent) {
    const bool boxMode = project.GetParamInt("_Indent", 0) <= 0;
    if (boxMode && parent.GetChildren().GetCount(true) == 0)
        row.SetHeight(parent.GetHeight());
}

}  // namespace qb
