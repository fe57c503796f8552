#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "CColumnArray.h"
#include "CData.h"
#include "CDrawPartArray.h"
#include "CHolidayArray.h"
#include "CLinkArray.h"
#include "CRowArray.h"
#include "CScheduleArray.h"

namespace qb {

class CMemo;

// One project document: its settings and the six arrays that own every
// object of it. Objects refer to each other by object id; ids come from
// lastObjectId and are never reused.
class CProject : public CData, public IPropertyChangeListener {
public:
    // The program's own data version, written into new and saved documents.
    static constexpr std::int32_t kCurrentVersion = 120;
    static constexpr int kRulerSettings = 3;

    explicit CProject(std::int32_t objectId = 0);
    ~CProject() override;

    int GetType() const override { return kProject; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    void OnPropertyChanged() override { NotifyListeners(); }

    CRowArray& GetRows() { return *rows_; }
    const CRowArray& GetRows() const { return *rows_; }
    CScheduleArray& GetSchedules() { return *schedules_; }
    const CScheduleArray& GetSchedules() const { return *schedules_; }
    CLinkArray& GetLinks() { return *links_; }
    const CLinkArray& GetLinks() const { return *links_; }
    CDrawPartArray& GetDrawParts() { return *drawParts_; }
    const CDrawPartArray& GetDrawParts() const { return *drawParts_; }
    CColumnArray& GetColumns() { return *columns_; }
    const CColumnArray& GetColumns() const { return *columns_; }
    CHolidayArray& GetHolidays() { return *holidays_; }
    const CHolidayArray& GetHolidays() const { return *holidays_; }

    // Hands out the next object id (post-increment of lastObjectId).
    std::int32_t NewObjectId();

    // Lookups by object id; each returns the first match, deleted or not.
    CRow* FindRow(std::int32_t id) const;  // depth-first through the tree
    CSchedule* FindSchedule(std::int32_t id) const;
    CLink* FindLink(std::int32_t id) const;
    CDrawPart* FindDrawPart(std::int32_t id) const;
    CColumn* FindColumn(std::int32_t id) const;
    // Rows, then schedules, links, draw parts and columns.
    CData* FindObject(std::int32_t id) const;
    // Depth-first, a row before its children: the first row whose caption,
    // trimmed of blanks and with CR and LF removed, equals caption.
    CRow* FindRowByCaption(std::string_view caption) const;

    // Marks the document as written by this program version.
    void SetCurrentVersion();

    const std::string& GetTitle() const { return f_.title; }
    void SetTitle(std::string v) { SetField(f_.title, std::move(v)); }
    const std::string& GetReference() const { return f_.reference; }
    void SetReference(std::string v) { SetField(f_.reference, std::move(v)); }
    // 1 day, 2 month, 3 year units: which ruler setting applies.
    std::int32_t GetHorizontalUnit() const { return f_.horizontalUnit; }
    void SetHorizontalUnit(std::int32_t v) { SetField(f_.horizontalUnit, v); }
    // Passwords are held as 32 upper-case hex digits of their MD5; empty for none.
    const std::string& GetViewPassword() const { return f_.viewPassword; }
    void SetViewPassword(std::string v) { SetField(f_.viewPassword, std::move(v)); }
    const std::string& GetEditPassword() const { return f_.editPassword; }
    void SetEditPassword(std::string v) { SetField(f_.editPassword, std::move(v)); }
    const CFontInfo& GetDefaultFont() const { return f_.defaultFont; }
    void SetDefaultFont(const CFontInfo& v) { SetField(f_.defaultFont, v); }
    const CPenInfo& GetBorderLineCode() const { return f_.borderLineCode; }
    void SetBorderLineCode(const CPenInfo& v) { SetField(f_.borderLineCode, v); }
    const CPenInfo& GetHeaderContentLineCode() const { return f_.headerContentLineCode; }
    void SetHeaderContentLineCode(const CPenInfo& v) { SetField(f_.headerContentLineCode, v); }
    const CPenInfo& GetVertLineLCode() const { return f_.vertLineLCode; }
    void SetVertLineLCode(const CPenInfo& v) { SetField(f_.vertLineLCode, v); }
    const CPenInfo& GetVertLineSCode() const { return f_.vertLineSCode; }
    void SetVertLineSCode(const CPenInfo& v) { SetField(f_.vertLineSCode, v); }
    const std::string& GetColorRuleKey() const { return f_.colorRuleKey; }
    void SetColorRuleKey(std::string v) { SetField(f_.colorRuleKey, std::move(v)); }
    std::int32_t GetLastObjectId() const { return f_.lastObjectId; }
    void SetLastObjectId(std::int32_t v) { SetField(f_.lastObjectId, v); }
    bool IsShared() const { return f_.shared; }
    void SetShared(bool v) { SetField(f_.shared, v); }
    const COleDateTime& GetDisplayStartDate() const { return f_.displayStartDate; }
    void SetDisplayStartDate(const COleDateTime& v) { SetField(f_.displayStartDate, v); }
    const COleDateTime& GetDisplayEndDate() const { return f_.displayEndDate; }
    void SetDisplayEndDate(const COleDateTime& v) { SetField(f_.displayEndDate, v); }
    // Ruler rows per setting 1..3; a setting outside that range throws.
    std::int32_t GetUpperRulerFormat(int setting) const;
    void SetUpperRulerFormat(int setting, std::int32_t v);
    std::int32_t GetUpperRulerUnit(int setting) const;
    void SetUpperRulerUnit(int setting, std::int32_t v);
    std::int32_t GetLowerRulerFormat(int setting) const;
    void SetLowerRulerFormat(int setting, std::int32_t v);
    std::int32_t GetLowerRulerUnit(int setting) const;
    void SetLowerRulerUnit(int setting, std::int32_t v);
    bool IsUseSystemHolidays() const { return f_.useSystemHolidays; }
    void SetUseSystemHolidays(bool v) { SetField(f_.useSystemHolidays, v); }
    bool IsDisplayColumns() const { return f_.displayColumns; }
    void SetDisplayColumns(bool v) { SetField(f_.displayColumns, v); }
    std::int32_t GetDataVersion() const { return f_.dataVersion; }
    void SetDataVersion(std::int32_t v) { SetField(f_.dataVersion, v); }
    std::int32_t GetAvailableVersion() const { return f_.availableVersion; }
    void SetAvailableVersion(std::int32_t v) { SetField(f_.availableVersion, v); }
    std::int32_t GetRowViewWidth() const { return f_.rowViewWidth; }
    void SetRowViewWidth(std::int32_t v) { SetField(f_.rowViewWidth, v); }
    std::int32_t GetColumnViewWidth() const { return f_.columnViewWidth; }
    void SetColumnViewWidth(std::int32_t v) { SetField(f_.columnViewWidth, v); }
    const std::string& GetStyleDataKey() const { return f_.styleDataKey; }
    void SetStyleDataKey(std::string v) { SetField(f_.styleDataKey, std::move(v)); }
    ColorRef GetGraphColor() const { return f_.graphColor; }
    void SetGraphColor(ColorRef v) { SetField(f_.graphColor, v); }
    std::int32_t GetGraphHeight() const { return f_.graphHeight; }
    void SetGraphHeight(std::int32_t v) { SetField(f_.graphHeight, v); }

private:
    using RulerValues = std::array<std::int32_t, kRulerSettings>;
    static std::size_t RulerIndex(int setting);

    struct Fields {
        std::string title;
        std::string reference;
        std::string viewPassword;
        std::string editPassword;
        std::string colorRuleKey;
        std::string styleDataKey;
        CFontInfo defaultFont{CFontInfo::DefaultFace(), CFontInfo::kDefaultSize, 0, true};
        CPenInfo borderLineCode;
        CPenInfo headerContentLineCode;
        CPenInfo vertLineLCode;
        CPenInfo vertLineSCode;
        COleDateTime displayStartDate = COleDateTime::Null();
        COleDateTime displayEndDate = COleDateTime::Null();
        RulerValues upperRulerFormat{};
        RulerValues upperRulerUnit{};
        RulerValues lowerRulerFormat{};
        RulerValues lowerRulerUnit{};
        ColorRef graphColor = kWhite;
        std::int32_t horizontalUnit = 0;
        std::int32_t lastObjectId = 0;
        std::int32_t dataVersion = kCurrentVersion;
        std::int32_t availableVersion = kCurrentVersion;
        std::int32_t rowViewWidth = 100;
        std::int32_t columnViewWidth = 100;
        std::int32_t graphHeight = 0;
        bool shared = false;
        bool useSystemHolidays = true;
        bool displayColumns = true;
    };
    Fields f_;
    std::unique_ptr<CRowArray> rows_;
    std::unique_ptr<CScheduleArray> schedules_;
    std::unique_ptr<CLinkArray> links_;
    std::unique_ptr<CDrawPartArray> drawParts_;
    std::unique_ptr<CColumnArray> columns_;
    std::unique_ptr<CHolidayArray> holidays_;
};

}  // namespace qb
