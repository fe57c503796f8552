#include "FileAssociation.h"

#include <gtest/gtest.h>

#include "AppEnvironment.h"
#include "AppMessages.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"

namespace qb {
namespace {

using Calls = std::vector<std::vector<std::string>>;

class FileAssociationTest : public ::testing::Test {
protected:
    FileAssociation Association(const std::string& dataHome) {
        return FileAssociation(dataHome, "/opt/qb app/quellbrandiren",
                               [this](const std::vector<std::string>& argv) {
                                   calls_.push_back(argv);
                                   return 0;
                               });
    }

    TestFolder temp_;
    ScriptedPrompt prompt_;
    Calls calls_;
};

TEST_F(FileAssociationTest, WritesEntryAndTypeThenAsksTheDesktopToUseThem) {
    const std::string data = temp_.Path().string();
    FileAssociation association = Association(data + "/");
    ASSERT_TRUE(association.Register(prompt_, false));
    const std::string entry = TestFolder::Read(data + "/applications/quellbrandiren.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/qb app/quellbrandiren\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=application/x-quellbrandiren;\n"), std::string::npos);
    const std::string mime = TestFolder::Read(data + "/mime/packages/quellbrandiren.xml");
    EXPECT_NE(mime.find("<glob pattern=\"*.qbd\"/>"), std::string::npos);
    EXPECT_NE(mime.find("type=\"application/x-quellbrandiren\""), std::string::npos);

    ASSERT_EQ(calls_.size(), 3u);
    EXPECT_EQ(calls_[0], (std::vector<std::string>{"update-mime-database", data + "/mime"}));
    EXPECT_EQ(calls_[2], (std::vector<std::string>{"xdg-mime", "default", "quellbrandiren.desktop",
                                                   "application/x-quellbrandiren"}));
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(FileAssociationTest, InteractiveAsksFirstAndConfirmsAndCancelWritesNothing) {
    FileAssociation association = Association(temp_.Path().string());
    prompt_.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(association.Register(prompt_, true));
    EXPECT_FALSE(std::filesystem::exists(association.DesktopPath()));
    EXPECT_TRUE(calls_.empty());

    ASSERT_TRUE(association.Register(prompt_, true));
    ASSERT_EQ(prompt_.Shown().size(), 3u);
    EXPECT_EQ(prompt_.Shown()[1].id, messages::kAssociateQuestion.id);
    EXPECT_EQ(prompt_.Shown()[2].id, messages::kAssociated.id);
}

TEST_F(FileAssociationTest, UnwritableDataFolderIsReportedNotConfirmed) {
    TestFolder::Write(temp_.File("blocker"), "");
    FileAssociation association = Association(temp_.File("blocker"));
    prompt_.QueueAnswer(PromptAnswer::kOk);
    EXPECT_FALSE(association.Register(prompt_, true));
    ASSERT_EQ(prompt_.Shown().size(), 2u);
    EXPECT_EQ(prompt_.Shown()[1].icon, PromptIcon::kWarning);
    EXPECT_TRUE(calls_.empty());
}

TEST_F(FileAssociationTest, EnvironmentGivesTheDataFolderAndTheProgram) {
    AppEnvironment environment;
    environment.programFolder = "/opt/qb/";
    environment.dataHome = temp_.Path().string();
    FileAssociation association = FileAssociation::ForEnvironment(
        environment, [](const std::vector<std::string>&) { return 0; });
    EXPECT_EQ(association.DesktopPath(),
              temp_.Path().string() + "/applications/quellbrandiren.desktop");
    EXPECT_NE(association.DesktopEntry().find("Exec=/opt/qb/quellbrandiren %f"), std::string::npos);

    environment.dataHome.reset();
    EXPECT_FALSE(FileAssociation::ForEnvironment(environment).Register(prompt_, false));
    EXPECT_EQ(prompt_.Shown().size(), 1u);
}

TEST(FileAssociationQuoteTest, ExecArgumentsAreQuotedOnlyWhenNeeded) {
    EXPECT_EQ(FileAssociation::QuoteExecArgument("/usr/bin/quellbrandiren"),
              "/usr/bin/quellbrandiren");
    EXPECT_EQ(FileAssociation::QuoteExecArgument("/a b/q"), "\"/a b/q\"");
    EXPECT_EQ(FileAssociation::QuoteExecArgument("/a$b/100%"), "\"/a\\\\$b/100%%\"");
}

}  // namespace
}  // namespace qb
