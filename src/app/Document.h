#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CFileAccessor.h"
#include "CProject.h"
#include "ViewStatus.h"

namespace qb {

class IDocumentObserver;

// The one open document: its project, the file accessor that holds its file,
// the path and the flags that describe it. They change together, only
// through the verbs below, and every change is announced to the observers.
class Document {
public:
    Document() = default;
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    CProject* GetProject() const { return project_.get(); }
    CFileAccessor* GetAccessor() const { return accessor_.get(); }
    bool HasProject() const { return project_ != nullptr; }
    bool IsShared() const { return project_ && project_->IsShared(); }
    // Full path of the file; empty for a document never saved.
    const std::string& Path() const { return path_; }
    bool IsModified() const { return modified_; }
    bool IsReadOnly() const { return readOnly_; }
    // Data of the sibling product, shown but not ours to write.
    bool ShowsForeignData() const { return foreignData_; }
    // Several project files combined into one untitled document.
    bool IsProjectSet() const { return projectSet_; }

    // Makes project the document, held through accessor, at path (empty for
    // an untitled one). Every flag starts off.
    void Open(std::unique_ptr<CProject> project, std::unique_ptr<CFileAccessor> accessor,
              std::string path);
    // Another project for the same file, such as an undo step gives back.
    void ReplaceProject(std::unique_ptr<CProject> project);
    // Drops project and accessor; path and flags are cleared.
    void Close();

    // Another accessor for the same document, before a save through it.
    void UseAccessor(std::unique_ptr<CFileAccessor> accessor);
    // A save through the current accessor wrote path: the document is that
    // file now, unmodified and no longer a project set.
    void SavedAs(std::string path);
    // The document leaves its file: untitled, writable, in single mode.
    void Detach(std::unique_ptr<CFileAccessor> untitled);
    void MarkModified(bool modified);
    void SetReadOnly(bool readOnly);
    void SetProjectSet(bool projectSet);
    void SetForeignData(bool foreignData);

    // The per-file view state the document was opened with (defaults for a
    // new one). Print settings and the load graph change it here; closing
    // stores it back with what the window shows.
    ViewStatus& GetViewStatus() { return viewStatus_; }
    const ViewStatus& GetViewStatus() const { return viewStatus_; }

    // The project was changed in place (an edit, a reload from the file).
    void ContentChanged();

    // Observers are not owned and remove themselves before they end.
    void AddObserver(IDocumentObserver* observer);
    void RemoveObserver(IDocumentObserver* observer);

private:
    void ResetFlags();
    // Announces the change only when there is one.
    void SetFlag(bool& flag, bool value);
    template <class Call>
    void Notify(Call call);
    void NotifyFlags();

    std::unique_ptr<CFileAccessor> accessor_;
    std::unique_ptr<CProject> project_;
    std::string path_;
    ViewStatus viewStatus_;
    bool modified_ = false;
    bool readOnly_ = false;
    bool foreignData_ = false;
    bool projectSet_ = false;
    std::vector<IDocumentObserver*> observers_;
};

}  // namespace qb
