#include "AppMessages.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// The answer a caller tests for depends on the buttons: a question asked with
// Yes/No never answers OK, so a wrong button set silently refuses the command.
TEST(AppMessagesTest, QuestionsOfferTheButtonsTheirCallersExpect) {
    struct Case {
        const AppMessage& message;
        PromptButtons buttons;
    };
    const Case cases[] = {
        {messages::kSaveChanges, PromptButtons::kYesNoCancel},
        {messages::kCleanupQuestion, PromptButtons::kYesNo},
        {messages::kAssociateQuestion, PromptButtons::kOkCancel},
        {messages::kToSingleMode, PromptButtons::kOkCancel},
        {messages::kSaveBeforeShared, PromptButtons::kOkCancel},
        {messages::kToSharedMode, PromptButtons::kOkCancel},
        {messages::kDeleteRowsShared, PromptButtons::kOkCancel},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.message.buttons, c.buttons) << c.message.id;
        EXPECT_EQ(c.message.icon, PromptIcon::kQuestion) << c.message.id;
    }
}

}  // namespace
}  // namespace qb
