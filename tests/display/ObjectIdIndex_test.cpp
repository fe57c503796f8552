#include "ObjectIdIndex.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "CGuiObject.h"

namespace qb {
namespace {

// Objects stand in by address only: the index never touches them.
CGuiObject* Object(std::uintptr_t n) {
    return reinterpret_cast<CGuiObject*>(n * 16);
}

// Dense ids fill a table, scattered ones a hash map; both must answer alike,
// also when a later batch reaches below the first one.
TEST(ObjectIdIndex, FindsEveryBatchAndKeepsTheFirstObjectOfAnId) {
    for (const std::int32_t step : {1, 1000000}) {
        ObjectIdIndex index;
        index.Add(10 * step, Object(1), CGuiObject::kRow);
        index.Add(11 * step, Object(2), CGuiObject::kRow);
        index.Seal();
        index.Add(5 * step, Object(3), CGuiObject::kSchedule);
        index.Add(11 * step, Object(4), CGuiObject::kSchedule);
        index.Seal();
        EXPECT_EQ(index.Find(10 * step), Object(1)) << step;
        EXPECT_EQ(index.Find(5 * step), Object(3)) << step;
        EXPECT_EQ(index.Find(11 * step), Object(2)) << step << ": the first one keeps its id";
        EXPECT_EQ(index.Find(11 * step, CGuiObject::kSchedule), nullptr) << step;
        EXPECT_EQ(index.Find(5 * step, CGuiObject::kSchedule), Object(3)) << step;
        EXPECT_EQ(index.Find(6 * step), nullptr) << step;
        EXPECT_EQ(index.Find(-1), nullptr) << step;
        EXPECT_EQ(index.Find(12 * step), nullptr) << step;
        index.Clear();
        EXPECT_EQ(index.Find(10 * step), nullptr) << step;
    }
}

// A table set up for the expected ids takes them at once; ids outside it,
// and a span too wide for a table, still find their objects, the first of an
// id keeping it either way, and each object comes with its data.
TEST(ObjectIdIndex, AnExpectedSpanTakesItsIdsAndOthersStillFindTheirObjects) {
    const auto* data = reinterpret_cast<const CData*>(Object(7));
    for (const std::int64_t high : {std::int64_t{100}, std::int64_t{1} << 40}) {
        ObjectIdIndex index;
        index.Expect(0, high, 10);
        index.Add(5, Object(1), CGuiObject::kRow, data);
        index.Add(5, Object(2), CGuiObject::kSchedule);
        index.Add(-3, Object(3), CGuiObject::kRow);
        index.Add(5000, Object(4), CGuiObject::kMemo);
        index.Seal();
        const CData* found = nullptr;
        EXPECT_EQ(index.Find(5, CGuiObject::kRow, found), Object(1)) << high;
        EXPECT_EQ(found, data) << high;
        EXPECT_EQ(index.Find(5, CGuiObject::kSchedule, found), nullptr) << high;
        EXPECT_EQ(index.Find(-3), Object(3)) << high;
        EXPECT_EQ(index.Find(5000, CGuiObject::kMemo), Object(4)) << high;
        EXPECT_EQ(index.Find(6), nullptr) << high;
    }
}

}  // namespace
}  // namespace qb
