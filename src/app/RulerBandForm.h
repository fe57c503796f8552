#pragma once

#include <optional>
#include <string>
#include <vector>

#include "IPrompt.h"
#include "RulerBandRequest.h"

namespace qb {

// The ruler settings dialog's logic: the units a band offers, the example
// label of each of a unit's formats, the note on the fiscal year, and the
// refusal of an upper band finer than the lower one.
class RulerBandForm {
public:
    static constexpr const char* kTitle = "ルーラーの設定";
    static constexpr const char* kUnitLabel = "単位：";
    static constexpr const char* kTemporary = "一時的な設定(&T)";
    static constexpr const char* kSaveToFile = "設定をファイルに保存(&F)";

    // The units in list order; the upper band does not offer the day.
    static std::vector<int> Units(bool upper);
    static std::string UnitName(int unit);
    // One example per format of the unit, in format order.
    static std::vector<std::string> Examples(int unit);
    // The note shown under the list for the unit; empty for none.
    static std::string Note(int unit);
    // The message that refuses the choice, or nothing.
    static std::optional<PromptMessage> Validate(const RulerBandRequest& request);
};

}  // namespace qb
