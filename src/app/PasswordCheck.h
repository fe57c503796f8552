#pragma once

namespace qb {

class CProject;
class IPrompt;

// The password question asked when a protected file is opened. With both
// passwords stored, the edit password opens for editing and the view
// password for reading; with only an edit password, cancelling still opens
// the file for reading.
class PasswordCheck {
public:
    enum class Result { kEdit, kReadOnly, kRefused };

    static bool IsProtected(const CProject& project);
    static Result Ask(const CProject& project, IPrompt& prompt);
};

}  // namespace qb
