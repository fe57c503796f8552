#include "DisplaySettings.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"

namespace qb {
namespace {

TEST(DisplaySettings, MissingValuesKeepTheDefaults) {
    InMemorySettingsStore store;
    DisplaySettings settings;
    settings.Load(store);
    EXPECT_TRUE(settings.paintHoliday);
    EXPECT_FALSE(settings.showSpan);
    EXPECT_TRUE(settings.summary);
    EXPECT_EQ(settings.summaryBgColor, 0x0080FFu);
    EXPECT_EQ(settings.inazumasenWidth, 3);
    EXPECT_EQ(settings.sundayB, 0xC0C0FFu);
    EXPECT_EQ(settings.guiFont, "ＭＳ Ｐゴシック");
}

TEST(DisplaySettings, StoredValuesOverrideAndColoursKeepTwentyFourBits) {
    InMemorySettingsStore store;
    store.WriteInt("Property", "ShowSpan", 1);
    store.WriteInt("Property", "Summary", 0);
    store.WriteInt("Property", "InazumasenColor", static_cast<std::int32_t>(0xFF00FF00u));
    store.WriteInt("Property", "InazumasenWidth", 5);
    store.WriteString("Property", "GuiFont", "Noto Sans CJK JP");
    DisplaySettings settings;
    settings.Load(store);
    EXPECT_TRUE(settings.showSpan);
    EXPECT_FALSE(settings.summary);
    EXPECT_EQ(settings.inazumasenColor, 0x00FF00u);
    EXPECT_EQ(settings.inazumasenWidth, 5);
    EXPECT_EQ(settings.guiFont, "Noto Sans CJK JP");
}

}  // namespace
}  // namespace qb
