#include "GuiYIndex.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CGuiObject.h"

namespace qb {
namespace {

class Box : public CGuiObject {
public:
    explicit Box(GuiRect rect) { SetRect(rect); }
    void Draw(IDrawContext&, const GuiDrawArgs&) override {}
    void CalcLayout(const ChartContext&) override {}
    CData* GetData() const override { return nullptr; }
    int GetObjectType() const override { return kMemo; }
};

std::vector<CGuiObject*> Found(const GuiYIndex& index, DrawRect area, int margin) {
    std::vector<CGuiObject*> found;
    index.ForEachOverlapping(area, margin, [&](CGuiObject& object) { found.push_back(&object); });
    return found;
}

TEST(GuiYIndex, FindsObjectsOverlappingTheAreaIncludingTallOnesStartingAbove) {
    Box tall(GuiRect{0, 0, 10, 500});
    Box early(GuiRect{0, 100, 10, 120});
    Box inside(GuiRect{0, 300, 10, 320});
    Box right(GuiRect{900, 300, 950, 320});
    Box late(GuiRect{0, 600, 10, 620});
    Box unplaced(GuiRect{});
    GuiYIndex index;
    index.Build({&late, &inside, &tall, &early, &right, &unplaced});
    EXPECT_EQ(index.Size(), 5u);
    EXPECT_EQ(Found(index, DrawRect{0, 250, 400, 400}, 0),
              (std::vector<CGuiObject*>{&tall, &inside}));
    // The margin widens every object, so near misses count.
    EXPECT_EQ(Found(index, DrawRect{0, 125, 400, 130}, 10),
              (std::vector<CGuiObject*>{&tall, &early}));
    EXPECT_TRUE(Found(index, DrawRect{0, 700, 400, 800}, 0).empty());
}

}  // namespace
}  // namespace qb
