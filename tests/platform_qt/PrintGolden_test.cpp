// A printed page painted through Qt, compared with a picture kept under
// tests/data/golden.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "GoldenImage.h"
#include "PrintEngine.h"
#include "QtDrawContext.h"

namespace qb {
namespace {

using golden::ExpectMatchesGolden;
using golden::kRequiredShare;
using golden::ShareOfMatchingPixels;

// Twelve rows with a bar each, staggered over April 2027.
std::unique_ptr<CProject> MakePlan() {
    auto project = std::make_unique<CProject>();
    project->SetTitle("見本工程表");
    project->SetParam("_Footer", "株式会社見本");
    project->SetParamBool("_PrintSigns", true);
    project->SetParam("_Signs", "承認\t照査\t作成");
    const COleDateTime start(2027, 4, 1, 0, 0, 0);
    for (int id = 1; id <= 12; ++id) {
        auto row = std::make_unique<CRow>(id);
        row->SetHeight(30);
        row->SetCaption("工程" + std::to_string(id));
        project->GetRows().Add(std::move(row));
        auto bar = std::make_unique<CSchedule>(100 + id);
        bar->SetRowObjectId(id);
        bar->SetSubType(1);
        bar->SetHeight(10);
        bar->SetYOffset(10);
        bar->SetBgColor(0xC08040);
        bar->SetStartDate(start.AddDays(id * 2));
        bar->SetEndDate(start.AddDays(id * 2 + 6));
        bar->SetEndOffset(10000);
        project->GetSchedules().Add(std::move(bar));
    }
    project->SetLastObjectId(200);
    return project;
}

// Page index of the plan on A5 landscape at 96 dots per inch.
QImage PrintedPage(CProject& project, int index) {
    PrintEngine engine;
    PrintSettings& settings = engine.Settings();
    settings.paperSize = 11;
    settings.range = PrintSettings::Range::kDates;
    settings.from = COleDateTime(2027, 4, 1, 0, 0, 0);
    settings.to = COleDateTime(2027, 4, 30, 0, 0, 0);
    settings.pageFormat = 6;
    settings.pageAlign = 4;
    PrintEngine::Source source;
    source.project = &project;
    source.today = COleDateTime(2027, 4, 12, 0, 0, 0);
    EXPECT_TRUE(engine.Layout(source, false, COleDateTime()));
    const double scale = 96.0 / 254.0;
    QImage image(static_cast<int>(2100 * scale), static_cast<int>(1480 * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    {
        QtDrawContext dc(painter);
        engine.DrawPage(index, dc);
    }
    painter.end();
    return image;
}

TEST(PrintGolden, FirstPageOfAMonthOnA5) {
    const auto project = MakePlan();
    ExpectMatchesGolden(PrintedPage(*project, 0), "print_a5_page1.png");
}

TEST(PrintGolden, TheComparisonNoticesAMovedBar) {
    const auto project = MakePlan();
    const QImage before = PrintedPage(*project, 0);
    project->GetSchedules().At(0)->SetStartDate(COleDateTime(2027, 4, 20, 0, 0, 0));
    project->GetSchedules().At(0)->SetEndDate(COleDateTime(2027, 4, 28, 0, 0, 0));
    const QImage after = PrintedPage(*project, 0);
    EXPECT_NE(before, after);
}

}  // namespace
}  // namespace qb
