#pragma once

#include <string_view>
#include <vector>

namespace qb::cli {

// Each command gets the arguments after its own name and returns the exit
// status: 0 success, 1 failure (message on stderr), 2 wrong usage.
using Args = std::vector<std::string_view>;

int RunInfo(const Args& args);
int RunExportXml(const Args& args);
int RunSample(const Args& args);
int RunGenerate(const Args& args);
int RunHolidays(const Args& args);
int RunRuler(const Args& args);
int RunWorkingTime(const Args& args);
int RunEdit(const Args& args);
int RunNew(const Args& args);
// Writes the objects or a row of a project as a clipboard block to a file.
int RunCopy(const Args& args);
// The CSV and HTML exports, and the tab-separated import with its log.
int RunExportCsv(const Args& args);
int RunExportHtml(const Args& args);
int RunImport(const Args& args);
// The months of a period of a Tallyframe group as a native project file.
int RunConvertGroup(const Args& args);
// The schedules and memos whose texts hold a text, as the find window lists them.
int RunFind(const Args& args);
// The load graph's sums per pixel column of a period.
int RunLoadGraph(const Args& args);
// The entries of a colour rule file, one "RRGGBB<TAB>text" line each.
int RunColourRules(const Args& args);
// The all-day events of an iCalendar file as a holiday rule file.
int RunImportHolidays(const Args& args);
#if QB_HAVE_QT
int RunRender(const Args& args);
// The chart's pages, as the print command lays them out, into a PDF.
int RunPrint(const Args& args);
#endif

}  // namespace qb::cli
