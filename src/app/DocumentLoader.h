#pragma once

#include <memory>
#include <optional>
#include <string>

#include "CFileAccessor.h"
#include "CProject.h"
#include "IPrompt.h"
#include "OpenRetryPolicy.h"

namespace qb {

class ErrorSlot;

// Reads a native project file for the window, the command-line tool and the
// tests alike: the project with the accessor that holds its file, or what
// to tell the user instead.
class DocumentLoader {
public:
    // Newer data than this program reads is refused.
    static constexpr int kReadableVersion = 290;

    struct Result {
        std::unique_ptr<CProject> project;
        // Holds the file from here on in single mode; null when nothing loaded.
        std::unique_ptr<CFileAccessor> accessor;
        // Why nothing loaded: the reading error, or data too new to keep.
        std::optional<PromptMessage> failure;
    };

    // keepShared keeps a shared-mode file held too, for an edit that follows
    // at once; otherwise it is let go after the read.
    static Result Load(const std::string& path, const OpenRetryPolicy& retry, bool keepShared);

    // What to say when a file could not be read: the reason, then the path.
    static PromptMessage LoadFailure(const ErrorSlot& error, const std::string& path);
    // The refusal of data that needs a newer program; nothing when it is readable.
    static std::optional<PromptMessage> NewerVersionRefusal(const CProject& project);
};

}  // namespace qb
