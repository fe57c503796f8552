#include "WorkingFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"

namespace qb {
namespace {

AppEnvironment Environment(std::optional<std::string> dataHome, std::string user = "hanako") {
    AppEnvironment environment;
    environment.programFolder = "/opt/qb/";
    environment.dataHome = std::move(dataHome);
    environment.userName = std::move(user);
    return environment;
}

// Under the data home, else beside the program per user.
TEST(WorkingFoldersTest, FoldersLieUnderTheDataHomeElseBesideTheProgram) {
    const struct {
        std::optional<std::string> dataHome;
        std::string user, base, backup;
    } cases[] = {
        {"/home/h/.local/share", "hanako", "/home/h/.local/share/Torvane/Quellbrandiren/",
         "/home/h/.local/share/Torvane/Quellbrandiren/Backup/"},
        {std::nullopt, "hanako", "", "/opt/qb/Backups/hanako/"},
        {std::nullopt, "", "", "/opt/qb/Backups/"},
    };
    for (const auto& c : cases) {
        const AppEnvironment environment = Environment(c.dataHome, c.user);
        WorkingFolders folders(environment);
        EXPECT_EQ(folders.Base(), c.base) << c.backup;
        EXPECT_EQ(folders.Backup(), c.backup);
        EXPECT_EQ(folders.Recovery(), c.backup + "Temp/");
    }
}

TEST(WorkingFoldersTest, EmptyDataHomeKeepsEveryFolderEmptyAndIsRetried) {
    AppEnvironment environment = Environment("");
    WorkingFolders folders(environment);
    EXPECT_EQ(folders.Base(), "");
    EXPECT_EQ(folders.Backup(), "");
    EXPECT_EQ(folders.Recovery(), "");

    environment.dataHome = "/data";
    EXPECT_EQ(folders.Backup(), "/data/Torvane/Quellbrandiren/Backup/");
    // Once set they stay, whatever the environment says later.
    environment.dataHome = "/elsewhere";
    EXPECT_EQ(folders.Backup(), "/data/Torvane/Quellbrandiren/Backup/");
}

TEST(WorkingFoldersTest, CreateFoldersForMakesEveryMissingLevelUnlessAFileIsInTheWay) {
    TestFolder temp;
    const std::string file = temp.File("a/b/c/copy.qbd");
    EXPECT_TRUE(WorkingFolders::CreateFoldersFor(file));
    EXPECT_TRUE(std::filesystem::is_directory(temp.File("a/b/c")));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(WorkingFolders::CreateFoldersFor(file));
    TestFolder::Write(file, "x");
    EXPECT_FALSE(WorkingFolders::CreateFoldersFor(file + "/sub/copy.qbd"));
}

}  // namespace
}  // namespace qb
