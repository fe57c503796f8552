#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {

int RunExportHtml(const Args& /*args*/) {
    return CliOutput::Fail("export-html: not available yet");
}

}  // namespace qb::cli
