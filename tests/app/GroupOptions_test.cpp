#include <gtest/gtest.h>

#include "AppEnvironment.h"
#include "AppSettings.h"
#include "InMemorySettingsStore.h"
#include "OptionsForm.h"

namespace qb {
namespace {

// The four group settings travel from the store through the options page and
// back, and the page refuses a working window that ends before it starts.
TEST(GroupOptionsTest, TheGroupSettingsRoundTripAndTheWindowIsChecked) {
    InMemorySettingsStore store;
    AppSettings settings;
    settings.Load(store, AppEnvironment{});
    EXPECT_EQ(settings.group, GroupDisplaySettings{});
    OptionValues values = OptionsForm::FromSettings(settings);
    EXPECT_FALSE(OptionsForm::Validate(values));
    values.tfTime1 = 830;
    values.tfTime2 = 1745;
    values.tfHow = 1;
    values.tfTime = false;
    OptionsForm::Apply(values, settings);
    settings.Save(store);
    AppSettings again;
    again.Load(store, AppEnvironment{});
    EXPECT_EQ(again.group, (GroupDisplaySettings{830, 1745, 1, false}));
    EXPECT_EQ(store.ReadInt(AppSettings::kSection, "TFTime"), 0);
    for (const auto& [start, end] : {std::pair{900, 900}, {1800, 900}, {960, 1700}, {900, 2500}}) {
        values.tfTime1 = start;
        values.tfTime2 = end;
        EXPECT_TRUE(OptionsForm::Validate(values)) << start << "-" << end;
    }
}

}  // namespace
}  // namespace qb
