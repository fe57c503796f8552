#include "ProjectXmlWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CYmdHoliday.h"
#include "SystemError.h"
#include "TestFolder.h"
#include "XmlMessages.h"

namespace qb {
namespace {

const std::string kGoldenFile = std::string(QB_TEST_DATA_DIR) + "/xml/small_project_export.xml";

template <class T>
T& AddTo(CDataArray& array, std::unique_ptr<T> object) {
    T& added = *object;
    array.Add(std::move(object));
    return added;
}

CRow& AddRow(CRowArray& rows, CProject& project, const std::string& caption) {
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->SetCaption(caption);
    return AddTo(rows, std::move(row));
}

// A small project with one of everything, deleted objects among them.
std::unique_ptr<CProject> SmallProject() {
    auto project = std::make_unique<CProject>();
    project->SetTitle("本社ビル新築工事");
    project->SetDisplayStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    project->SetParam("_Renban", "true");
    CRow& building = AddRow(project->GetRows(), *project, "建築");
    CRow& floor = AddRow(building.GetChildren(), *project, "1F");
    AddRow(floor.GetChildren(), *project, "内装").SetReference("A-1");
    AddRow(building.GetChildren(), *project, "撤去済").SetDeleted(true);
    CRow& outside = AddRow(project->GetRows(), *project, "外構");
    AddRow(outside.GetChildren(), *project, "削除").SetDeleted(true);

    auto schedule = std::make_unique<CSchedule>(project->NewObjectId());
    schedule->SetCaption("基礎\r\n工事");
    schedule->SetRemark("path C:\\new");
    schedule->SetRowObjectId(floor.GetObjectId());
    schedule->SetStartDate(COleDateTime(2024, 4, 1, 0, 0, 0));
    schedule->SetEndDate(COleDateTime(2024, 4, 30, 0, 0, 0));
    schedule->SetRegistrant("yamada");
    schedule->SetParam("_w", "0");
    const std::int32_t first = schedule->GetObjectId();
    AddTo(project->GetSchedules(), std::move(schedule));
    AddTo(project->GetSchedules(), std::make_unique<CSchedule>(project->NewObjectId()))
        .SetDeleted(true);

    AddTo(project->GetColumns(), std::make_unique<CColumn>(project->NewObjectId()))
        .SetCaption("担当");
    auto link = std::make_unique<CLink>(project->NewObjectId());
    link->SetFromId(first);
    AddTo(project->GetLinks(), std::move(link));
    auto memo = std::make_unique<CMemo>(project->NewObjectId());
    memo->SetText("a\r\nb");
    AddTo(project->GetDrawParts(), std::move(memo));
    auto holiday = std::make_unique<CYmdHoliday>(project->NewObjectId());
    holiday->SetName("創立記念日");
    holiday->SetMonth(6);
    holiday->SetDay(1);
    AddTo(project->GetHolidays(), std::move(holiday));
    return project;
}

class ProjectXmlWriterTest : public ::testing::Test {
protected:
    TestFolder folder_;
    ProjectXmlWriter writer_;
};

// The golden file shows the arrays in their order with the rows last, rows
// nested as in the project, deleted objects left out (a row whose children
// are all deleted keeps an empty row array), line breaks and backslashes
// escaped.
TEST_F(ProjectXmlWriterTest, SmallProjectMatchesTheGoldenFile) {
    std::string bytes;
    ASSERT_TRUE(writer_.FormatProjectXml(*SmallProject(), bytes));
    if (std::getenv("QB_UPDATE_GOLDEN"))
        TestFolder::Write(kGoldenFile, bytes);
    EXPECT_EQ(bytes, TestFolder::Read(kGoldenFile));
}

// A write replaces a longer file whole; a failed one leaves the file as it was.
TEST_F(ProjectXmlWriterTest, WriteReplacesTheFileWholeOrNotAtAll) {
    const std::string path = folder_.File("export.xml");
    TestFolder::Write(path, std::string(1 << 16, 'x'));
    ASSERT_TRUE(writer_.WriteProjectXml(path, CProject()));
    std::string expected;
    ASSERT_TRUE(writer_.FormatProjectXml(CProject(), expected));
    EXPECT_EQ(TestFolder::Read(path), expected);

    auto project = SmallProject();
    project->GetDrawParts().At(0)->SetProperty("bad", "\x1b[0m", false);
    EXPECT_FALSE(writer_.WriteProjectXml(path, *project));
    EXPECT_EQ(writer_.GetError().GetCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(writer_.GetError().GetMessage(), XmlMessages::kBuildFailed);
    EXPECT_EQ(TestFolder::Read(path), expected);
    EXPECT_FALSE(writer_.WriteProjectXml(folder_.File("missing/export.xml"), CProject()));
    EXPECT_EQ(writer_.GetError().GetCode(), SystemError::kFileNotFound);
    EXPECT_TRUE(writer_.GetError().GetMessage().empty());
}

}  // namespace
}  // namespace qb
