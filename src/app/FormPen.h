#pragma once

#include <optional>
#include <string>

#include "CPenInfo.h"
#include "IPrompt.h"

namespace qb {

// A pen as the property dialogs offer it: the line styles by their stored
// numbers (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none) and a
// width in pixels.
class FormPen {
public:
    static constexpr int kStyleCount = 6;
    static constexpr int kMaxWidth = 20;

    // The style names in stored order.
    static const char* StyleName(int style);
    // The refusal of a pen the dialogs cannot hold; what names the pen in
    // the message ("枠線").
    static std::optional<PromptMessage> Check(const CPenInfo& pen, const std::string& what);
};

}  // namespace qb
