#pragma once

#include <string>

#include "COleDateTime.h"
#include "Importer.h"

namespace qb {

class CStatus;

// An import file read into the open document as one edit (one undo step),
// and its log written. The menu command and the command-line tool both run
// it; showing the log is theirs.
class ProjectImport {
public:
    enum class Outcome {
        kImported,
        // Shared mode: message 258 was shown, nothing read, no log.
        kRefused,
        // The import file could not be opened; the log says so.
        kNotOpened,
        // The project file could not be taken; its error was shown.
        kNotTaken,
    };

    struct Result {
        Outcome outcome = Outcome::kRefused;
        ImportSummary summary;
        // The log was written to logPath.
        bool logWritten = false;
        std::uint32_t logError = 0;
    };

    // now: the moment the log names as the start.
    static Result Run(CStatus& status, const std::string& path, const std::string& logPath,
                      const COleDateTime& now);
    // "__QBRANDIR_IMPORT_LOG.txt" in the application's temporary folder (the
    // system's when there is none).
    static std::string DefaultLogPath(CStatus& status);
};

}  // namespace qb
