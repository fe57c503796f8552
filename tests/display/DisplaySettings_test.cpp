#include "DisplaySettings.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"

namespace qb {
namespace {

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
    EXPECT_TRUE(settings.showActual) << "a missing value keeps its default";
    EXPECT_EQ(settings.lightningColour, 0x00FF00u);
    EXPECT_EQ(settings.lightningWidth, 5);
    EXPECT_EQ(settings.guiFont, "Noto Sans CJK JP");
}

}  // namespace
}  // namespace qb
