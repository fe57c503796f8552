#pragma once

#include <optional>
#include <string>

#include "CPenInfo.h"
#include "ColorRef.h"
#include "IPrompt.h"

namespace qb {

class CMemo;

// The memo property dialog's logic: text, colours, whether the box is
// filled, frame pen, text alignment and size (sizes as the texts the user
// edits, in pixels).
class MemoForm {
public:
    static constexpr int kMaxSize = 9999;

    explicit MemoForm(const CMemo& values);

    std::optional<PromptMessage> Check() const;
    // Writes values that passed Check; position and font stay as they are.
    void Apply(CMemo& values) const;

    std::string text;
    ColorRef textColor = kBlack;
    ColorRef bgColor = kWhite;
    bool bgPaint = true;
    CPenInfo borderPen;
    int hAlign = 1;
    int vAlign = 1;
    std::string width;
    std::string height;
};

}  // namespace qb
