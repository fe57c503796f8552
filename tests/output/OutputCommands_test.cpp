#include "OutputCommands.h"

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CommandIds.h"
#include "DocumentCommands.h"

namespace qb {
namespace {

class OutputCommandsTest : public AppTestBase {
protected:
    OutputCommandsTest() { OutputCommands::Attach(*status_); }
};

TEST_F(OutputCommandsTest, HandlesTheThreeFileCommandsOnly) {
    OutputCommands commands(*status_);
    EXPECT_TRUE(commands.Handles(cmd::kExport));
    EXPECT_TRUE(commands.Handles(cmd::kImport));
    EXPECT_TRUE(commands.Handles(cmd::kBrowserList));
    EXPECT_FALSE(commands.Handles(cmd::kSave));
}

TEST_F(OutputCommandsTest, NothingToWriteWithoutADocument) {
    for (int id : {cmd::kExport, cmd::kImport, cmd::kBrowserList})
        EXPECT_FALSE(status_->Commands().State(id).enabled) << id;
}

}  // namespace
}  // namespace qb
