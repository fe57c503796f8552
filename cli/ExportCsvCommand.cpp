#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {

int RunExportCsv(const Args& /*args*/) {
    return CliOutput::Fail("export-csv: not available yet");
}

}  // namespace qb::cli
