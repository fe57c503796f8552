#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "IPrompt.h"

namespace qb {

class CStatus;
class CProject;
struct AppMessage;
class ErrorSlot;
struct ViewStatus;

// Creating, opening, saving and closing the one document, with the question
// that protects unsaved changes and the safety copies kept of opened files.
class DocumentCommands {
public:
    enum class Answer { kProceed, kCancel };

    // Newer data than this program reads is refused.
    static constexpr int kReadableVersion = 290;
    // Files written before this data version are flagged on open.
    static constexpr int kOldDataVersion = 120;
    // Longest path, in characters, that can be opened.
    static constexpr std::size_t kMaxPathLength = 259;
    static constexpr const char* kOpenFilter =
        "Quellbrandiren ファイル (*.qbd)|*.qbd|Tallyframe ファイル "
        "(*.group)|*.group|全てのファイル (*.*)|*.*||";
    static constexpr const char* kSaveFilter =
        "Quellbrandiren ファイル (*.qbd)|*.qbd|全てのファイル (*.*)|*.*||";
    static constexpr const char* kNewFileName = "新しいファイル.qbd";

    explicit DocumentCommands(CStatus& status);

    // A file of the sibling product, by its name.
    static bool IsGroupFile(const std::string& path);
    // What to say when a file could not be read: the reason, then the path.
    static PromptMessage LoadFailure(const ErrorSlot& error, const std::string& path);
    // The refusal of data that needs a newer program; nothing when it is readable.
    static std::optional<PromptMessage> NewerVersionRefusal(const CProject& project);

    Answer AskSaveChanges();
    // The whole open sequence; true when a document was opened.
    bool OpenDocument(const std::string& path);
    void CloseDocument(bool keepViewStatus);
    void NewDocument();
    bool SaveDocument();
    bool SaveDocumentAs();

    // The menu commands around them.
    bool CommandNew();
    bool CommandOpen();
    bool CommandOpenTemplate();
    bool CommandOpenRecent(int index);
    bool CommandClose();
    bool CommandSave();
    bool CommandSaveAs();
    bool CommandProjectSetCreate();
    bool CommandProjectSetOpen();
    bool CommandProjectSetChange();
    // A file dropped on the window: only native project files are taken.
    bool DropFile(const std::string& path);
    bool Undo();
    bool Redo();
    // Command 40318: reload (shared mode) or reopen (foreign data).
    void Refresh();

private:
    bool RefusePath(const std::string& path);
    bool LoadFile(const std::string& path);
    void ReportLoadFailure(const std::string& path);
    bool RefuseNewerVersion(std::unique_ptr<CProject>& project, const std::string& path);
    void FinishOpen(const std::string& path, bool historyCopied);
    void ShowAfterOpen(const ViewStatus& view);
    void Warn(const AppMessage& message);
    void RestoreFrom(std::unique_ptr<CProject> project);
    bool ConfirmProjectSetSave();
    void ApplySharedPageInput();
    void WriteCsvCopy();
    void DetachFromFile();
    void ShiftTemplate(const COleDateTime& start);
    std::optional<std::vector<std::string>> ChooseMembers();
    bool OpenProjectSet(const std::vector<std::string>& members);
    std::unique_ptr<CProject> LoadMember(const std::string& path);

    CStatus& status_;
    // The initial display date taken at the start of an open.
    COleDateTime scrollDate_ = COleDateTime::Null();
};

}  // namespace qb
