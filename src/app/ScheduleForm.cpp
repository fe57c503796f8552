#include "ScheduleForm.h"

#include <algorithm>
#include <utility>

#include "CSchedule.h"
#include "DateEntry.h"
#include "DateText.h"
#include "FormNumber.h"
#include "FormPen.h"

namespace qb {
namespace {

using Field = ScheduleForm::Field;

std::pair<Field, PromptMessage> Refuse(Field field, std::string text) {
    return {field, PromptMessage{0, std::move(text), PromptIcon::kWarning, PromptButtons::kOk}};
}

std::string RangeText(const char* what, int low, int high) {
    return std::string(what) + "は、" + std::to_string(low) + "～" + std::to_string(high) +
           "で指定してください。";
}

// The zero date is how a schedule holds an actual date that is not set.
bool IsSet(const COleDateTime& date) {
    return date.IsValid() && date.GetDays() != 0.0;
}

std::string FieldText(const COleDateTime& date, bool byDay) {
    if (!date.IsValid())
        return std::string();
    return byDay ? DateText::CompactDate(date) : DateText::CompactDateTime(date);
}

// Eight digits, or twelve with the time of day, naming a day that exists.
bool IsDateText(const std::string& text) {
    if (text.size() != 8 && text.size() != 12)
        return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return DateEntry::ParseCompactDate(text).IsValid();
}

std::string DateRefusal(const char* what) {
    return std::string(what) + "が正しくありません。YYYYMMDD形式（時刻はYYYYMMDDhhmm形式）で" +
           "入力してください。";
}

int Number(const std::string& text) {
    return FormNumber::Parse(text, -2147483647, 2147483647).value_or(0);
}

// A day and its offset as one comparable pair.
std::pair<double, int> Position(const COleDateTime& date, int offset) {
    return {COleDateTime::ToLinear(date.GetDays()), offset};
}

}  // namespace

ScheduleForm::ScheduleForm(const CSchedule& values)
    : caption(values.GetCaption()),
      startDate(FieldText(values.GetStartDate(), values.IsByDay())),
      startOffset(std::to_string(values.GetStartOffset())),
      endDate(FieldText(values.GetEndDate(), values.IsByDay())),
      endOffset(std::to_string(values.GetEndOffset())),
      byDay(values.IsByDay()),
      progress(values.GetProgressRate() == -1 ? std::string()
                                              : FormNumber::TenthsText(values.GetProgressRate())),
      plan(std::to_string(values.GetPlan())),
      results(std::to_string(values.GetResults())),
      actualStartDate(IsSet(values.GetActualStartDate())
                          ? FieldText(values.GetActualStartDate(), values.IsByDay())
                          : std::string()),
      actualEndDate(IsSet(values.GetActualEndDate())
                        ? FieldText(values.GetActualEndDate(), values.IsByDay())
                        : std::string()),
      weight(std::to_string(values.GetWeight())),
      remark(values.GetRemark()),
      reference(values.GetReference()),
      type(values.GetScheduleType()),
      subType(values.GetSubType()),
      height(std::to_string(values.GetHeight())),
      startEdgeType(values.GetStartEdgeType()),
      endEdgeType(values.GetEndEdgeType()),
      bgColor(values.GetBgColor()),
      textColor(values.GetTextColor()),
      edgePen(values.GetEdgePen()),
      captionPosition(values.GetCaptionPosition()),
      captionHAlign(values.GetCaptionHAlign()),
      captionVAlign(values.GetCaptionVAlign()) {}

std::optional<PromptMessage> ScheduleForm::Check(Field* field) const {
    Refusal refusal = CheckDates();
    if (!refusal)
        refusal = CheckActual();
    if (!refusal)
        refusal = CheckNumbers();
    if (!refusal)
        return std::nullopt;
    if (field != nullptr)
        *field = refusal->first;
    return refusal->second;
}

ScheduleForm::Refusal ScheduleForm::CheckDates() const {
    if (!IsDateText(FormNumber::Plain(startDate)))
        return Refuse(Field::kStartDate, DateRefusal("開始日"));
    if (!FormNumber::Parse(startOffset, 0, kMaxOffset))
        return Refuse(Field::kStartOffset, RangeText("開始日の位置", 0, kMaxOffset));
    if (IsPoint())
        return std::nullopt;
    if (!IsDateText(FormNumber::Plain(endDate)))
        return Refuse(Field::kEndDate, DateRefusal("終了日"));
    if (!FormNumber::Parse(endOffset, 0, kMaxOffset))
        return Refuse(Field::kEndOffset, RangeText("終了日の位置", 0, kMaxOffset));
    const int startAt = byDay ? Number(startOffset) : 0;
    const int endAt = byDay ? Number(endOffset) : 0;
    if (Position(Date(endDate), endAt) < Position(Date(startDate), startAt))
        return Refuse(Field::kEndDate, "終了日が開始日より前になっています。");
    return std::nullopt;
}

ScheduleForm::Refusal ScheduleForm::CheckActual() const {
    const std::string start = FormNumber::Plain(actualStartDate);
    const std::string end = FormNumber::Plain(actualEndDate);
    if (!start.empty() && !IsDateText(start))
        return Refuse(Field::kActualStartDate, DateRefusal("実績開始日"));
    if (end.empty() || IsPoint())
        return std::nullopt;
    if (!IsDateText(end))
        return Refuse(Field::kActualEndDate, DateRefusal("実績終了日"));
    if (start.empty())
        return Refuse(Field::kActualStartDate,
                      "実績終了日だけを指定することはできません。実績開始日も入力してください。");
    if (Date(end) < Date(start))
        return Refuse(Field::kActualEndDate, "実績終了日が実績開始日より前になっています。");
    return std::nullopt;
}

ScheduleForm::Refusal ScheduleForm::CheckNumbers() const {
    if (!FormNumber::Plain(progress).empty() && !FormNumber::ParseTenths(progress, 0, 1000))
        return Refuse(Field::kProgress,
                      "進捗率は、0～100（小数点以下1桁まで）で指定してください。");
    if (!FormNumber::Parse(plan, 0, kMaxQuantity))
        return Refuse(Field::kPlan, RangeText("予定数量", 0, kMaxQuantity));
    if (!FormNumber::Parse(results, 0, kMaxQuantity))
        return Refuse(Field::kResults, RangeText("実績数量", 0, kMaxQuantity));
    if (!FormNumber::Parse(weight, 0, kMaxWeight))
        return Refuse(Field::kWeight, "負荷グラフの重みは、0～" + std::to_string(kMaxWeight) +
                                          "で指定してください。");
    if (!FormNumber::Parse(height, 0, kMaxHeight))
        return Refuse(Field::kHeight, RangeText("高さ", 0, kMaxHeight));
    if (auto refusal = FormPen::Check(edgePen, "枠線"))
        return std::make_pair(Field::kEdgePen, *refusal);
    return std::nullopt;
}

COleDateTime ScheduleForm::Date(const std::string& text) const {
    const COleDateTime date = DateEntry::ParseCompactDate(FormNumber::Plain(text));
    return byDay ? date.DatePart() : date;
}

void ScheduleForm::Apply(CSchedule& values) const {
    values.SetCaption(caption);
    values.SetByDay(byDay);
    values.SetStartDate(Date(startDate));
    values.SetStartOffset(Number(startOffset));
    if (!IsPoint()) {
        values.SetEndDate(Date(endDate));
        values.SetEndOffset(Number(endOffset));
    }
    const bool hasStart = !FormNumber::Plain(actualStartDate).empty();
    const bool hasEnd = !FormNumber::Plain(actualEndDate).empty() && !IsPoint();
    if (!hasStart)
        values.SetActualStartOffset(0);
    values.SetActualStartDate(hasStart ? Date(actualStartDate) : COleDateTime());
    if (!IsPoint()) {
        if (!hasEnd)
            values.SetActualEndOffset(0);
        values.SetActualEndDate(hasEnd ? Date(actualEndDate) : COleDateTime());
    }
    values.SetProgressRate(FormNumber::Plain(progress).empty()
                               ? -1
                               : FormNumber::ParseTenths(progress, 0, 1000).value_or(-1));
    values.SetPlan(Number(plan));
    values.SetResults(Number(results));
    values.SetWeight(Number(weight));
    values.SetRemark(remark);
    values.SetReference(reference);
    values.SetScheduleType(type);
    values.SetSubType(subType);
    values.SetHeight(Number(height));
    values.SetStartEdgeType(startEdgeType);
    values.SetEndEdgeType(endEdgeType);
    values.SetBgColor(bgColor);
    values.SetTextColor(textColor);
    values.SetEdgePen(edgePen);
    values.SetCaptionPosition(captionPosition);
    values.SetCaptionHAlign(captionHAlign);
    values.SetCaptionVAlign(captionVAlign);
}

}  // namespace qb
