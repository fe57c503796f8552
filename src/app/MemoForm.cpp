#include "MemoForm.h"

#include "CMemo.h"
#include "FormNumber.h"
#include "FormPen.h"

namespace qb {
namespace {

PromptMessage Refusal(const char* what) {
    return PromptMessage{
        0,
        std::string(what) + "は、1～" + std::to_string(MemoForm::kMaxSize) + "で指定してください。",
        PromptIcon::kWarning, PromptButtons::kOk};
}

}  // namespace

MemoForm::MemoForm(const CMemo& values)
    : text(values.GetText()),
      textColor(values.GetTextColor()),
      bgColor(values.GetBgColor()),
      bgPaint(values.IsBgPaint()),
      borderPen(values.GetBorderPen()),
      hAlign(values.GetHAlign()),
      vAlign(values.GetVAlign()),
      width(std::to_string(values.GetWidth())),
      height(std::to_string(values.GetHeight())) {}

std::optional<PromptMessage> MemoForm::Check() const {
    // A memo of no width or height could no longer be seen or clicked.
    if (!FormNumber::Parse(width, 1, kMaxSize))
        return Refusal("メモの幅");
    if (!FormNumber::Parse(height, 1, kMaxSize))
        return Refusal("メモの高さ");
    return FormPen::Check(borderPen, "枠線");
}

void MemoForm::Apply(CMemo& values) const {
    values.SetText(text);
    values.SetTextColor(textColor);
    values.SetBgColor(bgColor);
    values.SetBgPaint(bgPaint);
    values.SetBorderPen(borderPen);
    values.SetHAlign(hAlign);
    values.SetVAlign(vAlign);
    values.SetWidth(FormNumber::Parse(width, 1, kMaxSize).value_or(values.GetWidth()));
    values.SetHeight(FormNumber::Parse(height, 1, kMaxSize).value_or(values.GetHeight()));
}

}  // namespace qb
