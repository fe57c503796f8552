#include "QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CalendarSettings.h"
#include "DisplaySettings.h"

namespace qb {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Torvane/Quellbrandiren.conf"));
};

TEST_F(QtSettingsStoreTest, ValuesAndNestedSectionsSurviveTheFile) {
    {
        QtSettingsStore store(path);
        store.WriteInt("Property", "TabMode", 3);
        store.WriteString("Property", "Heisei3", "新元号,N");
        store.WriteString("PrevStatus/計画.qbd", "Folded", "3,7,");
        store.WriteInt("PrevStatus/計画.qbd", "PaperSize", 9);
    }
    ASSERT_TRUE(QFile::exists(path));
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Property", "TabMode"), 3);
    EXPECT_EQ(store.ReadString("Property", "TabMode"), "3");
    EXPECT_EQ(store.ReadString("Property", "Heisei3"), "新元号,N");
    EXPECT_EQ(store.ReadInt("Property", "Heisei3"), std::nullopt);
    EXPECT_EQ(store.ReadInt("Property", "FitX"), std::nullopt);
    EXPECT_EQ(store.ReadString("PrevStatus/計画.qbd", "Folded"), "3,7,");
    EXPECT_EQ(store.SectionNames("PrevStatus/"), std::vector<std::string>{"PrevStatus/計画.qbd"});
    EXPECT_EQ(store.ValueNames("PrevStatus/計画.qbd"),
              (std::vector<std::string>{"Folded", "PaperSize"}));
    store.RemoveSection("PrevStatus/計画.qbd");
    EXPECT_TRUE(store.SectionNames("PrevStatus/").empty());
}

TEST_F(QtSettingsStoreTest, AHandWrittenFileFeedsTheDisplayAndCalendarSettings) {
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("hand.conf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Property]\nShowSpan=1\nSaturdayB=255\nRulerFontSize1=9\nHeisei3=Name,N\n");
    file.close();
    const QtSettingsStore store(file.fileName());
    DisplaySettings display;
    display.Load(store);
    CalendarSettings calendar;
    calendar.Load(store);
    EXPECT_TRUE(display.showSpan);
    EXPECT_EQ(calendar.saturdayB, 255u);
    EXPECT_TRUE(display.showActual) << "a missing value keeps its default";
    EXPECT_EQ(calendar.rulerFontSize1, 9);
    EXPECT_EQ(calendar.heisei3Name, "Name");
}

}  // namespace
}  // namespace qb
