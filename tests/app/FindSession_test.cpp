#include "FindSession.h"

#include <string>
#include <vector>

#include "AppMessages.h"
#include "CDrawPartArray.h"
#include "CScheduleArray.h"
#include "FindCommands.h"
#include "ObjectFinder.h"
#include "RowsWindow.h"
#include "TextReplacer.h"

namespace qb {
namespace {

class FindSessionTest : public test::RowsTest {
protected:
    FindSession& Session() { return Handler().Find().Session(); }

    std::int32_t AddSchedule(std::int32_t row, const std::string& caption, int month, int day,
                             const std::string& remark = {}, int yOffset = 0) {
        auto schedule = std::make_unique<CSchedule>(Project().NewObjectId());
        schedule->SetRowObjectId(row);
        schedule->SetCaption(caption);
        schedule->SetRemark(remark);
        schedule->SetStartDate(COleDateTime(2024, month, day, 0, 0, 0));
        schedule->SetEndDate(COleDateTime(2024, month, day + 3, 0, 0, 0));
        schedule->SetYOffset(yOffset);
        const std::int32_t id = schedule->GetObjectId();
        Project().GetSchedules().Add(std::move(schedule));
        return id;
    }
    std::int32_t AddMemo(std::int32_t row, const std::string& text, int month, int day,
                         int yOffset = 0) {
        auto memo = std::make_unique<CMemo>(Project().NewObjectId());
        memo->SetYRowId(row);
        memo->SetText(text);
        memo->SetXDate(COleDateTime(2024, month, day, 0, 0, 0));
        memo->SetYOffset(yOffset);
        const std::int32_t id = memo->GetObjectId();
        Project().GetDrawParts().Add(std::move(memo));
        return id;
    }
    std::vector<std::int32_t> Found(const std::string& text) {
        Session().Search(text);
        std::vector<std::int32_t> ids;
        for (const FindEntry& entry : Session().Results())
            ids.push_back(entry.id);
        return ids;
    }
    const std::string& CaptionOf(std::int32_t id) {
        return static_cast<CSchedule*>(Project().FindObject(id))->GetCaption();
    }
};

TEST_F(FindSessionTest, ListsMatchingSchedulesOnceThenMemosWithTheirColumns) {
    const std::int32_t both = AddSchedule(b_, "基礎工事", 5, 10, "工事の備考");
    const std::int32_t remark = AddSchedule(c_, "内装", 5, 12, "工事メモ");
    const std::int32_t gone = AddSchedule(c_, "工事X", 5, 12);
    Project().FindObject(gone)->SetDeleted(true);
    AddSchedule(c_, "外構", 5, 14);
    const std::int32_t memo = AddMemo(a_, "工事の注意", 5, 20);
    Show();

    EXPECT_EQ(Found("工事"), (std::vector<std::int32_t>{both, remark, memo}));
    const std::vector<FindEntry>& entries = Session().Results();
    EXPECT_EQ(entries[0].text, "基礎工事");
    EXPECT_EQ(entries[0].state, "○");
    EXPECT_EQ(entries[0].x, "2024/5/10");
    EXPECT_EQ(entries[0].y, "B");
    EXPECT_EQ(entries[1].text, "内装");
    EXPECT_EQ(entries[2].text, "工事の注意");
    EXPECT_EQ(entries[2].x, "2024/5/20");
    EXPECT_EQ(entries[2].y, "A");

    Session().Options().remarks = false;
    EXPECT_EQ(Found("工事"), (std::vector<std::int32_t>{both, memo}));
    Session().Options().memos = false;
    Session().Options().captions = false;
    Session().Options().remarks = true;
    EXPECT_EQ(Found("工事"), (std::vector<std::int32_t>{both, remark}));
}

TEST_F(FindSessionTest, StateSaysWhetherTheChartShowsTheObjectAndOverflowKeepsHiddenOnes) {
    const std::int32_t shown = AddSchedule(b_, "足場 1", 5, 10);
    const std::int32_t folded = AddSchedule(a1_, "足場 2", 5, 10);
    const std::int32_t early = AddSchedule(b_, "足場 3", 4, 2);
    const std::int32_t below = AddSchedule(c_, "足場 4", 5, 10, {}, 25);
    const std::int32_t memoBelow = AddMemo(c_, "足場 5", 5, 10, 20);
    AddMemo(c_, "足場 6", 5, 10, 19);
    Project().SetDisplayStartDate(COleDateTime(2024, 5, 1, 0, 0, 0));
    Show();
    Model().SetFolded(a_, true);
    Scene().Relayout();

    Found("足場");
    std::vector<std::string> states;
    for (const FindEntry& entry : Session().Results())
        states.push_back(entry.state);
    EXPECT_EQ(states, (std::vector<std::string>{"○", "×", "表示期間外", "×", "○", "○"}));
    EXPECT_EQ(Session().Results()[0].id, shown);
    EXPECT_EQ(Session().Results()[1].id, folded);
    EXPECT_EQ(Session().Results()[2].id, early);

    Session().Options().overflowOnly = true;
    EXPECT_EQ(Found("足場"), (std::vector<std::int32_t>{below, memoBelow}));
}

TEST_F(FindSessionTest, JumpSelectsAndScrollsToAShownObjectOnly) {
    const std::int32_t shown = AddSchedule(c_, "配管", 6, 10);
    AddSchedule(a1_, "配管 隠れ", 5, 10);
    const std::int32_t memo = AddMemo(b_, "配管メモ", 5, 3);
    Show();
    Model().SetFolded(a_, true);
    Scene().Relayout();
    Found("配管");
    ASSERT_EQ(Session().Results().size(), 3u);

    EXPECT_TRUE(Session().Jump(0));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{shown});
    EXPECT_EQ(Scene().LeftDate().DatePart(), COleDateTime(2024, 6, 9, 0, 0, 0));
    EXPECT_FALSE(Session().Jump(1));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{shown});
    EXPECT_TRUE(Session().Jump(2));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{memo});
    EXPECT_EQ(Scene().LeftDate().DatePart(), COleDateTime(2024, 5, 2, 0, 0, 0));
    EXPECT_FALSE(prompt_.WasShown(173));

    // Another document: the list stays, but no entry can be jumped to.
    ASSERT_TRUE(Handler().Execute(cmd::kNew));
    Show();
    EXPECT_EQ(Session().Results().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        prompt_.Clear();
        EXPECT_FALSE(Session().Jump(i));
        EXPECT_TRUE(prompt_.WasShown(173));
    }
}

