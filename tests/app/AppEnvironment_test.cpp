#include "AppEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qb {
namespace {

// Sets or clears an environment variable for one test and restores it after.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// An empty value stays empty (the working folders then stay off); a relative
// one is ignored as the desktop standard asks.
TEST(AppEnvironmentTest, DataHomeFollowsXdgDataHomeElseTheHomeFolder) {
    struct Case {
        const char* xdg;
        std::string expected;
    };
    for (const Case& c :
         {Case{"/srv/data/", "/srv/data"}, Case{"", ""}, Case{nullptr, "/home/tester/.local/share"},
          Case{"relative/share", "/home/tester/.local/share"}}) {
        ScopedVariable data("XDG_DATA_HOME", c.xdg);
        ScopedVariable home("HOME", "/home/tester/");
        EXPECT_EQ(AppEnvironment::FromProcess(nullptr).dataHome, c.expected)
            << (c.xdg ? c.xdg : "unset");
    }
}

TEST(AppEnvironmentTest, RuntimeFolderFallsBackToTemporaryFolder) {
    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", "/run/user/4242");
        EXPECT_EQ(AppEnvironment::FromProcess(nullptr).runtimeFolder, "/run/user/4242");
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    EXPECT_FALSE(AppEnvironment::FromProcess(nullptr).runtimeFolder.empty());
}

TEST(AppEnvironmentTest, ProgramFolderIsTheExecutablesFolderWithSlash) {
    const AppEnvironment environment = AppEnvironment::FromProcess("/nowhere/quellbrandiren");
    ASSERT_FALSE(environment.programFolder.empty());
    EXPECT_EQ(environment.programFolder.back(), '/');
    EXPECT_EQ(environment.programFolder.front(), '/');
    EXPECT_NE(environment.programFolder, "/nowhere/");
}

}  // namespace
}  // namespace qb
