#include "FirstInstance.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TestFolder.h"

namespace qb {
namespace {

// Builds a FirstInstance in a child process and reports its answer.
bool FirstInOtherProcess(const std::string& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        FirstInstance other(folder);
        ::_exit(other.IsFirst() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST(FirstInstanceTest, OnlyTheFirstProcessHoldsTheLock) {
    TestFolder temp;
    const std::string folder = temp.Path().string();
    {
        FirstInstance first(folder);
        EXPECT_TRUE(first.IsFirst());
        EXPECT_EQ(first.LockPath(),
                  folder + "/quellbrandiren-" + std::to_string(::getuid()) + ".lock");
        EXPECT_FALSE(FirstInOtherProcess(folder));
    }
    // Once the first has gone, the next one is first again.
    EXPECT_TRUE(FirstInOtherProcess(folder));
}

TEST(FirstInstanceTest, UnusableFolderMeansNotFirst) {
    TestFolder temp;
    FirstInstance nowhere(temp.File("missing/folder"));
    EXPECT_FALSE(nowhere.IsFirst());
}

}  // namespace
}  // namespace qb
