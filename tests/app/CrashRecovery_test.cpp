#include <signal.h>
#include <unistd.h>

#include <filesystem>

#include "AppTestBase.h"
#include "BackupCopies.h"
#include "CCommandHandler.h"
#include "ChildProcess.h"
#include "DocumentCommands.h"
#include "FirstInstance.h"

namespace qb {
namespace {

namespace fs = std::filesystem;

class CrashRecoveryTest : public AppTestBase {};

// A process that opens a file and is then killed leaves its backup copy; the
// next first instance moves it aside, says so and opens the folder.
TEST_F(CrashRecoveryTest, ACopyLeftByAKilledProcessIsOfferedAtTheNextStart) {
    const std::string path = WriteProject("plan.qbd", 2);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = test::StartChild([&] {
        InMemorySettingsStore store;
        ScriptedPrompt prompt;
        RecordingShell shell;
        CStatus status(store, prompt, shell, environment_);
        const char byte = status.Commands().Documents().OpenDocument(path) ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        return 0;
    });
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    test::WaitForChild(child);
    ASSERT_EQ(byte, 'y');

    const std::string backup = status_->Services().Folders().Backup() + "plan.qbd";
    ASSERT_TRUE(fs::exists(backup));

    fs::create_directories(environment_.runtimeFolder);
    FirstInstance first(environment_.runtimeFolder);
    ASSERT_TRUE(first.IsFirst());
    EXPECT_TRUE(status_->Services().Backups().RunCrashRecovery(prompt_, shell_));
    EXPECT_TRUE(prompt_.WasShown(196));
    ASSERT_EQ(shell_.Opened().size(), 1u);
    EXPECT_EQ(fs::path(shell_.Opened()[0]), fs::path(status_->Services().Folders().Recovery()));
    EXPECT_FALSE(fs::exists(backup));
    EXPECT_TRUE(fs::exists(status_->Services().Folders().Recovery() + "plan.qbd"));
    EXPECT_EQ(TestFolder::Read(status_->Services().Folders().Recovery() + "plan.qbd"),
              TestFolder::Read(path));
}

}  // namespace
}  // namespace qb
