#include "DiagnosticLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <regex>

#include "ScriptedPrompt.h"
#include "SystemError.h"
#include "TestFolder.h"

namespace qb {
namespace {

class DiagnosticLogTest : public ::testing::Test {
protected:
    // The log is written only while its file exists.
    void SwitchOn(const std::string& text = "") { TestFolder::Write(base + "torvane.log", text); }

    TestFolder temp;
    const std::string base = temp.Path().string() + "/";
};

TEST_F(DiagnosticLogTest, OffWithoutTheSwitchFileAndNeverCreatesIt) {
    DiagnosticLog log(base);
    EXPECT_FALSE(log.Enabled());
    EXPECT_FALSE(log.Append("nothing"));
    EXPECT_FALSE(std::filesystem::exists(log.Path()));
    // The answer is kept for the life of the object.
    SwitchOn();
    EXPECT_FALSE(log.Append("still nothing"));
    EXPECT_FALSE(DiagnosticLog("").Enabled());
}

TEST_F(DiagnosticLogTest, AppendsStampedLinesAndReportedErrorsToTheSwitchFile) {
    SwitchOn("earlier\n");
    DiagnosticLog log(base);
    ASSERT_TRUE(log.Append("first"));
    ASSERT_TRUE(log.Append("second"));
    const std::string text = TestFolder::Read(log.Path());
    const std::regex pattern(
        "earlier\nTorvaneApp\\(\\d{1,2}/\\d{1,2} \\d{1,2}:\\d\\d:\\d\\d\\):first\n"
        "TorvaneApp\\(\\d{1,2}/\\d{1,2} \\d{1,2}:\\d\\d:\\d\\d\\):second\n");
    EXPECT_TRUE(std::regex_match(text, pattern)) << text;
    EXPECT_EQ(DiagnosticLog::LinePrefix(3, 5, 9, 7, 2), "TorvaneApp(3/5 9:07:02):");

    // A system error is shown with its number and logged.
    ScriptedPrompt prompt;
    log.ReportSystemError(prompt, "保存できません。", EACCES);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text,
              "保存できません。\r\nLinux Error Code (errno) = " + std::to_string(EACCES));
    EXPECT_EQ(prompt.Shown()[0].icon, PromptIcon::kWarning);
    EXPECT_NE(TestFolder::Read(log.Path()).find("):保存できません。\n"), std::string::npos);
}

// flock belongs to the open file, so a second opening here stands for
// another process holding the log.
TEST_F(DiagnosticLogTest, LineIsDroppedWhileAnotherOpenerHoldsTheLog) {
    SwitchOn();
    DiagnosticLog log(base, 200);
    const int holder = ::open(log.Path().c_str(), O_RDWR);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_FALSE(log.Append("blocked"));
    ::close(holder);
    EXPECT_TRUE(log.Append("free"));
    const std::string text = TestFolder::Read(log.Path());
    EXPECT_EQ(text.find("blocked"), std::string::npos);
    EXPECT_NE(text.find("free"), std::string::npos);
}

TEST(DiagnosticLogTextTest, SystemErrorTextNamesTheCause) {
    EXPECT_EQ(DiagnosticLog::SystemErrorText(SystemError::kFileNotFound),
              SystemError::Describe(ENOENT) + "\r\nLinux Error Code=2");
    EXPECT_EQ(
        DiagnosticLog::SystemErrorText(0x20010000),
        "エラー内容を取得できませんでした。\r\nLinux Error Code=" + std::to_string(0x20010000));
}

}  // namespace
}  // namespace qb
