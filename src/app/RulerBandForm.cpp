#include "RulerBandForm.h"

#include "RulerUnit.h"

namespace qb {
namespace {

constexpr const char* kUnitNames[kRulerUnitCount] = {"日", "週", "旬", "月", "年", "年度"};

const std::vector<std::string>& ExampleTable(int unit) {
    static const std::vector<std::string> kExamples[kRulerUnitCount] = {
        {"12", "12(金)", "12(Fri)"},
        {"24", "第24週", "24w", "24th", "24週", "24(4月から数えて)", "第24週(4月から数えて)",
         "24w(4月から数えて)", "24th(4月から数えて)", "24週(4月から数えて)"},
        {"中", "中旬", "2", "2-P", "8中", "8月中旬"},
        {"2", "2月", "2017/2", "2017-2", "2017.2", "2017年2月", "Feb.", "February", "2017 Feb.",
         "平成29年2月", "H29.2"},
        {"2017", "2017年", "平成29", "平成29年", "H29"},
        {"2017", "2017年度", "平成29", "平成29年度", "H29"},
    };
    return kExamples[unit];
}

}  // namespace

std::vector<int> RulerBandForm::Units(bool upper) {
    std::vector<int> units;
    for (int unit = upper ? kRulerWeek : kRulerDay; unit < kRulerUnitCount; ++unit)
        units.push_back(unit);
    return units;
}

std::string RulerBandForm::UnitName(int unit) {
    return IsRulerUnit(unit) ? kUnitNames[unit] : std::string();
}

std::vector<std::string> RulerBandForm::Examples(int unit) {
    return IsRulerUnit(unit) ? ExampleTable(unit) : std::vector<std::string>();
}

std::string RulerBandForm::Note(int unit) {
    return unit == kRulerFiscalYear ? "年度はver2.4.0以前で表示不可" : std::string();
}

std::optional<PromptMessage> RulerBandForm::Validate(const RulerBandRequest& request) {
    const bool unitOffered =
        IsRulerUnit(request.unit) && (!request.upper || request.unit != kRulerDay);
    if (!unitOffered || !IsRulerFormat(request.unit, request.format))
        return PromptMessage{0, "ルーラーの単位または表示形式が不正です。", PromptIcon::kWarning,
                             PromptButtons::kOk};
    const int upper = request.upper ? request.unit : request.otherUnit;
    const int lower = request.upper ? request.otherUnit : request.unit;
    if (upper < lower)
        return PromptMessage{0, "上段が下段より細かくなるように設定することはできません。",
                             PromptIcon::kWarning, PromptButtons::kOk};
    return std::nullopt;
}

}  // namespace qb
