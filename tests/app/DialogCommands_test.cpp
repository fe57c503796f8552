#include "DialogCommands.h"

#include <gtest/gtest.h>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CYmdHoliday.h"
#include "CommandIds.h"
#include "EditFixture.h"
#include "HolidayFile.h"
#include "OptionsForm.h"
#include "RulerBands.h"
#include "ScriptedDialogs.h"

namespace qb {
namespace {

using test::ScriptedDialogs;

// Me with the small project, scripted dialogs and a view that counts repaints.
class DialogCommandsTest : public test::EditTest {
protected:
    DialogCommandsTest() {
        me.status.Services().SetDialogs(&dialogs);
        me.status.SetView(&view);
    }
    ~DialogCommandsTest() override {
        me.status.SetView(nullptr);
        me.status.Services().SetDialogs(nullptr);
    }

    bool Run(int id) { return me.status.Commands().Execute(id); }
    bool Enabled(int id) { return me.status.Commands().State(id).enabled; }
    AppSettings& Settings() { return me.status.Services().Settings(); }
    RulerBands FileBands(int setting) {
        return RulerBands::OfProject(*test::ReadProject(Path()), setting);
    }
    void InDayChart() { me.status.SetViewMode(CStatus::kDayView); }

    ScriptedDialogs dialogs;
    RecordingView view;
};

TEST_F(DialogCommandsTest, TheDialogsNeedADocumentAndTheRulerOneAChart) {
    const int ids[] = {cmd::kOptions, cmd::kRulerUpper, cmd::kRulerLower, cmd::kLightningSettings};
    for (int id : ids)
        EXPECT_FALSE(Enabled(id)) << id;
    OpenMine(false);
    me.status.SetViewMode(CStatus::kProjectPage);
    EXPECT_TRUE(Enabled(cmd::kOptions));
    EXPECT_TRUE(Enabled(cmd::kLightningSettings));
    EXPECT_FALSE(Enabled(cmd::kRulerUpper));
    EXPECT_FALSE(me.status.Commands().Dialogs().EditRulerFontSizes());
    InDayChart();
    for (int id : ids)
        EXPECT_TRUE(Enabled(id)) << id;
}

// What the dialog changes reaches the one settings object at once, and the
// store when the state ends.
TEST_F(DialogCommandsTest, OptionsChangeTheSettingsAndAreWrittenAtTheEnd) {
    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    {
        CStatus status(store, prompt, shell, AppEnvironment{});
        status.Services().SetDialogs(&dialogs);
        status.SetView(&view);
        status.Commands().Execute(cmd::kNew);
        dialogs.options.push_back([](OptionValues& v) {
            v.userName = "佐藤";
            v.saturdayNH = true;
            v.eraName = "新元";
            v.eraAbbreviation = "N";
            v.eraStart = "20300101";
            v.lightningColour = 0x00FF00;
            v.useGuiFontForPrint = true;
        });
        ASSERT_TRUE(status.Commands().Execute(cmd::kOptions));
        EXPECT_EQ(view.displayChanges, 1);
        EXPECT_EQ(status.Services().Settings().calendar.heisei3Date,
                  COleDateTime(2030, 1, 1, 0, 0, 0));
        status.SetView(nullptr);
    }
    AppSettings read;
    read.Load(store, AppEnvironment{});
    EXPECT_EQ(read.userName, "佐藤");
    EXPECT_TRUE(read.calendar.saturdayNH);
    EXPECT_EQ(read.calendar.heisei3Name, "新元");
    EXPECT_EQ(read.calendar.heisei3Abbreviation, "N");
    EXPECT_EQ(read.calendar.heisei3Date, COleDateTime(2030, 1, 1, 0, 0, 0));
    EXPECT_EQ(read.display.lightningColour, 0x00FF00u);
    EXPECT_TRUE(read.useGuiFontForPrint);
}

TEST_F(DialogCommandsTest, CancelledOrRefusedOptionsChangeNothing) {
    OpenMine(false);
    const OptionValues before = OptionsForm::FromSettings(Settings());
    EXPECT_FALSE(Run(cmd::kOptions)) << "cancelled";
    dialogs.options.push_back([](OptionValues& v) {
        v.userName = "x";
        v.eraStart = "20180401";
    });
    EXPECT_FALSE(Run(cmd::kOptions));
    EXPECT_EQ(me.prompt.Shown().back().text,
              "令和の次の元号の開始日は2018年より後に設定してください。");
    EXPECT_EQ(OptionsForm::FromSettings(Settings()), before);
    EXPECT_EQ(view.displayChanges, 0);
}

// The box shows only while the setting holds one of its two codes.
TEST_F(DialogCommandsTest, TheHiddenOptionAppearsOnlyWithItsCodes) {
    OpenMine(false);
    dialogs.options.push_back([](OptionValues& v) { v.customizedOn = v.customizedShown = true; });
    ASSERT_TRUE(Run(cmd::kOptions));
    EXPECT_FALSE(dialogs.shownOptions->customizedShown);
    EXPECT_EQ(Settings().customized, 0);

    Settings().customized = AppSettings::kCustomizedOff;
    dialogs.options.push_back([](OptionValues& v) { v.customizedOn = true; });
    ASSERT_TRUE(Run(cmd::kOptions));
    EXPECT_TRUE(dialogs.shownOptions->customizedShown);
    EXPECT_FALSE(dialogs.shownOptions->customizedOn);
    EXPECT_EQ(Settings().customized, AppSettings::kCustomizedOn);
    EXPECT_TRUE(Settings().CsvCopyOnSave());
}

// Naming another holiday file reads it at once and hands it to the window.
TEST_F(DialogCommandsTest, AnotherHolidayFileIsReadAtOnce) {
    struct HolidayView : RecordingView {
        void SystemHolidaysChanged() override { ++reloads; }
        int reloads = 0;
    } window;
    me.status.SetView(&window);
    OpenMine(false);
    CHolidayArray rules;
    rules.Add(std::make_unique<CYmdHoliday>());
    const std::string path = folder.File("mine.xml");
    ASSERT_TRUE(HolidayFile().WriteHolidayFile(path, rules));
    dialogs.options.push_back([](OptionValues&) {});
    ASSERT_TRUE(Run(cmd::kOptions));
    EXPECT_EQ(window.reloads, 0) << "the same file";
    dialogs.options.push_back([&path](OptionValues& v) { v.masterHoliday = path; });
    ASSERT_TRUE(Run(cmd::kOptions));
    EXPECT_EQ(window.reloads, 1);
    EXPECT_EQ(me.status.Services().MasterHolidays()->GetCount(), 1);
    me.status.SetView(&view);
}

// A project that never chose its rulers shows months over days in the day
// chart; the upper band's dialog starts there.
TEST_F(DialogCommandsTest, ATemporaryBandChangesOnlyThisSessionsRuler) {
    OpenMine(false);
    InDayChart();
    dialogs.bands.push_back([](RulerBandRequest& r) {
        r.unit = kRulerWeek;
        r.format = 1;
    });
    ASSERT_TRUE(Run(cmd::kRulerUpper));
    EXPECT_EQ(dialogs.shownBand->unit, kRulerMonth);
    EXPECT_EQ(dialogs.shownBand->otherUnit, kRulerDay);
    const RulerBands expected{kRulerWeek, 1, kRulerDay, 0};
    EXPECT_EQ(me.status.Session().TemporaryBands(1), expected);
    EXPECT_EQ(RulerBands::OfProject(me.Project(), 1), (RulerBands{kRulerMonth, 0, kRulerDay, 0}));
    EXPECT_FALSE(me.status.Doc().IsModified());
    EXPECT_EQ(view.displayChanges, 1);

    // The next dialog starts from what the ruler shows now.
    dialogs.bands.push_back([](RulerBandRequest&) {});
    ASSERT_TRUE(Run(cmd::kRulerLower));
    EXPECT_EQ(dialogs.shownBand->otherUnit, kRulerWeek);

    me.status.Doc().Close();
    EXPECT_FALSE(me.status.Session().TemporaryBands(1)) << "gone with the document";
}

TEST_F(DialogCommandsTest, ABandSavedToTheFileMarksTheDocumentModifiedOrWritesItShared) {
    for (const bool shared : {false, true}) {
        SCOPED_TRACE(shared ? "shared" : "single");
        me.status.Doc().Close();
        OpenMine(shared);
        me.status.SetViewMode(CStatus::kMonthView);
        dialogs.bands.push_back([](RulerBandRequest& r) {
            r.unit = kRulerTenDays;
            r.format = 5;
            r.saveToFile = true;
        });
        ASSERT_TRUE(Run(cmd::kRulerLower));
        const RulerBands expected{kRulerYear, 0, kRulerTenDays, 5};
        EXPECT_EQ(RulerBands::OfProject(me.Project(), 2), expected);
        EXPECT_EQ(me.status.Doc().IsModified(), !shared);
        EXPECT_EQ(FileBands(2) == expected, shared);
        EXPECT_EQ(me.Project().GetModifier(), "tester");
    }
}

// In shared mode the file may hold other bands by the time the change is
// written: the chosen band joins those, and is refused against them.
TEST_F(DialogCommandsTest, ASharedSaveJoinsTheBandsTheFileHoldsNow) {
    OpenMine(true);
    InDayChart();
    const auto writeOthers = [this](int upperUnit) {
        auto project = test::ReadProject(Path());
        RulerBands{upperUnit, 2, kRulerDay, 1}.StoreIn(*project, 1);
        test::WriteProject(Path(), *project);
    };
    writeOthers(kRulerYear);
    dialogs.bands.push_back([](RulerBandRequest& r) {
        r.unit = kRulerWeek;
        r.saveToFile = true;
    });
    ASSERT_TRUE(Run(cmd::kRulerLower));
    EXPECT_EQ(FileBands(1), (RulerBands{kRulerYear, 2, kRulerWeek, 0}));

    writeOthers(kRulerWeek);
    dialogs.bands.push_back([](RulerBandRequest& r) {
        r.unit = kRulerMonth;
        r.saveToFile = true;
    });
    EXPECT_FALSE(Run(cmd::kRulerLower));
    EXPECT_EQ(me.prompt.Shown().back().text,
              "上段が下段より細かくなるように設定することはできません。");
    EXPECT_EQ(FileBands(1), (RulerBands{kRulerWeek, 2, kRulerDay, 1}));
}

TEST_F(DialogCommandsTest, RefusedBandsAndReadOnlyDocumentsLeaveTheProjectAlone) {
    OpenMine(false);
    InDayChart();
    dialogs.bands.push_back([](RulerBandRequest& r) { r.unit = kRulerDay; });
    EXPECT_FALSE(Run(cmd::kRulerUpper)) << "the upper band offers no day";
    dialogs.bands.push_back([](RulerBandRequest& r) { r.unit = kRulerYear; });
    EXPECT_FALSE(Run(cmd::kRulerLower)) << "finer upper band";
    EXPECT_EQ(me.prompt.Shown().back().text,
              "上段が下段より細かくなるように設定することはできません。");
    EXPECT_FALSE(me.status.Session().TemporaryBands(1));

    me.status.Doc().SetReadOnly(true);
    dialogs.bands.push_back([](RulerBandRequest& r) {
        r.unit = kRulerWeek;
        r.saveToFile = true;
    });
    ASSERT_TRUE(Run(cmd::kRulerLower));
    EXPECT_FALSE(dialogs.shownBand->canSave);
    EXPECT_TRUE(me.status.Session().TemporaryBands(1));
    EXPECT_FALSE(me.status.Doc().IsModified());
    EXPECT_EQ(RulerBands::OfProject(me.Project(), 1).lowerUnit, kRulerDay);
}

TEST_F(DialogCommandsTest, RulerFontSizesStayWithinTheBand) {
    OpenMine(false);
    InDayChart();
    DialogCommands& commands = me.status.Commands().Dialogs();
    const struct {
        int upper, lower;
        bool taken;
    } cases[] = {{6, 20, true}, {5, 12, false}, {12, 21, false}, {14, 9, true}};
    for (const auto& c : cases) {
        dialogs.fonts.push_back([c](RulerFontSizes& s) { s = {c.upper, c.lower}; });
        const int before = Settings().calendar.rulerFontSize1;
        EXPECT_EQ(commands.EditRulerFontSizes(), c.taken) << c.upper << "/" << c.lower;
        EXPECT_EQ(Settings().calendar.rulerFontSize1, c.taken ? c.upper : before);
    }
    EXPECT_EQ(Settings().calendar.rulerFontSize2, 9);
}

TEST_F(DialogCommandsTest, TheProgressLineTakesItsDateColourAndWidthForTheSession) {
    OpenMine(false);
    dialogs.lightning.push_back([](LightningValues& v) {
        v.date = COleDateTime(2026, 4, 5, 13, 30, 0);
        v.colour = 0xFF00FF;
        v.width = 10;
        v.show = true;
    });
    ASSERT_TRUE(Run(cmd::kLightningSettings));
    EXPECT_EQ(dialogs.shownLightning->date, COleDateTime::GetCurrentTime().DatePart());
    EXPECT_EQ(me.status.Session().LightningDate(), COleDateTime(2026, 4, 5, 0, 0, 0));
    EXPECT_EQ(Settings().display.lightningColour, 0xFF00FFu);
    EXPECT_EQ(Settings().display.lightningWidth, 10);
    EXPECT_TRUE(me.status.IsShowingLightning());
    EXPECT_EQ(view.displayChanges, 1);

    for (int width : {0, 11}) {
        dialogs.lightning.push_back([width](LightningValues& v) { v.width = width; });
        EXPECT_FALSE(Run(cmd::kLightningSettings)) << width;
    }
    dialogs.lightning.push_back([](LightningValues& v) { v.date = COleDateTime::Null(); });
    EXPECT_FALSE(Run(cmd::kLightningSettings)) << "no date";
    EXPECT_EQ(Settings().display.lightningWidth, 10);

    me.status.Doc().Close();
    OpenMine(false);
    EXPECT_EQ(me.status.Session().LightningDate(), COleDateTime(2026, 4, 5, 0, 0, 0))
        << "kept for the session";
}

}  // namespace
}  // namespace qb
