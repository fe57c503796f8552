#include <cstdio>
#include <string>

#include "CStatus.h"
#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DiagnosticLog.h"
#include "ProjectImport.h"

namespace qb::cli {
namespace {

constexpr const char* kUsageText = "import FILE.qbd IN.tsv [--log LOG.txt]";

}  // namespace

// Reads a tab-separated file into a single-mode project and saves it. The
// run counts as done when the file could be read, whatever its records
// held: the log says what was taken, corrected or skipped.
int RunImport(const Args& args) {
    if (args.size() < 2 || args[0].starts_with("-") || args[1].starts_with("-"))
        return CliOutput::Usage(kUsageText);
    CliOptions options;
    if (!options.Parse(Args(args.begin() + 2, args.end()), {"--log"}, {}))
        return CliOutput::Usage(kUsageText);
    const std::string input(args[1]);
    CliDocument document;
    if (!document.Open(std::string(args[0])))
        return CliOutput::kFailure;
    CStatus& status = document.Status();
    if (status.Doc().IsReadOnly())
        return CliOutput::Fail(std::string(args[0]) +
                               ": 読み取り専用のファイルにはインポートできません。");
    const std::string logPath = options.Has("--log") ? std::string(options.Get("--log"))
                                                     : ProjectImport::DefaultLogPath(status);
    const ProjectImport::Result result =
        ProjectImport::Run(status, input, logPath, COleDateTime::GetCurrentTime());
    if (!result.logWritten && result.outcome != ProjectImport::Outcome::kRefused &&
        result.outcome != ProjectImport::Outcome::kNotTaken) {
        std::fprintf(stderr, "%s: %s\n", logPath.c_str(),
                     DiagnosticLog::SystemErrorText(result.logError).c_str());
    }
    switch (result.outcome) {
        case ProjectImport::Outcome::kImported:
            break;
        case ProjectImport::Outcome::kNotOpened:
            return CliOutput::Fail(input + ": ファイルが開けませんでした。");
        case ProjectImport::Outcome::kRefused:
        case ProjectImport::Outcome::kNotTaken:
            return CliOutput::kFailure;
    }
    if (!document.SaveIfSingle())
        return CliOutput::kFailure;
    const ImportSummary& summary = result.summary;
    std::printf("段 %d、スケジュール %d をインポートしました。失敗 %d 件%s。\n", summary.rows,
                summary.schedules, summary.failed, summary.stopped ? "（途中で中断）" : "");
    if (result.logWritten)
        std::printf("ログ：%s\n", logPath.c_str());
    return CliOutput::kSuccess;
}

}  // namespace qb::cli
