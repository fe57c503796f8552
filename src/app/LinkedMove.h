#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "LinkedMoveQuestion.h"

namespace qb {

class AppServices;
class CData;
class CProject;
class CSchedule;

// The objects joined by links to a schedule that was moved or resized by
// whole days: whether to ask about them, what the user chose, and which of
// them move along.
class LinkedMove {
public:
    // The once-answer that shows "連結されたオブジェクトの移動" (above 0) or
    // leaves it to the remembered choice (0 or less, or missing).
    static constexpr const char* kShowKey = "SlideLinked";

    // The whole days, truncated toward zero, the start moved from before to
    // after, or the end when the start stayed.
    static int MovedDays(const CSchedule& before, const CSchedule& after);
    // Some live link of the project has the object at one of its ends.
    static bool IsLinked(const CProject& project, std::int32_t id);
    // The remembered choice, or the dialog's answer when the once-answer
    // asks for it or askAgain (the Shift key) does; the answer is
    // remembered and a changed box written back. Nothing on Cancel.
    static std::optional<LinkedChoice> Decide(AppServices& services, int days, bool askAgain);
    // The ids to move with the schedule (itself first), depth-first through
    // the project's live links in array order: each object and link taken
    // once, links followed only from their from-end to their to-end when
    // only successors are wanted. Link ids are among them.
    static std::vector<std::int32_t> Collect(const CProject& project, std::int32_t start,
                                             bool successorsOnly);
    // A schedule's start (and a bar's end) or a memo's date moved by whole
    // days, keeping times and offsets; links and other objects stay. True
    // when anything changed.
    static bool MoveAlong(CData& object, int days);
};

}  // namespace qb
