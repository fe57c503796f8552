#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "EditResult.h"

namespace qb::cli {

class CliDocument;

// What the edit verbs share: reading object ids from the arguments, and
// ending an edit with its refusal shown or the file written.
class EditReply {
public:
    // A whole number of at least 0.
    static bool ParseId(std::string_view text, std::int32_t& id);
    // "3,5,8": at least one id, each as ParseId takes it.
    static bool ParseIds(std::string_view text, std::vector<std::int32_t>& ids);

    // Shows a refusal, or writes a single-mode document (shared ones are
    // written by the edit itself); the exit status.
    static int Finish(CliDocument& document, const EditResult& result);
    // Finish, then the new object's id on stdout.
    static int FinishWithId(CliDocument& document, const EditResult& result);
    // Finish, then the ids one per line.
    static int FinishWithIds(CliDocument& document, const EditResult& result,
                             const std::vector<std::int32_t>& ids);
};

}  // namespace qb::cli
