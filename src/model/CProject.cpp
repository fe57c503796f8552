#include "CProject.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace qb {
namespace {

CRow* FindRowIn(const CRowArray& rows, std::int32_t id) {
    for (int i = 0, n = rows.GetCount(); i < n; ++i) {
        CRow* row = rows.At(i);
        if (!row)
            continue;
        if (row->GetObjectId() == id)
            return row;
        if (CRow* found = FindRowIn(std::as_const(*row).GetChildren(), id))
            return found;
    }
    return nullptr;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool CaptionMatches(const std::string& caption, std::string_view wanted) {
    std::string cleaned;
    for (char c : TrimBlanks(caption)) {
        if (c != '\r' && c != '\n')
            cleaned += c;
    }
    return cleaned == wanted;
}

CRow* FindRowByCaptionIn(const CRowArray& rows, std::string_view caption) {
    for (int i = 0, n = rows.GetCount(); i < n; ++i) {
        CRow* row = rows.At(i);
        if (!row)
            continue;
        if (CaptionMatches(row->GetCaption(), caption))
            return row;
        if (CRow* found = FindRowByCaptionIn(std::as_const(*row).GetChildren(), caption))
            return found;
    }
    return nullptr;
}

}  // namespace

CProject::CProject(std::int32_t objectId)
    : CData(objectId),
      rows_(std::make_unique<CRowArray>()),
      schedules_(std::make_unique<CScheduleArray>()),
      links_(std::make_unique<CLinkArray>()),
      drawParts_(std::make_unique<CDrawPartArray>()),
      columns_(std::make_unique<CColumnArray>()),
      holidays_(std::make_unique<CHolidayArray>()) {
    for (CDataArray* array :
         std::initializer_list<CDataArray*>{rows_.get(), schedules_.get(), links_.get(),
                                            drawParts_.get(), columns_.get(), holidays_.get()}) {
        array->AddListener(this);
    }
}

CProject::~CProject() = default;

void CProject::CopyFrom(const CData& source) {
    CData::CopyFrom(source);
    if (auto* other = dynamic_cast<const CProject*>(&source))
        f_ = other->f_;
}

std::int32_t CProject::NewObjectId() {
    std::int32_t id = f_.lastObjectId;
    SetLastObjectId(id + 1);
    return id;
}

CRow* CProject::FindRow(std::int32_t id) const {
    return FindRowIn(*rows_, id);
}

CSchedule* CProject::FindSchedule(std::int32_t id) const {
    return schedules_->FindById(id);
}

CLink* CProject::FindLink(std::int32_t id) const {
    return links_->FindById(id);
}

CDrawPart* CProject::FindDrawPart(std::int32_t id) const {
    return drawParts_->FindById(id);
}

CColumn* CProject::FindColumn(std::int32_t id) const {
    return columns_->FindById(id);
}

CData* CProject::FindObject(std::int32_t id) const {
    if (CData* found = FindRow(id))
        return found;
    if (CData* found = FindSchedule(id))
        return found;
    if (CData* found = FindLink(id))
        return found;
    if (CData* found = FindDrawPart(id))
        return found;
    return FindColumn(id);
}

CRow* CProject::FindRowByCaption(std::string_view caption) const {
    return FindRowByCaptionIn(*rows_, caption);
}

void CProject::SetCurrentVersion() {
    SetDataVersion(kCurrentVersion);
    SetAvailableVersion(kCurrentVersion);
}

std::size_t CProject::RulerIndex(int setting) {
    if (setting < 1 || setting > kRulerSettings) {
        throw std::invalid_argument("ruler setting " + std::to_string(setting) + " outside 1..3");
    }
    return static_cast<std::size_t>(setting - 1);
}

std::int32_t CProject::GetUpperRulerFormat(int setting) const {
    return f_.upperRulerFormat[RulerIndex(setting)];
}
void CProject::SetUpperRulerFormat(int setting, std::int32_t v) {
    SetField(f_.upperRulerFormat[RulerIndex(setting)], v);
}
std::int32_t CProject::GetUpperRulerUnit(int setting) const {
    return f_.upperRulerUnit[RulerIndex(setting)];
}
void CProject::SetUpperRulerUnit(int setting, std::int32_t v) {
    SetField(f_.upperRulerUnit[RulerIndex(setting)], v);
}
std::int32_t CProject::GetLowerRulerFormat(int setting) const {
    return f_.lowerRulerFormat[RulerIndex(setting)];
}
void CProject::SetLowerRulerFormat(int setting, std::int32_t v) {
    SetField(f_.lowerRulerFormat[RulerIndex(setting)], v);
}
std::int32_t CProject::GetLowerRulerUnit(int setting) const {
    return f_.lowerRulerUnit[RulerIndex(setting)];
}
void CProject::SetLowerRulerUnit(int setting, std::int32_t v) {
    SetField(f_.lowerRulerUnit[RulerIndex(setting)], v);
}

void CProject::VisitProperties(PropertyVisitor& visitor) {
    CData::VisitProperties(visitor);
    visitor.Text("title", f_.title);
    visitor.Text("reference", f_.reference);
    visitor.Integer("horizontalUnit", f_.horizontalUnit);
    visitor.Text("viewPassword", f_.viewPassword);
    visitor.Text("editPassword", f_.editPassword);
    visitor.Font("defaultFont", f_.defaultFont);
    visitor.Pen("borderLineCode", f_.borderLineCode);
    visitor.Pen("headerContentLineCode", f_.headerContentLineCode);
    visitor.Pen("vertLineLCode", f_.vertLineLCode);
    visitor.Pen("vertLineSCode", f_.vertLineSCode);
    visitor.Text("colorRuleKey", f_.colorRuleKey);
    visitor.Integer("lastObjectId", f_.lastObjectId);
    visitor.Boolean("shared", f_.shared);
    visitor.Date("displayStartDate", f_.displayStartDate);
    visitor.Date("displayEndDate", f_.displayEndDate);
    for (int s = 1; s <= kRulerSettings; ++s) {
        const std::size_t i = RulerIndex(s);
        const std::string n = std::to_string(s);
        visitor.Integer(("upperRulerFormat" + n).c_str(), f_.upperRulerFormat[i]);
        visitor.Integer(("upperRulerUnit" + n).c_str(), f_.upperRulerUnit[i]);
        visitor.Integer(("lowerRulerFormat" + n).c_str(), f_.lowerRulerFormat[i]);
        visitor.Integer(("lowerRulerUnit" + n).c_str(), f_.lowerRulerUnit[i]);
    }
    visitor.Boolean("useSystemHolidays", f_.useSystemHolidays);
    visitor.Boolean("displayColumns", f_.displayColumns);
    visitor.Integer("dataVersion", f_.dataVersion);
    visitor.Integer("availableVersion", f_.availableVersion);
    visitor.Integer("rowViewWidth", f_.rowViewWidth);
    visitor.Integer("columnViewWidth", f_.columnViewWidth);
    visitor.Text("styleDataKey", f_.styleDataKey);
    visitor.Colour("graphColor", f_.graphColor);
    visitor.Integer("graphHeight", f_.graphHeight);
}

}  // namespace qb
