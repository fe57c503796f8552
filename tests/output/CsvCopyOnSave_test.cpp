#include "CsvCopyOnSave.h"

#include <filesystem>
#include <string>

#include "AppSettings.h"
#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CSchedule.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "OutputCommands.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(CsvCopyOnSave, TheCopyTakesTheFileNameWithCsvForItsExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/a/b.qbd", "/a/b.csv"}, {"/a/b.c.qbd", "/a/b.c.csv"}, {"/a/b", "/a/b.csv"},
        {"/a.d/b", "/a.d/b.csv"}, {"/a/b.", "/a/b.csv"},        {"b.qbd", "b.csv"},
        {"/a/.qbd", "/a/.csv"},
    };
    for (const auto& [path, copy] : cases)
        EXPECT_EQ(CsvCopyOnSave::CopyPath(path), copy) << path;
}

class CsvCopyOnSaveTest : public AppTestBase {
protected:
    CsvCopyOnSaveTest() { OutputCommands::Attach(*status_); }

    DocumentCommands& Docs() { return status_->Commands().Documents(); }

    // Two nested rows with a schedule on the inner one.
    std::string Open(const std::string& name) {
        const std::string path = WriteProject(name, 1, [](CProject& project) {
            project.SetTitle("t");
            CRow& top = *project.GetRows().At(0);
            auto child = std::make_unique<CRow>(project.NewObjectId());
            child->SetCaption("in");
            auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
            schedule->SetRowObjectId(child->GetObjectId());
            schedule->SetCaption("s\r\n1");
            top.GetChildren().Add(std::move(child));
            project.GetSchedules().Add(std::move(schedule));
        });
        EXPECT_TRUE(Docs().OpenDocument(path));
        status_->Doc().MarkModified(true);
        return path;
    }
};

TEST_F(CsvCopyOnSaveTest, SaveAndSaveAsWriteTheCopyBesideTheFileWhenTheOptionIsOn) {
    const std::string path = Open("p.qbd");
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSave));
    EXPECT_FALSE(fs::exists(folder_.File("p.csv")));

    status_->Services().Settings().customized = AppSettings::kCustomizedOn;
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSave));
    const std::string copy = TestFolder::Read(folder_.File("p.csv"));
    EXPECT_TRUE(copy.starts_with("t\r\nrow 0\\in\ts1\t")) << copy;
    EXPECT_TRUE(prompt_.Shown().empty());

    const std::string other = folder_.File("other");
    prompt_.QueueFile(other);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSaveAs));
    EXPECT_EQ(TestFolder::Read(other + ".csv"), copy);

    status_->Services().Settings().customized = AppSettings::kCustomizedOff;
    fs::remove(other + ".csv");
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSave));
    EXPECT_FALSE(fs::exists(other + ".csv"));
}

// The project is saved all the same; the copy's failure is reported.
TEST_F(CsvCopyOnSaveTest, ACopyThatCannotBeWrittenIsReportedAfterTheSave) {
    Open("p.qbd");
    fs::create_directory(folder_.File("p.csv"));
    status_->Services().Settings().customized = AppSettings::kCustomizedOn;
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSave));
    EXPECT_FALSE(status_->Doc().IsModified());
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
    EXPECT_NE(prompt_.Shown().back().text.find("Linux Error Code="), std::string::npos);
}

}  // namespace
}  // namespace qb
