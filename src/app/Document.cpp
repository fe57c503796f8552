#include "Document.h"

#include <algorithm>

#include "IDocumentObserver.h"

namespace qb {

Document::~Document() = default;

template <class Call>
void Document::Notify(Call call) {
    // A copy: an observer may remove itself while it is told.
    const std::vector<IDocumentObserver*> observers = observers_;
    for (IDocumentObserver* observer : observers)
        call(*observer);
}

void Document::NotifyFlags() {
    Notify([](IDocumentObserver& observer) { observer.FlagsChanged(); });
}

void Document::ResetFlags() {
    modified_ = false;
    readOnly_ = false;
    foreignData_ = false;
    projectSet_ = false;
}

void Document::Open(std::unique_ptr<CProject> project, std::unique_ptr<CFileAccessor> accessor,
                    std::string path) {
    // The old file is let go before the new project is announced.
    accessor_ = std::move(accessor);
    project_ = std::move(project);
    path_ = std::move(path);
    viewStatus_ = ViewStatus{};
    ResetFlags();
    Notify([](IDocumentObserver& observer) { observer.DocumentReplaced(); });
}

void Document::ReplaceProject(std::unique_ptr<CProject> project) {
    project_ = std::move(project);
    Notify([](IDocumentObserver& observer) { observer.DocumentReplaced(); });
}

void Document::Close() {
    project_.reset();
    accessor_.reset();
    path_.clear();
    viewStatus_ = ViewStatus{};
    ResetFlags();
    Notify([](IDocumentObserver& observer) { observer.DocumentReplaced(); });
}

void Document::UseAccessor(std::unique_ptr<CFileAccessor> accessor) {
    // The old one lets its file go before the new one takes any.
    accessor_.reset();
    accessor_ = std::move(accessor);
}

void Document::SavedAs(std::string path) {
    path_ = std::move(path);
    modified_ = false;
    projectSet_ = false;
    NotifyFlags();
}

void Document::Detach(std::unique_ptr<CFileAccessor> untitled) {
    UseAccessor(std::move(untitled));
    path_.clear();
    readOnly_ = false;
    if (project_)
        project_->SetShared(false);
    NotifyFlags();
}

void Document::MarkModified(bool modified) {
    SetFlag(modified_, modified);
}

void Document::SetFlag(bool& flag, bool value) {
    if (flag == value)
        return;
    flag = value;
    NotifyFlags();
}

void Document::SetReadOnly(bool readOnly) {
    SetFlag(readOnly_, readOnly);
}

void Document::SetProjectSet(bool projectSet) {
    SetFlag(projectSet_, projectSet);
}

void Document::SetForeignData(bool foreignData) {
    SetFlag(foreignData_, foreignData);
}

void Document::ContentChanged() {
    Notify([](IDocumentObserver& observer) { observer.ContentChanged(); });
}

void Document::AddObserver(IDocumentObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void Document::RemoveObserver(IDocumentObserver* observer) {
    std::erase(observers_, observer);
}

}  // namespace qb
