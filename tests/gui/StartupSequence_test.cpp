#include "StartupSequence.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "AppMessages.h"
#include "CCommandHandler.h"
#include "CommandLine.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "MainWindow.h"

namespace qb {
namespace {

using StartupSequenceTest = GuiFixture;

TEST_F(StartupSequenceTest, OnlyOurFilesOpenAndAQuotedOneOpensToo) {
    MainWindow window(status);
    EXPECT_FALSE(StartupSequence::OpenStartFile(status, ""));
    EXPECT_FALSE(StartupSequence::OpenStartFile(status, "\"\""));
    EXPECT_TRUE(prompt.Shown().empty());

    const std::string text = folder.File("list.csv");
    TestFolder::Write(text, "a,b,c\r\n");
    EXPECT_FALSE(StartupSequence::OpenStartFile(status, text));
    EXPECT_EQ(prompt.LastId(), messages::kNotOurFile.id);
    EXPECT_EQ(prompt.Shown().back().icon, PromptIcon::kWarning);
    EXPECT_FALSE(status.HasDocument());

    // A group file or a missing file is left to the open to report.
    prompt.Clear();
    EXPECT_FALSE(StartupSequence::OpenStartFile(status, folder.File("missing.GROUP")));
    EXPECT_NE(prompt.LastId(), messages::kNotOurFile.id);
    prompt.Clear();
    EXPECT_FALSE(StartupSequence::OpenStartFile(status, folder.File("missing.qbd")));
    EXPECT_NE(prompt.LastId(), messages::kNotOurFile.id);
    EXPECT_FALSE(prompt.Shown().empty()) << "the open says that the file is missing";

    const std::string sample = SampleCopy("with blank.qbd");
    EXPECT_TRUE(StartupSequence::OpenStartFile(status, "\"" + sample + "\""));
    EXPECT_TRUE(window.HasDocument()) << prompt.LastId();
    EXPECT_EQ(status.Doc().Path(), sample);
}

TEST_F(StartupSequenceTest, ARelativeNameOpensTheFileItNamesNow) {
    MainWindow window(status);
    const std::string sample = SampleCopy();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const bool opened = StartupSequence::OpenStartFile(status, "./sample.qbd");
    std::filesystem::current_path(before);
    EXPECT_TRUE(opened) << prompt.LastId();
    EXPECT_EQ(status.Doc().Path(), sample);
}

// A date that is no date leaves the display date unset.
TEST_F(StartupSequenceTest, TheCommandLineFileReplacesTheDefaultAndItsDateIsKept) {
    status.Services().Settings().defFile = "/data/default.qbd";
    EXPECT_EQ(StartupSequence::ChooseFile(status, CommandLine::FromArguments({})),
              "/data/default.qbd");
    const CommandLine noDate = CommandLine::FromArguments({"/date", "20101399", "/data/a.qbd"});
    EXPECT_EQ(StartupSequence::ChooseFile(status, noDate), "/data/a.qbd");
    EXPECT_TRUE(status.Commands().Documents().ScrollDateOfNextOpen().IsNull());

    const CommandLine line =
        CommandLine::FromArguments({"/date", "20100401", "/data/my", "plan.qbd"});
    EXPECT_EQ(StartupSequence::ChooseFile(status, line), "/data/my plan.qbd");
    EXPECT_EQ(status.Commands().Documents().ScrollDateOfNextOpen(),
              COleDateTime(2010, 4, 1, 0, 0, 0));
}

TEST_F(StartupSequenceTest, TheStoredRectangleIsUsedOnlyOnAScreen) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QRect desktop(0, 0, 1920, 1040);
    AppSettings& settings = status.Services().Settings();
    settings.wndLeft = 2000;
    settings.wndTop = 100;
    settings.wndRight = 2800;
    settings.wndBottom = 700;
    EXPECT_EQ(StartupSequence::WindowRectangle(settings, screens, desktop),
              QRect(2000, 100, 800, 600));

    // The second screen has gone.
    EXPECT_EQ(StartupSequence::WindowRectangle(settings, {screens.first()}, desktop),
              QRect(100, 100, 1720, 840));
}

TEST_F(StartupSequenceTest, StartingShowsTheStoredModeAndOpensTheDefaultFile) {
    status.SetViewMode(CStatus::kYearView);
    status.Services().Settings().defFile = SampleCopy();
    MainWindow window(status);
    StartupSequence::Run(status, window, CommandLine::FromArguments({}), false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.ShownMode(), MainWindow::kYearTab);
    EXPECT_TRUE(window.HasDocument()) << prompt.LastId();
    EXPECT_TRUE(shell.Opened().empty()) << "no crash recovery outside the first instance";
}

}  // namespace
}  // namespace qb
