#pragma once

#include <string>

#include "AppMessage.h"

namespace qb {

class AppServices;
class CProject;

// What the project information page edits, as the user typed it, beside the
// values the page was filled with. Only the fields the user changed reach the
// project: in shared mode the file may hold newer values of the others.
class ProjectPageInput {
public:
    // Where a header or footer text stands on the printed page.
    enum Position { kLeft = 0, kCenter = 1, kRight = 2 };
    // Row numbering: none, 1 2 3 among siblings, 2-3-1 through the tree, the
    // same without the captions' indent.
    enum Numbering { kNoNumbers = 0, kSiblings = 1, kTree = 2, kTreeNotIndented = 3 };

    struct Fields {
        std::string title;
        // Every row in its own band with an indented caption, else parent boxes.
        bool indented = false;
        int numbering = kNoNumbers;
        std::string header;
        int headerPosition = kLeft;
        std::string footer;
        int footerPosition = kLeft;
        bool printSigns = false;
        bool signsOnFirstPageOnly = false;
        // The display period as typed: "2027/4/1", "20270401" or empty.
        std::string periodFrom;
        std::string periodTo;

        bool operator==(const Fields&) const = default;
    };

    // A new password is typed twice; a stored one can only be replaced or
    // removed, never shown.
    struct Password {
        std::string typed;
        std::string confirmation;
        bool remove = false;

        bool IsEmpty() const { return typed.empty() && confirmation.empty() && !remove; }
    };

    static constexpr AppMessage kBadPeriodDate{
        0, "表示期間の日付が正しくありません。\n2027/4/1 または 20270401 の形で入力して下さい。",
        PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kPeriodReversed{130, "日付の指定が前後しています。",
                                                PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kPasswordMismatch{0,
                                                  "パスワードと確認用のパスワードが一致しません。",
                                                  PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kPasswordCharacters{
        0, "パスワードに使用できない文字が含まれています。", PromptIcon::kWarning,
        PromptButtons::kOk};

    explicit ProjectPageInput(AppServices& services) : services_(services) {}

    // The project's values, or empty fields without a project; what was typed
    // is dropped.
    void Fill(const CProject* project);
    // The project changed under the page (a reload, an applied edit): the
    // fields the user has not touched show its values again.
    void Refresh(const CProject& project);

    Fields& Typed() { return typed_; }
    const Fields& Typed() const { return typed_; }
    Password& ViewPassword() { return viewPassword_; }
    Password& EditPassword() { return editPassword_; }
    const Password& ViewPassword() const { return viewPassword_; }
    const Password& EditPassword() const { return editPassword_; }
    // Whether the project the page shows has the password stored.
    bool HasViewPassword() const { return hasViewPassword_; }
    bool HasEditPassword() const { return hasEditPassword_; }

    // Back to the values the page was filled with.
    void Revert();

    // The row hierarchy chosen on the page; asks whether new projects take it
    // too, and on Yes stores that in the settings at once.
    void ChooseIndented(bool indented);

    bool HasUnappliedInput() const;
    // False, after saying why, when the input cannot be taken as it stands.
    bool Check() const;
    // The changed fields reach the project, all or (after Check failed)
    // none; true when they did.
    bool Apply(CProject& project);

private:
    static Fields FieldsOf(const CProject& project);
    bool CheckPeriod() const;
    bool CheckPassword(const Password& password) const;
    void ApplyFields(CProject& project) const;
    void ApplyPeriod(CProject& project) const;
    static void ApplyPassword(Password& password, CProject& project, bool view);
    bool Refuse(const AppMessage& message) const;

    AppServices& services_;
    // The values the page was filled with, and what the user made of them.
    Fields filled_;
    Fields typed_;
    Password viewPassword_;
    Password editPassword_;
    bool hasViewPassword_ = false;
    bool hasEditPassword_ = false;
};

}  // namespace qb
