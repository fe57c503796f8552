#pragma once

#include "CData.h"

namespace qb {

// A connector between two objects (schedules or memos), named by object id.
class CLink : public CData {
public:
    explicit CLink(std::int32_t objectId = 0);

    int GetType() const override { return kLink; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;

    std::int32_t GetFromId() const { return f_.fromId; }
    void SetFromId(std::int32_t v) { SetField(f_.fromId, v); }
    std::int32_t GetFromHorzPosition() const { return f_.fromHorzPosition; }
    void SetFromHorzPosition(std::int32_t v);
    std::int32_t GetFromVertPosition() const { return f_.fromVertPosition; }
    void SetFromVertPosition(std::int32_t v);
    std::int32_t GetFromEndStyle() const { return f_.fromEndStyle; }
    void SetFromEndStyle(std::int32_t v) { SetField(f_.fromEndStyle, v); }
    std::int32_t GetToId() const { return f_.toId; }
    void SetToId(std::int32_t v) { SetField(f_.toId, v); }
    std::int32_t GetToHorzPosition() const { return f_.toHorzPosition; }
    void SetToHorzPosition(std::int32_t v);
    std::int32_t GetToVertPosition() const { return f_.toVertPosition; }
    void SetToVertPosition(std::int32_t v);
    std::int32_t GetToEndStyle() const { return f_.toEndStyle; }
    void SetToEndStyle(std::int32_t v) { SetField(f_.toEndStyle, v); }
    const CPenInfo& GetLinePen() const { return f_.linePen; }
    void SetLinePen(const CPenInfo& v) { SetField(f_.linePen, v); }

private:
    struct Fields {
        CPenInfo linePen;
        std::int32_t fromId = 0;
        std::int32_t fromEndStyle = 0;
        std::int32_t toId = 0;
        std::int32_t toEndStyle = 0;
        std::int8_t fromHorzPosition = 1;
        std::int8_t fromVertPosition = 1;
        std::int8_t toHorzPosition = 1;
        std::int8_t toVertPosition = 1;
    };
    Fields f_;
};

}  // namespace qb
