#include "CHtmlWriter.h"

#include <gtest/gtest.h>

#include "CDisplayModel.h"
#include "ChartScene.h"
#include "DisplaySettings.h"
#include "HtmlTestProject.h"
#include "TestFolder.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr const char* kHead =
    "<html>\r\n<head>\r\n\t<title>T</title>\r\n"
    "\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">\r\n"
    "\t<style type=\"text/css\">\r\n\t<!--\r\n"
    "\t\ttd {border: solid 1px black; padding: 3px; vertical-align: top;}\r\n"
    "\t\tth {border: solid 1px black; border-bottom: double 3px black; padding: 3px; }\r\n"
    "\t\ttd.remarks {font-size: 80%; }\r\n"
    "\t\ttable {border: solid 2px black; border-collapse: collapse; }\r\n"
    "\t-->\r\n\t</style>\r\n</head>\r\n<body>\r\n<table>\r\n";
constexpr const char* kScheduleHeader =
    "\t\t<th>色</th>\r\n\t\t<th>日付</th>\r\n\t\t<th>テキスト</th>\r\n\t\t<th>進捗率</th>\r\n"
    "\t\t<th>予定数量</th>\r\n\t\t<th>実績数量</th>\r\n\t\t<th>実績期間</th>\r\n"
    "\t\t<th>負荷</th>\r\n\t\t<th>備考</th>\r\n\t</tr>\r\n";
constexpr const char* kFoot =
    "</table>\r\n<br>\r\n<i>Quellbrandiren</i>&nbsp; &nbsp;<a href=\"https://example.jp/\" "
    "style=\"font-size: 85%;\">https://example.jp/</a>\r\n</body>\r\n</html>\r\n";

// One schedule line of a plain schedule from 1 to 3 February 2017 without
// values, for the layout tests.
std::string PlainLine(const std::string& caption) {
    return "\t\t<td width=\"20\" bgcolor=\"#ffffff\">&nbsp;</td>\r\n"
           "\t\t<td>2017/2/1(水)～2017/2/2(木)</td>\r\n"
           "\t\t<td>" +
           caption +
           "</td>\r\n"
           "\t\t<td>&nbsp;</td>\r\n\t\t<td>&nbsp;</td>\r\n\t\t<td>&nbsp;</td>\r\n"
           "\t\t<td>&nbsp;</td>\r\n\t\t<td>1</td>\r\n\t\t<td class=\"remarks\"></td>\r\n"
           "\t</tr>\r\n";
}

class CHtmlWriterTest : public ::testing::Test {
protected:
    CHtmlWriterTest() {
        data_.Project().SetTitle("T");
        options_.homePage = "https://example.jp/";
    }

    // The project as the chart lays it out, with the view's changes made by
    // adjust before the layout.
    std::string Page(void (*adjust)(CDisplayModel&) = nullptr) {
        scene_.GetDisplaySettings().summary = summary_;
        scene_.Open(data_.Project());
        scene_.SetRulerSetting(1);
        scene_.SetSize(1200, 800);
        scene_.SetPeriod(Day(2017, 1, 1), Day(2017, 12, 31), 2.0);
        if (adjust != nullptr)
            adjust(scene_.GetModel());
        scene_.Relayout();
        return CHtmlWriter::Page(scene_.GetModel(), options_);
    }
    // The table's rows below the header row.
    std::string Body(void (*adjust)(CDisplayModel&) = nullptr) {
        const std::string page = Page(adjust);
        const std::size_t start = page.find("\t</tr>\r\n") + 8;
        const std::size_t end = page.find("</table>");
        return page.substr(start, end - start);
    }
    CSchedule& Plain(const CRow& row, const std::string& caption) {
        CSchedule& schedule = data_.Schedule(row, Day(2017, 2, 1), Day(2017, 2, 3));
        schedule.SetCaption(caption);
        return schedule;
    }

