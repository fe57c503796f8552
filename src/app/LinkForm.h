#pragma once

#include <optional>

#include "CPenInfo.h"
#include "IPrompt.h"

namespace qb {

class CLink;

// The link property dialog's logic: the line pen, the end styles (the
// schedules' edge catalogue: 0 none, 1 arrow, 2 triangle, 3 open arrow,
// 4 circle) and the anchor positions at either end (0 start/top, 1 centre,
// 2 end/bottom).
class LinkForm {
public:
    static constexpr int kEndStyleCount = 5;
    static constexpr int kPositionCount = 3;

    explicit LinkForm(const CLink& values);

    std::optional<PromptMessage> Check() const;
    // Writes values that passed Check; the end objects stay as they are.
    void Apply(CLink& values) const;

    CPenInfo linePen;
    int fromEndStyle = 0;
    int toEndStyle = 0;
    int fromHorzPosition = 1;
    int fromVertPosition = 1;
    int toHorzPosition = 1;
    int toVertPosition = 1;
};

}  // namespace qb
