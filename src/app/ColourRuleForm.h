#pragma once

#include <functional>
#include <string>

#include "AppMessage.h"
#include "CColorRuleArray.h"

namespace qb {

class CProject;
class IPrompt;

// "色ルールエディタ": one colour rule set and the file it came from. The
// dialog shows the list and the menu and calls these; questions, refusals
// and failures reach the user through the prompt, and a failed open or save
// keeps the list as it is.
class ColourRuleForm {
public:
    static constexpr AppMessage kSaveBeforeClose{
        157, "現在のデータは変更されています。閉じる前にデータをファイルに保存しますか？",
        PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
    static constexpr AppMessage kSaveFirst{
        158, "現在のこのデータは変更されています。まずデータをファイルに保存しますか？",
        PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
    static constexpr AppMessage kNoRuleFile{
        159, "現在開いているプロジェクトは、色ルールファイルを指定していません。",
        PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kNotRead{0, "色ルールファイルを読み込めませんでした。\n%s",
                                         PromptIcon::kError, PromptButtons::kOk};
    static constexpr AppMessage kNotSaved{0, "色ルールファイルを保存できませんでした。\n%s",
                                          PromptIcon::kError, PromptButtons::kOk};
    static constexpr const char* kFilter =
        "色ルールファイル (*.crs)|*.crs|全てのファイル (*.*)|*.*||";
    static constexpr const char* kExtension = "crs";
    static constexpr const char* kProposedName = "新しい色ルール.crs";
    static constexpr const char* kTitle = "色ルールエディタ";

    // project is the open one (null without a document); its key names the
    // file the "current colour rule file" command opens.
    ColourRuleForm(IPrompt& prompt, const CProject* project);

    // Makes the open project name a rule file by its reference ("FILE:" and
    // the path); true when the change was made. Without it the project's
    // file cannot be chosen here.
    using AssignToProject = std::function<bool(const std::string& reference)>;
    void SetAssignToProject(AssignToProject assign) { assign_ = std::move(assign); }

    // The window title: the file's path and " - " before the editor's name.
    std::string Title() const;
    const CColorRuleArray& Rules() const { return rules_; }
    // The file being edited; empty for a set not saved yet.
    const std::string& Path() const { return path_; }
    bool IsModified() const { return modified_; }
    // The selected entry, or -1.
    int Selected() const { return selected_; }
    void Select(int index);

    bool CanDelete() const { return selected_ >= 0; }
    bool CanMove() const { return selected_ >= 0; }
    bool CanSave() const { return !path_.empty() && !rules_.IsEmpty(); }
    bool CanSaveAs() const { return !rules_.IsEmpty(); }
    bool CanOpenProjectFile() const { return project_ != nullptr; }
    bool CanUseForProject() const { return project_ != nullptr && assign_ && !path_.empty(); }

    // Appends an entry; false (nothing added) for an empty text.
    bool Add(const std::string& text, ColorRef colour);
    // Removes the selected entry; the one that takes its place is selected.
    void Delete();
    // Swap the selected entry with its neighbour; nothing at either end.
    void MoveUp();
    void MoveDown();

    // These first ask whether to save a modified set; false when the user
    // cancels, a save fails or the file cannot be read.
    bool NewFile();
    bool OpenFile();
    bool OpenPath(const std::string& path);
    bool OpenProjectFile();
    bool Save();
    bool SaveAs();
    // Asks about unsaved changes; true when the editor may close.
    bool Close();
    // Saves when needed, then makes the open project use this file: its
    // colour drop-downs offer these rules from then on.
    bool UseForProject();

private:
    bool AskToSave(const AppMessage& question);
    bool Load(const std::string& path);
    bool WriteTo(const std::string& path);
    void Swap(int other);

    IPrompt& prompt_;
    const CProject* project_;
    AssignToProject assign_;
    CColorRuleArray rules_;
    std::string path_;
    int selected_ = -1;
    bool modified_ = false;
};

}  // namespace qb
