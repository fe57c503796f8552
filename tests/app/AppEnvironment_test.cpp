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

TEST(AppEnvironmentTest, DataHomeComesFromXdgDataHome) {
    ScopedVariable data("XDG_DATA_HOME", "/srv/data/");
    const AppEnvironment environment = AppEnvironment::FromProcess("quellbrandiren");
    ASSERT_TRUE(environment.dataHome.has_value());
    EXPECT_EQ(*environment.dataHome, "/srv/data");
}

TEST(AppEnvironmentTest, EmptyXdgDataHomeStaysEmpty) {
    ScopedVariable data("XDG_DATA_HOME", "");
    const AppEnvironment environment = AppEnvironment::FromProcess("quellbrandiren");
    ASSERT_TRUE(environment.dataHome.has_value());
    EXPECT_EQ(*environment.dataHome, "");
}

TEST(AppEnvironmentTest, WithoutXdgDataHomeTheHomeFolderIsUsed) {
    ScopedVariable data("XDG_DATA_HOME", nullptr);
    ScopedVariable home("HOME", "/home/tester");
    const AppEnvironment environment = AppEnvironment::FromProcess("quellbrandiren");
    ASSERT_TRUE(environment.dataHome.has_value());
    EXPECT_EQ(*environment.dataHome, "/home/tester/.local/share");
}

TEST(AppEnvironmentTest, RelativeXdgDataHomeIsIgnored) {
    ScopedVariable data("XDG_DATA_HOME", "relative/share");
    ScopedVariable home("HOME", "/home/tester/");
    EXPECT_EQ(AppEnvironment::FromProcess(nullptr).dataHome, "/home/tester/.local/share");
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
