#include "CDataArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "CProject.h"
#include "CScheduleArray.h"

namespace qb {
namespace {

class CountingListener : public IPropertyChangeListener {
public:
    void OnPropertyChanged() override { ++calls; }
    int calls = 0;
};

std::unique_ptr<CSchedule> MakeSchedule(std::int32_t id, const std::string& caption = {}) {
    auto schedule = std::make_unique<CSchedule>(id);
    schedule->SetCaption(caption);
    return schedule;
}

void Fill(CScheduleArray& array, int count) {
    for (int i = 0; i < count; ++i)
        array.Add(MakeSchedule(i, "s" + std::to_string(i)));
}

// Elements are assigned in place, pair by pair; the surplus is trimmed and
// missing ones are cloned, each clone reporting to its new array.
TEST(CDataArray, AssignElementsPairsByPositionTrimsTheSurplusAndClonesTheRest) {
    CScheduleArray two;
    Fill(two, 2);
    two.At(0)->SetCaption("first");
    CScheduleArray target;
    Fill(target, 5);
    CSchedule* keptFirst = target.At(0);
    ASSERT_TRUE(target.AssignElements(two));
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_EQ(target.At(0), keptFirst) << "assigned in place, identity kept";
    EXPECT_EQ(target.At(0)->GetCaption(), "first");

    CScheduleArray four;
    Fill(four, 4);
    ASSERT_TRUE(target.AssignElements(four));
    ASSERT_EQ(target.GetCount(), 4);
    EXPECT_NE(target.At(3), four.At(3));
    EXPECT_EQ(target.At(3)->GetCaption(), "s3");
    EXPECT_EQ(target.At(3)->GetListenerCount(), 1);

    CRowArray rows;
    EXPECT_FALSE(target.AssignElements(rows)) << "an array of another type is refused";
    EXPECT_EQ(target.GetCount(), 4);
}

// The display rebuilds on this notice; an array that shrank silently would
// keep showing rows and bars that are gone.
TEST(CDataArray, AssignElementsThatRemovesElementsNotifiesTheListeners) {
    CScheduleArray source;
    Fill(source, 2);
    // The array takes the source's notify switch with the rest of its fields.
    source.SetNotifyEnabled(true);
    CScheduleArray target;
    Fill(target, 5);
    CountingListener listener;
    target.AddListener(&listener);
    ASSERT_TRUE(target.AssignElements(source));
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_GT(listener.calls, 0);
}

TEST(CDataArray, LiveCountSkipsDeletedElementsAndEmptySlots) {
    CScheduleArray array;
    Fill(array, 3);
    for (int i = 0; i < 3; ++i)
        array.At(i)->SetDeleted(true);
    EXPECT_EQ(array.GetCount(true), 0);
    EXPECT_EQ(array.GetCount(false), 3);
    array.SetSize(5);
    EXPECT_EQ(array.GetCount(false), 5);
    EXPECT_EQ(array.GetAt(4), nullptr);
    array.At(0)->SetDeleted(false);
    EXPECT_EQ(array.GetCount(true), 1);
}

TEST(CDataArray, IndexOutsideTheArrayOrAnElementOfAnotherClassThrowsAndChangesNothing) {
    CScheduleArray array;
    Fill(array, 2);
    EXPECT_THROW(array.GetAt(2), std::invalid_argument);
    EXPECT_THROW(array.GetAt(-1), std::invalid_argument);
    EXPECT_THROW(array.DeleteAt(2), std::invalid_argument);
    EXPECT_THROW(array.SetAt(2, MakeSchedule(9)), std::invalid_argument);
    EXPECT_THROW(array.InsertAt(3, MakeSchedule(9)), std::invalid_argument);
    EXPECT_THROW(array.Add(std::make_unique<CRow>()), std::invalid_argument);
    EXPECT_EQ(array.GetCount(), 2);
    array.InsertAt(2, MakeSchedule(9));  // one past the end appends
    EXPECT_EQ(array.At(2)->GetObjectId(), 9);
}

TEST(CDataArray, ChangesPassUpwardsThroughArraysRowsAndTheProject) {
    CProject project;
    CountingListener listener;
    project.AddListener(&listener);
    auto parent = std::make_unique<CRow>(1);
    CRow* parentRow = parent.get();
    project.GetRows().Add(std::move(parent));
    parentRow->GetChildren().Add(std::make_unique<CRow>(2));
    CRow* child = parentRow->GetChildren().At(0);

    for (CData* object : std::initializer_list<CData*>{&project, &project.GetRows(), parentRow,
                                                       &parentRow->GetChildren(), child}) {
        object->SetNotifyEnabled(true);
    }
    child->SetCaption("deep change");
    EXPECT_EQ(listener.calls, 1);
    project.GetSchedules().SetNotifyEnabled(true);
    project.GetSchedules().Add(MakeSchedule(3));
    EXPECT_EQ(listener.calls, 2);
}

// Most rows never have children: a row makes its child array when asked for
// it to change it; until then a const row reads one empty array shared by all.
TEST(CDataArray, ARowMakesItsChildArrayOnlyWhenAskedForOneToChange) {
    CRow row(1), other(2);
    const CRowArray& none = std::as_const(row).GetChildren();
    EXPECT_EQ(none.GetCount(), 0);
    EXPECT_EQ(&std::as_const(other).GetChildren(), &none);

    CRowArray& own = row.GetChildren();
    EXPECT_NE(&own, &none);
    EXPECT_EQ(&std::as_const(row).GetChildren(), &own);
    EXPECT_EQ(own.GetOwner(), &row);
    own.Add(std::make_unique<CRow>(3));
    EXPECT_EQ(own.At(0)->GetParentRow(), &row);
    EXPECT_EQ(none.GetCount(), 0);
    EXPECT_EQ(&std::as_const(other).GetChildren(), &none);
}

TEST(CDataArray, AnElementTakenOutNoLongerReportsToTheArray) {
    std::unique_ptr<CData> taken;
    CountingListener listener;
    {
        CScheduleArray array;
        Fill(array, 2);
        array.SetNotifyEnabled(true);
        array.AddListener(&listener);
        taken = array.RemoveAt(0);
        EXPECT_EQ(listener.calls, 1);
        EXPECT_EQ(taken->GetListenerCount(), 0);
        std::unique_ptr<CData> replaced = array.SetAt(0, MakeSchedule(7));
        EXPECT_EQ(replaced->GetListenerCount(), 0);
    }
    // The array is gone; changing the element must not reach it.
    taken->SetNotifyEnabled(true);
    static_cast<CSchedule&>(*taken).SetCaption("after");
    EXPECT_EQ(listener.calls, 2);
}

TEST(CDataArray, FindLooksForThatVeryObjectAndRemoveAllHandsEveryElementBack) {
    CScheduleArray array;
    Fill(array, 3);
    EXPECT_EQ(array.Find(array.At(2)), 2);
    CSchedule twin(2);
    EXPECT_EQ(array.Find(&twin), -1);
    EXPECT_EQ(array.Find(nullptr), -1);
    auto removed = array.RemoveAll();
    EXPECT_EQ(array.GetCount(), 0);
    ASSERT_EQ(removed.size(), 3u);
    EXPECT_EQ(static_cast<CSchedule&>(*removed[1]).GetCaption(), "s1");
}

}  // namespace
}  // namespace qb
