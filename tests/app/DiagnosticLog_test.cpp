#include "DiagnosticLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <regex>

#include "ScriptedPrompt.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

// A child process that holds an exclusive flock on a file until told to go.
class LockHolder {
public:
    explicit LockHolder(const std::string& path) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            return;
        child_ = ::fork();
        if (child_ == 0) {
            // Only the parent may keep the write end, or the read below
            // would never see it close.
            ::close(release[1]);
            ::close(ready[0]);
            const int fd = ::open(path.c_str(), O_RDWR);
            char byte = ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
            (void)::write(ready[1], &byte, 1);
            (void)::read(release[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char byte = 0;
        locked_ = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        ::close(ready[0]);
    }
    ~LockHolder() {
        if (release_ >= 0)
            ::close(release_);
        if (child_ > 0)
            ::waitpid(child_, nullptr, 0);
    }
    bool Locked() const { return locked_; }

private:
    pid_t child_ = -1;
    int release_ = -1;
    bool locked_ = false;
};

TEST(DiagnosticLogTest, OffWithoutTheSwitchFileAndNeverCreatesIt) {
    TestFolder temp;
    const std::string base = temp.Path().string() + "/";
    DiagnosticLog log(base);
    EXPECT_FALSE(log.Enabled());
    EXPECT_FALSE(log.Append("nothing"));
    EXPECT_FALSE(std::filesystem::exists(log.Path()));
    // The answer is kept for the life of the object.
    TestFolder::Write(log.Path(), "");
    EXPECT_FALSE(log.Append("still nothing"));
    EXPECT_FALSE(DiagnosticLog("").Enabled());
}

TEST(DiagnosticLogTest, AppendsStampedLinesToTheSwitchFile) {
    TestFolder temp;
    const std::string base = temp.Path().string() + "/";
    TestFolder::Write(base + "torvane.log", "earlier\n");
    DiagnosticLog log(base);
    ASSERT_TRUE(log.Append("first"));
    ASSERT_TRUE(log.Append("second"));
    const std::string text = TestFolder::Read(log.Path());
    const std::regex pattern(
        "earlier\nTorvaneApp\\(\\d{1,2}/\\d{1,2} \\d{1,2}:\\d\\d:\\d\\d\\):first\n"
        "TorvaneApp\\(\\d{1,2}/\\d{1,2} \\d{1,2}:\\d\\d:\\d\\d\\):second\n");
    EXPECT_TRUE(std::regex_match(text, pattern)) << text;
    EXPECT_EQ(DiagnosticLog::LinePrefix(3, 5, 9, 7, 2), "TorvaneApp(3/5 9:07:02):");
}

TEST(DiagnosticLogTest, LineIsDroppedWhileAnotherProcessHoldsTheLog) {
    TestFolder temp;
    const std::string base = temp.Path().string() + "/";
    TestFolder::Write(base + "torvane.log", "");
    DiagnosticLog log(base, 200);
    {
        LockHolder holder(log.Path());
        ASSERT_TRUE(holder.Locked());
        EXPECT_FALSE(log.Append("blocked"));
    }
    EXPECT_TRUE(log.Append("free"));
    const std::string text = TestFolder::Read(log.Path());
    EXPECT_EQ(text.find("blocked"), std::string::npos);
    EXPECT_NE(text.find("free"), std::string::npos);
}

TEST(DiagnosticLogTest, SystemErrorIsShownWithItsNumberAndLogged) {
    TestFolder temp;
    const std::string base = temp.Path().string() + "/";
    TestFolder::Write(base + "torvane.log", "");
    DiagnosticLog log(base);
    ScriptedPrompt prompt;
    log.ReportSystemError(prompt, "保存できません。", EACCES);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text,
              "保存できません。\r\nLinux Error Code (errno) = " + std::to_string(EACCES));
    EXPECT_EQ(prompt.Shown()[0].icon, PromptIcon::kWarning);
    EXPECT_NE(TestFolder::Read(log.Path()).find("):保存できません。\n"), std::string::npos);
}

TEST(DiagnosticLogTest, SystemErrorTextNamesTheCause) {
    EXPECT_EQ(DiagnosticLog::SystemErrorText(SystemError::kFileNotFound),
              SystemError::Describe(ENOENT) + "\r\nLinux Error Code=2");
    EXPECT_EQ(
        DiagnosticLog::SystemErrorText(0x20010000),
        "エラー内容を取得できませんでした。\r\nLinux Error Code=" + std::to_string(0x20010000));
}

}  // namespace
}  // namespace qb
