#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "CData.h"
#include "IPrompt.h"

namespace qb {

// What a single-step change came to. A refusal or conflict carries the
// message the calling command shows; a failure to take or write the file
// has been shown already and carries none.
struct EditResult {
    bool ok = false;
    // The object the change created, or kNoObject.
    std::int32_t id = CData::kNoObject;
    std::optional<PromptMessage> message;
    // The objects a change of several created, in the order asked for.
    std::vector<std::int32_t> ids;

    static EditResult Done(std::int32_t newId = CData::kNoObject) { return {true, newId, {}, {}}; }
    static EditResult Refused(PromptMessage shown) { return {false, CData::kNoObject, shown, {}}; }
    static EditResult Failed() { return {}; }
};

}  // namespace qb