    HtmlTestProject data_;
    HtmlOptions options_;
    ChartScene scene_;
    bool summary_ = true;
};

TEST_F(CHtmlWriterTest, ProjectWithoutRowsHasHeadHeaderAndFooterOnly) {
    const std::string expected = std::string(kHead) +
                                 "\t<tr>\r\n\t\t<th colspan=\"1\">&nbsp;</th>\r\n" +
                                 kScheduleHeader + kFoot;
    EXPECT_EQ(Page(), expected);
}

TEST_F(CHtmlWriterTest, ScheduleFieldsFollowTheirRules) {
    CRow& row = data_.Row("R");
    CSchedule& a = Plain(row, "a");
    a.SetBgColor(0x00332211);
    a.SetProgressRate(455);
    a.SetPlan(5);
    a.SetResults(3);
    a.SetWeight(7);
    a.SetActualStartDate(Day(2017, 2, 2));
    a.SetActualEndDate(Day(2017, 2, 5));
    a.SetActualEndOffset(0);
    CSchedule& b = data_.Schedule(row, Day(2017, 3, 1), Day(2017, 3, 3));
    b.SetEndOffset(5000);
    b.SetProgressRate(0);
    b.SetActualEndDate(Day(2017, 3, 2));
    b.SetActualEndOffset(5000);
    CSchedule& c = data_.Schedule(row, Day(2017, 4, 1, 9, 5), Day(2017, 4, 2, 17, 30));
    c.SetByDay(false);
    c.SetProgressRate(-1);
    c.SetActualStartDate(Day(2017, 4, 1, 8, 0));
    CSchedule& d = data_.Schedule(row, Day(2017, 5, 1), Day(2017, 5, 1));
    d.SetScheduleType(1);
    const std::string body = Body();
    const struct {
        const char* expected;
    } kCases[] = {
        {"bgcolor=\"#112233\">&nbsp;</td>\r\n\t\t<td>2017/2/1(水)～2017/2/2(木)</td>\r\n"
         "\t\t<td>a</td>\r\n\t\t<td>45%</td>\r\n\t\t<td>5</td>\r\n\t\t<td>3</td>\r\n"
         "\t\t<td>2017/2/2(木)～2017/2/4(土)&nbsp;</td>\r\n\t\t<td>7</td>\r\n"},
        {"<td>2017/3/1(水)～2017/3/3(金)</td>\r\n\t\t<td></td>\r\n\t\t<td>0%</td>\r\n"
         "\t\t<td>&nbsp;</td>\r\n\t\t<td>&nbsp;</td>\r\n\t\t<td>～2017/3/2(木)&nbsp;</td>\r\n"},
        {"<td>2017/4/1(土) 9:05～2017/4/2(日) 17:30</td>\r\n\t\t<td></td>\r\n"
         "\t\t<td>&nbsp;</td>\r\n\t\t<td>&nbsp;</td>\r\n\t\t<td>&nbsp;</td>\r\n"
         "\t\t<td>2017/4/1(土) 8:00～&nbsp;</td>\r\n"},
        {"<td>2017/5/1(月)</td>\r\n"},
    };
    for (const auto& expected : kCases)
        EXPECT_NE(body.find(expected.expected), std::string::npos) << expected.expected << "\n"
                                                                   << body;
}

TEST_F(CHtmlWriterTest, SchedulesOfARowFollowTheirStartDates) {
    CRow& row = data_.Row("R");
    data_.Schedule(row, Day(2017, 3, 1), Day(2017, 3, 2)).SetCaption("late");
    data_.Schedule(row, Day(2017, 1, 1), Day(2017, 1, 2)).SetCaption("early");
    const std::string body = Body();
    EXPECT_LT(body.find("early"), body.find("late"));
    EXPECT_NE(body.find("<td rowspan=\"2\" colspan=\"1\">R</td>"), std::string::npos) << body;
}