TEST_F(FindSessionTest, ReplaceAllIsOneStepUndoneAfterAskingByName) {
    const std::int32_t s1 = AddSchedule(b_, "ＡＢＣ工事", 5, 10, "abc");
    const std::int32_t s2 = AddSchedule(c_, "外構", 5, 10, "A B C");
    const std::int32_t memo = AddMemo(c_, "abc と Abc", 5, 10);
    Show();
    const std::string before = SavedContent();
    const std::size_t undos = Undos();
    Session().Options() = FindOptions{true, true, true, true, true, true, false};

    ASSERT_TRUE(Session().ReplaceAll("abc", "xyz"));
    EXPECT_EQ(CaptionOf(s1), "xyz工事");
    EXPECT_EQ(static_cast<CSchedule*>(Project().FindObject(s1))->GetRemark(), "xyz");
    EXPECT_EQ(static_cast<CSchedule*>(Project().FindObject(s2))->GetRemark(), "xyz");
    EXPECT_EQ(static_cast<CMemo*>(Project().FindObject(memo))->GetText(), "xyz と xyz");
    EXPECT_EQ(Undos(), undos + 1);
    EXPECT_TRUE(Session().Results().empty());
    EXPECT_EQ(prompt_.Shown().back().text, "3 個のオブジェクトを置換しました。");
    EXPECT_EQ(Model().FindObject(s1)->GetData(), Project().FindObject(s1));
    const std::string after = SavedContent();

    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Handler().Execute(cmd::kUndo));
    EXPECT_EQ(prompt_.Shown().back().text,
              "現在の元に戻す(Undo)対象の操作は、「置換」 です。よろしいですか？");
    EXPECT_EQ(SavedContent(), after);
    EXPECT_TRUE(Handler().Execute(cmd::kUndo));
    EXPECT_EQ(SavedContent(), before);

    // Nothing to replace leaves nothing to undo.
    prompt_.Clear();
    EXPECT_TRUE(Session().ReplaceAll("存在しない", "x"));
    EXPECT_EQ(Undos(), undos);
    EXPECT_EQ(prompt_.Shown().back().text, FindSession::kNothingReplaced.text);
}

TEST_F(FindSessionTest, ReplaceKeepsToTheChosenTextsAndRowsAndRefusesSharedMode) {
    const std::int32_t onRow = AddSchedule(b_, "鉄骨", 5, 10, "鉄骨");
    const std::int32_t below = AddSchedule(b_, "鉄骨", 5, 10, "鉄骨", 20);
    const std::int32_t memo = AddMemo(b_, "鉄骨", 5, 10);
    Show();
    Session().Options().remarks = false;
    Session().Options().memos = false;
    Session().Options().overflowOnly = true;
    ASSERT_TRUE(Session().ReplaceAll("鉄骨", "RC"));
    EXPECT_EQ(CaptionOf(onRow), "鉄骨");
    EXPECT_EQ(CaptionOf(below), "RC");
    EXPECT_EQ(static_cast<CSchedule*>(Project().FindObject(below))->GetRemark(), "鉄骨");
    EXPECT_EQ(static_cast<CMemo*>(Project().FindObject(memo))->GetText(), "鉄骨");

    prompt_.Clear();
    EXPECT_FALSE(Session().ReplaceAll("", "x"));
    EXPECT_EQ(prompt_.Shown().back().text, TextReplacer::kEmptySearch.text);

    EXPECT_TRUE(Enabled(cmd::kFind));
    EXPECT_TRUE(Enabled(cmd::kReplace));
    Project().SetShared(true);
    EXPECT_TRUE(Enabled(cmd::kFind));
    EXPECT_FALSE(Enabled(cmd::kReplace));
    EXPECT_FALSE(Session().ReplaceAll("鉄骨", "RC"));
    EXPECT_EQ(prompt_.Shown().back().text, TextReplacer::kSharedMode.text);
    EXPECT_EQ(CaptionOf(onRow), "鉄骨");
    Project().SetShared(false);

    EXPECT_TRUE(Handler().Execute(cmd::kReplace));
    EXPECT_TRUE(Handler().Execute(cmd::kFind));
    EXPECT_EQ(dialogs_.findModes, (std::vector<bool>{true, false}));
    prompt_.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(Handler().Execute(cmd::kClose));
    EXPECT_FALSE(Enabled(cmd::kFind));
    EXPECT_FALSE(Handler().Execute(cmd::kFind));
}

}  // namespace
}  // namespace qb
