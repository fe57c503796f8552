#include "FavouriteShapesForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AppSettings.h"
#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CStyleData.h"
#include "CommandIds.h"
#include "Palette.h"
#include "ScriptedDialogs.h"
#include "StyleFile.h"

namespace qb {
namespace {

class FavouriteShapesFormTest : public AppTestBase {
protected:
    AppSettings& Settings() { return status_->Services().Settings(); }
    Palette& palette() { return status_->GetPalette(); }

    // A form with two styles, saved to a file of the folder.
    std::unique_ptr<FavouriteShapesForm> SavedForm(const std::string& name) {
        auto form = std::make_unique<FavouriteShapesForm>(*status_);
        form->AddFromPalette(3);
        form->AddFromPalette(6);
        prompt_.QueueFile(folder_.File(name));
        EXPECT_TRUE(form->Save());
        return form;
    }
    std::string LastText() const {
        return prompt_.Shown().empty() ? std::string() : prompt_.Shown().back().text;
    }
};

TEST_F(FavouriteShapesFormTest, StylesRoundTripThroughAFileInTheirOrderWithTheirValues) {
    FavouriteShapesForm form(*status_);
    EXPECT_EQ(form.FileName(), "無題");
    palette().SetFillColour(0x00AA00);
    EXPECT_EQ(form.AddFromPalette(3), 0);
    EXPECT_EQ(form.AddFromPalette(3), 1);
    EXPECT_EQ(form.Style(1).GetKey(), "バー (2)") << "a copy gets a name of its own";
    EXPECT_EQ(form.Style(0).GetBgColor(), 0x00AA00u) << "the look in the palette's colours";
    palette().SetCurrentShape(8);
    EXPECT_EQ(form.AddCurrentShape(), 2);
    ASSERT_TRUE(form.Rename(0, "会議"));

    CScheduleStyle values;
    values.CopyFrom(form.Style(0));
    values.SetHeight(17);
    values.SetEdgePen(CPenInfo(1, 1, 0x0000FF));
    values.SetEndEdgeType(2);
    values.SetCaptionPosition(3);
    values.SetKey("ignored");
    ASSERT_TRUE(form.Update(0, values));
    EXPECT_EQ(form.Style(0).GetKey(), "会議");
    EXPECT_EQ(form.MoveDown(0), 1);
    EXPECT_EQ(form.MoveDown(2), 2) << "the last stays last";
    EXPECT_EQ(form.MoveUp(2), 1);
    EXPECT_EQ(form.MoveUp(0), 0);
    ASSERT_TRUE(form.Remove(1));
    ASSERT_EQ(form.Count(), 2);
    EXPECT_TRUE(form.IsModified());

    const std::string path = folder_.File("shapes.xml");
    prompt_.QueueFile(path);
    ASSERT_TRUE(form.Save());
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(form.FileName(), "shapes.xml");

    FavouriteShapesForm again(*status_);
    ASSERT_TRUE(again.OpenPath(path));
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Style(0).GetKey(), "バー (2)");
    EXPECT_EQ(again.Style(1).GetKey(), "会議");
    EXPECT_EQ(again.Style(1).GetHeight(), 17);
    EXPECT_EQ(again.Style(1).GetEdgePen(), CPenInfo(1, 1, 0x0000FF));
    EXPECT_EQ(again.Style(1).GetEndEdgeType(), 2);
    EXPECT_EQ(again.Style(1).GetCaptionPosition(), 3);
    EXPECT_FALSE(again.IsModified());
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(FavouriteShapesFormTest, AFileThatCannotBeReadIsReportedAndTheOpenFileStays) {
    auto form = SavedForm("good.xml");
    form->AddFromPalette(0);
    const std::string damaged = folder_.File("damaged.xml");
    std::ofstream(damaged) << "<styledata>";
    const std::string wrongRoot = folder_.File("holidays.xml");
    std::ofstream(wrongRoot) << "<holidayarray/>";

    for (const std::string& path : {damaged, wrongRoot}) {
        prompt_.Clear();
        prompt_.QueueAnswer(PromptAnswer::kNo);  // keep the editor's change in memory
        prompt_.QueueFile(path);
        EXPECT_FALSE(form->OpenFile()) << path;
        EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
    }
    EXPECT_NE(LastText().find("ルート要素"), std::string::npos) << LastText();
    EXPECT_EQ(form->FileName(), "good.xml");
    EXPECT_EQ(form->Count(), 3) << "the unsaved style survives a failed open";
}

TEST_F(FavouriteShapesFormTest, EmptyAndDuplicateNamesAndBadValuesAreRefused) {
    auto form = SavedForm("names.xml");
    const std::string first = form->Style(0).GetKey();
    const std::string second = form->Style(1).GetKey();
    EXPECT_FALSE(form->Rename(1, ""));
    EXPECT_EQ(LastText(), "名前を入力してください。");
    EXPECT_FALSE(form->Rename(1, first));
    EXPECT_NE(LastText().find(first), std::string::npos);
    EXPECT_EQ(form->Style(1).GetKey(), second);
    EXPECT_TRUE(form->Rename(1, second)) << "its own name is no duplicate";
    EXPECT_FALSE(form->IsModified());

    struct Bad {
        const char* what;
        void (*spoil)(CScheduleStyle&);
    };
    const Bad bad[] = {
        {"height 0", [](CScheduleStyle& s) { s.SetHeight(0); }},
        {"height 101", [](CScheduleStyle& s) { s.SetHeight(101); }},
        {"type 2", [](CScheduleStyle& s) { s.SetScheduleType(2); }},
        {"bar subtype 2", [](CScheduleStyle& s) { s.SetSubType(2); }},
        {"edge width 8", [](CScheduleStyle& s) { s.SetEdgePen(CPenInfo(0, 8, 0)); }},
        {"end 5", [](CScheduleStyle& s) { s.SetEndEdgeType(5); }},
        {"caption 5", [](CScheduleStyle& s) { s.SetCaptionPosition(5); }},
    };
    for (const Bad& b : bad) {
        CScheduleStyle values;
        values.CopyFrom(form->Style(0));
        b.spoil(values);
        prompt_.Clear();
        EXPECT_FALSE(form->Update(0, values)) << b.what;
        EXPECT_EQ(prompt_.Shown().size(), 1u) << b.what;
    }
    EXPECT_FALSE(form->IsModified());
    EXPECT_EQ(form->Style(0).GetHeight(), palette().Shape(3).GetHeight());
    EXPECT_THROW(form->Rename(2, "x"), std::out_of_range);
}

TEST_F(FavouriteShapesFormTest, UnsavedChangesAreAskedAboutBeforeTheFileIsLeft) {
    struct Case {
        PromptAnswer answer;
        bool left;
        int countOnDisk;
    };
    for (const Case& c : {Case{PromptAnswer::kCancel, false, 2}, Case{PromptAnswer::kNo, true, 2},
                          Case{PromptAnswer::kYes, true, 3}}) {
        auto form = SavedForm("ask.xml");
        form->AddFromPalette(1);
        prompt_.Clear();
        prompt_.QueueAnswer(c.answer);
        EXPECT_EQ(form->NewFile(), c.left);
        ASSERT_EQ(prompt_.Shown().size(), 1u);
        EXPECT_EQ(prompt_.Shown()[0].buttons, PromptButtons::kYesNoCancel);
        EXPECT_EQ(form->Count(), c.left ? 0 : 3);
        StyleFile file;
        EXPECT_EQ(file.ReadStyleFile(folder_.File("ask.xml"))->GetStyles().GetCount(),
                  c.countOnDisk);
    }
    // Nothing changed: nothing asked.
    FavouriteShapesForm clean(*status_);
    prompt_.Clear();
    EXPECT_TRUE(clean.Close());
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(FavouriteShapesFormTest, AFailedSaveIsShownAndKeepsTheChangesAndTheEditorOpen) {
    auto form = SavedForm("kept.xml");
    form->AddFromPalette(1);
    const std::string nowhere = folder_.File("no-such-folder/x.xml");
    prompt_.Clear();
    prompt_.QueueFile(nowhere);
    EXPECT_FALSE(form->SaveAs());
    EXPECT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(form->FileName(), "kept.xml");
    EXPECT_TRUE(form->IsModified());

    // Closing: Yes tries to save; saving to a folder that is gone fails and the editor stays.
    std::filesystem::permissions(folder_.Path(), std::filesystem::perms::owner_all);
    std::filesystem::remove(folder_.File("kept.xml"));
    std::filesystem::create_directory(folder_.File("kept.xml"));  // not a file any more
    prompt_.Clear();
    prompt_.QueueAnswer(PromptAnswer::kYes);
    EXPECT_FALSE(form->Close());
    EXPECT_EQ(prompt_.Shown().size(), 2u) << "the question and the failure";
    EXPECT_EQ(form->Count(), 3);
    EXPECT_TRUE(form->IsModified());
}

TEST_F(FavouriteShapesFormTest, TheDefaultFileIsStoredAtOnceAndThePaletteGetsItsSavedStyles) {
    auto form = SavedForm("default.xml");
    EXPECT_FALSE(form->IsDefaultFile());
    ASSERT_TRUE(form->MakeDefault());
    EXPECT_TRUE(form->IsDefaultFile());
    EXPECT_EQ(store_.ReadString(AppSettings::kSection, "DefStyleFile"),
              folder_.File("default.xml"));
    const int builtIn = palette().BuiltInShapeCount();
    EXPECT_EQ(palette().ShapeCount(), builtIn + 2);

    // Changes thrown away on closing do not reach the palette; saved ones do.
    form->Rename(0, "捨てる");
    prompt_.QueueAnswer(PromptAnswer::kNo);
    ASSERT_TRUE(form->Close());
    EXPECT_EQ(palette().ShapeName(builtIn), "バー");

    FavouriteShapesForm reopened(*status_);
    EXPECT_EQ(reopened.FileName(), "default.xml") << "the editor starts on the default file";
    reopened.Rename(0, "保存する");
    prompt_.QueueAnswer(PromptAnswer::kYes);
    ASSERT_TRUE(reopened.Close());
    EXPECT_EQ(palette().ShapeName(builtIn), "保存する");

    // A new, unsaved file is saved first when it is made the default.
    FavouriteShapesForm fresh(*status_);
    ASSERT_TRUE(fresh.NewFile());
    prompt_.QueueFile(std::nullopt);
    EXPECT_FALSE(fresh.MakeDefault()) << "the save was cancelled";
    EXPECT_EQ(Settings().defStyleFile, folder_.File("default.xml"));
}

TEST_F(FavouriteShapesFormTest, TheEditorCommandNeedsADocumentAndOpensTheDialogOnTheForm) {
    test::ScriptedDialogs dialogs;
    status_->Services().SetDialogs(&dialogs);
    CCommandHandler& commands = status_->Commands();
    EXPECT_FALSE(commands.State(cmd::kStyleEditor).enabled);
    ASSERT_TRUE(commands.Execute(cmd::kNew));
    ASSERT_TRUE(commands.State(cmd::kStyleEditor).enabled);
    std::string shown;
    dialogs.favouriteShapes.push_back([&shown](FavouriteShapesForm& form) {
        form.AddFromPalette(0);
        shown = form.Style(0).GetKey();
    });
    EXPECT_TRUE(commands.Execute(cmd::kStyleEditor));
    EXPECT_EQ(shown, "線");
    EXPECT_TRUE(dialogs.favouriteShapes.empty());
    status_->Services().SetDialogs(nullptr);
}

}  // namespace
}  // namespace qb
