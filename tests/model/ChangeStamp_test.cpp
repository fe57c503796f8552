#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CData.h"
#include "CSchedule.h"
#include "CScheduleArray.h"

namespace qb {
namespace {

// Undo copies are reused while an object keeps its stamp, so every way its
// own values can change must give it a new one.
TEST(ChangeStamp, EveryWayOfChangingAnObjectGivesANewStamp) {
    struct Case {
        const char* what;
        std::function<void(CSchedule&)> change;
    };
    CSchedule other(99);
    other.SetCaption("other");
    other.SetParam("_Tag", "other");
    const std::vector<Case> cases = {
        {"setter", [](CSchedule& s) { s.SetCaption("new"); }},
        {"common field", [](CSchedule& s) { s.SetDeleted(true); }},
        {"object id", [](CSchedule& s) { s.SetObjectId(5); }},
        {"CopyFrom", [&other](CSchedule& s) { s.CopyFrom(other); }},
        {"Assign", [&other](CSchedule& s) { s.Assign(other); }},
        {"SetProperties",
         [](CSchedule& s) {
             PropertyMap map = s.CollectProperties();
             map.Set("caption", "loaded");
             s.SetProperties(map);
         }},
        {"SetParam", [](CSchedule& s) { s.SetParam("_Tag", "y"); }},
        {"RemoveParam", [](CSchedule& s) { s.RemoveParam("_Tag"); }},
        {"SetParams", [](CSchedule& s) { s.SetParams(PropertyMap()); }},
        {"ClearParams", [](CSchedule& s) { s.ClearParams(); }},
        {"notification switch", [](CSchedule& s) { s.SetNotifyEnabled(true); }},
        {"a listener told by hand", [](CSchedule& s) { s.NotifyListeners(); }},
    };
    for (const Case& c : cases) {
        CSchedule schedule(1);
        schedule.SetCaption("old");
        schedule.SetParam("_Tag", "x");
        const std::uint64_t before = schedule.GetChangeStamp();
        c.change(schedule);
        EXPECT_NE(schedule.GetChangeStamp(), before) << c.what;
    }
}

TEST(ChangeStamp, SettingTheSameValueOrReadingKeepsTheStamp) {
    CSchedule schedule(1);
    schedule.SetCaption("same");
    const std::uint64_t before = schedule.GetChangeStamp();
    schedule.SetCaption("same");
    schedule.CollectProperties();
    schedule.GetParam("_Tag");
    EXPECT_EQ(schedule.GetChangeStamp(), before);
}

TEST(ChangeStamp, ACloneSharesTheStampUntilEitherChanges) {
    CSchedule schedule(1);
    schedule.SetCaption("shared");
    std::unique_ptr<CData> clone = schedule.Clone();
    EXPECT_EQ(clone->GetChangeStamp(), schedule.GetChangeStamp());

    static_cast<CSchedule&>(*clone).SetCaption("clone");
    EXPECT_NE(clone->GetChangeStamp(), schedule.GetChangeStamp());
    const std::uint64_t cloneStamp = clone->GetChangeStamp();
    schedule.SetCaption("original");
    EXPECT_NE(schedule.GetChangeStamp(), cloneStamp);
}

// A new object in place of an old one with the same id and values must not
// pass for it.
TEST(ChangeStamp, SeparatelyMadeObjectsNeverShareAStamp) {
    CSchedule first(7), second(7);
    EXPECT_NE(first.GetChangeStamp(), second.GetChangeStamp());
}

TEST(ChangeStamp, ArraySlotChangesGiveTheArrayANewStamp) {
    CScheduleArray schedules;
    std::uint64_t before = schedules.GetChangeStamp();
    schedules.SetSize(3);
    EXPECT_NE(schedules.GetChangeStamp(), before);
    before = schedules.GetChangeStamp();
    schedules.SetAt(1, std::make_unique<CSchedule>(2));
    EXPECT_NE(schedules.GetChangeStamp(), before);
    before = schedules.GetChangeStamp();
    schedules.DeleteAt(0);
    EXPECT_NE(schedules.GetChangeStamp(), before);
}

}  // namespace
}  // namespace qb
