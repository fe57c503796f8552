#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "DrawTypes.h"
#include "GuiRect.h"

namespace qb {

class CData;
class IDrawContext;
struct GuiDrawArgs;
struct ChartContext;

// The base of every display object: the on-screen mirror of one data object,
// laid out in chart pixels. Display objects are rebuilt from the data, never
// patched; they keep a pointer to their data object, which the project owns.
class CGuiObject {
public:
    enum ObjectType : int { kRow = 0, kColumn = 1, kSchedule = 2, kLink = 3, kMemo = 4 };
    // What part of an object a point grabs.
    enum Handle : int {
        kHandleNone = 0,
        kHandleBody = 1,
        kHandleTop = 2,
        kHandleStart = 3,  // left edge
        kHandleEnd = 4,    // right edge
        kHandleBottom = 5,
        kHandleTopLeft = 7,
        kHandleTopRight = 8,
        kHandleBottomLeft = 9,
        kHandleBottomRight = 10,
    };

    explicit CGuiObject(std::int32_t objectId = -1) : objectId_(objectId) {}
    virtual ~CGuiObject() = default;
    CGuiObject(const CGuiObject&) = delete;
    CGuiObject& operator=(const CGuiObject&) = delete;

    virtual void Draw(IDrawContext& dc, const GuiDrawArgs& args) = 0;
    // The selection marks around the hit rectangle.
    virtual void DrawSelection(IDrawContext& dc, const GuiDrawArgs& args);
    virtual void SetRect(const GuiRect& rect) { rect_ = rect; }
    // The rectangle from the data.
    virtual void CalcLayout(const ChartContext& chart) = 0;
    virtual void SetHidden(bool hidden) { hidden_ = hidden; }
    virtual bool IsHidden() const { return hidden_; }
    virtual bool HitTest(DrawPoint point) const;
    virtual GuiRect GetRect() const { return rect_; }
    // One of Handle; the base answers kHandleNone.
    virtual int HitTestHandle(DrawPoint point) const;
    virtual bool IsVisible() const { return !hidden_; }
    // Where a link attaches, for a horizontal and a vertical anchor position.
    virtual DrawPoint AnchorPoint(int horz, int vert) const;
    // Adds this object's id and those of the links attached to it.
    virtual void CollectLinked(std::vector<std::int32_t>& ids) const;
    virtual bool InDateRange(const COleDateTime& from, const COleDateTime& to) const;
    virtual CData* GetData() const = 0;
    virtual int GetObjectType() const = 0;
    virtual bool IsSelected() const { return selected_ != 0; }

    std::int32_t GetObjectId() const { return objectId_; }
    void SetSelected(bool selected) { selected_ = selected ? 1 : 0; }
    // Position in the array that holds the object; -1 until placed.
    std::int32_t GetIndex() const { return index_; }
    void SetIndex(std::int32_t index) { index_ = index; }

protected:
    // Back to the state of a new object, for one a rebuild keeps.
    void ResetViewState() {
        rect_ = GuiRect{};
        selected_ = 0;
        hidden_ = 0;
    }

    GuiRect rect_;

private:
    std::int32_t objectId_;
    std::uint8_t selected_ = 0;
    std::int32_t index_ = -1;
    std::uint8_t hidden_ = 0;
};

}  // namespace qb
