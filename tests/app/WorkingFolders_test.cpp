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

TEST(WorkingFoldersTest, FoldersLieUnderTheDataHome) {
    const AppEnvironment environment = Environment("/home/h/.local/share");
    WorkingFolders folders(environment);
    EXPECT_EQ(folders.Base(), "/home/h/.local/share/Torvane/Quellbrandiren/");
    EXPECT_EQ(folders.Backup(), "/home/h/.local/share/Torvane/Quellbrandiren/Backup/");
    EXPECT_EQ(folders.Recovery(), "/home/h/.local/share/Torvane/Quellbrandiren/Backup/Temp/");
}

TEST(WorkingFoldersTest, WithoutDataHomeCopiesGoBesideTheProgramPerUser) {
    const AppEnvironment named = Environment(std::nullopt);
    WorkingFolders folders(named);
    EXPECT_EQ(folders.Backup(), "/opt/qb/Backups/hanako/");
    EXPECT_EQ(folders.Recovery(), "/opt/qb/Backups/hanako/Temp/");
    EXPECT_EQ(folders.Base(), "");

    const AppEnvironment anonymous = Environment(std::nullopt, "");
    WorkingFolders unnamed(anonymous);
    EXPECT_EQ(unnamed.Backup(), "/opt/qb/Backups/");
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
