#pragma once

#include <memory>

#include "CProject.h"
#include "ErrorSlot.h"

namespace qb {

// The document's file accessor: takes, saves, loads and lets go of the file
// behind a document. Operations report through the error slot, which each of
// them clears first; none of them throws.
class CFileAccessor {
public:
    CFileAccessor() = default;
    virtual ~CFileAccessor();
    CFileAccessor(const CFileAccessor&) = delete;
    CFileAccessor& operator=(const CFileAccessor&) = delete;

    // With a project: takes the file and, where the mode asks for it, reloads
    // project from it. With null: lets the file go.
    virtual bool Lock(CProject* project) = 0;
    // Writes project; force writes a single-mode project too. A shared
    // project's file is let go after a successful write only.
    virtual bool Save(const CProject* project, bool force) = 0;
    // A new project read from the file (the caller owns it), or null.
    virtual std::unique_ptr<CProject> Load(bool keepOpen) = 0;
    virtual bool IsReadOnly() const { return false; }

    const ErrorSlot& GetError() const { return error_; }
    std::uint32_t GetErrorCode() const { return error_.GetCode(); }
    const std::string& GetErrorMessage() const { return error_.GetMessage(); }

protected:
    ErrorSlot& Error() { return error_; }

private:
    ErrorSlot error_;
};

}  // namespace qb