TEST_F(CHtmlWriterTest, GroupSpansTheLinesOfItsChildren) {
    CRow& group = data_.Row("G");
    CRow& full = data_.Row("A", &group);
    data_.Row("B", &group);
    Plain(full, "a1");
    Plain(full, "a2");
    const std::string expected =
        "\t<tr>\r\n\t\t<td rowspan=\"3\">G</td>\r\n"
        "\t\t<td rowspan=\"2\" colspan=\"1\">A</td>\r\n" +
        PlainLine("a1") + "\t<tr>\r\n" + PlainLine("a2") +
        "\t<tr>\r\n\t\t<td colspan=\"1\">B</td>\r\n\t\t<td colspan=\"9\">(0件)</td>\r\n"
        "\t</tr>\r\n";
    EXPECT_EQ(Body(), expected);
    EXPECT_NE(Page().find("<th colspan=\"2\">&nbsp;</th>"), std::string::npos);
}

TEST_F(CHtmlWriterTest, LeafAboveADeeperTreeSpansTheLevelColumns) {
    data_.Row("top");
    CRow& group = data_.Row("G");
    CRow& middle = data_.Row("M", &group);
    Plain(data_.Row("leaf", &middle), "x");
    const std::string body = Body();
    EXPECT_NE(body.find("<td colspan=\"3\">top</td>"), std::string::npos) << body;
    EXPECT_NE(body.find("<td rowspan=\"1\" colspan=\"1\">leaf</td>"), std::string::npos) << body;
}

TEST_F(CHtmlWriterTest, NoScheduleCellSpansSevenWithActualAndGraphOff) {
    options_.showActual = false;
    options_.graphShown = false;
    CRow& row = data_.Row("R");
    const std::string page = Page();
    EXPECT_NE(page.find("\t\t<td colspan=\"7\">(0件)</td>\r\n"), std::string::npos) << page;
    EXPECT_EQ(page.find("実績期間"), std::string::npos);
    EXPECT_EQ(page.find("負荷"), std::string::npos);
    Plain(row, "x");
    const std::string line = Body();
    EXPECT_EQ(line.find("<td>1</td>"), std::string::npos) << line;
    EXPECT_NE(line.find("<td>&nbsp;</td>\r\n\t\t<td class=\"remarks\">"), std::string::npos);
}

TEST_F(CHtmlWriterTest, FoldedAndHiddenRowsAreLeftOut) {
    CRow& folded = data_.Row("F");
    Plain(data_.Row("under folded", &folded), "gone");
    CRow& hidden = data_.Row("H");
    Plain(hidden, "hidden schedule");
    static std::int32_t foldedId;
    static std::int32_t hiddenId;
    foldedId = folded.GetObjectId();
    hiddenId = hidden.GetObjectId();
    auto adjust = [](CDisplayModel& model) {
        model.SetFolded(foldedId, true);
        model.HideRow(hiddenId);
    };
    std::string body = Body(adjust);
    EXPECT_EQ(body.find("under folded"), std::string::npos) << body;
    EXPECT_EQ(body.find("gone"), std::string::npos);
    EXPECT_EQ(body.find("H</td>"), std::string::npos);
    EXPECT_NE(body.find("<td colspan=\"1\">F</td>\r\n\t\t<td colspan=\"9\">(サマリ表示段)</td>"),
              std::string::npos)
        << body;
    // Without summary mode a folded row is a row of its own like any other.
    summary_ = false;
    body = Body(adjust);
    EXPECT_NE(body.find("F</td>\r\n\t\t<td colspan=\"9\">(0件)</td>"), std::string::npos) << body;
}

