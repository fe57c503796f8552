#pragma once

#include <optional>
#include <string>
#include <utility>

#include "CPenInfo.h"
#include "ColorRef.h"
#include "IPrompt.h"

namespace qb {

class CSchedule;
class COleDateTime;

// The schedule property dialog's logic: the schedule's values as the dialog
// shows them (numbers and dates as the texts the user edits), what it
// refuses, and the values written back. Dates are compact texts
// ("20170224", with "hhmm" after it when the schedule is placed by time of
// day); offsets are ten-thousandths of a day; progress is a percentage with
// at most one decimal place, empty when not set; an actual date left empty
// is not set.
class ScheduleForm {
public:
    static constexpr int kMaxOffset = 9999;
    static constexpr int kMaxQuantity = 65535;
    static constexpr int kMaxWeight = 9999;
    static constexpr int kMaxHeight = 500;

    // The fields a refusal names, so that the dialog can take the user there.
    enum class Field {
        kStartDate,
        kStartOffset,
        kEndDate,
        kEndOffset,
        kActualStartDate,
        kActualEndDate,
        kProgress,
        kPlan,
        kResults,
        kWeight,
        kHeight,
        kEdgePen
    };

    explicit ScheduleForm(const CSchedule& values);

    // The message that refuses the values, or nothing when they are fine;
    // field, when given, is set to the field the message is about.
    std::optional<PromptMessage> Check(Field* field = nullptr) const;
    // Writes values that passed Check into the schedule; the row, position,
    // font and what the dialog does not show stay as they are.
    void Apply(CSchedule& values) const;
    // The schedule is drawn as a mark at its start (a point-type shape):
    // the end date does not apply.
    bool IsPoint() const { return type != 0; }

    std::string caption;
    std::string startDate;
    std::string startOffset;
    std::string endDate;
    std::string endOffset;
    bool byDay = true;
    std::string progress;
    std::string plan;
    std::string results;
    std::string actualStartDate;
    std::string actualEndDate;
    std::string weight;
    std::string remark;
    std::string reference;
    int type = 0;
    int subType = 0;
    std::string height;
    int startEdgeType = 0;
    int endEdgeType = 0;
    ColorRef bgColor = kWhite;
    ColorRef textColor = kBlack;
    CPenInfo edgePen;
    int captionPosition = 0;
    int captionHAlign = 1;
    int captionVAlign = 1;

private:
    using Refusal = std::optional<std::pair<Field, PromptMessage>>;
    Refusal CheckDates() const;
    Refusal CheckActual() const;
    Refusal CheckNumbers() const;
    // The date of a date text: the day alone when placed by day.
    COleDateTime Date(const std::string& text) const;
};

}  // namespace qb
