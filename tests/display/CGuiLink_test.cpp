#include "CGuiLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "CDrawPartArray.h"
#include "CGuiRow.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "ChartFixture.h"
#include "LinkRoute.h"
#include "RecordingDrawContext.h"

namespace qb {
namespace {

using Op = RecordingDrawContext::Op;

// Bar 10 spans x 20..49, y 15..25 on the first row; bar 11 spans x 90..119,
// y 55..65 on the second.
class CGuiLinkTest : public ChartFixture {
protected:
    CGuiLinkTest() {
        AddBar(10, 1, 3, 5);
        AddBar(11, 2, 10, 12);
    }

    CLink& AddLink(int fromHorz, int toHorz, int toEndStyle = 0) {
        auto link = std::make_unique<CLink>(20);
        link->SetFromId(10);
        link->SetToId(11);
        link->SetFromHorzPosition(fromHorz);
        link->SetToHorzPosition(toHorz);
        link->SetToEndStyle(toEndStyle);
        link->SetLinePen(CPenInfo(0, 2, 0x0000FF));
        CLink& raw = *link;
        project_.GetLinks().Add(std::move(link));
        return raw;
    }

    CGuiLink& LaidOut() {
        RebuildAndLayOut();
        return *model_.GetLinks().At(0);
    }
};

TEST_F(CGuiLinkTest, EndsAnchoredLeftOrRightGetTenPixelStubsAndGrabAreas) {
    AddLink(2, 0);
    const CGuiLink& link = LaidOut();
    EXPECT_EQ(link.FromPoint(), (DrawPoint{49, 20}));
    EXPECT_EQ(link.FromStub(), (DrawPoint{59, 20}));
    EXPECT_EQ(link.ToStub(), (DrawPoint{80, 60}));
    EXPECT_EQ(link.ToPoint(), (DrawPoint{90, 60}));
    EXPECT_EQ(link.FromStubHit(), (DrawRect{49, 15, 59, 25}));
    EXPECT_EQ(link.ToStubHit(), (DrawRect{80, 55, 90, 65}));
    EXPECT_EQ(link.GetRect(), (GuiRect{49, 20, 90, 60}));
    EXPECT_TRUE(link.IsVisible());
}

TEST_F(CGuiLinkTest, CentredEndHasNoStubAndItsArrowFollowsTheMainSegment) {
    AddLink(2, 1, 2);
    CGuiLink& link = LaidOut();
    EXPECT_EQ(link.ToStub(), (DrawPoint{104, 60}));
    EXPECT_EQ(link.ToStub(), link.ToPoint());

    RecordingDrawContext dc;
    link.Draw(dc, DrawArgs(0, 310));
    const auto polygons = dc.RecordsOf(Op::polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const auto& p = polygons[0].points;
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[1], (DrawPoint{104, 60}));
    // The arrow's base lies back along the segment from (59, 20) to (104, 60).
    const double baseX = (p[0].x + p[2].x) / 2.0 - 104;
    const double baseY = (p[0].y + p[2].y) / 2.0 - 60;
    EXPECT_LT(baseX * 45 + baseY * 40, 0.0);
    EXPECT_NEAR(baseX * 40 - baseY * 45, 0.0, 60.0);
}

TEST_F(CGuiLinkTest, LinkToDeletedScheduleIsNeitherDrawnNorHit) {
    AddLink(2, 0);
    project_.GetSchedules().At(1)->SetDeleted(true);
    CGuiLink& link = LaidOut();
    EXPECT_FALSE(link.IsVisible());
    EXPECT_FALSE(link.HitTest(DrawPoint{55, 20}));
    RecordingDrawContext dc;
    link.Draw(dc, DrawArgs(0, 310));
    EXPECT_TRUE(dc.Records().empty());
}

// Each link's points and visibility, and the links the index finds over the
// whole chart, as a model built from nothing with the same rows hidden gives
// them.
void ExpectLinksAsFresh(const CDisplayModel& model, CProject& project, const ChartContext& chart) {
    CDisplayModel fresh;
    fresh.Rebuild(project);
    DisplayTree::ForEachRow(model.Tree().GetRows(), [&](const CGuiRow& row) {
        if (row.IsHidden())
            fresh.HideRow(row.GetObjectId());
    });
    ChartContext own = chart;
    own.model = &fresh;
    fresh.Layout(own);
    const auto indexed = [](const CDisplayModel& m) {
        std::vector<std::int32_t> ids;
        m.LinkIndex().ForEachOverlapping(
            DrawRect{-10000, -10000, 10000, 10000}, 0,
            [&](CGuiObject& link) { ids.push_back(link.GetObjectId()); });
        std::sort(ids.begin(), ids.end());
        return ids;
    };
    ASSERT_EQ(model.GetLinks().Size(), fresh.GetLinks().Size());
    for (std::size_t i = 0; i < fresh.GetLinks().Size(); ++i) {
        const CGuiLink& kept = *model.GetLinks().At(i);
        const CGuiLink& made = *fresh.GetLinks().At(i);
        EXPECT_EQ(kept.IsVisible(), made.IsVisible()) << "link " << i;
        if (!made.IsVisible())
            continue;
        EXPECT_EQ(kept.FromPoint(), made.FromPoint()) << "link " << i;
        EXPECT_EQ(kept.ToPoint(), made.ToPoint()) << "link " << i;
        EXPECT_EQ(kept.ToStubHit(), made.ToStubHit()) << "link " << i;
    }
    EXPECT_EQ(indexed(model), indexed(fresh));
}

// A rebuild keeps a link whose data and ends are the same, and its places
// while its ends stay; whatever moves an end moves the link, and a changed
// link shows its new values.
TEST_F(CGuiLinkTest, ARebuildKeepsLinksAndTheirPlacesOnlyWhileTheirEndsStay) {
    AddLink(2, 0);
    CLink& toMemo = AddLink(2, 0);
    toMemo.SetObjectId(21);
    toMemo.SetToId(30);
    auto memo = std::make_unique<CMemo>(30);
    memo->SetXDate(Day(20));
    memo->SetYRowId(2);
    memo->SetWidth(40);
    memo->SetHeight(20);
    CMemo& note = *memo;
    project_.GetDrawParts().Add(std::move(memo));
    CSchedule& from = *project_.GetSchedules().At(0);
    CSchedule& to = *project_.GetSchedules().At(1);
    RebuildAndLayOut();
    const CGuiLink* kept = model_.GetLinks().At(0);
    const DrawPoint before = kept->ToPoint();

    AddBar(12, 1, 20, 22);  // an edit elsewhere
    RebuildAndLayOut();
    EXPECT_EQ(model_.GetLinks().At(0), kept);
    EXPECT_EQ(kept->ToPoint(), before);
    ExpectLinksAsFresh(model_, project_, chart_);

    const std::vector<std::function<void()>> edits = {
        [&] { to.SetStartDate(Day(8)); },                  // the end's bar moves
        [&] { project_.GetRows().At(0)->SetHeight(60); },  // its row moves down
        [&] { note.SetXDate(Day(22)); },                   // the memo moves
        [&] { from.SetYOffset(45); },                      // below its row: no place
        [&] { from.SetYOffset(5); },
        [&] { model_.HideRow(2); },  // the to end's row: no place
        [&] { model_.ShowAll(); },
        [&] { to.SetDeleted(true); },
        [&] { to.SetDeleted(false); },
        [&] {
            ruler_.SetView(310, Day(2), Day(32));  // the scale moves
            ruler_.Rebuild();
        },
        [&] { project_.GetLinks().At(0)->SetToHorzPosition(2); },  // the link itself
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(i);
        edits[i]();
        RebuildAndLayOut();
        ExpectLinksAsFresh(model_, project_, chart_);
        model_.Layout(chart_);  // and once more without a rebuild
        ExpectLinksAsFresh(model_, project_, chart_);
    }
    EXPECT_NE(model_.GetLinks().At(0)->ToPoint(), before);
}

TEST_F(CGuiLinkTest, HitTestTakesStubsAndPointsNearTheMainSegment) {
    AddLink(2, 0);
    const CGuiLink& link = LaidOut();
    EXPECT_TRUE(link.HitTest(DrawPoint{55, 24}));   // from stub
    EXPECT_TRUE(link.HitTest(DrawPoint{85, 56}));   // to stub
    EXPECT_TRUE(link.HitTest(DrawPoint{73, 39}));   // 3 px off the diagonal
    EXPECT_FALSE(link.HitTest(DrawPoint{74, 38}));  // 4.5 px off
    EXPECT_FALSE(link.HitTest(DrawPoint{95, 70}));  // beyond both
}

TEST_F(CGuiLinkTest, MainSegmentIsClippedToTheVisibleRangeAndFarEndsAreSkipped) {
    AddLink(2, 0, 1);
    CGuiLink& link = LaidOut();
    RecordingDrawContext dc;
    link.Draw(dc, DrawArgs(75, 100));
    const auto lines = dc.RecordsOf(Op::line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].points[0], (DrawPoint{75, 50}));
    EXPECT_EQ(lines[0].points[1], (DrawPoint{80, 60}));
    // Only the to end, at x 80..90, is near enough to be drawn.
    for (const auto& line : lines)
        EXPECT_GE(line.points[0].x, 75);
    EXPECT_EQ(dc.RecordsOf(Op::polygon).size(), 1u);
}

TEST(LinkRoute, HorizontalAndVerticalSegmentsAreGrabbedByTheirOwnRules) {
    EXPECT_TRUE(LinkRoute::HitsSegment(DrawPoint{10, 3}, DrawPoint{0, 0}, DrawPoint{20, 0}));
    EXPECT_FALSE(LinkRoute::HitsSegment(DrawPoint{21, 0}, DrawPoint{0, 0}, DrawPoint{20, 0}));
    EXPECT_TRUE(LinkRoute::HitsSegment(DrawPoint{0, 0}, DrawPoint{0, 0}, DrawPoint{0, 0}));
    EXPECT_TRUE(LinkRoute::HitsSegment(DrawPoint{1, 20}, DrawPoint{0, 0}, DrawPoint{0, 20}));
    EXPECT_FALSE(LinkRoute::HitsSegment(DrawPoint{0, 21}, DrawPoint{0, 0}, DrawPoint{0, 20}));
    EXPECT_LT(LinkRoute::SegmentDistance(DrawPoint{-1, 0}, DrawPoint{0, 0}, DrawPoint{9, 9}), 0);
}

TEST(LinkRoute, ClippingKeepsTheDirectionAndDropsSegmentsOutsideTheRange) {
    DrawPoint a{100, 0};
    DrawPoint b{-100, 200};
    ASSERT_TRUE(LinkRoute::ClipToX(a, b, 0, 50));
    EXPECT_EQ(a, (DrawPoint{50, 50}));
    EXPECT_EQ(b, (DrawPoint{0, 100}));
    DrawPoint c{60, 0};
    DrawPoint d{70, 9};
    EXPECT_FALSE(LinkRoute::ClipToX(c, d, 0, 50));
    DrawPoint far1{-2000000000, 0};
    DrawPoint far2{2000000000, 10};
    ASSERT_TRUE(LinkRoute::ClipToX(far1, far2, 0, 10));
    EXPECT_EQ(far1, (DrawPoint{0, 5}));
}

}  // namespace
}  // namespace qb
