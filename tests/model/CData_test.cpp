#include "CData.h"

#include <gtest/gtest.h>

#include <vector>

#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"

namespace qb {
namespace {

// Records every call, so order and count can be checked.
class RecordingListener : public IPropertyChangeListener {
public:
    RecordingListener(std::vector<int>* log, int tag) : log_(log), tag_(tag) {}
    void OnPropertyChanged() override { log_->push_back(tag_); }

private:
    std::vector<int>* log_;
    int tag_;
};

TEST(CData, SettersNotifyOnlyOnAnEffectiveChangeAndOnlyWhenEnabled) {
    std::vector<int> log;
    RecordingListener first(&log, 1), second(&log, 2);
    CSchedule schedule;
    schedule.AddListener(&first);
    schedule.AddListener(&second);

    schedule.SetCaption("quiet");  // notifications are off
    EXPECT_TRUE(log.empty());

    schedule.SetNotifyEnabled(true);
    schedule.SetCaption("quiet");  // same value
    EXPECT_TRUE(log.empty());
    schedule.SetCaption("loud");
    EXPECT_EQ(log, (std::vector<int>{1, 2}));

    log.clear();
    schedule.SetEdgePen(CPenInfo());
    schedule.SetTextFont(CFontInfo("other face", 99, 0, false));  // still "not set"
    EXPECT_TRUE(log.empty());
    schedule.SetStartDate(COleDateTime::Invalid());
    schedule.SetStartDate(COleDateTime::Invalid());
    EXPECT_EQ(log.size(), 4u) << "an invalid date is never equal to another";

    // Params notify when set (two listeners, two calls each), not when removed.
    schedule.SetParamInt("_BackColor", 255);
    schedule.SetParamBool("flag", true);
    EXPECT_EQ(log.size(), 8u);
    schedule.RemoveParam("flag");
    EXPECT_EQ(log.size(), 8u);
    EXPECT_EQ(schedule.GetParamInt("_BackColor", 7), 255);
    EXPECT_EQ(schedule.GetParamInt("missing", 7), 7);
    EXPECT_FALSE(schedule.GetParamBool("flag", false));
    EXPECT_EQ(schedule.GetParam("missing", "fallback"), "fallback");
    schedule.SetParam("_c3", "");
    EXPECT_EQ(schedule.GetParamInt("_c3", 7), 7) << "an empty value reads as the default";
}

// Alignments outside 0 to 2 become 0 on loading.
TEST(CData, SetPropertiesLoadsMissingNamesAsTypeDefaultsNotConstructorValues) {
    CSchedule schedule;
    schedule.SetDeleted(true);
    schedule.SetLastModified(COleDateTime(2020, 5, 1, 0, 0, 0));
    PropertyMap map;
    map.Set("caption", "from the map");
    map.Set("captionVAlign", "5");
    map.Set("captionHAlign", "2");
    schedule.SetProperties(map);

    EXPECT_FALSE(schedule.IsDeleted());
    EXPECT_TRUE(schedule.GetLastModified().IsNull());
    EXPECT_EQ(schedule.GetCaption(), "from the map");
    EXPECT_EQ(schedule.GetWeight(), 0) << "the default of an integer is 0, not 1";
    EXPECT_EQ(schedule.GetBgColor(), 0u);
    EXPECT_TRUE(schedule.GetStartDate().IsNull());
    EXPECT_EQ(schedule.GetCaptionVAlign(), 0);
    EXPECT_EQ(schedule.GetCaptionHAlign(), 2);
}

TEST(CData, GetPropertiesWritesEveryTypedFieldAndKeepsForeignNames) {
    CMemo memo(7);
    memo.SetProperty("somethingElse", "kept", false);
    PropertyMap out;
    memo.GetProperties(out);
    EXPECT_EQ(out.Get("objectId"), "7");
    EXPECT_EQ(out.Get("text"), "");
    EXPECT_TRUE(out.Contains("text")) << "empty text is written too";
    EXPECT_EQ(out.Get("somethingElse"), "kept");
    EXPECT_EQ(out, memo.CollectProperties());
}

TEST(CData, AssignCopiesFieldsAndParamsButNotListenersOrProperties) {
    std::vector<int> log;
    RecordingListener listener(&log, 1);
    CSchedule source(5);
    source.SetCaption("bar");
    source.SetParam("_tooltip", "tip");
    source.SetRegistrant("yamada");
    source.SetProperty("stale", "x", false);
    source.AddListener(&listener);
    source.SetNotifyEnabled(true);

    CSchedule target(9);
    target.SetParam("old", "gone");
    ASSERT_TRUE(target.Assign(source));
    EXPECT_EQ(target.GetObjectId(), 5);
    EXPECT_EQ(target.GetCaption(), "bar");
    EXPECT_EQ(target.GetRegistrant(), "yamada");
    EXPECT_EQ(target.GetParam("_tooltip"), "tip");
    EXPECT_FALSE(target.HasParam("old"));
    EXPECT_EQ(target.GetProperty("stale"), "");
    EXPECT_EQ(target.GetListenerCount(), 0);
    EXPECT_TRUE(target.IsNotifyEnabled()) << "the notify switch travels with the fields";
    EXPECT_FALSE(target.Assign(CRow(3))) << "another type is refused";
    EXPECT_EQ(target.GetObjectId(), 5);
}

TEST(CData, CloneGivesAnIndependentObjectOfTheSameClass) {
    CMemo memo(11);
    memo.SetText("note");
    memo.SetParam("p", "v");
    std::unique_ptr<CData> copy = memo.Clone();
    ASSERT_EQ(copy->GetType(), CData::kMemo);
    auto& cloned = static_cast<CMemo&>(*copy);
    memo.SetText("changed");
    EXPECT_EQ(cloned.GetText(), "note");
    EXPECT_EQ(cloned.GetObjectId(), 11);
    EXPECT_EQ(cloned.GetParam("p"), "v");
}

// Listeners beyond the first and both maps share one side block; taking any
// of them away must leave the others as they were.
TEST(CData, ListenersAndMapsKeepTheirOrderAndContentsWhateverIsTakenAway) {
    std::vector<int> log;
    RecordingListener first(&log, 1), second(&log, 2), third(&log, 3);
    CSchedule schedule;
    schedule.SetNotifyEnabled(true);
    for (RecordingListener* listener : {&first, &second, &third})
        schedule.AddListener(listener);
    schedule.AddListener(nullptr);
    schedule.SetParam("_p", "v");
    EXPECT_EQ(log, (std::vector<int>{1, 2, 3}));

    schedule.RemoveListener(&first);  // the second moves up
    log.clear();
    schedule.SetCaption("a");
    EXPECT_EQ(log, (std::vector<int>{2, 3}));
    schedule.RemoveListener(&third);
    schedule.RemoveListener(&second);
    EXPECT_EQ(schedule.GetListenerCount(), 0);
    EXPECT_EQ(schedule.GetParam("_p"), "v");

    // A map exists from its first use on, also while empty.
    EXPECT_EQ(schedule.PropertyMapOrNull(), nullptr);
    schedule.SetProperties(PropertyMap());
    ASSERT_NE(schedule.PropertyMapOrNull(), nullptr);
    schedule.RemoveParam("_p");
    EXPECT_EQ(schedule.ParamMapOrNull(), nullptr);
    schedule.AddListener(&first);
    schedule.AddListener(&second);
    schedule.RemoveListener(&second);
    EXPECT_NE(schedule.PropertyMapOrNull(), nullptr);
    EXPECT_EQ(schedule.GetListenerCount(), 1);
}

// The only listener lives in the object's own word; it moves into the side
// block while one is needed and back out when the block goes.
TEST(CData, TheOnlyListenerStaysThroughTheSideBlockComingAndGoing) {
    std::vector<int> log;
    RecordingListener first(&log, 1), second(&log, 2);
    CSchedule schedule;
    schedule.SetNotifyEnabled(true);
    schedule.AddListener(&first);
    schedule.SetParam("_p", "v");
    schedule.RemoveParam("_p");
    EXPECT_EQ(schedule.ParamMapOrNull(), nullptr);
    schedule.SetCaption("a");
    EXPECT_EQ(log, (std::vector<int>{1, 1}));
    EXPECT_EQ(schedule.GetListenerCount(), 1);

    schedule.AddListener(&second);
    schedule.RemoveListener(&first);
    schedule.SetCaption("b");
    EXPECT_EQ(log, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(schedule.GetListenerCount(), 1);
    schedule.RemoveListener(&second);
    schedule.SetCaption("c");
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(schedule.GetListenerCount(), 0);
}

// A listener that lets go of the object while being told of a change.
class LeavingListener : public IPropertyChangeListener {
public:
    explicit LeavingListener(CData& object) : object_(object) {}
    void OnPropertyChanged() override {
        ++calls;
        object_.RemoveListener(this);
    }
    int calls = 0;

private:
    CData& object_;
};

TEST(CData, AListenerMayLeaveWhileItIsCalled) {
    CRow row;
    row.SetNotifyEnabled(true);
    LeavingListener a(row), b(row);
    row.AddListener(&a);
    row.AddListener(&b);
    row.SetCaption("x");
    row.SetCaption("y");
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(row.GetListenerCount(), 0);
}

}  // namespace
}  // namespace qb
