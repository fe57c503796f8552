#pragma once

#include <optional>
#include <string>
#include <vector>

#include "IPrompt.h"
#include "PeriodCutValues.h"

namespace qb {

class CProject;
class EditStamp;

// Deleting what lies in a period of days, or cutting the period out of the
// plan. A schedule lies in the period when all of it does (a mark or a
// schedule without an end: its start), a memo when its day does; links go
// with the objects they join. Deleting keeps schedules that reach out of the
// period as they are. Cutting out deletes the same objects, then closes the
// gap: every point of time after the period moves left by its length and
// every point inside it lands on its first day, so a schedule after the
// period moves whole, and one reaching into it or across it is shortened by
// the part that was cut. Rows, columns, offsets of moved ends and times of
// day stay as they are.
class PeriodCut {
public:
    // Both days valid and the first not after the last.
    static bool IsValid(const PeriodCutValues& values);
    // The number of days from the first to the last, both included.
    static int Length(const PeriodCutValues& values);
    // Why the dialog cannot take the values; nothing when it can.
    static std::optional<PromptMessage> Refusal(const PeriodCutValues& values);
    // One line for the dialog on what the values touch.
    static std::string Describe(const PeriodCutSummary& summary, PeriodCutValues::Action action);

    // What Apply would do, the project left as it is.
    static PeriodCutSummary Count(const CProject& project, const PeriodCutValues& values);
    // Deletes or cuts out; every object it deletes or changes takes the stamp.
    static PeriodCutSummary Apply(CProject& project, const PeriodCutValues& values,
                                  const EditStamp& stamp);

private:
    // Indices into the project's arrays of what the values touch.
    struct Plan {
        std::vector<int> deletedSchedules;
        std::vector<int> movedSchedules;
        std::vector<int> shortenedSchedules;
        std::vector<int> deletedMemos;
        std::vector<int> movedMemos;
        std::vector<int> deletedLinks;

        PeriodCutSummary Summary() const;
    };

    static Plan MakePlan(const CProject& project, const PeriodCutValues& values);
};

}  // namespace qb
