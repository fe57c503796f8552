#include "CProjectFile.h"

#include <ctime>
#include <optional>

#include "HolderNote.h"
#include "ProjectArchive.h"
#include "SystemError.h"

namespace qb {

CProjectFile::CProjectFile(std::string path, OpenRetryPolicy retry)
    : path_(std::move(path)), retry_(std::move(retry)) {}

CProjectFile::~CProjectFile() {
    Close();
}

void CProjectFile::Close() {
    if (!file_)
        return;
    lastScope_ = file_->GetScope();
    file_.reset();
    HolderNote::Remove(path_);
}

bool CProjectFile::IsReadOnly() const {
    return file_ != nullptr && file_->IsReadOnly();
}

void CProjectFile::SetPath(std::string path) {
    if (path == path_)
        return;
    Close();
    path_ = std::move(path);
}

// Ten attempts while another process holds the file; a file we may not
// write is taken read-only when we only mean to read it.
bool CProjectFile::Open(LockedFile::Mode purpose) {
    Error().Clear();
    LockedFile::Mode mode = purpose;
    std::uint32_t code = 0;
    for (int attempt = 1; attempt <= retry_.attempts; ++attempt) {
        file_ = LockedFile::Open(path_, mode, code, *files_);
        if (file_) {
            Error().Clear();
            HolderNote::Write(path_);
            return true;
        }
        if (code == SystemError::kSharingViolation) {
            if (attempt < retry_.attempts)
                retry_.sleep(retry_.nextWait());
        } else if ((code == SystemError::kAccessDenied || code == SystemError::kWriteProtect) &&
                   mode == LockedFile::Mode::kRead) {
            mode = LockedFile::Mode::kReadOnly;
        } else {
            break;
        }
    }
    SetOpenError(code);
    return false;
}

// Another holder is named when it left a note saying who it is.
void CProjectFile::SetOpenError(std::uint32_t code) {
    std::optional<HolderNote::Holder> holder;
    if (code == SystemError::kSharingViolation)
        holder = HolderNote::Read(path_);
    if (holder)
        Error().Set(code, std::string(ErrorSlot::kLockedMessage) + "\n" +
                              HolderNote::Describe(*holder, std::time(nullptr)));
    else
        Error().Set(code);
}

bool CProjectFile::ReadHeld(CProject& target) {
    std::string bytes;
    std::uint32_t code = 0;
    if (!file_->ReadAll(bytes, code)) {
        Error().Set(code);
        Close();
        return false;
    }
    if (!ProjectArchive::ReadProjectArchive(bytes, target, Error())) {
        Close();
        return false;
    }
    return true;
}

bool CProjectFile::Lock(CProject* project) {
    Error().Clear();
    if (project == nullptr) {
        Close();
        return true;
    }
    if (path_.empty() || IsOpen())
        return true;
    if (!Open(LockedFile::Mode::kRead))
        return false;
    return ReadHeld(*project);
}

bool CProjectFile::ReadInto(CProject& project) {
    Error().Clear();
    if (path_.empty()) {
        Error().Set(ErrorSlot::kOwnError, kNoPathMessage);
        return false;
    }
    if (!IsOpen() && !Open(LockedFile::Mode::kRead))
        return false;
    return ReadHeld(project);
}

std::unique_ptr<CProject> CProjectFile::Load(bool keepOpen) {
    Error().Clear();
    if (path_.empty()) {
        Error().Set(ErrorSlot::kOwnError, kNoPathMessage);
        return nullptr;
    }
    if (!IsOpen() && !Open(LockedFile::Mode::kRead))
        return nullptr;
    std::string bytes;
    std::uint32_t code = 0;
    if (!file_->ReadAll(bytes, code)) {
        Error().Set(code);
        Close();
        return nullptr;
    }
    std::unique_ptr<CProject> project = ProjectArchive::ReadProjectArchive(bytes, Error());
    if (!project) {
        Close();
        return nullptr;
    }
    if (project->IsShared() && !keepOpen)
        Close();
    return project;
}

bool CProjectFile::Save(const CProject* project, bool force) {
    Error().Clear();
    if (project == nullptr) {
        Error().Set(ErrorSlot::kOwnError, kNoProjectMessage);
        return false;
    }
    if (path_.empty() || (!force && !project->IsShared()))
        return true;
    if (!IsOpen() && !Open(LockedFile::Mode::kWrite))
        return false;
    bool written = false;
    if (file_->IsReadOnly()) {
        Error().Set(ErrorSlot::kOwnError, kReadOnlyMessage);
    } else {
        std::uint32_t code = 0;
        written = file_->Replace(ProjectArchive::WriteProjectArchive(*project), code);
        if (!written)
            SetWriteError(code);
    }
    // A shared project's file is let go once the others may read the new
    // state. After a failed write the caller decides: a document that was
    // on its way to shared mode stays single and must keep its hold.
    if (written && project->IsShared())
        Close();
    return written;
}

// A failed save that left the file damaged or moved its content elsewhere
// says so; any other failure left the old file whole and reports its cause.
void CProjectFile::SetWriteError(std::uint32_t code) {
    if (file_->IsDamaged())
        Error().Set(ErrorSlot::kOwnError, kDamagedMessage);
    else if (!file_->GetRescuedCopy().empty())
        Error().Set(ErrorSlot::kOwnError, kRescuedMessage + file_->GetRescuedCopy());
    else
        Error().Set(code);
}

}  // namespace qb
