// The ruler painted through Qt, compared with pictures kept under
// tests/data/golden.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "GoldenImage.h"
#include "HolidayCache.h"
#include "ImageRenderer.h"
#include "RulerUnit.h"
#include "SystemHolidays.h"

namespace qb {
namespace {

using golden::ExpectMatchesGolden;
using golden::kRequiredShare;
using golden::ShareOfMatchingPixels;

struct RulerPicture {
    CalendarSettings settings;
    HolidayCache holidays{settings};
    CRuler ruler{settings, &holidays};

    RulerPicture(int upperUnit, int lowerUnit, const COleDateTime& from, const COleDateTime& to,
                 int width) {
        holidays.SetSystemRules(SystemHolidays::BuiltInRules());
        ruler.SetFontFace("ＭＳ Ｐゴシック");
        ruler.SetView(width, from, to);
        ruler.SetUnits(CRuler::Band::upper, upperUnit, 0);
        ruler.SetUnits(CRuler::Band::lower, lowerUnit, 0);
    }

    QImage Paint(const COleDateTime& today) {
        return ImageRenderer::RenderImage(ruler.GetWidth(), CRuler::kHeight,
                                          [&](IDrawContext& dc) { ruler.Paint(dc, today); });
    }
};

TEST(RulerGolden, DaysUnderMonthsOfTheFirstQuarterOf2024) {
    RulerPicture picture(kRulerMonth, kRulerDay, COleDateTime(2024, 1, 1, 0, 0, 0),
                         COleDateTime(2024, 3, 31, 0, 0, 0), 1920);
    ExpectMatchesGolden(picture.Paint(COleDateTime(2024, 2, 14, 0, 0, 0)),
                        "ruler_months_days_2024q1.png");
}

TEST(RulerGolden, MonthsUnderYearsOf2023To2025) {
    RulerPicture picture(kRulerYear, kRulerMonth, COleDateTime(2023, 1, 1, 0, 0, 0),
                         COleDateTime(2025, 12, 31, 0, 0, 0), 1096);
    ExpectMatchesGolden(picture.Paint(COleDateTime()), "ruler_years_months_2023_2025.png");
}

TEST(RulerGolden, TheComparisonNoticesAWrongPicture) {
    RulerPicture picture(kRulerMonth, kRulerDay, COleDateTime(2024, 1, 1, 0, 0, 0),
                         COleDateTime(2024, 3, 31, 0, 0, 0), 1920);
    const QImage days = picture.Paint(COleDateTime(2024, 2, 14, 0, 0, 0));
    QImage blank(days.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QImage shifted = days.copy(7, 0, days.width(), days.height());
    EXPECT_LT(ShareOfMatchingPixels(days, blank), kRequiredShare);
    EXPECT_LT(ShareOfMatchingPixels(days, shifted), kRequiredShare);
}

}  // namespace
}  // namespace qb
