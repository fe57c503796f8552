#include <gtest/gtest.h>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CommandIds.h"
#include "EditFixture.h"
#include "LoadGraphForm.h"
#include "MenuTable.h"
#include "ScriptedDialogs.h"
#include "ViewStatus.h"

namespace qb {
namespace {

using test::ScriptedDialogs;

// The dialog's values in the order it checks them.
LoadGraphValues Values(int max, int auxLine, int height, bool shownOnly) {
    return LoadGraphValues{max, height, auxLine, shownOnly};
}

// The graph settings dialog and the graph's switch on the small project.
class LoadGraphCommandsTest : public test::EditTest {
protected:
    LoadGraphCommandsTest() {
        me.status.Services().SetDialogs(&dialogs);
        me.status.SetView(&view);
    }
    ~LoadGraphCommandsTest() override {
        me.status.SetView(nullptr);
        me.status.Services().SetDialogs(nullptr);
    }

    bool Run(int id) { return me.status.Commands().Execute(id); }
    CommandState State(int id) { return me.status.Commands().State(id); }
    ViewStatus& View() { return me.status.Doc().GetViewStatus(); }
    // One press of OK with these values.
    void Press(LoadGraphValues values) {
        dialogs.loadGraphs.push_back([values](LoadGraphValues& shown) { shown = values; });
    }

    ScriptedDialogs dialogs;
    RecordingView view;
};

TEST_F(LoadGraphCommandsTest, TheDialogShowsTheStoredHeightLessOneAndStoresItPlusOne) {
    EXPECT_FALSE(State(cmd::kGraphSettings).enabled);
    OpenMine(false);
    ASSERT_TRUE(State(cmd::kGraphSettings).enabled);
    Press({30, 99, 12, true});
    EXPECT_TRUE(Run(cmd::kGraphSettings));
    EXPECT_EQ(dialogs.shownLoadGraph, (LoadGraphValues{20, 50, 0, false}));
    EXPECT_EQ(View().graphMax, 30);
    EXPECT_EQ(View().graphHeight, 100);
    EXPECT_EQ(View().graphSLine, 12);
    EXPECT_EQ(View().graphShownOnly, 1);
    EXPECT_EQ(view.displayChanges, 1) << "the window lays the graph out again";
    EXPECT_TRUE(me.prompt.Shown().empty());
}

// Each value is stored as soon as its check passes; the first refused one
// keeps the dialog open and leaves the later ones as they were.
TEST_F(LoadGraphCommandsTest, ChecksRunInTheDialogsOrderAndStopAtTheFirstRefusal) {
    struct Case {
        const char* what;
        LoadGraphValues values;
        ViewStatus expected;
    };
    auto status = [](int sLine, int max, int height, int shownOnly) {
        ViewStatus v;
        v.graphSLine = sLine;
        v.graphMax = max;
        v.graphHeight = height;
        v.graphShownOnly = shownOnly;
        return v;
    };
    const Case cases[] = {
        {"negative line", Values(0, -1, 0, true), status(0, 20, 51, 0)},
        {"zero max after a good line", Values(0, 7, 0, true), status(7, 20, 51, 0)},
        {"height 0 after good line and max", Values(5, 3, 0, true), status(3, 5, 51, 0)},
        {"height 1001", Values(5, 3, 1001, true), status(3, 5, 51, 0)},
        {"height 1000 and 1 pass", Values(5, 0, 1000, true), status(0, 5, 1001, 1)},
        {"height 1", Values(5, 0, 1, false), status(0, 5, 2, 0)},
    };
    for (const Case& c : cases) {
        ViewStatus stored;
        const bool refused = LoadGraphForm::Apply(c.values, stored).has_value();
        EXPECT_EQ(refused, c.expected.graphHeight == 51) << c.what;
        EXPECT_EQ(stored.graphSLine, c.expected.graphSLine) << c.what;
        EXPECT_EQ(stored.graphMax, c.expected.graphMax) << c.what;
        EXPECT_EQ(stored.graphHeight, c.expected.graphHeight) << c.what;
        EXPECT_EQ(stored.graphShownOnly, c.expected.graphShownOnly) << c.what;
    }

    OpenMine(false);
    Press({0, 10, 50, false});  // refused: the max
    Press({15, 10, 50, true});  // accepted
    EXPECT_TRUE(Run(cmd::kGraphSettings));
    EXPECT_EQ(dialogs.loadGraphAnswers, (std::vector<bool>{false, true}));
    ASSERT_EQ(me.prompt.Shown().size(), 1u);
    EXPECT_EQ(me.prompt.Shown()[0].icon, PromptIcon::kWarning);
    EXPECT_EQ(View().graphMax, 15);
    EXPECT_EQ(View().graphShownOnly, 1);
}

TEST_F(LoadGraphCommandsTest, CancelAfterARefusalKeepsWhatPassedBeforeIt) {
    OpenMine(false);
    Press(Values(8, 4, 0, true));
    EXPECT_FALSE(Run(cmd::kGraphSettings));
    EXPECT_EQ(View().graphSLine, 4);
    EXPECT_EQ(View().graphMax, 8);
    EXPECT_EQ(View().graphHeight, 51);
    EXPECT_EQ(View().graphShownOnly, 0);
}

TEST_F(LoadGraphCommandsTest, CtrlGFlipsTheFilesGraphAndTheUsersChoiceFollows) {
    const CommandInfo* item = MenuTable::Find(cmd::kGraphShown);
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->shortcut, "Ctrl+G");
    EXPECT_FALSE(State(cmd::kGraphShown).enabled);
    OpenMine(false);
    EXPECT_TRUE(State(cmd::kGraphShown).checked);
    EXPECT_TRUE(Run(cmd::kGraphShown));
    EXPECT_EQ(View().showGraph, 0);
    EXPECT_FALSE(me.status.Services().Settings().graphShown);
    EXPECT_FALSE(State(cmd::kGraphShown).checked);
    EXPECT_EQ(view.displayChanges, 1);
    // A file whose graph was left off shows it off, whatever the user last chose.
    me.status.Services().Settings().graphShown = true;
    EXPECT_FALSE(State(cmd::kGraphShown).checked);
    EXPECT_TRUE(Run(cmd::kGraphShown));
    EXPECT_EQ(View().showGraph, 1);
}

TEST(LoadGraphForm, DamagedStoredValuesReachTheGraphAsDrawableOnes) {
    ViewStatus damaged;
    damaged.graphMax = 0;
    damaged.graphHeight = -4;
    damaged.graphSLine = -1;
    const LoadGraphSettings settings = LoadGraphForm::SettingsOf(damaged);
    EXPECT_EQ(settings.max, 20);
    EXPECT_EQ(settings.height, 2);
    EXPECT_EQ(settings.auxLine, 0);
    EXPECT_EQ(LoadGraphForm::ValuesOf(damaged).height, 1);
}

}  // namespace
}  // namespace qb
