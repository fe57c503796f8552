#include "CStatus.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"

namespace qb {
namespace {

TEST(CStatusTest, StartsWithoutDocumentAndWithMasterRules) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status(store, prompt, shell, AppEnvironment{});
    EXPECT_FALSE(status.HasDocument());
    ASSERT_NE(status.MasterHolidays(), nullptr);
    EXPECT_GT(status.MasterHolidays()->GetCount(), 0);
}

}  // namespace
}  // namespace qb
