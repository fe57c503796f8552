#include "BrowserListCommand.h"

#include <filesystem>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "DocumentCommands.h"
#include "ProjectBuilder.h"
#include "ToolCommands.h"

namespace qb {
namespace {

class BrowserListCommandTest : public AppTestBase {
protected:
    void Open(int schedules) {
        const std::string path =
            WriteProject("list.qbd", 1, schedules > 3000 ? ManySchedules : nullptr);
        ASSERT_TRUE(status_->Commands().Documents().OpenDocument(path));
    }
    static void ManySchedules(CProject& project) {
        const std::int32_t row = project.GetRows().At(0)->GetObjectId();
        test::ProjectBuilder build(project);
        for (int i = 0; i < 3001; ++i)
            build.Schedule(row, test::Date(2017, 2, 1), test::Date(2017, 2, 3));
    }
    std::string ListPath() {
        return status_->Services().Folders().Recovery() + BrowserListCommand::kFileName;
    }

    BrowserListCommand command_{*status_};
};

TEST_F(BrowserListCommandTest, NeedsADocument) {
    EXPECT_FALSE(command_.State().enabled);
    EXPECT_FALSE(command_.Execute());
    Open(0);
    EXPECT_TRUE(command_.State().enabled);
}

TEST_F(BrowserListCommandTest, WritesTheTemporaryListAndOpensIt) {
    Open(0);
    std::filesystem::remove_all(status_->Services().Folders().Recovery());
    ASSERT_TRUE(command_.Execute());
    ASSERT_EQ(shell_.Opened(), std::vector<std::string>{ListPath()});
    const std::string page = TestFolder::Read(ListPath());
    EXPECT_TRUE(page.starts_with("<html>\r\n")) << page;
    EXPECT_NE(page.find("row 0</td>"), std::string::npos);
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(BrowserListCommandTest, ManySchedulesAskFirst) {
    Open(3001);
    prompt_.QueueAnswer(PromptAnswer::kNo);
    EXPECT_FALSE(command_.Execute());
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_TRUE(prompt_.Shown()[0].text.starts_with(
        "3001個のスケジュールが存在します。\r\nデータの数が多い場合、ブラウザの<table>"))
        << prompt_.Shown()[0].text;
    EXPECT_EQ(prompt_.Shown()[0].buttons, PromptButtons::kYesNo);
    EXPECT_TRUE(shell_.Opened().empty());

    // A plain yes shows the list and asks again next time.
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_TRUE(command_.Execute());
    EXPECT_EQ(shell_.Opened().size(), 1u);
    EXPECT_EQ(prompt_.Shown().size(), 2u);

    // A yes not to be asked again is remembered under its name.
    prompt_.TickDontAsk();
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_TRUE(command_.Execute());
    EXPECT_EQ(store_.ReadInt(ToolCommands::kOnceSection, "ViewList3000"), 0);
    EXPECT_TRUE(command_.Execute());
    EXPECT_EQ(prompt_.Shown().size(), 3u);
    EXPECT_EQ(shell_.Opened().size(), 3u);
}

TEST_F(BrowserListCommandTest, FolderThatCannotBeMadeIsReported) {
    Open(0);
    const std::string folder = status_->Services().Folders().Recovery();
    const std::filesystem::path parent = std::filesystem::path(folder).parent_path().parent_path();
    std::filesystem::remove_all(parent);
    TestFolder::Write(parent.string(), "a file where the folder belongs");
    EXPECT_FALSE(command_.Execute());
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(prompt_.Shown()[0].text, "フォルダの作成に失敗しました。" + folder);
    EXPECT_TRUE(shell_.Opened().empty());
}

TEST_F(BrowserListCommandTest, DesktopWithoutABrowserIsReported) {
    Open(0);
    shell_.FailOpens();
    EXPECT_FALSE(command_.Execute());
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_NE(prompt_.Shown()[0].text.find(ListPath()), std::string::npos);
}

}  // namespace
}  // namespace qb
