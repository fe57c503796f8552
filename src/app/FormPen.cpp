#include "FormPen.h"

namespace qb {

const char* FormPen::StyleName(int style) {
    static constexpr const char* kNames[kStyleCount] = {"実線",     "破線",     "点線",
                                                        "一点鎖線", "二点鎖線", "なし"};
    return style >= 0 && style < kStyleCount ? kNames[style] : "";
}

std::optional<PromptMessage> FormPen::Check(const CPenInfo& pen, const std::string& what) {
    if (pen.GetStyle() < 0 || pen.GetStyle() >= kStyleCount)
        return PromptMessage{0, what + "の種類を選んでください。", PromptIcon::kWarning,
                             PromptButtons::kOk};
    if (pen.GetWidth() < 0 || pen.GetWidth() > kMaxWidth)
        return PromptMessage{
            0, what + "の太さは、0～" + std::to_string(kMaxWidth) + "で指定してください。",
            PromptIcon::kWarning, PromptButtons::kOk};
    return std::nullopt;
}

}  // namespace qb
