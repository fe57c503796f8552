#include "ClipboardCommands.h"

#include <string>
#include <vector>

#include "AppMessages.h"
#include "CDisplayModel.h"
#include "CDrawPartArray.h"
#include "CGuiObject.h"
#include "CGuiRow.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "DisplaySettings.h"
#include "DocumentCommands.h"
#include "MemoryClipboard.h"
#include "ObjectClipboardStream.h"
#include "RowClipboardStream.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using test::Date;

const char kNoneFit[] = "一番下の段よりはみ出るなどして、貼り付けできませんでした。";
const char kSomeDidNotFit[] =
    "一番下の段よりはみ出るなどして、貼り付けできなかったオブジェクトがあります。";
const char kCopyFailed[] = "コピーに失敗しました。";

// Rows P (child P1, folded) and Q, 20 pixels high; schedules a on P1 and b,
// c on Q; memos m and n on Q; a link b->c.
class ClipboardCommandsTest : public test::ChartTest {
protected:
    ClipboardCommandsTest() {
        p_ = AddRow(Project().GetRows(), "P");
        p1_ = AddRow(Project().FindRow(p_)->GetChildren(), "P1");
        q_ = AddRow(Project().GetRows(), "Q");
        a_ = AddSchedule(p1_, "a", 10);
        b_ = AddSchedule(q_, "b", 10);
        c_ = AddSchedule(q_, "c", 20);
        m_ = AddMemo(q_, "memo m", 0);
        n_ = AddMemo(q_, "memo n", 10);
        bc_ = Build().Link(b_, c_).GetObjectId();
        Show(600, 300);
        Model().SetFolded(p_, true);
        Scene().Relayout();
    }

    std::int32_t AddSchedule(std::int32_t row, const std::string& caption, int day) {
        return Build()
            .Schedule(row, Date(2024, 4, day), Date(2024, 4, day + 5), caption)
            .GetObjectId();
    }
    std::int32_t AddMemo(std::int32_t row, const std::string& text, int yOffset) {
        CMemo& memo = Build().Memo(row, Date(2024, 4, 25), text);
        memo.SetYOffset(yOffset);
        return memo.GetObjectId();
    }

    // The live schedules, memos and links, counted.
    int LiveObjects() {
        return Project().GetSchedules().GetCount(true) + Project().GetDrawParts().GetCount(true) +
               Project().GetLinks().GetCount(true);
    }
    std::vector<std::int32_t> Selection() { return SortedSelection(); }
    // The objects on the clipboard, read back.
    std::vector<ClipboardObject> Copied() {
        const auto block = Clipboard().Read(ObjectClipboardStream::kFormatName);
        if (!block)
            return {};
        auto objects = ObjectClipboardStream::Read(*block);
        return objects ? std::move(*objects) : std::vector<ClipboardObject>{};
    }
    bool LastShown(const std::string& text) {
        return !prompt_.Shown().empty() && prompt_.Shown().back().text == text;
    }
    int RowTop(std::int32_t row) { return Model().FindRow(row)->GetRect().top; }

    MemoryClipboard& Clipboard() { return clipboard_; }
    bool Undo() { return Handler().Documents().Undo(); }

    MemoryClipboard clipboard_;
    struct Register {
        Register(CStatus& status, IClipboard& clipboard) : services(status.Services()) {
            services.SetClipboard(&clipboard);
        }
        ~Register() { services.SetClipboard(nullptr); }
        AppServices& services;
    } register_{*status_, clipboard_};
    std::int32_t p_ = 0, p1_ = 0, q_ = 0, a_ = 0, b_ = 0, c_ = 0, m_ = 0, n_ = 0, bc_ = 0;
};

