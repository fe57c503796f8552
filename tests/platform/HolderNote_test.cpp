#include "HolderNote.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "ChildProcess.h"
#include "TestFolder.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class HolderNoteTest : public ::testing::Test {
protected:
    void SetUp() override { HolderNote::SetUser("山田"); }
    void TearDown() override { HolderNote::SetUser({}); }

    void WriteNote(const HolderNote::Holder& holder) const {
        TestFolder::Write(HolderNote::PathFor(file_), HolderNote::Format(holder));
    }
    bool NoteExists() const { return fs::exists(HolderNote::PathFor(file_)); }

    TestFolder folder_;
    std::string file_ = folder_.File("plan.qbd");
};

TEST_F(HolderNoteTest, AHolderWritesItsNoteAndOnlyItRemovesIt) {
    EXPECT_EQ(HolderNote::PathFor(file_), folder_.File(".plan.qbd.holder"));
    TestFolder::Write(HolderNote::PathFor(file_) + ".new", "left by a holder that was killed");
    ASSERT_TRUE(HolderNote::Write(file_));
    EXPECT_EQ(folder_.EntryCount(), 1) << "no temporary file is left";
    const auto holder = HolderNote::Read(file_);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->user, "山田");
    EXPECT_EQ(holder->pid, static_cast<long>(::getpid()));
    EXPECT_EQ(holder->host, HolderNote::Self().host);

    HolderNote::Holder other = *holder;
    other.pid = holder->pid + 1;
    other.host = "another-computer";
    WriteNote(other);
    HolderNote::Remove(file_);
    EXPECT_TRUE(NoteExists()) << "another process's note stays";
    EXPECT_EQ(HolderNote::Read(file_)->host, "another-computer")
        << "a holder on another computer cannot be checked and is named";

    WriteNote(*holder);
    HolderNote::Remove(file_);
    EXPECT_FALSE(NoteExists());
}

// A holder that died without removing its note names nobody, and its note
// goes: a process that has ended, or one whose number a later process took.
TEST_F(HolderNoteTest, TheNoteOfAProcessThatIsGoneIsIgnoredAndRemoved) {
    HolderNote::Holder dead = HolderNote::Self();
    dead.pid = test::StartChild([] { return 0; });
    test::WaitForChild(dead.pid);
    HolderNote::Holder reused = HolderNote::Self();
    reused.since = 1000;  // long before this process started
    for (const HolderNote::Holder& stale : {dead, reused}) {
        WriteNote(stale);
        EXPECT_FALSE(HolderNote::Read(file_)) << stale.pid;
        EXPECT_FALSE(NoteExists()) << stale.pid;
    }
}

TEST_F(HolderNoteTest, NotesThatCannotBeReadNameNobody) {
    for (const char* text : {"", "user=a\nhost=h\npid=x\nsince=1\n", "user=a\npid=1\nsince=1\n",
                             "user=a\nhost=h\npid=1\n"}) {
        TestFolder::Write(HolderNote::PathFor(file_), text);
        EXPECT_FALSE(HolderNote::Read(file_)) << text;
    }
    const HolderNote::Holder someone{"a\nb", "h", 7, 99};
    EXPECT_EQ(HolderNote::Parse(HolderNote::Format(someone))->user, "a b");
}

TEST_F(HolderNoteTest, TheHolderIsDescribedWithTheTimeAndTheDateWhenNotToday) {
    const char* zone = std::getenv("TZ");
    const std::string saved = zone ? zone : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const std::time_t since = 1796637720;  // 2026-12-07 10:02 UTC
    const HolderNote::Holder holder{"山田", "pc-7", 42, since};
    EXPECT_EQ(HolderNote::Describe(holder, since + 3600), "山田 (pc-7) が 10:02 から使用中");
    EXPECT_EQ(HolderNote::Describe(holder, since + 86400),
              "山田 (pc-7) が 2026/12/7 10:02 から使用中");
    EXPECT_EQ(HolderNote::Describe({"", "pc-7", 42, since}, since),
              "不明なユーザー (pc-7) が 10:02 から使用中");
    if (zone)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

// Without a note the program works as before: the note is only information.
TEST_F(HolderNoteTest, AFolderThatTakesNoNoteIsNoFailure) {
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0555), 0);
    const int child = test::RunChild([&] {
        if (!test::BecomeUnprivileged())
            return test::kCannotDropPrivileges;
        return !HolderNote::Write(file_) && !HolderNote::Read(file_) ? 0 : 1;
    });
    ::chmod(folder_.Path().c_str(), 0755);
    if (child == test::kCannotDropPrivileges)
        GTEST_SKIP() << "no user nobody to drop to";
    EXPECT_EQ(child, 0);
    EXPECT_EQ(folder_.EntryCount(), 0);
}

}  // namespace
}  // namespace qb
