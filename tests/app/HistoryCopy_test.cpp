#include "HistoryCopy.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "FolderOptions.h"
#include "TestFolder.h"
#include "Unprivileged.h"
#include "WorkingFolders.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

// Noon local time of a day, as the file systems keep it.
std::time_t LocalNoon(int year, int month, int day) {
    struct tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = 12;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

void SetLastWrite(const std::string& path, std::time_t when) {
    const struct timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class HistoryCopyTest : public ::testing::Test {
protected:
    HistoryCopyTest() {
        environment_.dataHome = temp_.File("data");
        fs::create_directory(temp_.File("projects"));
    }

    std::string Project(const std::string& name, const std::string& bytes,
                        std::time_t lastWrite = LocalNoon(2011, 3, 5)) {
        const std::string path = temp_.File("projects/" + name);
        TestFolder::Write(path, bytes);
        SetLastWrite(path, lastWrite);
        return path;
    }
    std::string History(const std::string& name) const {
        return temp_.File("projects/History/" + name);
    }
    void WriteFolderOptions(const std::string& name, const std::string& text) {
        TestFolder::Write(temp_.File("projects/" + name), text);
    }

    TestFolder temp_;
    AppEnvironment environment_;
    WorkingFolders folders_{environment_};
    HistoryCopy history_{folders_};
};

TEST_F(HistoryCopyTest, OpenCopiesTheFileDatedByItsLastChange) {
    const std::string path = Project("plan.qbd", "version 1");
    ASSERT_TRUE(history_.Prepare(path, true));
    const std::string intermediate = history_.IntermediateFor(path);
    EXPECT_EQ(intermediate, folders_.Backup() + "plan.qbd.bk$");
    EXPECT_EQ(TestFolder::Read(intermediate), "version 1");

    history_.Finish(path, true);
    EXPECT_EQ(TestFolder::Read(History("plan.20110305.qbd")), "version 1");
    EXPECT_FALSE(fs::exists(intermediate));
    EXPECT_EQ(fs::last_write_time(History("plan.20110305.qbd")), fs::last_write_time(path));
}

TEST_F(HistoryCopyTest, TwoOpensOnOneDateLeaveOneCopyOfTheFileAsBeforeTheSecondOpen) {
    const std::string path = Project("plan.qbd", "morning");
    ASSERT_TRUE(history_.Prepare(path, true));
    history_.Finish(path, true);
    // Saved later that day, then opened again.
    TestFolder::Write(path, "afternoon");
    SetLastWrite(path, LocalNoon(2011, 3, 5) + 3600);
    ASSERT_TRUE(history_.Prepare(path, true));
    history_.Finish(path, true);

    std::vector<fs::path> copies;
    for (const auto& entry : fs::directory_iterator(temp_.File("projects/History")))
        copies.push_back(entry.path().filename());
    EXPECT_EQ(copies, std::vector<fs::path>{"plan.20110305.qbd"});
    EXPECT_EQ(TestFolder::Read(History("plan.20110305.qbd")), "afternoon");
}

TEST_F(HistoryCopyTest, ReadOnlyCopyOfTheSameDateIsReplacedForAnOrdinaryUser) {
    const std::string path = Project("plan.qbd", "first");
    ASSERT_TRUE(history_.Prepare(path, true));
    history_.Finish(path, true);
    fs::permissions(History("plan.20110305.qbd"), fs::perms::owner_read, fs::perm_options::replace);
    TestFolder::Write(path, "second");
    SetLastWrite(path, LocalNoon(2011, 3, 5));
    EXPECT_TRUE(RunUnprivileged(temp_.Path(), [&] {
        if (!history_.Prepare(path, true))
            return false;
        history_.Finish(path, true);
        return TestFolder::Read(History("plan.20110305.qbd")) == "second";
    }));
}

TEST_F(HistoryCopyTest, HistoryCopiesThemselvesAreNeverCopied) {
    WriteFolderOptions("Quellbrandiren.ini", "savehistory=1\r\n");
    const std::pair<const char*, bool> names[] = {{"plan.20110305.qbd", false},
                                                  {"plan.19800000.qbd", true},
                                                  {"plan.2011030.qbd", true},
                                                  {"plan.25000000.qbd", true},
                                                  {"a.24999999.b.qbd", false}};
    for (const auto& [name, copied] : names)
        EXPECT_EQ(history_.Prepare(Project(name, "x"), true), copied) << name;
    EXPECT_TRUE(HistoryCopy::IsHistoryName("x.19800001.qbd"));
    EXPECT_FALSE(HistoryCopy::IsHistoryName("20110305.qbd"));
}

TEST_F(HistoryCopyTest, FolderOptionOverridesTheUserSetting) {
    const std::string path = Project("plan.qbd", "x");
    EXPECT_FALSE(history_.Prepare(path, false));
    WriteFolderOptions("Quellbrandiren.ini", "other=5\r\nSaveHistory=1\r\n");
    EXPECT_TRUE(history_.Prepare(path, false));
    WriteFolderOptions("Quellbrandiren.ini", "SAVEHISTORY = 2\r\n");
    EXPECT_FALSE(history_.Prepare(path, true));
    WriteFolderOptions("Quellbrandiren.ini", "savehistory=0\r\n");
    EXPECT_TRUE(history_.Prepare(path, true));
    // A lower-case name is the second choice.
    fs::remove(temp_.File("projects/Quellbrandiren.ini"));
    WriteFolderOptions("quellbrandiren.ini", "savehistory=2");
    EXPECT_FALSE(history_.Prepare(path, true));
}

// No rows, an intermediate copy older than a day, no file, no backup folder.
TEST_F(HistoryCopyTest, NothingIsCopiedWhereThereIsNothingToKeepOrNowhereToKeepIt) {
    const std::string path = Project("plan.qbd", "x");
    ASSERT_TRUE(history_.Prepare(path, true));
    history_.Finish(path, false);
    EXPECT_FALSE(fs::exists(history_.IntermediateFor(path)));

    HistoryCopy later(folders_, [] { return std::time(nullptr) + 2 * 24 * 3600; });
    ASSERT_TRUE(later.Prepare(path, true));
    later.Finish(path, true);
    EXPECT_FALSE(fs::exists(later.IntermediateFor(path)));

    EXPECT_FALSE(history_.Prepare(temp_.File("projects/missing.qbd"), true));
    AppEnvironment noData;
    noData.dataHome = "";
    WorkingFolders noFolders(noData);
    HistoryCopy none(noFolders);
    EXPECT_FALSE(none.Prepare(path, true));
    none.Finish(path, true);
    EXPECT_FALSE(fs::exists(temp_.File("projects/History")));
}

TEST(HistoryCopyNameTest, TargetNameReplacesTheExtensionByTheDate) {
    EXPECT_EQ(HistoryCopy::TargetName("plan.qbd", LocalNoon(2011, 3, 5)), "plan.20110305.qbd");
    EXPECT_EQ(HistoryCopy::TargetName("工程表.qbd", LocalNoon(1999, 12, 31)),
              "工程表.19991231.qbd");
}

TEST(FolderOptionsTest, ParsesLinesOfAnyEndingAndIgnoresNoise) {
    const std::pair<const char*, int> cases[] = {{"", 0},
                                                 {"\xEF\xBB\xBFsavehistory=1", 1},
                                                 {"junk\nsavehistory=2\n", 2},
                                                 {"savehistory=abc\r\n", 0},
                                                 {"savehistoryx=1\r\n", 0}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FolderOptions::Parse(text).saveHistory, expected) << text;
}

}  // namespace
}  // namespace qb