TEST_F(ClipboardCommandsTest, WhatEachStateOffers) {
    enum Content { kEmpty, kObjects, kRow };
    struct Case {
        const char* what;
        std::vector<std::int32_t*> selection;
        Content content;
        int mode;
        bool readOnly;
        bool copy, cut, paste, insertRow;
    };
    const Case cases[] = {
        {"nothing selected, empty",
         {},
         kEmpty,
         CStatus::kMonthView,
         false,
         false,
         false,
         false,
         false},
        {"a schedule", {&b_}, kEmpty, CStatus::kMonthView, false, true, true, false, false},
        {"a link alone", {&bc_}, kEmpty, CStatus::kDayView, false, true, true, false, false},
        {"objects on the clipboard",
         {},
         kObjects,
         CStatus::kYearView,
         false,
         false,
         false,
         true,
         false},
        {"a row and a row block", {&q_}, kRow, CStatus::kMonthView, false, true, true, true, true},
        {"a row and an objects block",
         {&q_},
         kObjects,
         CStatus::kMonthView,
         false,
         true,
         true,
         true,
         false},
        {"read-only", {&q_}, kRow, CStatus::kMonthView, true, true, false, false, false},
        {"project page", {&b_}, kObjects, CStatus::kProjectPage, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        std::vector<std::int32_t> ids;
        for (std::int32_t* id : c.selection)
            ids.push_back(*id);
        Select(ids);
        ClipboardContent content;
        if (c.content == kObjects)
            content.formats.emplace_back(ObjectClipboardStream::kFormatName, "x");
        if (c.content == kRow)
            content.formats.emplace_back(RowClipboardStream::kFormatName, "x");
        ASSERT_TRUE(Clipboard().Write(content));
        status_->SetViewMode(c.mode);
        status_->Doc().SetReadOnly(c.readOnly);
        EXPECT_EQ(Enabled(cmd::kCopy), c.copy) << c.what;
        EXPECT_EQ(Enabled(cmd::kCut), c.cut) << c.what;
        EXPECT_EQ(Enabled(cmd::kPaste), c.paste) << c.what;
        EXPECT_EQ(Enabled(cmd::kInsertCopiedRow), c.insertRow) << c.what;
    }
    status_->Doc().SetReadOnly(false);
    status_->SetViewMode(CStatus::kMonthView);
    // A name that differs in case is not ours.
    ClipboardContent other;
    other.formats.emplace_back("cf_quellbrandiren", "x");
    ASSERT_TRUE(Clipboard().Write(other));
    EXPECT_FALSE(Enabled(cmd::kPaste));
    EXPECT_FALSE(Handler().Execute(cmd::kPaste));
}

TEST_F(ClipboardCommandsTest, ALinkGoesAlongOnlyWithBothEnds) {
    Select({bc_, c_, b_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    std::vector<ClipboardObject> copied = Copied();
    ASSERT_EQ(copied.size(), 3u);
    // Schedules in the order of selection, then the link; each at its rectangle.
    EXPECT_EQ(copied[0].data->GetObjectId(), c_);
    EXPECT_EQ(copied[1].data->GetObjectId(), b_);
    EXPECT_EQ(copied[2].data->GetObjectId(), bc_);
    const GuiRect rect = Model().FindObject(c_)->GetRect();
    EXPECT_EQ(copied[0].position.x, rect.left);
    EXPECT_EQ(copied[0].position.y, rect.top);
    EXPECT_FALSE(Clipboard().Content().text);

    Select({b_, bc_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    copied = Copied();
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied[0].data->GetObjectId(), b_);
    // One schedule: its tooltip as text.
    ASSERT_TRUE(Clipboard().Content().text);
    EXPECT_NE(Clipboard().Content().text->find("b"), std::string::npos);
}

TEST_F(ClipboardCommandsTest, OneMemoIsAlsoTextTwoAreNot) {
    Select({m_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    EXPECT_EQ(Clipboard().Content().text, std::optional<std::string>("memo m"));
    Select({m_, n_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    EXPECT_EQ(Copied().size(), 2u);
    EXPECT_FALSE(Clipboard().Content().text);
}

TEST_F(ClipboardCommandsTest, CopyRefusals) {
    // a lies on the folded row: hidden.
    Select({a_, b_});
    EXPECT_FALSE(Handler().Execute(cmd::kCopy));
    EXPECT_NE(prompt_.Shown().back().text.find("非表示のオブジェクトも選択されているため"),
              std::string::npos);
    EXPECT_TRUE(Clipboard().Content().formats.empty());

    Select({b_});
    Clipboard().SetRefusing(true);
    EXPECT_FALSE(Handler().Execute(cmd::kCopy));
    EXPECT_TRUE(LastShown(kCopyFailed));
    // Cut copies first: nothing is deleted when the copy failed.
    EXPECT_FALSE(Handler().Execute(cmd::kCut));
    EXPECT_TRUE(LastShown(kCopyFailed));
    EXPECT_EQ(LiveObjects(), 6);
}

TEST_F(ClipboardCommandsTest, PastedObjectsTakeNewIdsKeepTheirLinkAndUndoAsOneStep) {
    Select({b_, c_, bc_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    const std::size_t undoBefore = status_->Undo().UndoCount();
    // 30 days later on the same row.
    const GuiRect rect = Model().FindObject(b_)->GetRect();
    window_.mouse = DrawPoint{rect.left + 300, rect.top};
    ASSERT_TRUE(Handler().Execute(cmd::kPaste));
    EXPECT_EQ(LiveObjects(), 9);
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore + 1);

    const std::vector<std::int32_t> selected = Selection();
    ASSERT_EQ(selected.size(), 3u);
    const auto* b2 = Project().FindSchedule(selected[0]);
    const auto* c2 = Project().FindSchedule(selected[1]);
    const auto* link = Project().FindLink(selected[2]);
    ASSERT_TRUE(b2 && c2 && link);
    for (std::int32_t id : selected)
        EXPECT_GT(id, bc_);
    EXPECT_EQ(link->GetFromId(), b2->GetObjectId());
    EXPECT_EQ(link->GetToId(), c2->GetObjectId());
    // 300 pixels are 30 days; c keeps its 10 days after b and both their length.
    EXPECT_EQ(b2->GetStartDate(), Date(2024, 5, 10));
    EXPECT_EQ(b2->GetEndDate(), Date(2024, 5, 15));
    EXPECT_EQ(c2->GetStartDate(), Date(2024, 5, 20));
    EXPECT_EQ(b2->GetRowObjectId(), q_);
    EXPECT_EQ(b2->GetYOffset(), Project().FindSchedule(b_)->GetYOffset());

    ASSERT_TRUE(Undo());
    EXPECT_EQ(LiveObjects(), 6);
}

TEST_F(ClipboardCommandsTest, ObjectsLandOnTheRowUnderTheirNewTop) {
    Select({m_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    // Without a mouse over the chart: the visible top-left corner, on P.
    window_.mouse.reset();
    ASSERT_TRUE(Handler().Execute(cmd::kPaste));
    const auto* memo = dynamic_cast<const CMemo*>(Project().FindDrawPart(Selection().at(0)));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->GetYRowId(), p_);
    EXPECT_EQ(memo->GetXDate(), Date(2024, 4, 1));
    EXPECT_EQ(memo->GetText(), "memo m");
}

TEST_F(ClipboardCommandsTest, ObjectsBelowTheLastRowAreLeftOut) {
    Select({m_, n_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    const int total = Scene().TotalHeight();
    const int gap = Model().FindObject(n_)->GetRect().top - Model().FindObject(m_)->GetRect().top;

    // Both fall below the last row.
    window_.mouse = DrawPoint{100, total + 5};
    EXPECT_FALSE(Handler().Execute(cmd::kPaste));
    EXPECT_TRUE(LastShown(kNoneFit));
    EXPECT_EQ(LiveObjects(), 6);

    // The first fits on the last row's last pixel, the second, below it, not.
    ASSERT_GT(gap, 0);
    window_.mouse = DrawPoint{100, total - 1};
    EXPECT_TRUE(Handler().Execute(cmd::kPaste));
    EXPECT_TRUE(LastShown(kSomeDidNotFit));
    EXPECT_EQ(LiveObjects(), 7);
}

TEST_F(ClipboardCommandsTest, PastingOntoASummaryRowAsksFirst) {
    Select({b_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    Scene().GetDisplaySettings().summary = true;
    Scene().Relayout();
    window_.mouse = DrawPoint{100, RowTop(p_) + 2};
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(Handler().Execute(cmd::kPaste));
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kQuestion);
    EXPECT_EQ(LiveObjects(), 6);
    prompt_.QueueAnswer(PromptAnswer::kOk);
    EXPECT_TRUE(Handler().Execute(cmd::kPaste));
    EXPECT_EQ(LiveObjects(), 7);
    // On an ordinary row nothing is asked.
    const std::size_t asked = prompt_.Shown().size();
    window_.mouse = DrawPoint{100, RowTop(q_) + 2};
    EXPECT_TRUE(Handler().Execute(cmd::kPaste));
    EXPECT_EQ(prompt_.Shown().size(), asked);
}

TEST_F(ClipboardCommandsTest, DataNotOfThisProgramIsRejectedWhole) {
    const std::string good = [&] {
        Select({b_, c_, bc_});
        EXPECT_TRUE(Handler().Execute(cmd::kCopy));
        return *Clipboard().Read(ObjectClipboardStream::kFormatName);
    }();
    const std::string blocks[] = {good.substr(0, good.size() / 2), "",
                                  std::string("\x05\0\0\0abcde", 9)};
    window_.mouse = DrawPoint{100, RowTop(q_)};
    for (const std::string& block : blocks) {
        ClipboardContent content;
        content.formats.emplace_back(ObjectClipboardStream::kFormatName, block);
        ASSERT_TRUE(Clipboard().Write(content));
        prompt_.Clear();
        EXPECT_FALSE(Handler().Execute(cmd::kPaste));
        EXPECT_EQ(prompt_.LastId(), messages::kClipboardReadFailed.id);
        EXPECT_EQ(LiveObjects(), 6);
    }
}

TEST_F(ClipboardCommandsTest, CutIsOneStep) {
    Select({b_, c_, bc_});
    const std::size_t undoBefore = status_->Undo().UndoCount();
    ASSERT_TRUE(Handler().Execute(cmd::kCut));
    EXPECT_EQ(Copied().size(), 3u);
    EXPECT_EQ(LiveObjects(), 3);
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore + 1);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(LiveObjects(), 6);
}

TEST_F(ClipboardCommandsTest, ACopiedRowIsInsertedWithItsContentsAsOneStep) {
    Select({q_});
    ASSERT_TRUE(Handler().Execute(cmd::kCopy));
    ASSERT_TRUE(Clipboard().HasFormat(RowClipboardStream::kFormatName));
    EXPECT_FALSE(Clipboard().HasFormat(ObjectClipboardStream::kFormatName));
    const int rows = Project().GetRows().GetCount(true);
    const std::size_t undoBefore = status_->Undo().UndoCount();
    Select({q_});
    ASSERT_TRUE(Handler().Execute(cmd::kInsertCopiedRow));
    EXPECT_EQ(Project().GetRows().GetCount(true), rows + 1);
    // b, c, m, n and the link b->c came along.
    EXPECT_EQ(LiveObjects(), 11);
    EXPECT_EQ(status_->Undo().UndoCount(), undoBefore + 1);
    const std::vector<std::int32_t> selected = Selection();
    ASSERT_EQ(selected.size(), 1u);
    const CRow* inserted = Project().FindRow(selected.front());
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->GetCaption(), "Q");
    EXPECT_NE(inserted->GetObjectId(), q_);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(LiveObjects(), 6);
}

// A block may say an object was deleted; what is pasted is live all the same.
TEST_F(ClipboardCommandsTest, PastedObjectsAreLiveWhateverTheBlockSays) {
    auto schedule = std::make_unique<CSchedule>(77);
    schedule->SetRowObjectId(q_);
    schedule->SetStartDate(Date(2024, 4, 10));
    schedule->SetEndDate(Date(2024, 4, 12));
    schedule->SetDeleted(true);
    ClipboardContent content;
    content.formats.emplace_back(ObjectClipboardStream::kFormatName,
                                 ObjectClipboardStream::Write({schedule.get()}, {{0, 0}}));
    ASSERT_TRUE(Clipboard().Write(content));
    window_.mouse = DrawPoint{100, RowTop(q_)};
    if (!Handler().Execute(cmd::kPaste)) {
        // Refused as a whole is as good: nothing half-pasted.
        EXPECT_EQ(prompt_.LastId(), messages::kClipboardReadFailed.id);
        EXPECT_EQ(LiveObjects(), 6);
        return;
    }
    EXPECT_EQ(LiveObjects(), 7);
    const std::vector<std::int32_t> selected = Selection();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_FALSE(Project().FindSchedule(selected.front())->IsDeleted());
}

}  // namespace
}  // namespace qb
