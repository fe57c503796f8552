#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qb {

enum class PromptIcon { kNone, kInformation, kWarning, kError, kQuestion };
enum class PromptButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class PromptAnswer { kOk, kCancel, kYes, kNo };

// One message box: the program's message number (0 for texts without one),
// the text as the user reads it, its icon and its buttons.
struct PromptMessage {
    int id = 0;
    std::string text;
    PromptIcon icon = PromptIcon::kNone;
    PromptButtons buttons = PromptButtons::kOk;
};

// A file chooser: filter in the "label|pattern|label|pattern||" form.
struct FileRequest {
    bool save = false;
    std::string filter;
    std::string defaultExtension;
    std::string initialName;
};

// A one-line text question, such as a password.
struct TextRequest {
    std::string title;
    std::string explanation;
    bool secret = false;
};

// Everything the program asks or tells the user goes through here: message
// boxes in the window, scripted answers in tests and in the command-line tool.
class IPrompt {
public:
    virtual ~IPrompt() = default;

    virtual PromptAnswer Show(const PromptMessage& message) = 0;
    // The same with a "do not ask again" box; dontAskAgain tells whether the
    // user ticked it.
    virtual PromptAnswer ShowWithDontAsk(const PromptMessage& message, bool& dontAskAgain) {
        dontAskAgain = false;
        return Show(message);
    }
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
    // Several files at once (an open chooser that takes a selection).
    virtual std::optional<std::vector<std::string>> ChooseFiles(const FileRequest& request) {
        std::optional<std::string> one = ChooseFile(request);
        if (!one)
            return std::nullopt;
        return std::vector<std::string>{*one};
    }
    // The typed text, or nothing when the user cancels.
    virtual std::optional<std::string> AskText(const TextRequest& request) = 0;
    // A wait cursor while long work runs.
    virtual void SetBusy(bool /*busy*/) {}
};

}  // namespace qb
