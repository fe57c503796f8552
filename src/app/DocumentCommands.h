#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CFileAccessor.h"
#include "COleDateTime.h"
#include "GroupMonthLoader.h"
#include "IPrompt.h"

namespace qb {

class AppServices;
class CProject;
class Document;
class EditSession;
class ISaveCompanion;
class UndoHistory;
class ViewLink;
struct AppMessage;
struct ViewStatus;

// Creating, opening, saving and closing the one document, with the question
// that protects unsaved changes and the safety copies kept of opened files.
class DocumentCommands {
public:
    enum class Answer { kProceed, kCancel };

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

    DocumentCommands(Document& document, AppServices& services, UndoHistory& undo,
                     EditSession& edit, ViewLink& view);

    // A file of the sibling product, by its name.
    static bool IsGroupFile(const std::string& path);

    Answer AskSaveChanges();
    // The project information page's typed values reach the project and the
    // project is committed. False after a failure has been shown.
    bool CommitPageInput();
    // Where the chart scrolls after the next open, instead of the file's own
    // left position (the start-up command line's date).
    void ScrollAfterNextOpen(const COleDateTime& day) { initialDate_ = day; }
    const COleDateTime& ScrollDateOfNextOpen() const { return initialDate_; }
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
    // The chart shows the days from first to last: a linked group reads the
    // months among them it has not tried yet. True when something was read
    // (the document has then announced its new content).
    bool ShowPeriod(const COleDateTime& first, const COleDateTime& last) {
        return groupMonths_.PeriodShown(first, last);
    }

    // The writer of the CSV copy that the hidden option asks for after each
    // save; without one that option only says it is not available.
    void SetSaveCompanion(ISaveCompanion* companion) { companion_ = companion; }

private:
    bool RefusePath(const std::string& path);
    bool LoadGroupFile(const std::string& path);
    bool LoadFile(const std::string& path);
    bool AskPassword(CProject& project, bool& readOnly);
    void FinishOpen(const std::string& path, bool historyCopied);
    void ShowAfterOpen(const ViewStatus& view);
    void SaveViewStatus(const std::string& path);
    void Warn(const AppMessage& message);
    void RestoreFrom(std::unique_ptr<CProject> project);
    bool ConfirmProjectSetSave();
    void WriteCsvCopy(const std::string& path);
    std::unique_ptr<CFileAccessor> UntitledFile() const;
    void DetachFromFile();
    void ShiftTemplate(const COleDateTime& start);
    std::optional<std::vector<std::string>> ChooseMembers();
    bool OpenProjectSet(const std::vector<std::string>& members);
    std::unique_ptr<CProject> LoadMember(const std::string& path);

    Document& document_;
    AppServices& services_;
    UndoHistory& undo_;
    EditSession& edit_;
    ViewLink& view_;
    // Set for the next open only.
    COleDateTime initialDate_ = COleDateTime::Null();
    // The initial display date taken at the start of an open.
    COleDateTime scrollDate_ = COleDateTime::Null();
    ISaveCompanion* companion_ = nullptr;
    GroupMonthLoader groupMonths_{document_};
};

}  // namespace qb
