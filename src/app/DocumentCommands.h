#pragma once

#include <memory>
#include <string>

namespace qb {

class CStatus;
class CProject;

// Creating, opening, saving and closing the one document, with the question
// that protects unsaved changes and the safety copies kept of opened files.
class DocumentCommands {
public:
    enum class Answer { kProceed, kCancel };

    explicit DocumentCommands(CStatus& status) : status_(status) {}

    Answer AskSaveChanges();
    // The whole open sequence; true when a document was opened.
    bool OpenDocument(const std::string& path);
    void CloseDocument(bool keepViewStatus);
    bool NewDocument();
    bool SaveDocument();
    bool SaveDocumentAs();

    // The menu commands around them.
    bool CommandNew();
    bool CommandOpen();
    bool CommandOpenRecent(int index);
    bool CommandClose();
    bool CommandSave();
    bool CommandSaveAs();
    bool CommandProjectSetOpen();
    // A file dropped on the window: only native project files are taken.
    bool DropFile(const std::string& path);
    bool Undo();
    bool Redo();
    // Command 40318: reload (shared mode) or reopen (foreign data).
    void Refresh();


private:
    bool CheckPassword(CProject& project);
    void RestoreFrom(std::unique_ptr<CProject> project);
    bool ConfirmProjectSetSave();
    bool WriteCsvCopy();
    bool OpenProjectSet(const std::string& setPath);

    CStatus& status_;
};

}  // namespace qb
