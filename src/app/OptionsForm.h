#pragma once

#include <optional>

#include "IPrompt.h"
#include "OptionValues.h"

namespace qb {

class AppSettings;

// The options dialog's logic: the settings shown as the dialog's values,
// what the dialog refuses, and the values put back into the settings.
class OptionsForm {
public:
    // Ranges of the number fields.
    static constexpr int kMinRowHeight = 10;
    static constexpr int kMaxRowHeight = 500;
    static constexpr int kMaxTodayOffset = 365;
    static constexpr int kTotalModes = 3;

    static OptionValues FromSettings(const AppSettings& settings);
    // The message that refuses the values, or nothing when they are fine.
    static std::optional<PromptMessage> Validate(const OptionValues& values);
    // The same for the era fields alone.
    static std::optional<PromptMessage> ValidateEra(const OptionValues& values);
    // The style sheet page's "標準に戻す": the built-in text shown, and OK
    // then stores the value that stands for it.
    static void RestoreHtmlCss(OptionValues& values);
    // Values that passed Validate.
    static void Apply(const OptionValues& values, AppSettings& settings);
};

}  // namespace qb
