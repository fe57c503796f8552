#include "CCsvWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "CProjectFile.h"
#include "ProjectBuilder.h"
#include "SystemError.h"
#include "TestFolder.h"
#include "TestPaths.h"
#include "TextCodec.h"
#include "Unprivileged.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

CRow& AddRow(CProject& project, CRowArray& rows, const std::string& caption) {
    return test::ProjectBuilder(project).Row(caption, &rows);
}

// A by-day schedule from 2017/2/1 to 2017/2/3, both at the start of the day.
CSchedule& AddSchedule(CProject& project, std::int32_t rowId, const std::string& caption) {
    return test::ProjectBuilder(project).Schedule(rowId, test::Date(2017, 2, 1),
                                                  test::Date(2017, 2, 3), caption);
}

std::string Lines(const std::string& bytes, int from) {
    std::size_t start = 0;
    for (int i = 0; i < from; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start);
}

// The line of one schedule on row "A" after adjust, without its CR LF.
std::string LineOf(const std::function<void(CSchedule&)>& adjust, const CsvOptions& options = {}) {
    CProject project;
    const CRow& row = AddRow(project, project.GetRows(), "A");
    adjust(AddSchedule(project, row.GetObjectId(), "c"));
    const std::string line = Lines(CCsvWriter::Format(project, options), 1);
    EXPECT_TRUE(line.ends_with("\r\n"));
    return line.substr(0, line.size() - 2);
}

