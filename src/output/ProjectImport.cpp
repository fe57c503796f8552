#include "ProjectImport.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "AppMessages.h"
#include "CStatus.h"
#include "EditResult.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "FileIo.h"
#include "ImportLog.h"
#include "WorkingFolders.h"

namespace qb {
namespace {

// Only a plain file: a device or a pipe could stream without end.
bool OpenPlainFile(const std::string& path, std::ifstream& in) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    in.open(path, std::ios::binary);
    return in.is_open();
}

}  // namespace

std::string ProjectImport::DefaultLogPath(CStatus& status) {
    std::string folder = status.Services().Folders().Recovery();
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::temp_directory_path(error).string();
        if (!folder.empty() && folder.back() != '/')
            folder += '/';
    }
    return folder + ImportLog::kFileName;
}

ProjectImport::Result ProjectImport::Run(CStatus& status, const std::string& path,
                                         const std::string& logPath, const COleDateTime& now) {
    Result result;
    if (!status.HasDocument())
        return result;
    if (status.IsShared()) {
        status.Services().Prompt().Show(messages::kImportSharedMode.Plain());
        return result;
    }
    ImportLog log;
    log.Begin(now);
    std::ifstream in;
    if (!OpenPlainFile(path, in)) {
        log.Add("ファイルが開けませんでした。\n");
        result.outcome = Outcome::kNotOpened;
    } else if (!status.Edit().BeginStep()) {
        result.outcome = Outcome::kNotTaken;
        return result;
    } else {
        result.outcome = Outcome::kImported;
        Importer importer(*status.GetProject(), status.Edit().Stamp(), log,
                          status.Services().Settings().defRowHeight);
        try {
            result.summary = importer.Run(in);
        } catch (const std::exception&) {
            // Whatever was added so far stays, as one step the user can undo.
            log.Add("処理中にエラーが発生したため、インポートを中断しました。\n");
            result.summary = importer.Summary();
            result.summary.stopped = true;
        }
        if (result.summary.Changed())
            status.Edit().Finish(EditResult::Done());
        else
            status.Edit().Unchanged();
    }
    log.Finish(logPath);
    WorkingFolders::CreateFoldersFor(logPath);
    result.logWritten = FileIo::WriteAtomically(logPath, log.Bytes(), result.logError);
    return result;
}

}  // namespace qb
