#include "Palette.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "AppSettings.h"
#include "AppTestBase.h"
#include "CStyleData.h"
#include "StyleFile.h"

namespace qb {
namespace {

std::unique_ptr<CStyleData> Favourites(std::initializer_list<const char*> names) {
    auto styles = std::make_unique<CStyleData>();
    for (const char* name : names) {
        auto style = std::make_unique<CScheduleStyle>();
        style->SetKey(name);
        style->SetScheduleType(0);
        style->SetSubType(1);
        style->SetHeight(8);
        style->SetBgColor(0x112233);
        styles->GetStyles().Add(std::move(style));
    }
    return styles;
}

class PaletteTest : public AppTestBase {
protected:
    AppSettings& Settings() { return status_->Services().Settings(); }
    Palette& palette() { return status_->GetPalette(); }
};

TEST_F(PaletteTest, ChoicesAreTheSettingsAndBadOnesAreIgnoredOrFallBack) {
    Palette& p = palette();
    p.SetCurrentShape(0);
    p.SetCurrentLine(2);
    p.SetFillColour(0x00FF00);
    p.SetPenColour(0x0000FF);
    EXPECT_EQ(Settings().paletteType, 0);
    EXPECT_EQ(Settings().palettePen, 2);
    EXPECT_EQ(Settings().paletteBackColor, 0x00FF00u);
    EXPECT_EQ(Settings().palettePenColor, 0x0000FFu);

    for (int bad : {-1, p.ShapeCount()}) {
        p.SetCurrentShape(bad);
        EXPECT_EQ(p.CurrentShapeIndex(), 0) << bad;
    }
    p.SetCurrentLine(p.LineStyleCount());
    EXPECT_EQ(p.CurrentLineIndex(), 2);
    // A stored choice beyond the list (a favourites file that shrank) reads
    // as the plain bar and the first line.
    Settings().paletteType = 99;
    Settings().palettePen = -4;
    EXPECT_EQ(p.CurrentShapeIndex(), 3);
    EXPECT_EQ(p.CurrentLineIndex(), 0);
    EXPECT_THROW(p.Shape(p.ShapeCount()), std::out_of_range);
    EXPECT_THROW(p.Shape(-1), std::out_of_range);
}

TEST_F(PaletteTest, NoLineIsTheLastLineStyle) {
    Palette& p = palette();
    EXPECT_EQ(p.GetLineStyle(p.LineStyleCount() - 1).name, "線なし");
    EXPECT_FALSE(p.IsNoLine());
    p.SetCurrentLine(p.LineStyleCount() - 1);
    EXPECT_TRUE(p.IsNoLine());
    p.SetCurrentLine(p.LineStyleCount() - 2);
    EXPECT_FALSE(p.IsNoLine());
}

TEST_F(PaletteTest, FavouritesFollowTheBuiltInShapesByTheirNames) {
    Palette& p = palette();
    const int builtIn = p.BuiltInShapeCount();
    auto styles = Favourites({"会議", "出張"});
    // A deleted style is a tombstone: never listed.
    styles->GetStyles().At(1)->SetDeleted(true);
    styles->GetStyles().Add(Favourites({"休暇"})->GetStyles().RemoveAt(0));
    p.SetFavourites(std::move(styles));
    ASSERT_EQ(p.ShapeCount(), builtIn + 2);
    EXPECT_EQ(p.ShapeName(builtIn), "会議");
    EXPECT_EQ(p.ShapeName(builtIn + 1), "休暇");

    p.SetCurrentShape(builtIn + 1);
    p.SetFavourites(Favourites({"会議"}));
    EXPECT_EQ(p.CurrentShapeIndex(), 3) << "the choice went with the file";
    p.SetFavourites(nullptr);
    EXPECT_EQ(p.ShapeCount(), builtIn);
}

TEST_F(PaletteTest, NewObjectsTakeTheChosenLookBuiltInShapesInThePalettesColours) {
    Palette& p = palette();
    p.SetFillColour(0x00AA00);
    p.SetPenColour(0x0000BB);
    p.SetFavourites(Favourites({"会議"}));

    CSchedule bar;
    p.SetCurrentShape(5);
    p.ApplyTo(bar);
    EXPECT_EQ(bar.GetHeight(), p.Shape(5).GetHeight());
    EXPECT_EQ(bar.GetBgColor(), 0x00AA00u);
    EXPECT_EQ(bar.GetEdgePen().GetColour(), 0x0000BBu);
    EXPECT_FALSE(p.IsPointShape());

    CSchedule favourite;
    p.SetCurrentShape(p.BuiltInShapeCount());
    p.ApplyTo(favourite);
    EXPECT_EQ(favourite.GetBgColor(), 0x112233u) << "a favourite keeps its own colours";
    EXPECT_EQ(favourite.GetHeight(), 8);

    p.SetCurrentShape(6);
    EXPECT_TRUE(p.IsPointShape());

    CLink link;
    p.SetCurrentLine(3);
    p.ApplyTo(link);
    EXPECT_EQ(link.GetLinePen().GetStyle(), p.GetLineStyle(3).pen.GetStyle());
    EXPECT_EQ(link.GetLinePen().GetColour(), 0x0000BBu);
    EXPECT_EQ(link.GetToEndStyle(), p.GetLineStyle(3).toEndStyle);

    CMemo memo;
    p.ApplyTo(memo);
    EXPECT_EQ(memo.GetBorderPen().GetColour(), 0x0000BBu);
    EXPECT_GT(memo.GetWidth(), 0);
}

TEST_F(PaletteTest, ListenersHearEveryChangeUntilTheyLeave) {
    Palette& p = palette();
    int heard = 0;
    const int id = p.Subscribe([&heard] { ++heard; });
    p.SetCurrentShape(1);
    p.SetCurrentLine(1);
    p.SetFillColour(1);
    p.SetPenColour(1);
    p.SetFavourites(nullptr);
    EXPECT_EQ(heard, 5);
    p.Unsubscribe(id);
    p.SetCurrentShape(2);
    EXPECT_EQ(heard, 5);
}

TEST_F(PaletteTest, TheDefaultFileIsReadAtStartAndADamagedOneIsReportedNotFatal) {
    const std::string good = folder_.File("good.xml");
    StyleFile file;
    ASSERT_TRUE(file.WriteStyleFile(good, *Favourites({"会議", "出張"})));
    const std::string damaged = folder_.File("damaged.xml");
    std::ofstream(damaged) << "<styledata><schedulestylearray>";

    struct Case {
        std::string path;
        int favourites;
        bool reported;
    };
    for (const Case& c : {Case{good, 2, false}, Case{damaged, 0, true},
                          Case{folder_.File("missing.xml"), 0, true}}) {
        store_.WriteString(AppSettings::kSection, "DefStyleFile", c.path);
        prompt_.Clear();
        CStatus started(store_, prompt_, shell_, environment_);
        const Palette& p = started.GetPalette();
        EXPECT_EQ(p.ShapeCount(), p.BuiltInShapeCount() + c.favourites) << c.path;
        EXPECT_EQ(!prompt_.Shown().empty(), c.reported) << c.path;
    }
    EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
}

}  // namespace
}  // namespace qb