TEST(CCsvWriter, WritesTheFourteenFieldsInTheirForms) {
    const COleDateTime feb10(2017, 2, 10, 0, 0, 0);
    const struct {
        const char* name;
        std::function<void(CSchedule&)> adjust;
        const char* line;
    } cases[] = {
        // The by-day end at offset 0 shows the day before.
        {"by day", [](CSchedule&) {}, "A\tc\t20170201\t20170202\t0.00\t0.00\t\t\t\tFFFFFF\t\t\t\t"},
        {"offsets",
         [](CSchedule& s) {
             s.SetStartOffset(5000);
             s.SetEndOffset(2500);
         },
         "A\tc\t20170201\t20170203\t0.50\t0.25\t\t\t\tFFFFFF\t\t\t\t"},
        {"offset 1234", [](CSchedule& s) { s.SetEndOffset(1234); },
         "A\tc\t20170201\t20170203\t0.00\t0.12\t\t\t\tFFFFFF\t\t\t\t"},
        {"timed",
         [](CSchedule& s) {
             s.SetByDay(false);
             s.SetStartDate(COleDateTime(2017, 2, 24, 13, 30, 0));
             s.SetEndDate(COleDateTime(2017, 2, 25, 0, 0, 0));
         },
         "A\tc\t201702241330\t201702250000\t\t\t\t\t\tFFFFFF\t\t\t\t"},
        {"one date",
         [&](CSchedule& s) {
             s.SetScheduleType(2);
             s.SetActualStartDate(feb10);
             s.SetActualEndDate(feb10);
         },
         "A\tc\t20170201\t\t0.00\t\t20170210\t\t\tFFFFFF\t\t\t\t"},
        {"dates not valid",
         [](CSchedule& s) {
             s.SetStartDate(COleDateTime::Null());
             s.SetEndDate(COleDateTime::Invalid());
         },
         "A\tc\t\t\t0.00\t\t\t\t\tFFFFFF\t\t\t\t"},
        {"actual period",
         [&](CSchedule& s) {
             s.SetActualStartDate(feb10);
             s.SetActualEndDate(feb10.AddDays(2));
             s.SetActualEndOffset(0);
         },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t20170210\t20170211\t\tFFFFFF\t\t\t\t"},
        {"actual end inside its day",
         [&](CSchedule& s) {
             s.SetActualEndDate(feb10);
             s.SetActualEndOffset(5000);
         },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t\t20170210\t\tFFFFFF\t\t\t\t"},
        {"progress and colour",
         [](CSchedule& s) {
             s.SetProgressRate(455);
             s.SetBgColor(MakeRgb(0xFF, 0x80, 0x00));
         },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t\t\t45.5\tFF8000\t\t\t\t"},
        {"progress 100", [](CSchedule& s) { s.SetProgressRate(1000); },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t\t\t100.0\tFFFFFF\t\t\t\t"},
        {"quantities and load",
         [](CSchedule& s) {
             s.SetPlan(12);
             s.SetResults(0);
             s.SetWeight(0);
             s.SetRemark("r");
             s.SetBgColor(MakeRgb(1, 2, 0xAB));
         },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t\t\t\t0102AB\tr\t12\t0\t0"},
        {"results without a plan",
         [](CSchedule& s) {
             s.SetResults(7);
             s.SetWeight(3);
         },
         "A\tc\t20170201\t20170202\t0.00\t0.00\t\t\t\tFFFFFF\t\t\t\t3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LineOf(c.adjust), c.line) << c.name;
}

TEST(CCsvWriter, EscapesLineBreaksAndBackslashesAsAsked) {
    const struct {
        const char* text;
        bool ignore;
        const char* escaped;
    } cases[] = {
        {"a\r\nb\r\n", true, "ab"},
        {"a\\b\r\nc", true, "a\\bc"},
        {"a\nb\rc", true, "ab\rc"},
        {"a\\b\r\nc", false, "a\\\\b\\nc"},
        {"a\nb\rc", false, "a\\nb\rc"},
        {"x,y\tz", false, "x,y\tz"},
        {"", false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CCsvWriter::Escape(c.text, c.ignore), c.escaped) << c.text << c.ignore;
}

// The title first, then the live schedules in the order the project holds
// them, each under the texts of its row and the row's ancestors.
TEST(CCsvWriter, WritesTheTitleThenEveryLiveScheduleUnderItsRowPath) {
    CProject project;
    project.SetTitle("工程\r\n表");
    CRow& top = AddRow(project, project.GetRows(), "上\\位");
    CRow& unnamed = AddRow(project, top.GetChildren(), "");
    CRow& leaf = AddRow(project, unnamed.GetChildren(), "下,位");
    AddSchedule(project, leaf.GetObjectId(), "one\r\ntwo");
    AddSchedule(project, top.GetObjectId(), "gone").SetDeleted(true);
    AddSchedule(project, 999, "no row");
    AddSchedule(project, top.GetObjectId(), "last").SetRemark("a\r\nb");

    const std::string tail = "\t20170201\t20170202\t0.00\t0.00\t\t\t\tFFFFFF\t";
    CsvOptions options;
    EXPECT_EQ(TextCodec::Cp932ToUtf8(CCsvWriter::Format(project, options)),
              "工程表\r\n"
              "上\\位//下,位\tonetwo" +
                  tail +
                  "\t\t\t\r\n"
                  "\tno row" +
                  tail +
                  "\t\t\t\r\n"
                  "上\\位\tlast" +
                  tail + "ab\t\t\t\r\n");

    options = {false, false, false};
    EXPECT_EQ(TextCodec::Cp932ToUtf8(CCsvWriter::Format(project, options)),
              "工程\\n表\r\n"
              "上\\\\位\\\\下,位,one\\ntwo,20170201,20170202,0.00,0.00,,,,FFFFFF,,,,\r\n"
              ",no row,20170201,20170202,0.00,0.00,,,,FFFFFF,,,,\r\n"
              "上\\\\位,last,20170201,20170202,0.00,0.00,,,,FFFFFF,a\\nb,,,\r\n");
    // Writing reads the tree: the row without children is left without an array.
    const CRow fresh;
    EXPECT_EQ(&std::as_const(leaf).GetChildren(), &fresh.GetChildren());
}

TEST(CCsvWriter, WritesCp932AndOnlyTheTitleForAProjectWithoutSchedules) {
    CProject project;
    project.SetTitle("段");
    EXPECT_EQ(CCsvWriter::Format(project, {}), "\x92\x69\r\n");
}

// The sample project with the dialog's defaults, byte for byte.
TEST(CCsvWriter, TheSampleMatchesItsGoldenFile) {
    CProjectFile file(qb::test::SourcePath("data/samples/sample.qbd"));
    const std::unique_ptr<CProject> sample = file.Load(false);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(CCsvWriter::Format(*sample, {}),
              TestFolder::Read(qb::test::SourcePath("tests/data/output/sample.csv")));
}

// The file is replaced only once the whole text is written: a folder the
// user may not write to keeps the earlier file, and the reason is kept.
TEST(CCsvWriter, WriteReplacesTheFileAndAFailureKeepsTheOldOne) {
    TestFolder folder;
    const fs::path locked = folder.File("locked");
    fs::create_directory(locked);
    const std::string path = (locked / "out.csv").string();
    TestFolder::Write(path, "old");
    CProject project;
    project.SetTitle("new");
    ::chmod(locked.c_str(), 0555);
    EXPECT_TRUE(RunUnprivileged(folder.Path(), [&] {
        CCsvWriter writer(path, {});
        return !writer.Write(project) && writer.GetErrorCode() == SystemError::kAccessDenied;
    }));
    EXPECT_EQ(TestFolder::Read(path), "old");

    ::chmod(locked.c_str(), 0755);
    CCsvWriter writer(path, {});
    ASSERT_TRUE(writer.Write(project));
    EXPECT_EQ(TestFolder::Read(path), "new\r\n");
    EXPECT_EQ(writer.GetErrorCode(), 0u);
}

}  // namespace
}  // namespace qb
