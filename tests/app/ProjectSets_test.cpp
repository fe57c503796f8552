#include <filesystem>
#include <set>

#include "AppMessages.h"
#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "EditFixture.h"
#include "ProjectCopy.h"
#include "ProjectMerge.h"
#include "ProjectSetFile.h"
#include "TemplateShift.h"

namespace qb {
namespace {

TEST(ProjectMergeTest, MergedObjectsGetNewIdsAndKeepTheirReferences) {
    auto base = test::SmallProject(false);
    const auto other = test::SmallProject(false);
    ProjectMerge::Merge(*base, *other);

    ASSERT_EQ(base->GetRows().GetCount(), 4);
    const CRow* mergedA = base->GetRows().At(2);
    const CRow* mergedB = base->GetRows().At(3);
    EXPECT_EQ(mergedA->GetCaption(), "A");
    ASSERT_EQ(mergedA->GetChildren().GetCount(), 1);
    ASSERT_EQ(base->GetSchedules().GetCount(), 4);
    const CSchedule* third = base->GetSchedules().At(2);
    EXPECT_EQ(third->GetRowObjectId(), mergedA->GetChildren().At(0)->GetObjectId());
    ASSERT_EQ(base->GetLinks().GetCount(), 2);
    const CLink* link = base->GetLinks().At(1);
    EXPECT_EQ(link->GetFromId(), third->GetObjectId());
    EXPECT_EQ(link->GetToId(), base->GetSchedules().At(3)->GetObjectId());
    const auto* memo = dynamic_cast<const CMemo*>(base->GetDrawParts().At(1));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->GetYRowId(), mergedB->GetObjectId());

    std::set<std::int32_t> ids;
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(ids.insert(base->GetSchedules().At(i)->GetObjectId()).second);
    EXPECT_GT(base->GetLastObjectId(), other->GetLastObjectId());
}

TEST(TemplateShiftTest, MovesDatesAndClearsProgress) {
    auto project = test::SmallProject(false);
    project->FindSchedule(3)->SetProgressRate(50);
    static_cast<CMemo*>(project->FindDrawPart(5))->SetXDate(COleDateTime(2026, 4, 2, 0, 0, 0));
    const int days = TemplateShift::DaysTo(*project, COleDateTime(2027, 4, 1, 0, 0, 0));
    TemplateShift::Apply(*project, days);
    const CSchedule* first = project->FindSchedule(3);
    EXPECT_EQ(first->GetStartDate(), COleDateTime(2027, 4, 1, 0, 0, 0));
    EXPECT_EQ(first->GetEndDate(), COleDateTime(2027, 4, 10, 0, 0, 0));
    EXPECT_EQ(first->GetProgressRate(), -1);
    const auto* memo = static_cast<const CMemo*>(project->FindDrawPart(5));
    EXPECT_EQ(memo->GetXDate(), COleDateTime(2027, 4, 2, 0, 0, 0));
    EXPECT_EQ(TemplateShift::DaysTo(CProject(), COleDateTime(2027, 4, 1, 0, 0, 0)), 0);
}

TEST(ProjectSetFileTest, ReadsMembersAndRejectsAWrongHeader) {
    TestFolder folder;
    const std::string path = folder.File("set.qbds");
    ASSERT_TRUE(ProjectSetFile::Write(path, {"/a/one.qbd", "/b/two.qbd"}));
    TestFolder::Write(path, TestFolder::Read(path) + "\r\n\r\n");
    const auto members = ProjectSetFile::Read(path);
    ASSERT_TRUE(members);
    EXPECT_EQ(*members, (std::vector<std::string>{"/a/one.qbd", "/b/two.qbd"}));

    TestFolder::Write(path, "Quellbrandiren / Project Set File ver 2.0\r\n/a.qbd\r\n");
    EXPECT_FALSE(ProjectSetFile::Read(path));
    EXPECT_FALSE(ProjectSetFile::Read(folder.File("missing.qbds")));
}

class ProjectSetCommandsTest : public AppTestBase {};

TEST_F(ProjectSetCommandsTest, ASetOpensAsOneUntitledDocumentAndSavingWarnsFirst) {
    const std::string one = WriteProject("one.qbd", 2);
    const std::string two = WriteProject("two.qbd", 3);
    const std::string setPath = folder_.File("plan.qbds");
    ProjectSetFile::Write(setPath, {one, folder_.File("missing.qbd"), two});

    prompt_.QueueFile(setPath);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kProjectSetOpen));
    EXPECT_TRUE(status_->Doc().IsProjectSet());
    EXPECT_TRUE(status_->Doc().Path().empty());
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 5);
    EXPECT_NE(prompt_.Shown().back().text.find("missing.qbd"), std::string::npos);
    EXPECT_TRUE(status_->Commands().State(cmd::kProjectSetChange).enabled);

    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(status_->Commands().Execute(cmd::kSave));
    EXPECT_EQ(prompt_.LastId(), 259);
    EXPECT_TRUE(status_->Doc().IsProjectSet());

    const std::string snapshot = folder_.File("snapshot.qbd");
    prompt_.QueueFile(snapshot);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSaveAs));
    EXPECT_FALSE(status_->Doc().IsProjectSet());
    EXPECT_TRUE(std::filesystem::exists(snapshot));
}

TEST_F(ProjectSetCommandsTest, CreatingASetWritesTheSetFileAndAWrongOneIsReported) {
    const std::string bad = folder_.File("bad.qbds");
    TestFolder::Write(bad, "something else\r\n");
    prompt_.QueueFile(bad);
    EXPECT_FALSE(status_->Commands().Execute(cmd::kProjectSetOpen));
    EXPECT_EQ(prompt_.Shown().back().text, messages::kProjectSetFormat.text);
    EXPECT_FALSE(status_->HasDocument());

    const std::string one = WriteProject("one.qbd", 1);
    const std::string two = WriteProject("two.qbd", 1);
    const std::string setPath = folder_.File("new.qbds");
    prompt_.QueueFiles(std::vector<std::string>{one, two});
    prompt_.QueueFile(setPath);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kProjectSetCreate));
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 2);
    EXPECT_EQ(ProjectSetFile::Read(setPath), (std::vector<std::string>{one, two}));
}

TEST_F(ProjectSetCommandsTest, ATemplateOpensUntitledWithItsDatesMoved) {
    const std::string path = WriteProject("template.qbd", 0, [](CProject& p) {
        ProjectCopy::CopyFull(*test::SmallProject(false), p);
    });
    prompt_.QueueFile(path);
    prompt_.QueueText("2027/04/01");
    ASSERT_TRUE(status_->Commands().Execute(cmd::kOpenTemplate));
    EXPECT_TRUE(status_->Doc().Path().empty());
    EXPECT_TRUE(status_->Doc().IsModified());
    EXPECT_EQ(TemplateShift::EarliestStart(*status_->GetProject()),
              COleDateTime(2027, 4, 1, 0, 0, 0));
    EXPECT_FALSE(std::filesystem::exists(status_->Services().Folders().Backup() + "template.qbd"));
    // The template itself is untouched.
    CProjectFile file(path);
    EXPECT_EQ(TemplateShift::EarliestStart(*file.Load(false)), COleDateTime(2026, 4, 1, 0, 0, 0));
}

}  // namespace
}  // namespace qb
