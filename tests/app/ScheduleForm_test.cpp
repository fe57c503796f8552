#include "ScheduleForm.h"

#include <gtest/gtest.h>

#include <memory>

#include "CSchedule.h"
#include "ObjectText.h"

namespace qb {
namespace {

constexpr const char* kBadStart =
    "開始日が正しくありません。YYYYMMDD形式（時刻はYYYYMMDDhhmm形式）で入力してください。";
constexpr const char* kBadEnd =
    "終了日が正しくありません。YYYYMMDD形式（時刻はYYYYMMDDhhmm形式）で入力してください。";
constexpr const char* kEndFirst = "終了日が開始日より前になっています。";
constexpr const char* kBadProgress = "進捗率は、0～100（小数点以下1桁まで）で指定してください。";
constexpr const char* kBadWeight = "負荷グラフの重みは、0～9999で指定してください。";
constexpr const char* kEndOnly =
    "実績終了日だけを指定することはできません。実績開始日も入力してください。";

std::unique_ptr<CSchedule> Bar() {
    auto bar = std::make_unique<CSchedule>(42);
    CSchedule& s = *bar;
    s.SetStartDate(COleDateTime(2017, 2, 24, 0, 0, 0));
    s.SetStartOffset(2500);
    s.SetEndDate(COleDateTime(2017, 3, 1, 0, 0, 0));
    s.SetEndOffset(5000);
    return bar;
}

// Everything the dialog shows set away from its default.
std::unique_ptr<CSchedule> Unusual() {
    auto unusual = Bar();
    CSchedule& s = *unusual;
    s.SetCaption("基礎工事\r\n第2期");
    s.SetTextColor(0x112233);
    s.SetBgColor(0x445566);
    s.SetScheduleType(1);
    s.SetSubType(4);
    s.SetCaptionPosition(3);
    s.SetCaptionVAlign(2);
    s.SetCaptionHAlign(0);
    s.SetEdgePen(CPenInfo(2, 3, 0x0000FF));
    s.SetActualStartDate(COleDateTime(2017, 2, 25, 0, 0, 0));
    s.SetActualEndDate(COleDateTime(2017, 2, 27, 0, 0, 0));
    s.SetProgressRate(375);
    s.SetHeight(14);
    s.SetStartEdgeType(2);
    s.SetEndEdgeType(4);
    s.SetRemark("備考");
    s.SetReference("/home/u/図面.pdf");
    s.SetWeight(7);
    s.SetResults(65535);
    s.SetPlan(12);
    return unusual;
}

TEST(ScheduleForm, RefusesWhatNamesNoScheduleAndAcceptsItsLimits) {
    const struct {
        void (*edit)(ScheduleForm&);
        const char* refusal;  // nullptr: accepted
    } cases[] = {
        {[](ScheduleForm&) {}, nullptr},
        {[](ScheduleForm& f) { f.startDate = "20170229"; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = "2017022"; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = "2017/2/24"; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = ""; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = "201702241"; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = "18991231"; }, kBadStart},
        {[](ScheduleForm& f) { f.startDate = "２０１７０２２４ "; }, nullptr},
        {[](ScheduleForm& f) { f.endDate = "20170230"; }, kBadEnd},
        {[](ScheduleForm& f) { f.endDate = "201703012400"; }, kBadEnd},
        {[](ScheduleForm& f) { f.endDate = "20170223"; }, kEndFirst},
        {[](ScheduleForm& f) {
             f.endDate = "20170224";
             f.endOffset = "2500";
         },
         nullptr},
        {[](ScheduleForm& f) {
             f.endDate = "20170224";
             f.endOffset = "2499";
         },
         kEndFirst},
        {[](ScheduleForm& f) {
             f.endDate = "20170220";
             f.type = 1;
         },
         nullptr},
        {[](ScheduleForm& f) {
             f.endDate = "x";
             f.type = 1;
         },
         nullptr},
        {[](ScheduleForm& f) { f.startOffset = "9999"; }, nullptr},
        {[](ScheduleForm& f) { f.startOffset = "10000"; },
         "開始日の位置は、0～9999で指定してください。"},
        {[](ScheduleForm& f) { f.endOffset = "-1"; },
         "終了日の位置は、0～9999で指定してください。"},
        {[](ScheduleForm& f) {
             f.byDay = false;
             f.startDate = "201702241330";
             f.endDate = "201702241329";
         },
         kEndFirst},
        {[](ScheduleForm& f) {
             f.byDay = false;
             f.startDate = "201702241330";
             f.endDate = "201702241331";
         },
         nullptr},
        {[](ScheduleForm& f) { f.progress = ""; }, nullptr},
        {[](ScheduleForm& f) { f.progress = "100"; }, nullptr},
        {[](ScheduleForm& f) { f.progress = "12.5"; }, nullptr},
        {[](ScheduleForm& f) { f.progress = "100.1"; }, kBadProgress},
        {[](ScheduleForm& f) { f.progress = "12.55"; }, kBadProgress},
        {[](ScheduleForm& f) { f.progress = "-1"; }, kBadProgress},
        {[](ScheduleForm& f) { f.progress = "半分"; }, kBadProgress},
        {[](ScheduleForm& f) { f.plan = "65535"; }, nullptr},
        {[](ScheduleForm& f) { f.plan = "65536"; }, "予定数量は、0～65535で指定してください。"},
        {[](ScheduleForm& f) { f.results = "-1"; }, "実績数量は、0～65535で指定してください。"},
        {[](ScheduleForm& f) { f.results = ""; }, "実績数量は、0～65535で指定してください。"},
        {[](ScheduleForm& f) { f.actualStartDate = "20170224"; }, nullptr},
        {[](ScheduleForm& f) { f.actualEndDate = "20170224"; }, kEndOnly},
        {[](ScheduleForm& f) {
             f.actualEndDate = "20170224";
             f.type = 1;
         },
         nullptr},
        {[](ScheduleForm& f) {
             f.actualStartDate = "20170224";
             f.actualEndDate = "20170223";
         },
         "実績終了日が実績開始日より前になっています。"},
        {[](ScheduleForm& f) { f.actualStartDate = "20170231"; },
         "実績開始日が正しくありません。YYYYMMDD形式（時刻はYYYYMMDDhhmm形式）で入力してください"
         "。"},
        {[](ScheduleForm& f) { f.weight = "0"; }, nullptr},
        {[](ScheduleForm& f) { f.weight = "9999"; }, nullptr},
        {[](ScheduleForm& f) { f.weight = "10000"; }, kBadWeight},
        {[](ScheduleForm& f) { f.weight = "1e3"; }, kBadWeight},
        {[](ScheduleForm& f) { f.weight = "99999999999"; }, kBadWeight},
        {[](ScheduleForm& f) { f.height = "500"; }, nullptr},
        {[](ScheduleForm& f) { f.height = "501"; }, "高さは、0～500で指定してください。"},
        {[](ScheduleForm& f) { f.edgePen.SetWidth(21); },
         "枠線の太さは、0～20で指定してください。"},
        {[](ScheduleForm& f) { f.edgePen.SetStyle(6); }, "枠線の種類を選んでください。"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ScheduleForm form(*Bar());
        cases[i].edit(form);
        const auto refusal = form.Check();
        if (cases[i].refusal == nullptr) {
            EXPECT_FALSE(refusal) << i << ": " << refusal->text;
        } else {
            ASSERT_TRUE(refusal) << i;
            EXPECT_EQ(refusal->text, cases[i].refusal) << i;
            EXPECT_EQ(refusal->icon, PromptIcon::kWarning);
        }
    }
}

// The dialog takes the user to the field a refusal is about.
TEST(ScheduleForm, NamesTheFieldItRefuses) {
    using Field = ScheduleForm::Field;
    const struct {
        void (*edit)(ScheduleForm&);
        Field field;
    } cases[] = {
        {[](ScheduleForm& f) { f.endDate = "20170223"; }, Field::kEndDate},
        {[](ScheduleForm& f) { f.actualEndDate = "20170224"; }, Field::kActualStartDate},
        {[](ScheduleForm& f) { f.weight = "-1"; }, Field::kWeight},
        {[](ScheduleForm& f) { f.edgePen.SetWidth(99); }, Field::kEdgePen},
    };
    for (const auto& c : cases) {
        ScheduleForm form(*Bar());
        c.edit(form);
        Field field = Field::kStartDate;
        ASSERT_TRUE(form.Check(&field));
        EXPECT_EQ(field, c.field);
    }
}

// What the dialog does not show (row, position in the row, font, the
// offsets of the actual dates) is left for the target to keep.
void CopyHidden(const CSchedule& from, CSchedule& to) {
    to.SetRowObjectId(from.GetRowObjectId());
    to.SetYOffset(from.GetYOffset());
    to.SetTextFont(from.GetTextFont());
    to.SetActualStartOffset(from.GetActualStartOffset());
    to.SetActualEndOffset(from.GetActualEndOffset());
}

TEST(ScheduleForm, EveryShownValueComesBackUnchanged) {
    for (const bool byDay : {true, false}) {
        const auto unusual = Unusual();
        CSchedule& original = *unusual;
        original.SetScheduleType(0);
        original.SetByDay(byDay);
        if (!byDay)
            original.SetEndDate(COleDateTime(2017, 3, 1, 13, 30, 0));
        original.SetRowObjectId(5);
        original.SetYOffset(3);
        original.SetActualStartOffset(1200);
        const ScheduleForm form(original);
        ASSERT_FALSE(form.Check()) << form.Check()->text;
        CSchedule copy(42);
        CopyHidden(original, copy);
        form.Apply(copy);
        EXPECT_EQ(ObjectText::Write(copy), ObjectText::Write(original)) << byDay;
    }
}

TEST(ScheduleForm, ShowsNumbersAndDatesAsTheUserTypesThem) {
    const auto unusual = Unusual();
    CSchedule& s = *unusual;
    ScheduleForm form(s);
    EXPECT_EQ(form.startDate, "20170224");
    EXPECT_EQ(form.progress, "37.5");
    EXPECT_EQ(form.actualEndDate, "20170227");
    s.SetByDay(false);
    s.SetStartDate(COleDateTime(2017, 2, 24, 9, 5, 0));
    s.SetProgressRate(-1);
    s.SetActualStartDate(COleDateTime());
    const ScheduleForm byTime(s);
    EXPECT_EQ(byTime.startDate, "201702240905");
    EXPECT_EQ(byTime.progress, "");
    EXPECT_EQ(byTime.actualStartDate, "");
}

TEST(ScheduleForm, EmptyFieldsClearAndPlacingByDayDropsTheTime) {
    const auto unusual = Unusual();
    CSchedule& s = *unusual;
    s.SetScheduleType(0);
    s.SetActualEndOffset(700);
    ScheduleForm form(s);
    form.progress = " ";
    form.actualStartDate = "";
    form.actualEndDate = "";
    form.startDate = "201702241330";
    form.weight = "１２";
    ASSERT_FALSE(form.Check());
    form.Apply(s);
    EXPECT_EQ(s.GetProgressRate(), -1);
    EXPECT_EQ(s.GetActualStartDate(), COleDateTime());
    EXPECT_EQ(s.GetActualEndDate(), COleDateTime());
    EXPECT_EQ(s.GetActualEndOffset(), 0);
    EXPECT_EQ(s.GetStartDate(), COleDateTime(2017, 2, 24, 0, 0, 0));
    EXPECT_EQ(s.GetWeight(), 12);
}

// A mark stands at its start: a nonsense end in the field does not reach
// the schedule, which keeps its own.
TEST(ScheduleForm, APointKeepsItsEndWhateverTheFieldSays) {
    const auto unusual = Unusual();
    CSchedule& s = *unusual;
    ScheduleForm form(s);
    form.endDate = "????";
    form.actualEndDate = "";
    ASSERT_FALSE(form.Check());
    form.Apply(s);
    EXPECT_EQ(s.GetEndDate(), COleDateTime(2017, 3, 1, 0, 0, 0));
    EXPECT_EQ(s.GetActualEndDate(), COleDateTime(2017, 2, 27, 0, 0, 0));
}

}  // namespace
}  // namespace qb
