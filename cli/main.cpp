// quellbrandiren-cli: the program's commands without a window.
#include <cstdio>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "HeapAdvice.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const qb::cli::Args&);
};

constexpr Command kCommands[] = {
    {"info", qb::cli::RunInfo},
    {"export-xml", qb::cli::RunExportXml},
    {"sample", qb::cli::RunSample},
    {"generate", qb::cli::RunGenerate},
    {"holidays", qb::cli::RunHolidays},
    {"ruler", qb::cli::RunRuler},
    {"working-time", qb::cli::RunWorkingTime},
    {"edit", qb::cli::RunEdit},
    {"new", qb::cli::RunNew},
    {"copy", qb::cli::RunCopy},
    {"export-csv", qb::cli::RunExportCsv},
    {"export-html", qb::cli::RunExportHtml},
    {"import", qb::cli::RunImport},
    {"convert-group", qb::cli::RunConvertGroup},
    {"find", qb::cli::RunFind},
    {"load-graph", qb::cli::RunLoadGraph},
    {"colour-rules", qb::cli::RunColourRules},
    {"import-holidays", qb::cli::RunImportHolidays},
#if QB_HAVE_QT
    {"render", qb::cli::RunRender},
    {"print", qb::cli::RunPrint},
#endif
};

constexpr const char* kUsage =
    "Usage: quellbrandiren-cli <command> [arguments]\n"
    "\n"
    "Commands:\n"
    "  info FILE.qbd                    print the document's summary as JSON\n"
    "  export-xml FILE.qbd OUT.xml      write the project export document\n"
    "  export-csv FILE.qbd OUT.csv [--separator tab|comma] [--path-separator slash|backslash]\n"
    "        [--keep-line-breaks]           write every schedule as one line of 14 fields\n"
    "  export-html FILE.qbd OUT.html [--indent] [--no-columns] [--no-actual] [--no-graph]\n"
    "                                   write the rows and schedules as an HTML table\n"
    "  import FILE.qbd IN.tsv [--log LOG.txt]\n"
    "                                   add the rows and schedules of a tab-separated file\n"
    "  sample OUT.qbd                   write the sample project\n"
    "  generate --rows N --schedules M [--links K] [--memos K] [--seed S] OUT.qbd\n"
    "                                   write a synthetic project of that size\n"
    "  holidays --from YYYYMMDD --to YYYYMMDD [--rules FILE.xml] [--project FILE.qbd]\n"
    "                                   print each day's holiday mark (1, -1 or 0)\n"
    "  ruler --unit U --format F --from YYYYMMDD --to YYYYMMDD\n"
    "        [--era NAME,SHORT --era-start YYYYMMDD]\n"
    "                                   print the cells of one ruler row\n"
    "  working-time --from YYYYMMDDhhmm --to YYYYMMDDhhmm --mode 1|2 [--rules FILE.xml]\n"
    "                                   print the working time between two moments, in days\n"
    "  new FILE.qbd                     write an empty project with the new-document defaults\n"
    "  edit FILE.qbd add-row --caption TEXT [--parent ID] [--index N]\n"
    "  edit FILE.qbd add-schedule --row ID --start YYYYMMDD[hhmm] [--end YYYYMMDD[hhmm]]\n"
    "        [--caption TEXT]\n"
    "  edit FILE.qbd set ID NAME=VALUE ...\n"
    "  edit FILE.qbd delete ID\n"
    "  edit FILE.qbd mode shared|single\n"
    "  edit FILE.qbd shift --ids ID,ID,... (--days N | --to-date YYYYMMDD) [--actuals 1|2|3|4]\n"
    "  edit FILE.qbd move ID --days N --linked 1|2|3\n"
    "  edit FILE.qbd paste IN.bin [--row ID] [--at YYYYMMDD]\n"
    "  edit FILE.qbd add-link --from ID --to ID\n"
    "  edit FILE.qbd add-memo --row ID --date YYYYMMDD --text TEXT\n"
    "                                   change the document as one edit (in shared mode\n"
    "                                   alongside other users); prints the id of a new object\n"
    "  convert-group FILE.group --from YYYYMM --to YYYYMM OUT.qbd\n"
    "                                   write the months of a Tallyframe group as a project\n"
    "  copy FILE.qbd (--ids ID,... | --row ID) OUT.bin\n"
    "                                   write objects or a row as the clipboard carries them\n"
    "  find FILE.qbd TEXT [--captions] [--remarks] [--memos] [--ignore-case] [--ignore-width]\n"
    "        [--ignore-spaces] [--overflow-only]\n"
    "                                   list the schedules and memos holding TEXT:\n"
    "                                   id, text, state, x and y, tab-separated\n"
    "  edit FILE.qbd replace FIND REPLACEMENT [the find switches]\n"
    "                                   replace every FIND; prints the objects changed\n"
    "  load-graph FILE.qbd --from YYYYMMDD --to YYYYMMDD --scale PIXELS_PER_DAY [--shown-only]\n"
    "                                   print the load graph's sum of each pixel column\n"
    "  colour-rules FILE.crs            print each colour rule as RRGGBB<TAB>text\n"
    "  import-holidays IN.ics OUT.xml   write the all-day events of an iCalendar file as a\n"
    "                                   holiday rule file; lists name, rule and period\n"
#if QB_HAVE_QT
    "  render FILE.qbd OUT.png|OUT.svg|OUT.pdf [--from YYYYMMDD] [--to YYYYMMDD]\n"
    "        [--scale PIXELS_PER_DAY] [--width PIXELS] [--height PIXELS] [--top PIXELS]\n"
    "                                   draw the row header, the ruler and the chart\n"
    "  print FILE.qbd OUT.pdf [--from YYYYMMDD] [--to YYYYMMDD] [--paper A3|B4|A4|B5|A5|postcard]\n"
    "        [--orientation portrait|landscape] [--margins L,T,R,B] [--page-format 0-7]\n"
    "        [--page-align 0-5] [--title-size 0-3] [--output-date 0|1|2] [--progress]\n"
    "        [--no-title] [--no-holidays] [--no-today] [--pages FIRST-LAST]\n"
    "                                   print the chart's pages to a PDF; prints the page count\n"
#endif
    "  help                             show this text\n"
    "  version                          print the program version\n"
    "\n"
    "Exit status: 0 on success, 1 on failure, 2 on wrong usage.\n";

int PrintUsage(std::FILE* out) {
    std::fputs(kUsage, out);
    return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    qb::HeapAdvice::UseHugePages();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return PrintUsage(stderr);
    const std::string_view name = args.front();
    if (name == "help" || name == "--help" || name == "-h")
        return PrintUsage(stdout);
    if (name == "version" || name == "--version") {
        std::puts("quellbrandiren-cli 0.1.0");
        return 0;
    }
    for (const Command& command : kCommands) {
        if (command.name == name)
            return command.run(qb::cli::Args(args.begin() + 1, args.end()));
    }
    std::fprintf(stderr, "quellbrandiren-cli: unknown command '%.*s'\n\n",
                 static_cast<int>(name.size()), name.data());
    return PrintUsage(stderr);
}
