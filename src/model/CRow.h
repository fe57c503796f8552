#pragma once

#include <memory>

#include "CData.h"

namespace qb {

class CRowArray;

// One row of the row tree. A row owns the array of its child rows and knows
// the array that holds it, so it can give its index and reach its parent.
// Most rows never have children: their array is made when first asked for
// to change it, and until then reading finds one empty array shared by all.
class CRow : public CData, public IPropertyChangeListener {
public:
    explicit CRow(std::int32_t objectId = 0);
    ~CRow() override;

    int GetType() const override { return kRow; }
    std::unique_ptr<CData> Clone() const override { return CloneAs(*this); }
    void CopyFrom(const CData& source) override;
    void VisitProperties(PropertyVisitor& visitor) override;
    void OnPropertyChanged() override;

    // Makes the array on first use; read through a const row where nothing
    // is to change, so that childless rows stay without one.
    CRowArray& GetChildren();
    const CRowArray& GetChildren() const;
    // The array holding this row, or null while it is in none.
    CRowArray* GetHolder() const { return holder_; }
    // The owner row of the holding array; null for a top-level row.
    CRow* GetParentRow() const;
    // Position in the holding array, or -1.
    int GetIndex() const;

    const std::string& GetCaption() const { return f_.caption; }
    void SetCaption(std::string v) { SetField(f_.caption, std::move(v)); }
    const CFontInfo& GetTextFont() const { return f_.textFont; }
    void SetTextFont(const CFontInfo& v) { SetField(f_.textFont, v); }
    ColorRef GetTextColor() const { return f_.textColor; }
    void SetTextColor(ColorRef v) { SetField(f_.textColor, v); }
    bool IsAllowedOverlap() const { return f_.allowedOverlap; }
    void SetAllowedOverlap(bool v) { SetField(f_.allowedOverlap, v); }
    std::int32_t GetHeight() const { return f_.height; }
    void SetHeight(std::int32_t v) { SetField(f_.height, v); }
    std::int32_t GetWidth() const { return f_.width; }
    void SetWidth(std::int32_t v) { SetField(f_.width, v); }
    const CPenInfo& GetRightLinePen() const { return f_.rightLinePen; }
    void SetRightLinePen(const CPenInfo& v) { SetField(f_.rightLinePen, v); }
    const CPenInfo& GetBottomLinePen() const { return f_.bottomLinePen; }
    void SetBottomLinePen(const CPenInfo& v) { SetField(f_.bottomLinePen, v); }
    std::string_view GetReference() const { return f_.reference.View(); }
    void SetReference(std::string_view v) { SetField(f_.reference, v); }

private:
    friend class CRowArray;

    // The font leaves a few bytes unused at its end; marked
    // no_unique_address, it lets the small members after it live there.
    struct Fields {
        std::string caption;
        CompactText reference;
        [[no_unique_address]] CFontInfo textFont;
        bool allowedOverlap = false;
        ColorRef textColor = kBlack;
        CPenInfo rightLinePen;
        CPenInfo bottomLinePen;
        std::int32_t height = 32;
        std::int32_t width = 64;
    };
    Fields f_;
    std::unique_ptr<CRowArray> children_;
    CRowArray* holder_ = nullptr;
};

}  // namespace qb
