#pragma once

#include "CData.h"

namespace qb {

// A holiday rule: a name, whether it forces a working day instead, and an
// optional validity period (null dates leave that side open). The concrete
// kinds say which days the rule matches.
class CHoliday : public CData {
public:
    int GetType() const override { return kHoliday; }
    std::unique_ptr<CData> Clone() const override = 0;
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    const std::string& GetName() const { return f_.name; }
    void SetName(std::string v) { SetField(f_.name, std::move(v)); }
    bool IsForceNotHoliday() const { return f_.forceNotHoliday; }
    void SetForceNotHoliday(bool v) { SetField(f_.forceNotHoliday, v); }
    const COleDateTime& GetStartDate() const { return f_.startDate; }
    void SetStartDate(const COleDateTime& v) { SetField(f_.startDate, v); }
    const COleDateTime& GetEndDate() const { return f_.endDate; }
    void SetEndDate(const COleDateTime& v) { SetField(f_.endDate, v); }

protected:
    explicit CHoliday(std::int32_t objectId = 0) : CData(objectId) {}

private:
    struct Fields {
        std::string name;
        COleDateTime startDate = COleDateTime::Null();
        COleDateTime endDate = COleDateTime::Null();
        bool forceNotHoliday = false;
    };
    Fields f_;
};

}  // namespace qb