TEST_F(CHtmlWriterTest, ColumnsShowTheirCellsExceptHiddenOnes) {
    CColumn& shown = data_.Column("名前");
    CColumn& hidden = data_.Column("secret");
    CRow& row = data_.Row("R");
    HtmlTestProject::Cell(row, shown, "cell");
    HtmlTestProject::Cell(row, hidden, "hidden cell");
    Plain(row, "a");
    Plain(row, "b");
    static std::int32_t hiddenId;
    hiddenId = hidden.GetObjectId();
    const std::string page =
        Page([](CDisplayModel& model) { model.SetColumnHidden(hiddenId, true); });
    EXPECT_NE(page.find("\t\t<th>名前</th>\r\n\t\t<th>色</th>"), std::string::npos) << page;
    EXPECT_NE(page.find("colspan=\"1\">R</td>\r\n\t\t<td rowspan=\"2\">cell</td>\r\n"),
              std::string::npos)
        << page;
    EXPECT_EQ(page.find("secret"), std::string::npos);
    EXPECT_EQ(page.find("hidden cell"), std::string::npos);
    options_.showColumns = false;
    const std::string bare = Page();
    EXPECT_EQ(bare.find("名前"), std::string::npos);
    EXPECT_EQ(bare.find(">cell<"), std::string::npos);
}

TEST_F(CHtmlWriterTest, IndentedLayoutGivesEveryRowItsOwnLine) {
    options_.indented = true;
    CRow& group = data_.Row("G");
    CRow& child = data_.Row("C", &group);
    Plain(child, "x");
    Plain(child, "y");
    summary_ = false;
    const std::string expected =
        "\t<tr>\r\n\t\t<td colspan=\"1\" style=\"padding-left: 10px;\">G</td>\r\n"
        "\t\t<td colspan=\"9\">(0件)</td>\r\n\t</tr>\r\n"
        "\t<tr>\r\n\t\t<td rowspan=\"2\" style=\"padding-left: 35px;\">C</td>\r\n" +
        PlainLine("x") + "\t<tr>\r\n" + PlainLine("y");
    EXPECT_EQ(Body(), expected);
    EXPECT_NE(Page().find("<th colspan=\"1\">&nbsp;</th>"), std::string::npos);
}

TEST_F(CHtmlWriterTest, UserTextIsEscapedBeforeLineBreaksBecomeBreaks) {
    data_.Project().SetTitle("A & B");
    CColumn& column = data_.Column("<b>");
    CRow& row = data_.Row("line 1\r\n<line 2>");
    HtmlTestProject::Cell(row, column, "\"q\"");
    CSchedule& schedule = Plain(row, "<script>alert(1)</script>");
    schedule.SetRemark("x\r\ny & z");
    const std::string page = Page();
    const char* kExpected[] = {
        "<title>A &amp; B</title>",
        "<th>&lt;b&gt;</th>",
        ">line 1<br>\r\n&lt;line 2&gt;</td>",
        "<td rowspan=\"1\">&quot;q&quot;</td>",
        "<td>&lt;script&gt;alert(1)&lt;/script&gt;</td>",
        "<td class=\"remarks\">x<br>\r\ny &amp; z</td>",
    };
    for (const char* expected : kExpected)
        EXPECT_NE(page.find(expected), std::string::npos) << expected << "\n" << page;
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

TEST_F(CHtmlWriterTest, FileHoldsCp932AndAFailedWriteLeavesNothing) {
    Plain(data_.Row("段"), "x");
    Page();
    TestFolder folder;
    const std::string path = folder.File("list.html");
    std::uint32_t error = 0;
    ASSERT_TRUE(CHtmlWriter(path).Write(scene_.GetModel(), options_, error));
    const std::string bytes = TestFolder::Read(path);
    EXPECT_EQ(bytes, *TextCodec::Utf8ToCp932(CHtmlWriter::Page(scene_.GetModel(), options_)));
    EXPECT_NE(bytes.find("\x90\x46"), std::string::npos);  // 色
    EXPECT_FALSE(
        CHtmlWriter(folder.File("missing/list.html")).Write(scene_.GetModel(), options_, error));
    EXPECT_NE(error, 0u);
}

}  // namespace
}  // namespace qb
