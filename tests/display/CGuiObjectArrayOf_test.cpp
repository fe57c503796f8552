#include "CGuiObjectArrayOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qb {
namespace {

// Counts the objects alive, so that a test sees each one destroyed once.
class CountedObject : public CGuiObject {
public:
    explicit CountedObject(std::int32_t id) : CGuiObject(id) { ++alive; }
    ~CountedObject() override { --alive; }
    void Draw(IDrawContext&, const GuiDrawArgs&) override {}
    void CalcLayout(const ChartContext&) override {}
    CData* GetData() const override { return nullptr; }
    int GetObjectType() const override { return kSchedule; }

    static inline int alive = 0;
};

using CountedArray = CGuiObjectArrayOf<CountedObject>;

// Objects made in the reserved room, past it and given ready-made all keep
// their ids and places, and each is destroyed once, whichever way it lives.
TEST(CGuiObjectArrayOfTest, ObjectsInTheRoomPastItAndGivenAreKeptAndDestroyedOnce) {
    {
        CountedArray array;
        array.Reserve(3);
        for (std::int32_t id = 10; id < 15; ++id)
            array.Emplace(id);
        array.Add(std::make_unique<CountedObject>(15));
        ASSERT_EQ(array.Size(), 6u);
        EXPECT_EQ(CountedObject::alive, 6);
        for (std::size_t i = 0; i < array.Size(); ++i) {
            EXPECT_EQ(array.At(i)->GetObjectId(), static_cast<std::int32_t>(10 + i));
            EXPECT_EQ(array.At(i)->GetIndex(), static_cast<std::int32_t>(i));
        }
        // Those in the room lie side by side.
        EXPECT_EQ(array.At(1), array.At(0) + 1);
        EXPECT_EQ(array.At(2), array.At(0) + 2);
        EXPECT_EQ(array.FindById(14), array.Base(4));
        EXPECT_EQ(array.FindById(99), nullptr);
    }
    EXPECT_EQ(CountedObject::alive, 0);
}

// A rebuild of as many objects takes the same room again; a larger one gets
// a larger room, as the array is empty when it asks.
TEST(CGuiObjectArrayOfTest, ARebuildReusesTheRoomAndAReleaseGivesItBack) {
    CountedArray array;
    array.Reserve(4);
    const CountedObject* first = array.Emplace(1);
    array.Emplace(2);
    array.Clear();
    EXPECT_EQ(CountedObject::alive, 0);
    EXPECT_TRUE(array.Empty());
    array.Reserve(4);
    EXPECT_EQ(array.Emplace(3), first);
    EXPECT_EQ(array.At(0)->GetIndex(), 0);
    array.Emplace(4);
    array.Reserve(100);  // not empty: the objects stay where they are
    EXPECT_EQ(array.At(0), first);
    EXPECT_EQ(array.At(0)->GetObjectId(), 3);
    array.Clear();
    array.Reserve(8);
    for (std::int32_t id = 0; id < 8; ++id)
        array.Emplace(id);
    EXPECT_EQ(array.At(7), array.At(0) + 7);
    array.Release();
    EXPECT_EQ(CountedObject::alive, 0);
    array.Emplace(9);  // no room: on the heap
    EXPECT_EQ(CountedObject::alive, 1);
    array.Clear();
    EXPECT_EQ(CountedObject::alive, 0);
}

// A rebuild in place: kept objects stay where they were, replaced ones are
// made in the same place, objects past the last build are added, and what
// the new build does not reach is destroyed; each object at its position.
// A build larger than the room starts over in a larger one.
TEST(CGuiObjectArrayOfTest, ARebuildInPlaceKeepsReplacesAddsAndDropsByPosition) {
    CountedArray array;
    array.Reserve(5);
    for (std::int32_t id = 1; id <= 4; ++id)
        array.Emplace(id);
    const CountedObject* slot0 = array.At(0);
    const CountedObject* slot1 = array.At(1);
    const struct {
        std::vector<std::int32_t> ids;  // negative: keep the object there
        std::vector<std::int32_t> after;
    } builds[] = {
        {{-1, 20, -1, -1}, {1, 20, 3, 4}},
        {{-1, -1}, {1, 20}},
        {{-1, 21, 22, 23, 24}, {1, 21, 22, 23, 24}},
        {{}, {}},
    };
    for (const auto& build : builds) {
        array.StartRebuild(build.ids.size());
        for (const std::int32_t id : build.ids) {
            if (id < 0) {
                ASSERT_NE(array.Next(), nullptr);
                array.KeepNext();
            } else {
                array.Emplace(id);
            }
        }
        array.FinishRebuild();
        ASSERT_EQ(array.Size(), build.after.size());
        EXPECT_EQ(CountedObject::alive, static_cast<int>(build.after.size()));
        for (std::size_t i = 0; i < array.Size(); ++i) {
            EXPECT_EQ(array.At(i)->GetObjectId(), build.after[i]) << i;
            EXPECT_EQ(array.At(i)->GetIndex(), static_cast<std::int32_t>(i));
        }
        if (array.Size() >= 2) {
            EXPECT_EQ(array.At(0), slot0);
            EXPECT_EQ(array.At(1), slot1) << "a replaced object takes the same place";
        }
    }
    // After a rebuild the array fills as usual.
    array.Emplace(30);
    EXPECT_EQ(array.At(0), slot0);

    array.StartRebuild(8);
    EXPECT_EQ(array.Next(), nullptr);
    EXPECT_EQ(CountedObject::alive, 0);
    for (std::int32_t id = 0; id < 8; ++id)
        array.Emplace(id);
    array.FinishRebuild();
    EXPECT_EQ(array.Capacity(), 8u);
    EXPECT_EQ(array.At(7), array.At(0) + 7) << "all in the new room";
    array.Clear();
    EXPECT_EQ(CountedObject::alive, 0);
}

}  // namespace
}  // namespace qb
