// The ruler painted through Qt, compared with pictures kept under
// tests/data/golden. Fonts differ slightly between machines, so pictures are
// compared with a tolerance; QB_UPDATE_GOLDEN=1 writes them anew.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <string>

#include "CRuler.h"
#include "CalendarSettings.h"
#include "HolidayCache.h"
#include "ImageRenderer.h"
#include "RulerUnit.h"
#include "SystemHolidays.h"

namespace qb {
namespace {

// A channel may differ by this much before a pixel counts as different.
constexpr int kChannelTolerance = 48;
constexpr double kRequiredShare = 0.99;

QString GoldenPath(const char* name) {
    return QDir(QStringLiteral(QB_TEST_DATA_DIR "/golden")).filePath(QString::fromUtf8(name));
}

double ShareOfMatchingPixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return 0.0;
    }
    long matching = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(e)) <= kChannelTolerance &&
                std::abs(qGreen(a) - qGreen(e)) <= kChannelTolerance &&
                std::abs(qBlue(a) - qBlue(e)) <= kChannelTolerance) {
                ++matching;
            }
        }
    }
    return static_cast<double>(matching) / (static_cast<double>(actual.width()) * actual.height());
}

void ExpectMatchesGolden(const QImage& actual, const char* name) {
    ASSERT_FALSE(actual.isNull());
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("QB_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(actual.save(path, "PNG")) << path.toStdString();
        GTEST_SKIP() << "wrote " << path.toStdString();
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull())
        << "missing " << path.toStdString() << "; run with QB_UPDATE_GOLDEN=1 to write it";
    EXPECT_GE(ShareOfMatchingPixels(actual.convertToFormat(QImage::Format_RGB32),
                                    expected.convertToFormat(QImage::Format_RGB32)),
              kRequiredShare);
}

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
