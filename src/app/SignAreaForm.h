#pragma once

#include <string>
#include <vector>

#include "IPrompt.h"

namespace qb {

class CStatus;

// "検印欄パターンエディタ": the approval-stamp areas of one stamp-area file, in
// the order they are printed, each with its text (line breaks kept, tabs not
// allowed: they separate the areas in the file's text). The open project's
// stamp areas ("_Signs") hold the same text, so a pattern can be taken from
// the project and given to it. Refusals and failures reach the user through
// the prompt, and a failed save or open loses nothing typed.
class SignAreaForm {
public:
    // The project parameter that holds the stamp areas of its printed pages.
    static constexpr const char* kProjectKey = "_Signs";

    explicit SignAreaForm(CStatus& status);

    // The file being edited; empty for a new file not saved yet.
    const std::string& Path() const { return path_; }
    // "無題" for a new file, else the file's name without its folder.
    std::string FileName() const;
    bool IsModified() const { return modified_; }

    int Count() const { return static_cast<int>(areas_.size()); }
    // The text of the area at index; an index outside the list throws
    // std::out_of_range.
    const std::string& Area(int index) const;
    // The areas as the file and the project hold them: joined by tabs.
    std::string Joined() const;

    // Each of these first asks about unsaved changes; false when the user
    // cancels or the file cannot be read (the current areas stay).
    bool NewFile();
    bool OpenFile();
    bool OpenPath(const std::string& path);
    // The file is replaced only by a whole new one, so a failed save keeps it.
    bool Save();
    bool SaveAs();
    // Asks about unsaved changes; true when the editor may close.
    bool Close();

    // Appends an area; its index, or -1 when the text is refused.
    int Add(const std::string& text);
    bool Remove(int index);
    // The area's new index (unchanged at either end of the list).
    int MoveUp(int index);
    int MoveDown(int index);
    bool SetText(int index, const std::string& text);

    // A document is open and may be changed.
    bool CanUseProject() const;
    // The project's stamp areas replace the list (after the question about
    // unsaved changes); false when the project has none.
    bool TakeFromProject();
    // The list becomes the project's stamp areas, as one undoable change.
    bool GiveToProject();

private:
    bool AskToSave();
    bool Load(const std::string& path);
    bool WriteTo(const std::string& path);
    void Reset(std::vector<std::string> areas, const std::string& path);
    bool CheckText(const std::string& text);
    bool CheckNotEmpty();
    void CheckIndex(int index) const;
    bool Refuse(const std::string& text);

    CStatus& status_;
    IPrompt& prompt_;
    std::vector<std::string> areas_;
    std::string path_;
    bool modified_ = false;
};

}  // namespace qb
